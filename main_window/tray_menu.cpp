// The notification-area icon: a right click restores the window; the left button's menu of the
// whole store is still to be built.
#include "forms/handler_guard.h"
#include "main_window/main_form.h"

namespace corvana {

void MainForm::WireTrayMenu() {
  // The tray control's events come through COM, past every window procedure.
  if (tray_) tray_->TrayIconClick = [this](int button) { forms::RunGuarded([&] { KW_Tray_TrayIconClick(button); }); };
}

void MainForm::KW_Tray_TrayIconClick(int Button) {
  // The notification-area menu of the left button is built by the tray menu's own code.
  if (Button == 2) {
    Timer2().SetEnabled(false);
    if (tray_) tray_->SetEnabled(false);
    RestoreFromTray();
    Timer2().SetEnabled(true);
    if (tray_) tray_->SetEnabled(true);
  }
}

}  // namespace corvana
