#pragma once
// The notification-area icon of the main window (KW_Tray): what the window asks of the tray
// control, and the control itself hosted late-bound by its ProgID.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace corvana {

inline constexpr const char* kTrayControlProgId = "KW_TrayIcon.KW_TrayNotification";

class TrayIcon {
 public:
  virtual ~TrayIcon() = default;
  // Each answers the control's Boolean; False also when the control is not there.
  virtual bool TrayIconAdd(HICON icon, const std::string& toolTip) = 0;
  virtual bool TrayIconRefresh() = 0;
  virtual bool TrayIconDelete() = 0;
  virtual void SetEnabled(bool enabled) = 0;
  // The control's TrayIconClick: 1 left, 2 right.
  std::function<void(int button)> TrayIconClick;
};

// The registered tray control, created by ProgID with its click event connected. A control that
// is not registered gives an icon whose every call answers False.
std::unique_ptr<TrayIcon> CreateHostedTrayIcon();

}  // namespace corvana
