// What the forms layer does for the windows above it, so they call no Win32 on a control: an
// error escaping a handler, z-order, tree scrolling and a drag that keeps the mouse.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "core/message_box.h"
#include "forms/basic_controls.h"
#include "forms/form.h"
#include "forms/mouse_drag.h"
#include "forms/picture_controls.h"
#include "forms/tree_view.h"
#include "form_fixture.h"
#include "support/message_box_watcher.h"

using namespace corvana::forms;
using corvana::forms::test::MouseTo;
using corvana::forms::test::PumpUntil;
using corvana::test::MessageBoxWatcher;

namespace {

FormDecl FrontForm(std::vector<ControlDecl> controls) {
  FormDecl f;
  f.name = "frmLayer";
  f.left = 900;
  f.top = 900;
  f.clientWidth = 6000;
  f.clientHeight = 4000;
  f.controls = std::move(controls);
  return f;
}

void BringToFront(Form& form) {
  form.Show();
  SetWindowPos(form.hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(form.hWnd());
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form.hWnd(); }));
}

POINT CentreOf(const Control& control) {
  RECT r{};
  GetWindowRect(control.hWnd(), &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST(HandlerGuard, AnErrorInAHandlerBecomesAMessageAndTheFormGoesOn) {
  Form form(FrontForm({Decl("CommandButton", "cmdBoom", 300, 300, 1500, 450).Text("Boom")}));
  form.Show();
  auto& button = form.Get<CommandButton>("cmdBoom");
  int clicks = 0;
  button.Click = [&] {
    ++clicks;
    if (clicks == 1) throw std::runtime_error("no control lstItems on form frmMain");
  };
  MessageBoxWatcher boxes;
  const HWND wnd = button.hWnd();
  PostMessageA(form.hWnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(wnd), BN_CLICKED), reinterpret_cast<LPARAM>(wnd));
  ASSERT_TRUE(PumpUntil([&] { return !boxes.seen().empty(); }));
  EXPECT_EQ(boxes.seen()[0].title, corvana::kApplicationTitle);
  EXPECT_EQ(boxes.seen()[0].text, "no control lstItems on form frmMain");
  EXPECT_TRUE(form.Loaded());

  PostMessageA(form.hWnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(wnd), BN_CLICKED), reinterpret_cast<LPARAM>(wnd));
  ASSERT_TRUE(PumpUntil([&] { return clicks == 2; }));
  EXPECT_EQ(boxes.seen().size(), 1u);
}

TEST(HandlerGuard, AnErrorInAControlsOwnEventIsCaughtAtItsProcedure) {
  Form form(FrontForm({Decl("TextBox", "txtName", 300, 300, 3000, 315)}));
  form.Show();
  auto& text = form.Get<TextBox>("txtName");
  text.KeyDown = [](int&, int) { throw std::logic_error("key handler failed"); };
  MessageBoxWatcher boxes;
  PostMessageA(text.hWnd(), WM_KEYDOWN, 'A', 0);
  ASSERT_TRUE(PumpUntil([&] { return !boxes.seen().empty(); }));
  EXPECT_EQ(boxes.seen()[0].text, "key handler failed");
  EXPECT_TRUE(IsWindow(text.hWnd()));
}

TEST(ZOrder, BringsAControlInFrontOfTheSiblingItOverlapsAndBack) {
  ControlDecl bar = Decl("PictureBox", "picBar", 600, 600, 1500, 1500);
  bar.extras["BackColor"] = "0x808080";
  Form form(FrontForm({Decl("PictureBox", "picPanel", 300, 300, 3000, 3000), bar}));
  BringToFront(form);
  auto& panel = form.Get<PictureBox>("picPanel");
  auto& barControl = form.Get<PictureBox>("picBar");
  const POINT shared = CentreOf(barControl);
  // Declared later, the bar went below the panel.
  ASSERT_EQ(WindowFromPoint(shared), panel.hWnd());
  barControl.ZOrder(0);
  EXPECT_EQ(WindowFromPoint(shared), barControl.hWnd());
  barControl.ZOrder(1);
  EXPECT_EQ(WindowFromPoint(shared), panel.hWnd());
}

