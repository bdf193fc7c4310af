// The main road: a double-click (or Enter) on a connection in the list starts the preferred
// viewer, here the stand-in, and its authentication window receives the stored password.
#include <gmock/gmock.h>

#include "browse_fixture.h"
#include "core/global_options.h"
#include "core/vnc_viewer_launch.h"
#include "support/own_desktop/stand_in_control.h"
#include "support/other_thread.h"

using namespace corvana;
using namespace corvana::test;

namespace {

struct ViewerCase {
  const char* label;
  const char* preferred;
  bool byEnter;
  bool starts;
};

class ViewerRoadTest : public BrowseTest {
 protected:
  void TearDown() override {
    CloseAllStandIns(kDefaultAuthWindowCaption);
    BrowseTest::TearDown();
  }
  // The stand-in as the preferred viewer, with its authentication window found by the default caption.
  static void UseStandIn() {
    gOptions.ViewerPath = StandInViewerPath();
    gOptions.PreferredViewer = "vncviewer";
    gOptions.AuthWindowRetries = 100;
    gOptions.AuthWindowCaption = kDefaultAuthWindowCaption;
  }
  // The launch runs in the window's own handler: the window's messages must go on meanwhile.
  static std::optional<TypedResult> PumpUntilTyped(const std::string& record) {
    PumpUntil([&] { return GetFileAttributesA((record + ".typed").c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000);
    return WaitForTyped(record, 1000);
  }
};

class MainRoadTest : public ViewerRoadTest, public ::testing::WithParamInterface<ViewerCase> {};

TEST_P(MainRoadTest, ThePreferredViewerDecides) {
  const ViewerCase& c = GetParam();
  Folder("Top");
  Connection("Top", "alpha", "vnc.example", "1", "", "s3cret");
  MainForm& f = StartInFront();
  UseStandIn();
  gOptions.PreferredViewer = c.preferred;
  gOptions.MinimizeAfterConnect = kFalse;
  OpenFolder("Top");
  const std::string record = FreshRecordBase();
  StandInSettings settings(record, kDefaultAuthWindowCaption);
  gLaunchPassword = "untouched";

  int opened = 0;
  auto dblClick = f.lstItems().DblClick;
  f.lstItems().DblClick = [&] {
    dblClick();
    ++opened;
  };
  auto keyDown = f.lstItems().KeyDown;
  f.lstItems().KeyDown = [&](int& key, int shift) {
    const bool enter = key == VK_RETURN;
    keyDown(key, shift);
    if (enter) ++opened;
  };
  const POINT at = ItemPoint(ItemNamed("alpha"));
  if (c.byEnter) {
    Click(at);
    PressKey(VK_RETURN);
  } else {
    DoubleClick(at);
  }
  ASSERT_TRUE(PumpUntil([&] { return opened > 0; }, 30000));
  if (!c.starts) {
    // The launch sets the password first of all: an untouched one means no launch began.
    EXPECT_EQ(gLaunchPassword, "untouched");
    return;
  }
  std::optional<TypedResult> typed = WaitForTyped(record);
  ASSERT_TRUE(typed);
  EXPECT_EQ(typed->text, "s3cret");
  EXPECT_TRUE(typed->enter);
  std::optional<std::string> line = WaitForFile(record + ".cmd");
  ASSERT_TRUE(line);
  EXPECT_THAT(*line, ::testing::EndsWith("vnc.example:1"));
}

INSTANTIATE_TEST_SUITE_P(Cases, MainRoadTest,
                         ::testing::Values(ViewerCase{"NoPreferredViewer", "", false, false},
                                           ViewerCase{"AnotherName", "tightvnc", false, false},
                                           ViewerCase{"LowerCase", "vncviewer", false, true},
                                           ViewerCase{"MixedCaseByEnter", "VncViewer", true, true},
                                           ViewerCase{"UpperCase", "VNCVIEWER", false, true}),
                         [](const auto& info) { return std::string(info.param.label); });

// Minimised by a connect and given back by the taskbar (another thread restores and activates
// it), the window takes Enter on the clicked connection again.
TEST_F(ViewerRoadTest, AfterTheWindowComesBackEnterConnectsAgain) {
  Folder("Top");
  Connection("Top", "alpha", "vnc.example", "1", "", "s3cret");
  MainForm& f = StartInFront();
  UseStandIn();
  gOptions.MinimizeAfterConnect = kTrue;
  gOptions.SystrayIfMinimized = kFalse;
  OpenFolder("Top");
  {
    const std::string record = FreshRecordBase();
    StandInSettings settings(record, kDefaultAuthWindowCaption);
    DoubleClick(ItemPoint(ItemNamed("alpha")));
    std::optional<TypedResult> typed = PumpUntilTyped(record);
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->text, "s3cret");
    ASSERT_TRUE(PumpUntil([&] { return f.WindowState() == forms::kMinimized; }, 20000));
  }

  RestoreAsTheTaskbarDoes(f.hWnd());
  ASSERT_TRUE(PumpUntil([&] { return f.WindowState() == forms::kNormal && GetForegroundWindow() == f.hWnd(); }));

  const std::string record = FreshRecordBase();
  StandInSettings settings(record, kDefaultAuthWindowCaption);
  Click(ItemPoint(ItemNamed("alpha")));
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == f.lstItems().hWnd(); })) << "the focus is on " << GetFocus();
  PressKey(VK_RETURN);
  std::optional<TypedResult> typed = PumpUntilTyped(record);
  ASSERT_TRUE(typed) << "Enter started no viewer";
  EXPECT_EQ(typed->text, "s3cret");
  EXPECT_TRUE(typed->enter);
}

}  // namespace
