#pragma once
// Driving the stand-in programs from a test: where they are, what they are told through the
// environment, and waiting (with a deadline) for what they write and for their windows.
#include <windows.h>

#include <optional>
#include <string>

namespace corvana::test {

// The folder of this test program; the stand-ins are built beside it.
std::string ProgramFolder();
// The stand-in viewer carries the default viewer's name, so that the default command finds it.
std::string StandInViewerPath();
std::string StandInBrowserPath();

// A fresh base name for the files of one stand-in run, in the temporary folder.
std::string FreshRecordBase();

// The environment the stand-ins read, set for the programs started while it lives.
class StandInSettings {
 public:
  StandInSettings(const std::string& recordBase, const std::string& caption = "", const std::string& gate = "");
  ~StandInSettings();
  StandInSettings(const StandInSettings&) = delete;
  StandInSettings& operator=(const StandInSettings&) = delete;
};

// The text of the file once it exists; nullopt when it did not appear before the deadline.
std::optional<std::string> WaitForFile(const std::string& path, DWORD timeoutMs = 20000);

struct TypedResult {
  bool enter = false;
  std::string text;
};
// What arrived in the stand-in's authentication window, once it has closed.
std::optional<TypedResult> WaitForTyped(const std::string& recordBase, DWORD timeoutMs = 20000);

// The dialog of that caption once it is shown; nullptr after the deadline.
HWND WaitForDialog(const std::string& caption, DWORD timeoutMs = 20000);
// Closes a stand-in's window (as its close box does) and waits until its program has ended.
void CloseStandIn(HWND dialog);
// Closes every stand-in window of this caption that is still open.
void CloseAllStandIns(const std::string& caption);

}  // namespace corvana::test
