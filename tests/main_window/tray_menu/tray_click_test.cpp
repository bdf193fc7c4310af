// A click on the notification-area icon as the shell reports it: the left button opens the whole
// store as a menu at the cursor, chosen from with the keyboard or the mouse; the right button only
// restores the window.
#include <gmock/gmock.h>

#include <functional>
#include <optional>
#include <thread>

#include "core/global_options.h"
#include "core/string_table.h"
#include "core/vnc_viewer_launch.h"
#include "resources/string_ids.h"
#include "support/own_desktop/stand_in_control.h"
#include "tray_menu_fixture.h"

using namespace corvana;
using namespace corvana::test;

namespace {

class TrayClickTest : public TrayMenuTest {
 protected:
  void TearDown() override {
    CloseAllStandIns(kDefaultAuthWindowCaption);
    TrayMenuTest::TearDown();
  }
  // The stand-in viewer; the list road would look for another caption than the tray road does.
  static void UseStandIn() {
    gOptions.ViewerPath = StandInViewerPath();
    gOptions.PreferredViewer = "vncviewer";
    gOptions.AuthWindowRetries = 100;
    gOptions.AuthWindowCaption = "Anmeldung";
    gOptions.MinimizeAfterConnect = kFalse;
  }
  // Counts the control's click events and the handler's returns.
  void CountClicks(MainForm& f) {
    auto handler = f.KW_Tray()->TrayIconClick;
    f.KW_Tray()->TrayIconClick = [this, handler](int button) {
      ++clicks;
      handler(button);
      ++handled;
    };
  }
  // A left click on the icon as the shell reports it, with Work done on the open menu from a
  // thread of its own; returns once the click's handler has returned.
  void LeftClickWith(MainForm& f, std::function<void()> work) {
    const int before = handled;
    MenuHand hand(std::move(work), f.hWnd());
    PostTrayCallback(TrayCallbackWindow(), WM_LBUTTONUP);
    ASSERT_TRUE(PumpUntil([&] { return handled > before; }, 60000));
    EXPECT_FALSE(hand.leftOpen) << "the menu was still open when the hand was done";
  }
  // The window with the registered control, the stand-in viewer, the clicks counted, and the
  // front taken by the notification area as a click on its icon leaves it.
  MainForm& StartForClicks() {
    MainForm& f = StartWithRegisteredTray();
    UseStandIn();
    CountClicks(f);
    EXPECT_TRUE(TrayCallbackWindow());
    notificationArea.TakeTheFront();
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == notificationArea.hWnd(); }));
    return f;
  }
  // Nothing was started: the launch clears the cancel flag first of all, and the stand-in server
  // writes what it launched.
  void ExpectNothingOpened() {
    EXPECT_TRUE(gPasswordCancelled) << "a viewer launch began";
    EXPECT_EQ(StandInLaunched(), "");
  }
  static bool WaitForMenus(size_t count) {
    return WaitFor([count] { return OpenMenuWindows().size() == count; });
  }

  std::atomic<int> clicks{0}, handled{0};
  NotificationAreaWindow notificationArea;
};

TEST_F(TrayClickTest, ALeftClickAndTheKeyboardConnectANestedConnectionWithItsPassword) {
  SeedStore();
  MainForm& f = StartForClicks();
  const std::string record = FreshRecordBase();
  StandInSettings settings(record, kDefaultAuthWindowCaption);
  MoveMouse({900, 700});

  // Intern, Kunden, the closing item; in Kunden: Zentrale, Hamburg, Leer; in Hamburg: Kasse 1.
  LeftClickWith(f, [] {
    if (!WaitForMenus(1)) return;
    for (WORD key : {VK_DOWN, VK_DOWN, VK_RIGHT}) PressKey(key);
    if (!WaitForMenus(2)) return;
    for (WORD key : {VK_DOWN, VK_RIGHT}) PressKey(key);
    if (!WaitForMenus(3)) return;
    PressKey(VK_RETURN);
  });
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(notificationArea.keys(), 0);
  std::optional<TypedResult> typed = WaitForTyped(record);
  ASSERT_TRUE(typed) << "no viewer window was typed into";
  EXPECT_EQ(typed->text, "s3cret");
  EXPECT_TRUE(typed->enter);
  std::optional<std::string> line = WaitForFile(record + ".cmd");
  ASSERT_TRUE(line);
  EXPECT_THAT(*line, ::testing::EndsWith("kasse1.example:2"));
  EXPECT_TRUE(f.Timer2().Enabled());
}

