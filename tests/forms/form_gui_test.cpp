#include "forms/form.h"

#include <gtest/gtest.h>

#include <memory>

#include "forms/basic_controls.h"
#include "forms/message_loop.h"
#include "forms/timer_control.h"
#include "forms/twips.h"
#include "form_fixture.h"
#include "support/other_thread.h"
#include "support/other_thread_window.h"

using namespace corvana::forms;
using corvana::forms::test::MouseTo;
using corvana::forms::test::PumpUntil;
using corvana::test::RunOnAnotherThread;
using corvana::test::SendFromAnotherThread;

namespace {

FormDecl ButtonForm() {
  FormDecl f;
  f.name = "frmButtons";
  f.caption = "Buttons";
  f.left = 1500;
  f.top = 1500;
  f.clientWidth = 6000;
  f.clientHeight = 3000;
  f.controls = {Decl("CommandButton", "cmdOK", 600, 450, 1500, 450).Text("OK").Extra("Default", "1"),
                Decl("CommandButton", "cmdCancel", 2400, 450, 1500, 450).Text("Abbrechen").Extra("Cancel", "1"),
                Decl("TextBox", "txtName", 4200, 450, 1500, 300),
                Decl("Frame", "fraChoice", 300, 1200, 3000, 1500).Text("Choice"),
                Decl("OptionButton", "optA", 150, 300, 1200, 300).Text("A").In("fraChoice"),
                Decl("OptionButton", "optB", 150, 700, 1200, 300).Text("B").In("fraChoice"),
                Decl("CheckBox", "chkFlag", 3600, 1200, 1500, 300).Text("Flag")};
  f.menus = {{"mnuView", -1, "&View", false, true, true,
              {{"mnuBig", -1, "Big", false, true, true, {}}, {"mnuHidden", -1, "Hidden", false, true, true, {}}}},
             {"mnuPopUp", -1, "popup", false, true, false, {{"mnuOpen", -1, "Open"}}}};
  return f;
}

RECT RectInClient(HWND child, HWND form) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(Twips, FifteenTwipsPerPixelAtNinetySixDpi) {
  HDC dc = GetDC(nullptr);
  int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(TwipsToPixelsX(1440), dpi);
  EXPECT_EQ(PixelsToTwipsX(dpi), 1440);
  if (dpi == 96) {
    EXPECT_EQ(TwipsToPixelsX(1500), 100);
    EXPECT_EQ(PixelsToTwipsY(7), 105);
  }
}

class ButtonFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Load = [this] { loadCount++; };
    form.Show();
    ASSERT_TRUE(form.Visible());
    ASSERT_TRUE(PumpUntil([] { return true; }));
  }
  Form form{ButtonForm()};
  int loadCount = 0;
};

TEST_F(ButtonFormTest, ControlsSitAtTheirDesignGeometry) {
  EXPECT_EQ(loadCount, 1);
  auto& ok = form.Get<CommandButton>("cmdOK");
  RECT r = RectInClient(ok.hWnd(), form.hWnd());
  EXPECT_EQ(r.left, TwipsToPixelsX(600));
  EXPECT_EQ(r.top, TwipsToPixelsY(450));
  EXPECT_EQ(r.right - r.left, TwipsToPixelsX(1500));
  EXPECT_EQ(r.bottom - r.top, TwipsToPixelsY(450));
  EXPECT_EQ(ok.Left(), 600);
  EXPECT_EQ(ok.Width(), 1500);
  EXPECT_EQ(form.Left(), 1500);
  EXPECT_EQ(form.Top(), 1500);
  EXPECT_EQ(form.ScaleWidth(), 6000);
  EXPECT_EQ(form.ScaleHeight(), 3000);
  // Children of a frame are placed inside it.
  auto& optB = form.Get<OptionButton>("optB");
  EXPECT_EQ(GetParent(optB.hWnd()), form.Get("fraChoice").hWnd());
  EXPECT_EQ(optB.Top(), 700);
}

TEST_F(ButtonFormTest, WholeTwipsSurviveThePixelGrid) {
  auto& ok = form.Get<CommandButton>("cmdOK");
  ok.SetWidth(1460);
  EXPECT_EQ(ok.Width(), 1460);
  RECT r = RectInClient(ok.hWnd(), form.hWnd());
  EXPECT_EQ(r.right - r.left, TwipsToPixelsX(1460));
  // Moved by other means, the control reports where it really is.
  MoveWindow(ok.hWnd(), 10, 10, 50, 20, TRUE);
  EXPECT_EQ(ok.Width(), PixelsToTwipsX(50));
  ok.SetHeight(-5);  // refused
  EXPECT_EQ(ok.Height(), PixelsToTwipsY(20));
}

