// The main road: a double-click (or Enter) on a connection in the list starts the preferred
// viewer, here the stand-in, and its authentication window receives the stored password.
#include <gmock/gmock.h>

#include "browse_fixture.h"
#include "core/global_options.h"
#include "core/vnc_viewer_launch.h"
#include "stand_in_control.h"

using namespace corvana;
using namespace corvana::test;

namespace {

struct ViewerCase {
  const char* label;
  const char* preferred;
  bool byEnter;
  bool starts;
};

class MainRoadTest : public BrowseTest, public ::testing::WithParamInterface<ViewerCase> {
 protected:
  void TearDown() override {
    CloseAllStandIns(kDefaultAuthWindowCaption);
    BrowseTest::TearDown();
  }
};

TEST_P(MainRoadTest, ThePreferredViewerDecides) {
  const ViewerCase& c = GetParam();
  Folder("Top");
  Connection("Top", "alpha", "vnc.example", "1", "", "s3cret");
  MainForm& f = StartInFront();
  gOptions.ViewerPath = StandInViewerPath();
  gOptions.PreferredViewer = c.preferred;
  gOptions.AuthWindowRetries = 100;
  gOptions.AuthWindowCaption = kDefaultAuthWindowCaption;
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

}  // namespace
