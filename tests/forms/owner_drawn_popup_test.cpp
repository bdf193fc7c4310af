// An owner-drawn popup menu of a form: its items are measured and drawn by their filler while it
// is open, the form's own messages go on as before, and afterwards the form's window is as it
// was. The form is brought to the front first, even from behind another thread's window.
#include "forms/owner_drawn_popup.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

#include "forms/form.h"
#include "form_fixture.h"
#include "support/other_thread_window.h"

using namespace corvana::forms;
using corvana::MenuHandle;
using corvana::forms::test::PumpUntil;

namespace {

FormDecl PlainForm() {
  FormDecl f;
  f.name = "frmOwner";
  f.caption = "Owner";
  f.left = 1500;
  f.top = 1500;
  f.clientWidth = 4000;
  f.clientHeight = 2000;
  return f;
}

struct Recorder : OwnerDrawnItems {
  void MeasureItem(MEASUREITEMSTRUCT& item) override {
    measured.insert(item.itemID);
    item.itemWidth = 80;
    item.itemHeight = 20;
  }
  void DrawItem(const DRAWITEMSTRUCT& item) override {
    drawn.insert(item.itemID);
    if (item.itemState & ODS_SELECTED) selected.insert(item.itemID);
  }
  std::set<UINT> measured, drawn, selected;
};

// The front window of another thread, as the notification area's own window is when its icon is
// clicked: the keyboard's input goes to that thread. It is never shown, so the display's own
// focus stays where it is.
class ForeignWindow : public corvana::test::OtherThreadWindow {
 public:
  ForeignWindow()
      : OtherThreadWindow({.windowClass = "STATIC",
                           .caption = "foreign",
                           .style = WS_OVERLAPPEDWINDOW,
                           .x = 500,
                           .y = 500,
                           .width = 300,
                           .height = 200}) {}
};

void PressKey(WORD vk) {
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = vk;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
}

bool g_escaped = false;
void CALLBACK PressEscape(HWND wnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(wnd, id);
  g_escaped = true;
  PostMessageA(wnd, WM_KEYDOWN, VK_ESCAPE, 0);
}

// On the owner's own client area, beside the menu.
void CALLBACK ClickElsewhere(HWND wnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(wnd, id);
  POINT away{20, 20};
  ClientToScreen(wnd, &away);
  corvana::forms::test::MouseTo(away);
  corvana::forms::test::MouseTo(away, MOUSEEVENTF_LEFTDOWN);
  corvana::forms::test::MouseTo(away, MOUSEEVENTF_LEFTUP);
}

// What the open menu looked like, taken by a timer of the owner while the menu runs.
struct WhileOpen {
  Form* form = nullptr;
  LONG_PTR procedure = 0;
  HWND foreground = nullptr;
  int resizes = 0;
  bool looked = false;
};
WhileOpen g_open;

void CALLBACK LookAndChooseSecond(HWND wnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(wnd, id);
  g_open.procedure = GetWindowLongPtrA(wnd, GWLP_WNDPROC);
  g_open.foreground = GetForegroundWindow();
  // A message of the form's own still reaches the form.
  g_open.form->Move(1500, 1500, 4500, 2500);
  g_open.looked = true;
  // Typed as the user types: the keys go to the thread of the front window.
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
}

MenuHandle ThreeOwnerDrawnItems() {
  MenuHandle menu(CreatePopupMenu());
  for (UINT id = 1; id <= 3; ++id) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE;
    info.fType = MFT_OWNERDRAW;
    info.wID = id;
    InsertMenuItemA(menu.get(), id - 1, TRUE, &info);
  }
  return menu;
}

