// The whole start as the program runs it: Main, the splash and its check of the nine components,
// then the main window on an empty store, and its exit.
#include "core/pcaw.h"
#include "core/string_table.h"
#include "main_window/program_state.h"
#include "main_window/start_up.h"
#include "main_window_fixture.h"
#include "resources/string_ids.h"
#include "support/message_box_watcher.h"

namespace corvana::test {
namespace {

// The exit leaves the program's message loop; here the test's own loop takes that message back.
bool TakeQuitMessage() {
  MSG msg;
  return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

TEST(StartUp, MainShowsTheSplashWhichStartsTheMainWindowOnAnEmptyStore) {
  com::OleInitGuard ole;
  RegistrySandbox sandbox;
  MessageBoxWatcher boxes;
  {
    Program program;
    program.Main();
    EXPECT_EQ(gStartMinimized, 0);
    ASSERT_TRUE(program.frmSplash().Visible());
    ASSERT_TRUE(PumpUntil([&] { return program.frmMain() && program.frmMain()->Visible(); }, 15000));
    EXPECT_FALSE(program.frmSplash().Loaded());
    EXPECT_TRUE(boxes.seen().empty());
    MainForm& f = *program.frmMain();
    EXPECT_EQ(f.WindowState(), forms::kNormal);
    ASSERT_EQ(f.tvMain().NodeCount(), 1);
    EXPECT_TRUE(f.tvMain().NodeByKey(LoadResString(IDS_NEW_FOLDER_NAME))->Selected());
    // The registered tray control holds the window's icon.
    ASSERT_NE(f.KW_Tray(), nullptr);
    EXPECT_TRUE(f.KW_Tray()->TrayIconRefresh());
    f.mnuEnd_Click();
    EXPECT_TRUE(TakeQuitMessage());
    EXPECT_FALSE(f.Loaded());
  }
  EXPECT_EQ(ReadRootSetting("LastOpenFolder"), LoadResString(IDS_NEW_FOLDER_NAME));
  EXPECT_EQ(ReadRootSetting("Version"), "");
  gPcAW.reset();
}

}  // namespace
}  // namespace corvana::test
