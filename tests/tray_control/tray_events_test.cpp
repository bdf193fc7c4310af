// Clicks on the icon: the shell's callback message posted to the control's window becomes the
// pair of events, as the program's handlers receive them.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "shell_notify_spy.h"
#include "tray_test_support.h"

using namespace corvana::test;

namespace {

class TrayEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(apartment_.result(), S_OK);
    {
      WindowDcProbe screen;
      ASSERT_EQ(screen.dpi, 96) << "the expected x values are for 15 twips per pixel";
    }
    ASSERT_EQ(CreateTrayControl(control_), S_OK);
    ASSERT_EQ(sink_.Connect(control_.get()), S_OK);
    ShellNotifySpy spy(TrayControlModule());
    ASSERT_TRUE(spy.installed());
    LONG icon = HandleAsLong(LoadIconA(nullptr, IDI_APPLICATION));
    ASSERT_TRUE(CallBool(control_.get(), L"TrayIconAdd", {Variant(icon), Variant(L"VNC Corvana")}));
    window_ = spy.last().window;
    ASSERT_TRUE(IsWindow(window_));
  }
  void TearDown() override {
    CallBool(control_.get(), L"TrayIconDelete");
    sink_.Disconnect();
    control_.reset();
  }
  // What the shell does for one mouse message on the icon.
  void ShellReports(UINT mouseMessage) {
    PostMessageA(window_, WM_MOUSEMOVE, 0, MAKELPARAM(mouseMessage, 0));
    PumpMessages();
  }
  struct WindowDcProbe {
    HDC dc = GetDC(nullptr);
    int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ~WindowDcProbe() { ReleaseDC(nullptr, dc); }
  };

  Apartment apartment_;
  TrayEventSink sink_;  // outlives the control, which holds it while connected
  ComPtr<IDispatch> control_;
  HWND window_ = nullptr;
};

MATCHER_P4(IsEvent, id, button, x, y, "") { return arg.id == id && arg.button == button && arg.x == x && arg.y == y; }

std::vector<SeenEvent> Pair(short button, short x) { return {{1, button, -1, -1}, {2, button, x, 0}}; }

TEST_F(TrayEventsTest, EachMouseMessageGivesItsPairOfEventsOrNothing) {
  struct Case {
    UINT message;
    std::vector<SeenEvent> events;
  };
  const Case cases[] = {
      {WM_LBUTTONUP, Pair(1, 7710)},     {WM_LBUTTONDBLCLK, Pair(1, 7725)}, {WM_RBUTTONUP, Pair(2, 7755)},
      {WM_RBUTTONDBLCLK, Pair(2, 7770)}, {WM_MOUSEMOVE, {}},                {WM_LBUTTONDOWN, {}},
      {WM_RBUTTONDOWN, {}},              {WM_MBUTTONDOWN, {}},              {WM_MBUTTONUP, {}},
      {WM_MBUTTONDBLCLK, {}},
  };
  for (const Case& c : cases) {
    sink_.events.clear();
    ShellReports(c.message);
    EXPECT_TRUE(sink_.events == c.events) << "mouse message 0x" << std::hex << c.message << ": "
                                          << sink_.events.size() << " events";
  }
}

TEST_F(TrayEventsTest, ADoubleClickRaisesThePairThreeTimes) {
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) ShellReports(message);
  std::vector<SeenEvent> expected = Pair(1, 7710);
  for (const auto& e : Pair(1, 7725)) expected.push_back(e);
  for (const auto& e : Pair(1, 7710)) expected.push_back(e);
  EXPECT_TRUE(sink_.events == expected) << sink_.events.size() << " events";
}

TEST_F(TrayEventsTest, DisabledControlRaisesNothingAndKeepsItsIcon) {
  ASSERT_EQ(PutProperty(control_.get(), L"Enabled", Variant::Bool(false)), S_OK);
  ShellReports(WM_LBUTTONUP);
  ShellReports(WM_RBUTTONUP);
  EXPECT_TRUE(sink_.events.empty());
  EXPECT_TRUE(CallBool(control_.get(), L"TrayIconRefresh"));
  ASSERT_EQ(PutProperty(control_.get(), L"Enabled", Variant::Bool(true)), S_OK);
  ShellReports(WM_RBUTTONUP);
  EXPECT_TRUE(sink_.events == Pair(2, 7755));
}

TEST_F(TrayEventsTest, AHandlerChangingTheFirstButtonLeavesTheSecondAlone) {
  sink_.setClickButtonTo = 9;
  ShellReports(WM_LBUTTONUP);
  ASSERT_EQ(sink_.events.size(), 2u);
  EXPECT_THAT(sink_.events[1], IsEvent(2, 1, 7710, 0));
}

TEST_F(TrayEventsTest, EveryConnectedSinkGetsTheEventsUntilItDisconnects) {
  TrayEventSink second;
  ASSERT_EQ(second.Connect(control_.get()), S_OK);
  ShellReports(WM_RBUTTONUP);
  EXPECT_TRUE(second.events == Pair(2, 7755));
  second.Disconnect();
  sink_.events.clear();
  ShellReports(WM_LBUTTONUP);
  EXPECT_EQ(second.events.size(), 2u);
  EXPECT_TRUE(sink_.events == Pair(1, 7710));
}

}  // namespace
