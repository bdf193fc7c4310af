#pragma once
// Stand-ins for the windows that core routines reach through small interfaces; they record calls.
#include <string>
#include <vector>

#include "core/global_options.h"
#include "core/registry_upgrade.h"

namespace corvana::test {

class RecordingBackground : public MainWindowBackground {
 public:
  std::vector<std::string> calls;
  bool fileLoads = true;

  void SetShowBackgroundChecked(bool checked) override { calls.push_back(checked ? "check" : "uncheck"); }
  void ClearListPicture() override { calls.push_back("clear"); }
  bool SetListPictureFromFile(const std::string& path) override {
    calls.push_back("file " + path);
    return fileLoads;
  }
  void SetListPictureFromResource(int bitmapId) override { calls.push_back("resource " + std::to_string(bitmapId)); }
};

class RecordingStatusLine : public UpgradeStatusLine {
 public:
  std::vector<std::string> shown;
  void ShowStatus(const std::string& Text) override { shown.push_back(Text); }
};

}  // namespace corvana::test