TEST_F(ButtonFormTest, ARealMouseClickRunsTheHandler) {
  auto& ok = form.Get<CommandButton>("cmdOK");
  int clicks = 0;
  std::vector<int> downs;
  ok.Click = [&] { ++clicks; };
  ok.MouseDown = [&](int button, int, int, int) { downs.push_back(button); };
  // Above whatever else the display shows, so the click lands on our button.
  SetWindowPos(form.hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(form.hWnd());
  RECT r{};
  GetWindowRect(ok.hWnd(), &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ASSERT_EQ(SendInput(2, input, sizeof(INPUT)), 2u);
  ASSERT_TRUE(PumpUntil([&] { return clicks == 1; })) << "no click seen";
  EXPECT_EQ(downs, std::vector<int>{kLeftButton});
}

TEST_F(ButtonFormTest, PostedMouseMessagesClickToo) {
  auto& cancel = form.Get<CommandButton>("cmdCancel");
  int clicks = 0;
  cancel.Click = [&] { ++clicks; };
  // The button follows the real mouse while it holds the capture: left elsewhere (by an earlier
  // test), a mouse move between the two messages would take the press back.
  RECT r{};
  GetWindowRect(cancel.hWnd(), &r);
  SetCursorPos(r.left + 5, r.top + 5);
  PumpUntil([&] {
    POINT p{};
    GetCursorPos(&p);
    return p.x == r.left + 5 && p.y == r.top + 5;
  });
  PostMessageA(cancel.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(cancel.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
}

TEST_F(ButtonFormTest, EnterClicksTheDefaultButtonAndEscTheCancelButton) {
  int ok = 0, cancel = 0;
  form.Get<CommandButton>("cmdOK").Click = [&] { ++ok; };
  form.Get<CommandButton>("cmdCancel").Click = [&] { ++cancel; };
  HWND edit = form.Get("txtName").hWnd();
  SetFocus(edit);
  PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(PumpUntil([&] { return ok == 1; }));
  PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(PumpUntil([&] { return cancel == 1; }));
  EXPECT_EQ(ok, 1);
}

TEST_F(ButtonFormTest, OptionButtonsOfAContainerExcludeEachOtherAndRaiseClick) {
  auto& a = form.Get<OptionButton>("optA");
  auto& b = form.Get<OptionButton>("optB");
  int clicksA = 0;
  a.Click = [&] { ++clicksA; };
  a.SetValue(true);
  b.SetValue(true);
  EXPECT_FALSE(a.Value());
  EXPECT_EQ(SendMessageA(a.hWnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(b.hWnd(), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageA(a.hWnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(a.Value());
  EXPECT_FALSE(b.Value());
  EXPECT_EQ(clicksA, 2);

  auto& flag = form.Get<CheckBox>("chkFlag");
  int flagClicks = 0;
  flag.Click = [&] { ++flagClicks; };
  flag.SetValue(1);
  flag.SetValue(1);
  SendMessageA(flag.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(flag.Value(), 0);
  EXPECT_EQ(flagClicks, 2);
}

TEST_F(ButtonFormTest, MenuStatesReachTheMenuAndCommandsRaiseClick) {
  Menu& big = form.GetMenu("mnuBig");
  Menu& view = form.GetMenu("mnuView");
  big.SetChecked(true);
  EXPECT_TRUE(GetMenuState(view.popup(), big.id(), MF_BYCOMMAND) & MF_CHECKED);
  big.SetEnabled(false);
  EXPECT_TRUE(GetMenuState(view.popup(), big.id(), MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_EQ(GetMenuItemCount(view.popup()), 2);
  form.GetMenu("mnuHidden").SetVisible(false);
  EXPECT_EQ(GetMenuItemCount(view.popup()), 1);
  // The hidden popup menu is not in the menu bar.
  EXPECT_EQ(GetMenuItemCount(::GetMenu(form.hWnd())), 1);
  int opened = 0;
  form.GetMenu("mnuOpen").Click = [&] { ++opened; };
  PostMessageA(form.hWnd(), WM_COMMAND, MAKEWPARAM(form.GetMenu("mnuOpen").id(), 0), 0);
  EXPECT_TRUE(PumpUntil([&] { return opened == 1; }));
}

TEST_F(ButtonFormTest, QueryUnloadCanKeepTheFormAndUnloadFollowsIt) {
  int cancelNext = 1, modeSeen = -1, unloads = 0;
  form.QueryUnload = [&](int& cancel, int mode) {
    cancel = cancelNext;
    modeSeen = mode;
  };
  form.Unload = [&](int&) { ++unloads; };
  SendMessageA(form.hWnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(modeSeen, kFormControlMenu);
  EXPECT_EQ(unloads, 0);
  cancelNext = 0;
  EXPECT_TRUE(form.UnloadForm());
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(modeSeen, kFormCode);
  EXPECT_EQ(unloads, 1);
  // Loading again starts from the declaration.
  form.LoadForm();
  EXPECT_EQ(loadCount, 2);
  EXPECT_EQ(form.Get<CommandButton>("cmdOK").Width(), 1500);
}

// As the system ends the session (wineboot sends the two messages from another process).
TEST_F(ButtonFormTest, AtTheEndOfTheSessionTheFormIsUnloadedBeforeItAnswers) {
  std::vector<int> modes;
  int unloads = 0;
  form.QueryUnload = [&](int&, int mode) { modes.push_back(mode); };
  form.Unload = [&](int&) { ++unloads; };
  const HWND wnd = form.hWnd();
  // An end that did not come (another program refused it) unloads nothing.
  EXPECT_EQ(SendFromAnotherThread(wnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  EXPECT_EQ(SendFromAnotherThread(wnd, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF), 0);
  EXPECT_TRUE(form.Loaded());
  EXPECT_TRUE(modes.empty());

  EXPECT_EQ(SendFromAnotherThread(wnd, WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_TRUE(modes.empty());
  bool goneWhenAnswered = false;
  RunOnAnotherThread([&] {
    SendMessageA(wnd, WM_ENDSESSION, TRUE, 0);
    goneWhenAnswered = !IsWindow(wnd);
  });
  EXPECT_TRUE(goneWhenAnswered);
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(modes, std::vector<int>{kAppWindows});
  EXPECT_EQ(unloads, 1);
}

FormDecl TimerForm() {
  FormDecl f;
  f.name = "frmModal";
  f.caption = "Modal";
  f.borderStyle = BorderStyle::FixedDialog;
  ControlDecl timer = Decl("Timer", "Timer1");
  timer.extras["Interval"] = "50";
  f.controls = {timer};
  return f;
}

TEST(ModalForm, ReturnsWhenHiddenAndTheOwnerWaitedMeanwhile) {
  Form owner(ButtonForm());
  owner.Show();
  Form dialog(TimerForm());
  bool ownerDisabledWhileShown = false;
  HWND ownerOfDialog = nullptr;
  int ticks = 0;
  dialog.Load = [&] {
    dialog.Get<Timer>("Timer1").Tick = [&] {
      ++ticks;
      ownerDisabledWhileShown = !IsWindowEnabled(owner.hWnd());
      ownerOfDialog = GetWindow(dialog.hWnd(), GW_OWNER);
      dialog.Hide();
    };
  };
  dialog.Show(ShowMode::Modal, &owner);
  EXPECT_EQ(ticks, 1);
  EXPECT_TRUE(ownerDisabledWhileShown);
  EXPECT_EQ(ownerOfDialog, owner.hWnd());
  EXPECT_TRUE(IsWindowEnabled(owner.hWnd()));
  EXPECT_TRUE(dialog.Loaded());
  EXPECT_FALSE(dialog.Visible());
}

TEST(ModalForm, UnloadingItselfFromItsOwnHandlerReturnsSafely) {
  Form owner(ButtonForm());
  owner.Show();
  Form dialog(TimerForm());
  int unloads = 0;
  dialog.Unload = [&](int&) { ++unloads; };
  dialog.Load = [&] { dialog.Get<Timer>("Timer1").Tick = [&] { dialog.UnloadForm(); }; };
  dialog.Show(ShowMode::Modal, &owner);
  EXPECT_FALSE(dialog.Loaded());
  EXPECT_EQ(unloads, 1);
  EXPECT_TRUE(IsWindowEnabled(owner.hWnd()));
}

// A modal form that goes, hidden or unloaded, gives the keyboard back to its owner, not to the
// window of another program that lies behind it.
TEST(ModalForm, TheOwnerIsInFrontAgainWhenItGoes) {
  for (const bool unload : {false, true}) {
    SCOPED_TRACE(unload ? "unloaded" : "hidden");
    corvana::test::OtherThreadWindow other({"STATIC", "another program", 0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 500, 400});
    Form owner(ButtonForm());
    owner.Show();
    SetForegroundWindow(owner.hWnd());
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == owner.hWnd(); }));
    Form dialog(TimerForm());
    bool dialogInFront = false;
    dialog.Load = [&] {
      dialog.Get<Timer>("Timer1").Tick = [&] {
        if (GetForegroundWindow() != dialog.hWnd()) return;
        dialogInFront = true;
        if (unload)
          dialog.UnloadForm();
        else
          dialog.Hide();
      };
    };
    dialog.Show(ShowMode::Modal, &owner);
    ASSERT_TRUE(dialogInFront);
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == owner.hWnd(); }, 2000));
    EXPECT_NE(GetForegroundWindow(), other.hWnd());
  }
}

TEST(FormOwnership, AnOwnedFormGoesWithItsOwnersWindow) {
  auto owner = std::make_unique<Form>(ButtonForm());
  owner->Show();
  Form dialog(TimerForm());
  dialog.Show(ShowMode::Modeless, owner.get());
  ASSERT_EQ(GetWindow(dialog.hWnd(), GW_OWNER), owner->hWnd());
  owner.reset();
  EXPECT_FALSE(dialog.Loaded());
  EXPECT_EQ(dialog.Find("Timer1"), nullptr);
  dialog.Show();
  EXPECT_TRUE(dialog.Visible());
  EXPECT_NE(dialog.Find("Timer1"), nullptr);
}

TEST(TimerControl, TicksWhileEnabledOnly) {
  Form form(TimerForm());
  int ticks = 0;
  form.Load = [&] { form.Get<Timer>("Timer1").Tick = [&] { ++ticks; }; };
  form.Show();
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
  auto& timer = form.Get<Timer>("Timer1");
  timer.SetEnabled(false);
  int seen = ticks;
  // A tick already queued when the timer was switched off is not raised.
  SendMessageA(form.hWnd(), WM_TIMER, static_cast<WPARAM>(timer.id()), 0);
  EXPECT_EQ(ticks, seen);
}

TEST(DoEvents, RunsWhatIsPendingAndReturns) {
  Form form(ButtonForm());
  form.Show();
  int opened = 0;
  form.GetMenu("mnuOpen").Click = [&] { ++opened; };
  for (int i = 0; i < 3; ++i) PostMessageA(form.hWnd(), WM_COMMAND, MAKEWPARAM(form.GetMenu("mnuOpen").id(), 0), 0);
  DoEvents();
  EXPECT_EQ(opened, 3);
}

}  // namespace

namespace {

TEST(MouseCapture, ADragFromAnImageReportsMovesBeyondIt) {
  FormDecl f;
  f.name = "frmSplit";
  f.left = 600;
  f.top = 600;
  f.clientWidth = 6000;
  f.clientHeight = 3000;
  f.controls = {Decl("Image", "imgSplitter", 3000, 0, 135, 3000)};
  Form form(f);
  form.Show();
  SetWindowPos(form.hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(form.hWnd());
  auto& splitter = form.Get("imgSplitter");
  std::vector<int> moveXs;
  int downs = 0, ups = 0, upX = 0;
  splitter.MouseDown = [&](int, int, int, int) { ++downs; };
  splitter.MouseMove = [&](int button, int, int x, int) {
    if (button == kLeftButton) moveXs.push_back(x);
  };
  splitter.MouseUp = [&](int, int, int x, int) {
    ++ups;
    upX = x;
  };
  RECT r{};
  GetWindowRect(splitter.hWnd(), &r);
  POINT start{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  MouseTo(start);
  MouseTo(start, MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return downs == 1; }));
  POINT away{start.x + 100, start.y};
  MouseTo(away);
  ASSERT_TRUE(PumpUntil([&] { return !moveXs.empty() && moveXs.back() > splitter.Width(); }));
  MouseTo(away, MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return ups == 1; }));
  EXPECT_GT(upX, splitter.Width());
  EXPECT_EQ(GetCapture(), nullptr);
}

// An image is part of its container's surface: a picture box declared after it, which would
// otherwise go below it, covers the part they share.
TEST(ImageOrder, AWindowedSiblingItOverlapsStaysInFront) {
  FormDecl f;
  f.name = "frmOverlap";
  f.clientWidth = 6000;
  f.clientHeight = 3000;
  f.controls = {Decl("Image", "imgSplitter", 3000, 0, 135, 3000), Decl("PictureBox", "picPanel", 3060, 0, 2000, 3000)};
  Form form(f);
  form.LoadForm();
  const HWND image = form.Get("imgSplitter").hWnd();
  const HWND panel = form.Get("picPanel").hWnd();
  const RECT shared = RectInClient(panel, form.hWnd());
  const RECT own = RectInClient(image, form.hWnd());
  EXPECT_EQ(ChildWindowFromPoint(form.hWnd(), {shared.left + 1, 100}), panel);
  EXPECT_EQ(ChildWindowFromPoint(form.hWnd(), {own.left, 100}), image);
}

}  // namespace
