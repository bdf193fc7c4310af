// The notification-area icon: a right click restores the window; a left click opens the whole
// store as an owner-drawn menu at the cursor and opens the chosen entry.
#include <memory>

#include "core/global_options.h"
#include "core/pcaw.h"
#include "core/registry_store.h"
#include "core/registry_value.h"
#include "core/vnc_viewer_launch.h"
#include "forms/handler_guard.h"
#include "forms/paint_pending.h"
#include "main_window/launch_prompt.h"
#include "main_window/main_form.h"
#include "main_window/menu_waiting_form.h"
#include "main_window/systray_menu.h"
#include "main_window/tray_menu_level.h"

namespace corvana {
namespace {

// How often the waiting window is repainted while a large store is read.
constexpr DWORD kRepaintIntervalMs = 100;

// While the menu is built and open neither the watchdog nor a second click may run; both come
// back on every way out of the handler.
class TrayQuiet {
 public:
  explicit TrayQuiet(MainForm& form) : form_(form) {
    form_.Timer2().SetEnabled(false);
    if (TrayIcon* tray = form_.KW_Tray()) tray->SetEnabled(false);
  }
  ~TrayQuiet() {
    if (!form_.Loaded()) return;
    form_.Timer2().SetEnabled(true);
    if (TrayIcon* tray = form_.KW_Tray()) tray->SetEnabled(true);
  }
  TrayQuiet(const TrayQuiet&) = delete;
  TrayQuiet& operator=(const TrayQuiet&) = delete;

 private:
  MainForm& form_;
};

// The menu of the whole store, built while the waiting window is shown.
std::string ChooseFromTrayMenu(MainForm& frmMain) {
  SystrayMenu menu;
  menu.InitMenu(frmMain);
  {
    MenuWaitingForm waiting;
    ShowMenuWaiting(waiting);
    DWORD lastPaint = GetTickCount();
    const TrayMenuProgress keepPainted = [&] {
      if (GetTickCount() - lastPaint < kRepaintIntervalMs) return;
      forms::PaintPendingWindows();
      lastPaint = GetTickCount();
    };
    const MainForm::Parts& c = frmMain.parts();
    AddTrayMenuFolders(menu, {c.picFolder.Picture(), c.picVNC.Picture(), c.picPCAW.Picture()}, keepPainted);
    waiting.UnloadForm();
  }
  std::string key = menu.ShowMenu();
  menu.DestroyMenus();
  return key;
}

void OpenTrayMenuChoice(MainForm& frmMain, const std::string& Key) {
  // The closing item and no choice: the key would name the store itself.
  if (Key.empty()) return;
  RegKey key = OpenStoreKey(Key);
  if (!key) return;
  if (IsFolderKey(key.get())) return;
  if (const std::string file = ReadStringValue(key.get(), kPcAWFileValue); !file.empty()) {
    if (PcAW().Connect(file) && gOptions.MinimizeAfterConnect) frmMain.SetWindowState(forms::kMinimized);
    return;
  }
  key.reset();
  std::unique_ptr<PasswordPrompt> prompt = CreateLaunchPasswordPrompt();
  ConnectVncViewerByKey(Key, *prompt, frmMain);
}

}  // namespace

void MainForm::WireTrayMenu() {
  // The tray control's events come through COM, past every window procedure.
  if (tray_) tray_->TrayIconClick = [this](int button) { forms::RunGuarded([&] { KW_Tray_TrayIconClick(button); }); };
}

void MainForm::KW_Tray_TrayIconClick(int Button) {
  TrayQuiet quiet(*this);
  if (Button == 2) {
    RestoreFromTray();
    return;
  }
  if (Button != 1) return;
  OpenTrayMenuChoice(*this, ChooseFromTrayMenu(*this));
}

}  // namespace corvana
