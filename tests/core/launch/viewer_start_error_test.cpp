// Built into a folder of its own, where no program of the default viewer's name exists.
#include <gmock/gmock.h>

#include "launch_fixture.h"

using namespace corvana;
using namespace corvana::test;

namespace {

TEST_F(LaunchTest, DefaultViewerThatCannotStartIsReportedByItsName) {
  gOptions.ViewerPath.clear();
  std::string path = MakeConnection("Top", "Conn", "pw");
  ConnectVncViewer(path, prompt_, mainWindow_);
  auto seen = watcher_.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, "VNC Corvana");
  EXPECT_THAT(seen[0].text, ::testing::StartsWith("Error on executing vncviewer.exe ("));
  EXPECT_EQ(mainWindow_.minimized, 0);
  watcher_.clear();
}

}  // namespace