TEST(OwnerDrawnPopup, ItemsAreTheFillersWhileOpenAndTheWindowIsAsBeforeAfterwards) {
  Form form(PlainForm());
  form.Show();
  ASSERT_TRUE(PumpUntil([&] { return form.Visible(); }));
  const LONG_PTR original = GetWindowLongPtrA(form.hWnd(), GWLP_WNDPROC);
  MenuHandle menu = ThreeOwnerDrawnItems();
  Recorder items;

  ForeignWindow other;
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == other.hWnd(); }));
  g_open = {&form};
  // Counted through the form's own Resize while the menu is open.
  form.Resize = [&] { ++g_open.resizes; };
  ASSERT_NE(SetTimer(form.hWnd(), 77, 200, LookAndChooseSecond), 0u);
  // A menu that took none of the keys is closed in the end, so the test ends.
  ASSERT_NE(SetTimer(form.hWnd(), 79, 5000, PressEscape), 0u);
  const UINT chosen = TrackOwnerDrawnPopup(form, menu.get(), 300, 300, items);
  KillTimer(form.hWnd(), 77);
  KillTimer(form.hWnd(), 79);

  ASSERT_TRUE(g_open.looked) << "the menu closed before it was looked at";
  EXPECT_EQ(chosen, 2u);
  EXPECT_EQ(other.keys(), 0);
  EXPECT_EQ(items.measured, (std::set<UINT>{1, 2, 3}));
  EXPECT_EQ(items.drawn, (std::set<UINT>{1, 2, 3}));
  EXPECT_TRUE(items.selected.count(2));
  EXPECT_NE(g_open.procedure, original);
  EXPECT_EQ(g_open.foreground, form.hWnd());
  EXPECT_GE(g_open.resizes, 1);
  // Afterwards: the form's own procedure, no trace of the menu, and the null message posted.
  EXPECT_EQ(GetWindowLongPtrA(form.hWnd(), GWLP_WNDPROC), original);
  EXPECT_EQ(GetPropA(form.hWnd(), "CorvanaOwnerDrawnPopup"), nullptr);
  MSG msg{};
  EXPECT_TRUE(PeekMessageA(&msg, form.hWnd(), WM_NULL, WM_NULL, PM_REMOVE));
  // A measure message of the form's own controls (a nonzero control id) is not the menu's.
  MEASUREITEMSTRUCT control{ODT_LISTBOX, 5, 0, 0, 0, 0};
  items.measured.clear();
  SendMessageA(form.hWnd(), WM_MEASUREITEM, 5, reinterpret_cast<LPARAM>(&control));
  EXPECT_TRUE(items.measured.empty());
}

TEST(OwnerDrawnPopup, AClickElsewhereClosesItAlsoFromBehindAnotherThreadsWindow) {
  Form form(PlainForm());
  form.Show();
  ASSERT_TRUE(PumpUntil([&] { return form.Visible(); }));
  MenuHandle menu = ThreeOwnerDrawnItems();
  Recorder items;
  ForeignWindow other;
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == other.hWnd(); }));
  g_escaped = false;
  int ups = 0;
  form.MouseUp = [&](int, int, int, int) { ++ups; };
  ASSERT_NE(SetTimer(form.hWnd(), 77, 200, ClickElsewhere), 0u);
  ASSERT_NE(SetTimer(form.hWnd(), 79, 5000, PressEscape), 0u);
  EXPECT_EQ(TrackOwnerDrawnPopup(form, menu.get(), 300, 300, items), 0u);
  KillTimer(form.hWnd(), 77);
  KillTimer(form.hWnd(), 79);
  EXPECT_FALSE(g_escaped) << "the click elsewhere left the menu open";
  EXPECT_FALSE(items.drawn.empty());
  // The press closed the menu; the release comes to the form, and no press of it is left over.
  EXPECT_TRUE(PumpUntil([&] { return ups > 0; }));
}

TEST(OwnerDrawnPopup, NothingChosenIsZeroAndAFormWithoutWindowShowsNothing) {
  Form form(PlainForm());
  form.Show();
  ASSERT_TRUE(PumpUntil([&] { return form.Visible(); }));
  MenuHandle menu = ThreeOwnerDrawnItems();
  Recorder items;
  g_escaped = false;
  SetTimer(form.hWnd(), 78, 200, PressEscape);
  EXPECT_EQ(TrackOwnerDrawnPopup(form, menu.get(), 300, 300, items), 0u);
  KillTimer(form.hWnd(), 78);
  EXPECT_TRUE(g_escaped) << "the menu closed before Escape";

  Form unloaded(PlainForm());
  EXPECT_EQ(TrackOwnerDrawnPopup(unloaded, menu.get(), 300, 300, items), 0u);
}

}  // namespace
