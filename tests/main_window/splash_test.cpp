// The splash window: its texts, the timer that its first paint starts, the one check it runs,
// and a start with a minimised window.
#include "core/pcaw.h"
#include "core/string_table.h"
#include "forms/twips.h"
#include "main_window/program_state.h"
#include "main_window/splash_form.h"
#include "main_window_fixture.h"
#include "resources/string_ids.h"
#include "support/message_box_watcher.h"

namespace corvana::test {
namespace {

const RequiredLibrary kPresent[] = {{"shell32.dll", "Microsoft Shell Controls and Automation", "shell32.dll"}};
const RequiredLibrary kFirstMissing[] = {{"kw_trayicon_gone.ocx", "OKW TrayIcon Control", "KW_TrayIcon.ocx"},
                                         {"shell32.dll", "Microsoft Shell Controls and Automation", "shell32.dll"}};

class SplashTest : public ::testing::Test {
 protected:
  void TearDown() override { gPcAW.reset(); }
  SplashForm& Make(std::span<const RequiredLibrary> table) {
    splash = std::make_unique<SplashForm>([this] { ++mainShown; }, [this] { ++ended; });
    splash->libraries = table;
    return *splash;
  }
  com::OleInitGuard ole;
  RegistrySandbox sandbox;
  std::unique_ptr<SplashForm> splash;
  int mainShown = 0, ended = 0;
};

TEST_F(SplashTest, LoadFillsTheVersionDisclaimerAndPcAnywhereLines) {
  SplashForm& s = Make(kPresent);
  s.LoadForm();
  EXPECT_EQ(s.lblVersion().Caption(), "Version 1.1.2 (" + LoadResString(IDS_LANGUAGE_NAME) + ")");
  EXPECT_EQ(s.lblDisclaimer().Caption(),
            LoadResString(IDS_DISCLAIMER_WARNING) + " " + LoadResString(IDS_DISCLAIMER_COPYRIGHT) +
                LoadResString(IDS_DISCLAIMER_COPYRIGHT_END) + " " + LoadResString(IDS_DISCLAIMER_LIABILITY) + " " +
                LoadResString(IDS_DISCLAIMER_COPYING));
  EXPECT_EQ(s.lblPCAWversion().Caption(), PcAW().IsInstalled() ? PcAW().GetVersion() : "");
  EXPECT_EQ(s.lblStatus().Caption(), "");
  EXPECT_FALSE(gStartupDone);
  EXPECT_FALSE(s.Timer1().Enabled());
  EXPECT_EQ(s.ScaleWidth(), 6075);
  EXPECT_EQ(s.ScaleHeight(), 3780);
}

TEST_F(SplashTest, TheFirstPaintStartsTheCheckOnceAndTheMainWindowFollows) {
  SplashForm& s = Make(kPresent);
  s.Show();
  ASSERT_TRUE(PumpUntil([&] { return s.Loaded() && s.Timer1().Enabled(); }));
  EXPECT_EQ(s.Timer1().Interval(), 1500);
  ASSERT_TRUE(PumpUntil([&] { return !s.Loaded(); }, 10000));
  EXPECT_EQ(mainShown, 1);
  EXPECT_EQ(ended, 0);
  EXPECT_TRUE(gStartupDone);
}

TEST_F(SplashTest, RepeatedPaintsAndTicksDoNotRunASecondCheck) {
  // While the main window loads (a message box of its load lets timers tick) the splash is
  // painted again and its timer ticks: the check still runs once.
  int nested = 0;
  splash = std::make_unique<SplashForm>(
      [&] {
        ++mainShown;
        RedrawWindow(splash->hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        splash->Timer1_Timer();
        ++nested;
      },
      [&] { ++ended; });
  splash->libraries = kPresent;
  splash->Show();
  ASSERT_TRUE(PumpUntil([&] { return !splash->Loaded(); }, 10000));
  EXPECT_EQ(mainShown, 1);
  EXPECT_EQ(nested, 1);
}

TEST_F(SplashTest, AMissingFirstLibraryShowsItsLineAndTheMessageAndEndsTheProgram) {
  MessageBoxWatcher boxes;
  SplashForm& s = Make(kFirstMissing);
  s.Show();
  ASSERT_TRUE(PumpUntil([&] { return ended == 1; }, 10000));
  EXPECT_FALSE(s.Loaded());
  EXPECT_EQ(mainShown, 0);
  auto seen = boxes.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text,
            LoadResString(IDS_LIBRARY_NOT_LOADED) + " 'KW_TrayIcon.ocx' !\r\n" + LoadResString(IDS_CHECK_INSTALLATION));
}

TEST_F(SplashTest, TheStatusLineOfAMissingLibraryEndsInNotFound) {
  MessageBoxWatcher boxes;
  SplashForm& s = Make(kFirstMissing);
  s.LoadForm();
  EXPECT_FALSE(TryLoadLibrary(kFirstMissing[0], s));
  EXPECT_EQ(s.lblStatus().Caption(), LoadResString(IDS_LOADING) + "kw_trayicon_gone.ocx (OKW TrayIcon Control) ..." +
                                         LoadResString(IDS_NOT_FOUND));
  EXPECT_TRUE(TryLoadLibrary(kFirstMissing[1], s));
  EXPECT_EQ(s.lblStatus().Caption(),
            LoadResString(IDS_LOADING) + "shell32.dll (Microsoft Shell Controls and Automation) ...Okay.");
}

TEST_F(SplashTest, ASplashStartedMinimisedComesUpNormalAndCentredAndTheMainWindowWillBeMinimised) {
  gStartMinimized = 0;
  SplashForm& s = Make(kPresent);
  s.ShowAtStart(true);
  ASSERT_TRUE(PumpUntil([&] { return gStartMinimized == 1; }));
  EXPECT_EQ(s.WindowState(), forms::kNormal);
  const int screenW = forms::PixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN));
  const int screenH = forms::PixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN));
  EXPECT_NEAR(s.Left(), (screenW - s.Width()) / 2, 15);
  EXPECT_NEAR(s.Top(), (screenH - s.Height()) / 2, 15);
  ASSERT_TRUE(PumpUntil([&] { return !s.Loaded(); }, 10000));
  gStartMinimized = 0;
}

}  // namespace
}  // namespace corvana::test
