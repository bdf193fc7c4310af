// The notification-area icon: the watchdog, minimising into the tray, the right click, and the
// registered tray control itself on the window.
#include "main_window_fixture.h"

#include <shellapi.h>

#include "core/string_table.h"
#include "resources/string_ids.h"

namespace corvana::test {
namespace {

using TrayTest = MainWindowTest;

void Tick(MainForm& f) {
  // The timer's own message, as the 6 s interval delivers it.
  PostMessageA(f.hWnd(), WM_TIMER, static_cast<WPARAM>(f.Timer2().id()), 0);
  Pump();
}

TEST_F(TrayTest, TheWatchdogRunsEverySixSecondsFromLoad) {
  MainForm& f = Start();
  EXPECT_TRUE(f.Timer2().Enabled());
  EXPECT_EQ(f.Timer2().Interval(), 6000);
  EXPECT_FALSE(f.Timer1().Enabled());
  EXPECT_EQ(f.Timer1().Interval(), 200);
}

TEST_F(TrayTest, AnIconThatIsStillThereIsLeftAlone) {
  MainForm& f = Start();
  calls->adds.clear();
  Tick(f);
  EXPECT_EQ(calls->refreshes, 1);
  EXPECT_TRUE(calls->adds.empty());
}

TEST_F(TrayTest, ALostIconIsAddedAgainWithTheVersionedTip) {
  MainForm& f = Start();
  calls->adds.clear();
  tray->refreshAnswer = false;
  Tick(f);
  ASSERT_EQ(calls->adds.size(), 1u);
  EXPECT_EQ(calls->adds[0], "VNC Corvana Version 1.1.2 (" + LoadResString(IDS_LANGUAGE_NAME) + ")");
  EXPECT_EQ(tray->lastIcon, f.Icon());
}

TEST_F(TrayTest, WhenTheIconCannotBeAddedAgainTheHiddenWindowComesBackNormal) {
  SetRoot("SystrayIfMinimized", "1");
  MainForm& f = Start();
  f.SetWindowState(forms::kMinimized);
  ASSERT_TRUE(PumpUntil([&] { return !f.Visible(); }));
  tray->refreshAnswer = false;
  tray->addAnswer = false;
  Tick(f);
  EXPECT_TRUE(PumpUntil([&] { return f.Visible() && f.WindowState() == forms::kNormal; }));
}

TEST_F(TrayTest, MinimisingHidesTheWindowOnlyWithSystrayIfMinimized) {
  struct Case {
    const char* option;
    bool refresh, add, hidden;
  } cases[] = {{"1", true, true, true}, {"0", true, true, false}, {"1", false, true, true}, {"1", false, false, false}};
  for (const Case& c : cases) {
    SetRoot("SystrayIfMinimized", c.option);
    MainForm& f = Start();
    tray->refreshAnswer = c.refresh;
    tray->addAnswer = c.add;
    calls->adds.clear();
    f.SetWindowState(forms::kMinimized);
    Pump();
    ASSERT_TRUE(PumpUntil([&] { return f.WindowState() == forms::kMinimized || !f.Visible(); }));
    Pump();
    EXPECT_EQ(!f.Visible(), c.hidden) << c.option << c.refresh << c.add;
    // A lost icon is added again with the plain product title.
    if (!c.refresh) {
      ASSERT_FALSE(calls->adds.empty());
      EXPECT_EQ(calls->adds.back(), "VNC Corvana");
    }
    Exit();
  }
}

TEST_F(TrayTest, ARightClickOnTheIconRestoresTheWindow) {
  SetRoot("SystrayIfMinimized", "1");
  MainForm& f = Start();
  f.SetWindowState(forms::kMinimized);
  ASSERT_TRUE(PumpUntil([&] { return !f.Visible(); }));
  tray->TrayIconClick(2);
  EXPECT_TRUE(PumpUntil([&] { return f.Visible() && f.WindowState() == forms::kNormal; }));
  EXPECT_TRUE(f.Timer2().Enabled());
  EXPECT_EQ(calls->enabled, (std::vector<bool>{false, true}));
}

// The registered control on the window: the icon is there after the load and gone after the exit.
TEST(RegisteredTray, TheWindowAddsItsIconAndTakesItAwayAtExit) {
  com::OleInitGuard ole;
  RegistrySandbox sandbox;
  int ended = 0;
  MainFormServices services;
  services.endProgram = [&] { ++ended; };
  auto f = std::make_unique<MainForm>(std::move(services));
  f->LoadForm();
  f->Show();
  ASSERT_NE(f->KW_Tray(), nullptr);
  EXPECT_TRUE(f->KW_Tray()->TrayIconRefresh());
  // The shell loses the icon: the watchdog puts it back.
  HWND window = FindWindowExA(HWND_MESSAGE, nullptr, "KW_TrayNotificationWindow", nullptr);
  ASSERT_TRUE(window);
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = 1;
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
  EXPECT_FALSE(f->KW_Tray()->TrayIconRefresh());
  f->Timer2_Timer();
  EXPECT_TRUE(f->KW_Tray()->TrayIconRefresh());
  f->mnuEnd_Click();
  EXPECT_FALSE(f->Loaded());
  EXPECT_EQ(ended, 1);
  EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &data));
}

}  // namespace
}  // namespace corvana::test
