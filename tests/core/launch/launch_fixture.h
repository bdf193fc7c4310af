#pragma once
// A store of its own, options set for the stand-in viewer, and fakes for the two windows the
// launch talks to.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/connection_record.h"
#include "core/global_options.h"
#include "core/vnc_viewer_launch.h"
#include "support/own_desktop/stand_in_control.h"
#include "support/message_box_watcher.h"
#include "support/registry_sandbox.h"

namespace corvana::test {

class FakePrompt : public PasswordPrompt {
 public:
  void AskPassword(const std::string& ItemPath, const std::string& ConnectionName) override {
    asked.emplace_back(ItemPath, ConnectionName);
    gLaunchPassword = cancel ? "" : answer;
    if (cancel) gPasswordCancelled = true;
  }
  std::vector<std::pair<std::string, std::string>> asked;
  std::string answer;
  bool cancel = false;
};

class FakeMainWindow : public MainWindowMinimizer {
 public:
  void MinimizeMainWindow() override { ++minimized; }
  int minimized = 0;
};

class LaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gOptions = GlobalOptions{};
    gOptions.ViewerPath = StandInViewerPath();
    gOptions.AuthWindowRetries = 100;
    gOptions.AuthWindowCaption = kDefaultAuthWindowCaption;
    gOptions.MinimizeAfterConnect = kTrue;
    gLaunchPassword.clear();
    gPasswordCancelled = false;
  }
  void TearDown() override {
    // A test that expects a message takes it out of the watcher.
    EXPECT_TRUE(watcher_.seen().empty()) << watcher_.seen().front().text;
    CloseAllStandIns(kDefaultAuthWindowCaption);
    for (const auto& caption : extraCaptions_) CloseAllStandIns(caption);
  }

  // A connection at Folder\Name; Configure sets the flags of the record before it is stored.
  template <class Configure>
  static std::string MakeConfiguredConnection(const std::string& folder, const std::string& name,
                                              Configure configure) {
    ConnectionRecord record;
    record.FolderPath = folder;
    record.ConnectionName = name;
    record.Host = "vnc.example";
    record.Display = "1";
    record.Encoding = "hextile";
    configure(record);
    EXPECT_TRUE(CreateConnectionKey(record));
    return folder + "\\" + name;
  }
  static std::string MakeConnection(const std::string& folder, const std::string& name,
                                    const std::string& password = "") {
    return MakeConfiguredConnection(folder, name, [&](ConnectionRecord& r) { r.Password = password; });
  }
  // A caption of the stand-in that TearDown closes too.
  std::string UseCaption(const std::string& caption) {
    extraCaptions_.push_back(caption);
    return caption;
  }

  RegistrySandbox sandbox_;
  // Answers any message of the launch, so that a failure is reported and never waits for a click.
  MessageBoxWatcher watcher_;
  FakePrompt prompt_;
  FakeMainWindow mainWindow_;
  std::vector<std::string> extraCaptions_;
};

}  // namespace corvana::test
