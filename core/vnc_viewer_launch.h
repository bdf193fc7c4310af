#pragma once
// Opening a stored VNC connection in the external viewer: the command line from the connection's
// options, the password prompt when none is stored, and the password typed into the viewer's
// authentication window.
#include <optional>
#include <string>

namespace corvana {

// What the launch needs of the windows, which implement it; core itself shows no form.
class PasswordPrompt {
 public:
  virtual ~PasswordPrompt() = default;
  // Asks modally for the password of the connection at ItemPath, which is named ConnectionName;
  // leaves the outcome in gLaunchPassword and gPasswordCancelled.
  virtual void AskPassword(const std::string& ItemPath, const std::string& ConnectionName) = 0;
};

class MainWindowMinimizer {
 public:
  virtual ~MainWindowMinimizer() = default;
  virtual void MinimizeMainWindow() = 0;
};

// The password of the launch in progress; it keeps the last one after the launch.
inline std::string gLaunchPassword;
// False at the start of every launch; True when the prompt was cancelled.
inline bool gPasswordCancelled = false;

// Started when the viewer option is empty; the trailing blank is part of the command line.
inline constexpr const char* kDefaultViewerCommand = "vncviewer.exe ";
// The class of the viewer's authentication window.
inline constexpr const char* kAuthWindowClass = "#32770";

// The road of the connection list and the connect command. ItemKey is the list item's Key,
// nullopt when there is no item.
void ConnectVncViewer(const std::optional<std::string>& ItemKey, PasswordPrompt& Prompt,
                      MainWindowMinimizer& MainWindow);
// The road of the notification-area menu: always looks for "VNC Authentication", and brings the
// window to the top once and types at once.
void ConnectVncViewerByKey(const std::string& ItemPath, PasswordPrompt& Prompt, MainWindowMinimizer& MainWindow);

}  // namespace corvana