struct NothingCase {
  const char* label;
  bool emptyStore;
  std::vector<WORD> keys;
};

class ChoosingNothing : public TrayClickTest, public ::testing::WithParamInterface<NothingCase> {};

TEST_P(ChoosingNothing, OpensNothingAndTheIconTakesClicksAgain) {
  const NothingCase& c = GetParam();
  if (!c.emptyStore) SeedStore();
  MainForm& f = StartForClicks();
  // The window makes a first folder for an empty store.
  if (c.emptyStore) DeleteKeyTree(f.tvMain().Roots().front()->Key());
  gPasswordCancelled = true;
  MoveMouse({300, 200});
  std::atomic<int> items{-1};
  LeftClickWith(f, [&] {
    if (!WaitForMenus(1)) return;
    items = GetMenuItemCount(MenuOfWindow(OpenMenuWindows().front()));
    for (WORD key : c.keys) {
      PressKey(key);
      // A folder's item opens its submenu instead of being chosen.
      if (key == VK_RETURN && !c.emptyStore && c.keys.front() == VK_DOWN) WaitForMenus(2);
    }
  });
  EXPECT_EQ(items, c.emptyStore ? 1 : 3) << "the folders and the closing item";
  ExpectNothingOpened();
  EXPECT_EQ(f.WindowState(), forms::kNormal);
  EXPECT_TRUE(f.Timer2().Enabled());
  // The icon takes the next click again.
  LeftClickWith(f, [] {
    if (WaitForMenus(1)) PressKey(VK_ESCAPE);
  });
  EXPECT_EQ(clicks, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChoosingNothing,
    ::testing::Values(NothingCase{"Escape", false, {VK_DOWN, VK_ESCAPE}},
                      NothingCase{"TheClosingItem", false, {VK_UP, VK_RETURN}},
                      NothingCase{"TheClosingItemAloneOfAnEmptyStore", true, {VK_DOWN, VK_RETURN}},
                      NothingCase{"EnterOnAFolderOpensItThenEscape", false, {VK_DOWN, VK_RETURN, VK_ESCAPE, VK_ESCAPE}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(TrayClickTest, AClickBesideTheMenuClosesItAndOpensNothing) {
  SeedStore();
  MainForm& f = StartForClicks();
  gPasswordCancelled = true;
  MoveMouse({600, 300});
  LeftClickWith(f, [] {
    if (!WaitForMenus(1)) return;
    PressKey(VK_DOWN);
    // Only a menu that tracks the mouse already sees the click: wait until it took the key.
    if (!WaitFor([] {
          const std::vector<HWND> open = OpenMenuWindows();
          if (open.empty()) return false;
          HMENU menu = MenuOfWindow(open.front());
          for (int i = 0; i < GetMenuItemCount(menu); ++i)
            if (GetMenuState(menu, i, MF_BYPOSITION) & MF_HILITE) return true;
          return false;
        }))
      return;
    const POINT beside{200, 600};
    SendMouse(MOUSEEVENTF_LEFTDOWN, beside);
    SendMouse(MOUSEEVENTF_LEFTUP, beside);
  });
  ExpectNothingOpened();
}

TEST_F(TrayClickTest, APcAnywhereEntryIsOpenedByTheServerAndTheWindowMinimised) {
  Folder("Filialen");
  const std::string file = WriteConnectionFile("filiale7", "ConnectionType=TCP/IP\nComputerName=FIL-07\n");
  ASSERT_TRUE(SetPcAWFile("Filialen\\Filiale 7", file));
  MainForm& f = StartForClicks();
  gOptions.MinimizeAfterConnect = kTrue;
  gOptions.SystrayIfMinimized = kFalse;
  gPasswordCancelled = true;
  MoveMouse({300, 200});
  LeftClickWith(f, [] {
    if (!WaitForMenus(1)) return;
    for (WORD key : {VK_DOWN, VK_RIGHT}) PressKey(key);
    if (!WaitForMenus(2)) return;
    PressKey(VK_RETURN);
  });
  EXPECT_EQ(StandInLaunched(), file);
  EXPECT_TRUE(gPasswordCancelled) << "a viewer launch began";
  EXPECT_TRUE(PumpUntil([&] { return f.WindowState() == forms::kMinimized; }));
}

TEST_F(TrayClickTest, ASecondClickWhileTheMenuIsOpenStartsNoSecondMenu) {
  SeedStore();
  MainForm& f = StartForClicks();
  MoveMouse({300, 200});
  std::atomic<size_t> menusAfterSecondClick{0};
  LeftClickWith(f, [&] {
    if (!WaitForMenus(1)) return;
    // Answered by the menu's own loop: the control, disabled, raises nothing.
    SendMessageA(TrayCallbackWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(WM_LBUTTONUP, 0));
    SendMessageA(TrayCallbackWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(WM_RBUTTONUP, 0));
    menusAfterSecondClick = OpenMenuWindows().size();
    PressKey(VK_ESCAPE);
  });
  EXPECT_EQ(menusAfterSecondClick, 1u);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(handled, 1);
}

TEST_F(TrayClickTest, ARightClickOnlyRestoresTheWindow) {
  SetRoot("SystrayIfMinimized", "1");
  SeedStore();
  MainForm& f = StartForClicks();
  f.SetWindowState(forms::kMinimized);
  ASSERT_TRUE(PumpUntil([&] { return f.WindowState() == forms::kMinimized || !f.Visible(); }));
  // Watches for a menu while the click is handled, and closes one that should not be there.
  std::atomic<bool> stop{false}, sawMenu{false};
  std::thread watch([&] {
    while (!stop) {
      if (!OpenMenuWindows().empty()) {
        sawMenu = true;
        PressKey(VK_ESCAPE);
      }
      Sleep(10);
    }
  });
  PostTrayCallback(TrayCallbackWindow(), WM_RBUTTONUP);
  EXPECT_TRUE(PumpUntil([&] { return handled == 1; }));
  stop = true;
  watch.join();
  EXPECT_FALSE(sawMenu);
  EXPECT_TRUE(PumpUntil([&] { return f.Visible() && f.WindowState() == forms::kNormal; }));
  EXPECT_TRUE(f.Timer2().Enabled());
}

struct TextSearch {
  std::wstring text;
  bool found = false;
};

// Read without a message to the window's thread, which is busy.
BOOL CALLBACK HasText(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<TextSearch*>(param);
  wchar_t buf[128] = {};
  InternalGetWindowText(child, buf, 128);
  search->found = search->text == buf;
  return !search->found;
}

// The waiting window of this process, found by its text; null while there is none.
HWND MenuWaitingWindow() {
  const std::string text = LoadResString(IDS_MENU_LOADING);
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<size_t>(
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()))));
  for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, nullptr, nullptr)) != nullptr;) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != GetCurrentProcessId() || !IsWindowVisible(w)) continue;
    TextSearch search{wide};
    EnumChildWindows(w, HasText, reinterpret_cast<LPARAM>(&search));
    if (search.found) return w;
  }
  return nullptr;
}