TEST(TreeScroll, ScrollsTheViewOneLineEachWay) {
  Form form(FrontForm({Decl("TreeView", "tvMain", 300, 300, 3000, 1500)}));
  form.Show();
  auto& tree = form.Get<TreeView>("tvMain");
  for (int i = 0; i < 60; ++i) tree.AddNode(nullptr, kLast, "k" + std::to_string(i), "Node " + std::to_string(i));
  auto firstVisible = [&] { return TreeView_GetFirstVisible(tree.hWnd()); };
  const HTREEITEM top = firstVisible();
  tree.ScrollLine(false);
  const HTREEITEM second = firstVisible();
  EXPECT_EQ(second, TreeView_GetNextVisible(tree.hWnd(), top));
  tree.ScrollLine(true);
  EXPECT_EQ(firstVisible(), top);
  tree.ScrollLine(true);  // at the top already
  EXPECT_EQ(firstVisible(), top);
}

class MouseDragTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BringToFront(form);
    drag.Moved = [this](POINT p) { moves.push_back(p); };
    drag.Dropped = [this](POINT p) { drops.push_back(p); };
    drag.Cancelled = [this] { ++cancels; };
  }
  // A press on the source's centre, then the drag, as a handler of the press would start it.
  void PressAndBegin() {
    moves.clear();
    const POINT start = CentreOf(source());
    MouseTo(start);
    MouseTo(start, MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([&] { return GetKeyState(VK_LBUTTON) < 0; }));
    ASSERT_TRUE(drag.Begin(source(), corvana::IconHandle(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)))));
    EXPECT_EQ(moves.size(), 1u);  // the first move at once
    EXPECT_EQ(GetCapture(), source().hWnd());
  }
  Control& source() { return form.Get("picSource"); }

  Form form{FrontForm({Decl("PictureBox", "picSource", 300, 300, 1500, 1500),
                       Decl("PictureBox", "picTarget", 3000, 300, 1500, 1500)})};
  MouseDrag drag;
  std::vector<POINT> moves, drops;
  int cancels = 0;
};

TEST_F(MouseDragTest, MovesBeyondTheSourceAndTheDropComeWithTheirOwnPoints) {
  PressAndBegin();
  const POINT over = CentreOf(form.Get("picTarget"));
  MouseTo(over);
  ASSERT_TRUE(PumpUntil([&] { return !moves.empty() && moves.back().x == over.x && moves.back().y == over.y; }));
  EXPECT_TRUE(form.Get("picTarget").ContainsScreenPoint(moves.back()));
  MouseTo(over, MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return drops.size() == 1; }));
  EXPECT_EQ(drops[0].x, over.x);
  EXPECT_EQ(drops[0].y, over.y);
  EXPECT_FALSE(drag.Active());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(cancels, 0);
}

TEST_F(MouseDragTest, EscapeOrALostCaptureCancelsWithoutADrop) {
  PressAndBegin();
  PostMessageA(source().hWnd(), WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(PumpUntil([&] { return cancels == 1; }));
  EXPECT_FALSE(drag.Active());
  MouseTo(CentreOf(source()), MOUSEEVENTF_LEFTUP);
  PumpUntil([] { return GetKeyState(VK_LBUTTON) >= 0; });

  PressAndBegin();
  SetCapture(form.Get("picTarget").hWnd());
  ASSERT_TRUE(PumpUntil([&] { return cancels == 2; }));
  EXPECT_FALSE(drag.Active());
  ReleaseCapture();
  MouseTo(CentreOf(source()), MOUSEEVENTF_LEFTUP);
  PumpUntil([] { return GetKeyState(VK_LBUTTON) >= 0; });
  EXPECT_TRUE(drops.empty());
}

}  // namespace
