// What KW_TrayIcon.ocx's exports serve: its one control.
#include "com/server/control_library.h"
#include "tray_control/tray_notification.h"

std::span<const corvana::com::LibraryControl> corvana::com::LibraryControls() {
  static constexpr LibraryControl controls[] = {kLibraryControl<tray::TrayNotification>};
  return controls;
}