TEST_F(TrayClickTest, TheWaitingWindowStaysPaintedWhileALargeStoreIsRead) {
  Folder("Viele");
  for (int i = 0; i < 2000; ++i) Connection("Viele", "conn" + std::to_string(i));
  MainForm& f = StartForClicks();
  std::atomic<bool> checkedWhileBuilding{false}, repainted{false};
  LeftClickWith(f, [&] {
    HWND waiting = nullptr;
    if (!WaitFor([&] { return (waiting = MenuWaitingWindow()) != nullptr; })) return;
    // Uncovered again, say: it must paint itself while the store is still being read.
    InvalidateRect(waiting, nullptr, TRUE);
    repainted = WaitFor([&] { return !GetUpdateRect(waiting, nullptr, FALSE); }, 1000);
    checkedWhileBuilding = OpenMenuWindows().empty() && IsWindow(waiting);
    if (WaitForMenus(1)) PressKey(VK_ESCAPE);
  });
  EXPECT_TRUE(checkedWhileBuilding) << "the store was read before the window could be looked at";
  EXPECT_TRUE(repainted);
}

// A window of the test's thread that runs Work when another thread asks: the thread answers what
// it is sent also while it is inside the menu's loop, so Work sees the window as the menu leaves it.
class ThisThreadAnswer {
 public:
  explicit ThisThreadAnswer(std::function<void()> work)
      : work_(std::move(work)),
        wnd_(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {
    SetWindowLongPtrA(wnd_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(wnd_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ThisThreadAnswer::Proc)));
  }
  void AskFromAnotherThread() const { SendMessageA(wnd_.get(), WM_APP, 0, 0); }

