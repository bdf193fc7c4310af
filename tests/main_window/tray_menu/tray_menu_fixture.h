#pragma once
// The notification-area menu under test: the main window with the registered tray control or a
// scripted one, a store the test builds, the open menu's windows, and a hand of its own that
// types and clicks while this thread is inside the menu.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "browse/browse_fixture.h"
#include "core/connection_record.h"
#include "core/pcaw.h"
#include "core/registry_store.h"
#include "main_window/systray_menu.h"
#include "support/other_thread_window.h"
#include "support/wait_for.h"
#include "support/window_picture.h"

namespace corvana::test {

// The popup menu windows of this process that are on the screen, in z-order.
inline std::vector<HWND> OpenMenuWindows() {
  std::vector<HWND> menus;
  for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "#32768", nullptr)) != nullptr;) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == GetCurrentProcessId() && IsWindowVisible(w)) menus.push_back(w);
  }
  return menus;
}

// The menu of a menu window, asked of the thread that runs the menu.
inline HMENU MenuOfWindow(HWND menuWindow) {
  return reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
}

// Works on the open menu from a thread of its own while the test's thread runs the menu's loop.
// Whatever it did, it leaves no menu open behind it: a menu still open at the end is cancelled.
class MenuHand {
 public:
  explicit MenuHand(std::function<void()> work, HWND owner)
      : owner_(owner), thread_([this, work = std::move(work)] {
          work();
          if (!WaitFor([] { return OpenMenuWindows().empty(); }, 10000)) {
            leftOpen = true;
            PostMessageA(owner_, WM_CANCELMODE, 0, 0);
          }
          done = true;
        }) {}
  ~MenuHand() {
    if (thread_.joinable()) thread_.join();
  }
  MenuHand(const MenuHand&) = delete;
  MenuHand& operator=(const MenuHand&) = delete;
  std::atomic<bool> done{false};
  std::atomic<bool> leftOpen{false};

 private:
  HWND owner_;
  std::thread thread_;
};

// The front window of another thread that the shell's notification area has when its icon is
// clicked: never shown, so the display's own focus stays where it was.
class NotificationAreaWindow : public OtherThreadWindow {
 public:
  NotificationAreaWindow()
      : OtherThreadWindow({.windowClass = "STATIC",
                           .caption = "Notification area",
                           .exStyle = WS_EX_TOOLWINDOW,
                           .style = WS_POPUP,
                           .width = 10,
                           .height = 10}) {}
};

// The tray control's own window of this process, which the shell's callback reaches.
inline HWND TrayCallbackWindow() {
  HWND window = nullptr;
  for (HWND w = nullptr; (w = FindWindowExA(HWND_MESSAGE, w, "KW_TrayNotificationWindow", nullptr)) != nullptr;) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == GetCurrentProcessId()) window = w;
  }
  return window;
}

// What the shell sends when the icon saw a mouse message: a move whose x is that message.
inline void PostTrayCallback(HWND callbackWindow, WORD mouseMessage) {
  PostMessageA(callbackWindow, WM_MOUSEMOVE, 0, MAKELPARAM(mouseMessage, 0));
}

// Writes a pcAnywhere connection file that the stand-in server reads.
inline std::string WriteConnectionFile(const std::string& name, const std::string& text) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string path =
      std::string(temp) + "corvana-tray-" + std::to_string(GetCurrentProcessId()) + "-" + name + ".chf";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

// What the stand-in server was asked to launch, in the (redirected) current user's registry.
inline std::string StandInLaunched() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Corvana pcAW stand-in", 0, KEY_READ, &key) != ERROR_SUCCESS)
    return "";
  char buf[MAX_PATH] = {};
  DWORD size = sizeof buf - 1;
  RegQueryValueExA(key, "Launched", nullptr, nullptr, reinterpret_cast<BYTE*>(buf), &size);
  RegCloseKey(key);
  return buf;
}

class TrayMenuTest : public BrowseTest {
 protected:
  // The main window with the registered tray control, the one the shell's clicks reach.
  MainForm& StartWithRegisteredTray() {
    MainFormServices services;
    services.endProgram = [this] { ++ended; };
    form = std::make_unique<MainForm>(std::move(services));
    form->LoadForm();
    form->Show();
    Pump();
    return *form;
  }

  // The store of a small firm: two top-level folders, nested folders, connections with and
  // without passwords, a folder without entries and a pcAnywhere entry.
  void SeedStore() {
    Folder("Intern");
    Connection("Intern", "Drucker", "drucker.local", "0");
    Folder("Kunden");
    Connection("Kunden", "Zentrale", "zentrale.example", "1", "", "z");
    Folder("Kunden\\Hamburg");
    Connection("Kunden\\Hamburg", "Kasse 1", "kasse1.example", "2", "", "s3cret");
    Folder("Kunden\\Leer");
  }
};

}  // namespace corvana::test
