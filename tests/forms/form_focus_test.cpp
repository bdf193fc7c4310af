// The keyboard focus of a form: the control that had it gets it back when the form is active
// again, and a press on a list or a tree takes it.
#include "forms/form.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "core/foreign_window.h"
#include "forms/list_view.h"
#include "forms/tree_view.h"
#include "form_fixture.h"
#include "support/other_thread.h"
#include "support/other_thread_window.h"

using namespace corvana::forms;
using corvana::forms::test::MouseTo;
using corvana::forms::test::PumpUntil;

namespace {

FormDecl FocusForm(const char* name, int left) {
  FormDecl f;
  f.name = name;
  f.caption = name;
  f.left = left;
  f.top = 900;
  f.clientWidth = 7000;
  f.clientHeight = 4000;
  ControlDecl list = Decl("ListView", "lstItems", 0, 450, 3400, 3500);
  list.extras["View"] = "3";
  list.columns = {{"Name", "name", "", 2000}};
  f.controls = {Decl("TextBox", "txtName", 0, 0, 3000, 300), list, Decl("TreeView", "tvMain", 3600, 450, 3400, 3500)};
  return f;
}

class FormFocusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    list().AddItem("alpha", "alpha");
    list().AddItem("beta", "beta");
    tree().AddNode(nullptr, kLast, "Servers", "Servers");
    BringToFront(form);
  }
  static void BringToFront(Form& f) {
    SetWindowPos(f.hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(f.hWnd());
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == f.hWnd() && GetActiveWindow() == f.hWnd(); }));
  }
  ListView& list() { return form.Get<ListView>("lstItems"); }
  TreeView& tree() { return form.Get<TreeView>("tvMain"); }
  bool FocusComesTo(const Control& c) { return PumpUntil([&] { return GetFocus() == c.hWnd(); }); }
  // A real left click, near the top left corner of the control (on its first item).
  void ClickOn(const Control& c) {
    RECT r{};
    GetWindowRect(c.hWnd(), &r);
    const POINT at{r.left + 20, r.top + 30};
    MouseTo(at);
    MouseTo(at, MOUSEEVENTF_LEFTDOWN);
    MouseTo(at, MOUSEEVENTF_LEFTUP);
  }

  Form form{FocusForm("frmFocus", 900)};
};

struct ComeBack {
  const char* label;
  std::function<void(Form& form)> leaveAndReturn;
};
void PrintTo(const ComeBack& c, std::ostream* os) { *os << c.label; }

class FocusComesBack : public FormFocusTest, public ::testing::WithParamInterface<ComeBack> {};

TEST_P(FocusComesBack, ToTheControlThatHadIt) {
  list().SetFocus();
  ASSERT_TRUE(FocusComesTo(list()));
  GetParam().leaveAndReturn(form);
  EXPECT_TRUE(FocusComesTo(list())) << "the focus is on " << GetFocus() << ", the form is " << form.hWnd();
}

INSTANTIATE_TEST_SUITE_P(
    Ways, FocusComesBack,
    ::testing::Values(ComeBack{"AnotherFormWasActive",
                               [](Form& form) {
                                 Form other(FocusForm("frmOther", 9000));
                                 other.Show();
                                 SetForegroundWindow(other.hWnd());
                                 ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == other.hWnd(); }));
                                 SetForegroundWindow(form.hWnd());
                                 ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form.hWnd(); }));
                               }},
                      ComeBack{"MinimisedAndRestoredFromAnotherThread",
                               [](Form& form) {
                                 form.SetWindowState(kMinimized);
                                 ASSERT_TRUE(PumpUntil([&] { return IsIconic(form.hWnd()) != FALSE; }));
                                 corvana::test::RestoreAsTheTaskbarDoes(form.hWnd());
                                 ASSERT_TRUE(PumpUntil([&] { return form.WindowState() == kNormal; }));
                               }},
                      ComeBack{"TheFormItselfWasGivenTheFocus", [](Form& form) { SetFocus(form.hWnd()); }}),
    [](const auto& info) { return std::string(info.param.label); });

// A form asked for the focus comes in front of the form that had it, restored when it was minimised.
TEST_F(FormFocusTest, AFormGivenTheFocusComesToTheFront) {
  Form other(FocusForm("frmOther", 9000));
  other.Show();
  SetForegroundWindow(other.hWnd());
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == other.hWnd(); }));
  form.SetFocus();
  EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form.hWnd(); }));
  form.SetWindowState(kMinimized);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(form.hWnd()) != FALSE; }));
  form.SetFocus();
  EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form.hWnd() && form.WindowState() == kNormal; }));
  // A hidden form stays hidden.
  other.Hide();
  other.SetFocus();
  EXPECT_FALSE(other.Visible());
}

// A window of another thread that comes to the front as a program just started does, while this
// thread is busy and lets no message run (as the viewer launch waits for its window).
class ForeignWindow : public corvana::test::OtherThreadWindow {
 public:
  ForeignWindow()
      : OtherThreadWindow({.windowClass = "EDIT",
                           .caption = "foreign",
                           .style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                           .x = 600,
                           .y = 600,
                           .width = 300,
                           .height = 200,
                           .takesFocus = true}) {}
};

struct PressCase {
  const char* label;
  // Leaves the focus on the text box, with the list and the tree in the state the case makes.
  std::function<void(Form& form)> before;
};
void PrintTo(const PressCase& c, std::ostream* os) { *os << c.label; }

class PressTakesTheFocus : public FormFocusTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(PressTakesTheFocus, OnAListAndOnATree) {
  GetParam().before(form);
  ASSERT_TRUE(FocusComesTo(form.Get("txtName")));
  ClickOn(list());
  EXPECT_TRUE(FocusComesTo(list())) << "the focus is on " << GetFocus();
  form.Get("txtName").SetFocus();
  ClickOn(tree());
  EXPECT_TRUE(FocusComesTo(tree())) << "the focus is on " << GetFocus();
}

// A program that types into another one's window shares that window's input for a moment: the
// focus leaves this thread without the list or the tree being told, and they still believe
// they have it.
void FocusTakenThroughSharedInput(Form& form, Control& control) {
  control.SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == control.hWnd(); }));
  ForeignWindow other;
  ASSERT_NE(other.hWnd(), nullptr);
  corvana::FocusForeignWindow(other.hWnd());
  form.Get("txtName").SetFocus();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PressTakesTheFocus,
    ::testing::Values(PressCase{"FromATextBox", [](Form& form) { form.Get("txtName").SetFocus(); }},
                      PressCase{"AfterTheFocusWentAwayUntold",
                                [](Form& form) {
                                  FocusTakenThroughSharedInput(form, form.Get("lstItems"));
                                  FocusTakenThroughSharedInput(form, form.Get("tvMain"));
                                }}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