 private:
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<ThisThreadAnswer*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (msg == WM_APP) {
      self->work_();
      return 0;
    }
    return CallWindowProcA(self->previous_, wnd, msg, w, l);
  }
  std::function<void()> work_;
  WindowHandle wnd_;
  WNDPROC previous_ = nullptr;
};

TEST_F(TrayClickTest, WhileTheMenuIsOpenTheWatchdogRestsAndTheWaitingWindowIsGone) {
  SeedStore();
  MainForm& f = StartForClicks();
  MoveMouse({300, 200});
  std::optional<bool> watchdogOn, waitingShown;
  const ThisThreadAnswer look([&] {
    watchdogOn = f.Timer2().Enabled();
    waitingShown = MenuWaitingWindow() != nullptr;
  });
  LeftClickWith(f, [&] {
    if (!WaitForMenus(1)) return;
    look.AskFromAnotherThread();
    PressKey(VK_ESCAPE);
  });
  ASSERT_TRUE(watchdogOn && waitingShown) << "the open menu was never looked at";
  EXPECT_FALSE(*watchdogOn);
  EXPECT_FALSE(*waitingShown);
  EXPECT_TRUE(f.Timer2().Enabled()) << "the watchdog runs again once the menu is closed";
}

// The open menu with a submenu, the pictures of the three kinds and a highlighted item.
TEST_F(TrayClickTest, Screenshot) {
  Folder("Intern");
  Connection("Intern", "Drucker", "drucker.local", "0");
  Folder("Kunden");
  Connection("Kunden", "Zentrale", "zentrale.example", "1", "", "z");
  Connection("Kunden", "Kasse Filiale 2", "kasse2.example", "0");
  Folder("Kunden\\Hamburg");
  Folder("Kunden\\Berlin");
  ASSERT_TRUE(SetPcAWFile("Kunden\\Filiale 7", WriteConnectionFile("shot", "ComputerName=FIL-07\n")));
  MainForm& f = StartForClicks();
  MoveMouse({200, 150});
  std::atomic<bool> saved{false};
  LeftClickWith(f, [&] {
    if (!WaitForMenus(1)) return;
    for (WORD key : {VK_DOWN, VK_DOWN, VK_RIGHT}) PressKey(key);
    if (!WaitForMenus(2)) return;
    PressKey(VK_DOWN);
    // The picture waits until the submenu (the one further right) shows its second item highlighted.
    WaitFor([] {
      HWND submenu = nullptr;
      RECT r{}, best{};
      for (HWND menu : OpenMenuWindows())
        if (GetWindowRect(menu, &r) && (!submenu || r.left > best.left)) submenu = menu, best = r;
      WindowDc screen(nullptr);
      return submenu && GetPixel(screen.get(), best.left + 40, best.top + 3 + kMenuItemHeight + kMenuItemHeight / 2) ==
                            GetSysColor(COLOR_HIGHLIGHT);
    });
    RECT all{};
    for (HWND menu : OpenMenuWindows()) {
      RECT r{};
      GetWindowRect(menu, &r);
      UnionRect(&all, &all, &r);
    }
    InflateRect(&all, 8, 8);
    saved = SaveScreenPicture(all, CORVANA_TRAY_MENU_SCREENSHOT_PATH);
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
  });
  EXPECT_TRUE(saved);
}

}  // namespace
