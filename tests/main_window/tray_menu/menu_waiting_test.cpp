// The small window that says the menu is being loaded: sized by its label, its lower right corner
// at the cursor, and above a taskbar at the bottom when the cursor is in it.
#include <gmock/gmock.h>

#include <cmath>

#include "core/string_table.h"
#include "forms/twips.h"
#include "main_window/menu_waiting_form.h"
#include "resources/string_ids.h"
#include "tray_menu_fixture.h"

using namespace corvana;
using namespace corvana::test;

namespace {

// The work area for the life of the object, and the old one back afterwards.
class WorkArea {
 public:
  explicit WorkArea(RECT area) {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &old_, 0);
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &area, 0);
  }
  ~WorkArea() { SystemParametersInfoA(SPI_SETWORKAREA, 0, &old_, 0); }
  WorkArea(const WorkArea&) = delete;
  WorkArea& operator=(const WorkArea&) = delete;

 private:
  RECT old_{};
};

RECT CurrentWorkArea() {
  RECT r{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

class MenuWaitingTest : public ::testing::Test {
 protected:
  RECT ShowAt(POINT cursor) {
    SetCursorPos(cursor.x, cursor.y);
    EXPECT_TRUE(WaitFor([&] {
      POINT now{};
      GetCursorPos(&now);
      return now.x == cursor.x && now.y == cursor.y;
    }));
    ShowMenuWaiting(waiting);
    RECT r{};
    GetWindowRect(waiting.hWnd(), &r);
    return r;
  }
  SIZE ExpectedSize() {
    if (!waiting.Loaded()) waiting.LoadForm();
    return {forms::TwipsToPixelsX(static_cast<int>(std::lround(waiting.lblW().Width() * 1.1))),
            forms::TwipsToPixelsY(static_cast<int>(std::lround(waiting.lblW().Height() * 1.8)))};
  }
  MenuWaitingForm waiting;
};

TEST_F(MenuWaitingTest, TheLowerRightCornerIsAtTheCursorAndTheLabelSaysWhatIsLoading) {
  const RECT r = ShowAt({500, 400});
  EXPECT_TRUE(waiting.Visible());
  EXPECT_EQ(waiting.lblW().Caption(), LoadResString(IDS_MENU_LOADING));
  EXPECT_EQ(r.right, 500);
  EXPECT_EQ(r.bottom, 400);
  EXPECT_EQ(r.right - r.left, ExpectedSize().cx);
  EXPECT_EQ(r.bottom - r.top, ExpectedSize().cy);
  // The label within the window.
  RECT label{};
  GetWindowRect(waiting.lblW().hWnd(), &label);
  EXPECT_GE(label.left, r.left);
  EXPECT_LE(label.right, r.right);
  EXPECT_GE(label.top, r.top);
  EXPECT_LE(label.bottom, r.bottom);
}

TEST_F(MenuWaitingTest, WithTheCursorInATaskbarAtTheBottomItStandsOnTheWorkAreasLowerEdge) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  WorkArea taskbar({0, 0, screenWidth, screenHeight - 40});
  ASSERT_EQ(CurrentWorkArea().bottom, screenHeight - 40) << "the work area cannot be set here";
  const POINT inTaskbar{screenWidth - 20, screenHeight - 10};
  // The window goes up when its top would be below a full-screen window's client area, which
  // the platform reports as the work area less a caption; a platform that reports more than the
  // screen never moves it.
  if (inTaskbar.y - ExpectedSize().cy <= GetSystemMetrics(SM_CYFULLSCREEN))
    GTEST_SKIP() << "this platform reports a full-screen client height of " << GetSystemMetrics(SM_CYFULLSCREEN)
                 << " pixels on a screen of " << screenHeight;
  const RECT r = ShowAt(inTaskbar);
  EXPECT_EQ(r.bottom, screenHeight - 40);
  EXPECT_EQ(r.right, inTaskbar.x);
}

TEST(TrayMenuPlace, WithTheCursorInATaskbarAtTheBottomTheMenuOpensAtTheWorkAreasLowerEdge) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  WorkArea taskbar({0, 0, screenWidth, screenHeight - 40});
  ASSERT_EQ(CurrentWorkArea().bottom, screenHeight - 40) << "the work area cannot be set here";
  EXPECT_EQ(ClampMenuY(screenHeight - 10), screenHeight - 40);
  EXPECT_EQ(ClampMenuY(screenHeight - 40), screenHeight - 40);
  EXPECT_EQ(ClampMenuY(100), 100);
}

TEST_F(MenuWaitingTest, WithTheCursorAtTheBottomOfTheWorkAreaItStaysInsideIt) {
  const RECT work = CurrentWorkArea();
  const POINT bottom{work.right - 20, work.bottom - 1};
  const RECT r = ShowAt(bottom);
  EXPECT_EQ(r.right, bottom.x);
  EXPECT_LE(r.bottom, work.bottom);
  EXPECT_GE(r.top, work.top);
  EXPECT_EQ(r.bottom - r.top, ExpectedSize().cy);
}

TEST_F(MenuWaitingTest, Screenshot) {
  const RECT r = ShowAt({400, 300});
  waiting.Refresh();
  RECT around = r;
  InflateRect(&around, 6, 6);
  EXPECT_TRUE(SaveScreenPicture(around, CORVANA_MENU_WAITING_SCREENSHOT_PATH));
}

}  // namespace
