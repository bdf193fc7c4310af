#include "core/vnc_viewer_launch.h"

#include <windows.h>

#include "core/connection_record.h"
#include "core/foreign_window.h"
#include "core/global_options.h"
#include "core/keystrokes.h"
#include "core/message_box.h"
#include "core/pending_messages.h"
#include "core/process_start.h"

namespace corvana {
namespace {

enum class Road { List, Tray };

std::string ViewerSwitches(const ConnectionRecord& record) {
  std::string switches;
  const std::pair<Flag, const char*> flags[] = {
      {record.Restrict8Bit, " /8bit"},   {record.SwapMouseButtons, " /swapmouse"},
      {record.SharedSession, " /shared"}, {record.DeiconifyOnBell, " /belldeiconify"},
      {record.FullScreen, " /fullscreen"}, {record.ViewOnly, " /viewonly"},
      {record.Emulate3Buttons, " /emulate3"},
  };
  for (auto [flag, text] : flags)
    if (flag != kFalse) switches += text;
  if (record.Scale != kFalse && !record.Scale1.empty() && !record.Scale2.empty())
    switches += " /scale " + record.Scale1 + "/" + record.Scale2;
  // The viewer expects the lone slash before the address, with or without switches.
  return switches + " /";
}

HWND FindAuthenticationWindow(const std::string& caption) {
  HWND window = nullptr;
  // Every attempt, the successful one too, is followed by the pause; a negative count makes none.
  for (long n = gOptions.AuthWindowRetries; !window && n >= 0; --n) {
    window = FindWindowA(kAuthWindowClass, caption.c_str());
    SleepEx(100, TRUE);
  }
  return window;
}

void ShowStartError(const std::string& program, const std::string& description) {
  ShowMessage("Error on executing " + program + " (" + description + ")", MB_OK | MB_ICONERROR, kProductTitle);
}

// True when the password was typed.
bool StartAndType(const std::string& commandLine, const std::string& program, Road road) {
  StartResult start = StartCommandLine(commandLine, SW_SHOWNORMAL);
  if (!start.started) {
    ShowStartError(program, start.errorText);
    return false;
  }
  HWND window = FindAuthenticationWindow(road == Road::List ? gOptions.AuthWindowCaption
                                                            : std::string(kDefaultAuthWindowCaption));
  if (gLaunchPassword.empty() || !window) return false;
  BringForeignWindowToTop(window);
  if (road == Road::List) {
    FocusForeignWindow(window);
    SleepEx(200, TRUE);
    BringForeignWindowToTop(window);
    FocusForeignWindow(window);
  }
  // Typed literally: a notation character in a password is a character of the password.
  if (!SendKeystrokes(EscapeKeystrokes(gLaunchPassword) + "{ENTER}")) {
    ShowStartError(program, "the password could not be typed");
    return false;
  }
  RunPendingMessages();
  SleepEx(1000, TRUE);
  return true;
}

void Launch(const std::string& itemPath, Road road, PasswordPrompt& prompt, MainWindowMinimizer& mainWindow) {
  ConnectionRecord record;
  if (!ReadConnection(itemPath, record)) return;
  const std::string executable = gOptions.ViewerPath.empty() ? kDefaultViewerCommand : gOptions.ViewerPath;
  const std::string switches = ViewerSwitches(record);
  gLaunchPassword = record.Password;
  if (gLaunchPassword.empty()) {
    prompt.AskPassword(itemPath, record.ConnectionName);
    if (gPasswordCancelled) return;
  }
  const std::string commandLine = executable + switches + " " + record.Host + ":" + record.Display;
  // The message names what was started, also when that is the default program.
  std::string program = executable;
  while (!program.empty() && program.back() == ' ') program.pop_back();
  if (StartAndType(commandLine, program, road) && gOptions.MinimizeAfterConnect != kFalse)
    mainWindow.MinimizeMainWindow();
}

}  // namespace

void ConnectVncViewer(const std::optional<std::string>& ItemKey, PasswordPrompt& Prompt,
                      MainWindowMinimizer& MainWindow) {
  gPasswordCancelled = false;
  if (!ItemKey) return;
  Launch(*ItemKey, Road::List, Prompt, MainWindow);
}

void ConnectVncViewerByKey(const std::string& ItemPath, PasswordPrompt& Prompt, MainWindowMinimizer& MainWindow) {
  gPasswordCancelled = false;
  Launch(ItemPath, Road::Tray, Prompt, MainWindow);
}

}  // namespace corvana
