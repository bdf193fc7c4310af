// The About box frmAbout on a desktop of its own: its texts, the thanks list moving on and wrapping,
// the home-page link under the real mouse opening the stand-in browser, OK and Esc, and a picture.
#include "dialogs/about_box.h"

#include <gmock/gmock.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "com/host/ole_init.h"
#include "core/disclaimer.h"
#include "core/pcaw.h"
#include "core/registry_value.h"
#include "core/string_table.h"
#include "dialog_fixture.h"
#include "forms/message_loop.h"
#include "resources/string_ids.h"
#include "support/dialog_driver.h"
#include "support/own_desktop/stand_in_control.h"
#include "support/real_input.h"
#include "support/registry_sandbox.h"
#include "support/window_picture.h"
#include "win/handles.h"

using namespace corvana;
using namespace corvana::test;
using corvana::dialogs::frmAbout;

namespace {

constexpr const char* kVersionLine = "Version 1.1.2 (Deutsch)";

// Moves the mouse there until Arrived holds; a move can be overtaken by an older pointer report
// of the display, so it is sent again, a pixel apart, until it has arrived.
bool MoveMouseUntil(POINT at, const std::function<bool()>& arrived) {
  for (int i = 0; i < 20; ++i) {
    SendMouse(0, {at.x, at.y + i % 2});
    if (PumpUntil(arrived, 500)) return true;
  }
  return false;
}

class AboutBoxTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (about && about->Loaded()) about->UnloadForm();
    // The pcAnywhere gateway goes before OLE does, and the next test finds it afresh.
    gPcAW.reset();
  }

  // The box shown modeless and in front, as the mouse needs it.
  frmAbout& Open() {
    about = std::make_unique<frmAbout>(kVersionLine);
    about->Show();
    EXPECT_TRUE(BringToFront(about->hWnd()));
    Pump();
    return *about;
  }
  const frmAbout::Parts& p() const { return about->parts(); }

  com::OleInitGuard ole;
  std::unique_ptr<frmAbout> about;
};

// Without a pcAnywhere server registered (a scratch HKEY_CLASSES_ROOT) its line stays empty.
TEST_F(AboutBoxTest, LoadFillsEveryTextAndTheThanksList) {
  RegistrySandbox sandbox(RegistrySandbox::CurrentUser | RegistrySandbox::ClassesRoot);
  gPcAW.reset();
  Open();
  EXPECT_EQ(about->Caption(), LoadResString(IDS_ABOUT_TITLE));
  EXPECT_EQ(about->Caption(), "\xDC" "ber VNC Corvana");
  EXPECT_EQ(p().lblVersion.Caption(), kVersionLine);
  EXPECT_EQ(p().lblDisclaimer.Caption(), DisclaimerText());
  EXPECT_THAT(p().lblDisclaimer.Caption(), ::testing::StartsWith("Warnung: Dieses Programm"));
  EXPECT_EQ(p().Label1.Caption(), "Ein Dankesch\xF6n an:");
  EXPECT_EQ(p().lblHomePage.Caption(), "VNC Corvana Homepage");
  EXPECT_EQ(p().lblHomePage.ForeColor(), RGB(0, 0, 255));
  EXPECT_FALSE(p().lblHomePage.FontUnderline());
  EXPECT_EQ(p().lblPCAWversion.Caption(), "");
  std::vector<std::string> thanks;
  for (int i = 0; i < p().lstThanks.ListCount(); ++i) thanks.push_back(p().lstThanks.List(i));
  const std::vector<std::string> expected{"Das Entwicklungsteam in Hamburg",
                                          "Die Testgruppe der Filialkassen",
                                          "Den Kundendienst Nord",
                                          "Den Kundendienst S\xFC" "d",
                                          "Die Systembetreuung im Rechenzentrum",
                                          "Die Netzwerkabteilung",
                                          "Die Schulungsabteilung",
                                          "Die Pilotfilialen in Bremen und Kiel",
                                          "Die Entwickler des RFB-Protokolls",
                                          "Die \xDC" "bersetzer",
                                          "Alle Anwender mit Fehlerberichten"};
  EXPECT_EQ(thanks, expected);
  EXPECT_TRUE(p().Timer1.Enabled());
  EXPECT_EQ(p().Timer1.Interval(), 1000);
  EXPECT_EQ(p().lstThanks.ListIndex(), -1) << "nothing is selected before the first tick";
}

// The stand-in pcAnywhere server of tests/core/pcaw is registered: its program's version shows.
// It is shown whole, on one line, in the label's own font.
TEST_F(AboutBoxTest, ThePcAnywhereLineShowsTheInstalledServersVersion) {
  gPcAW.reset();
  Open();
  const std::string line = p().lblPCAWversion.Caption();
  EXPECT_EQ(line, "pcaw_stand_in_server.exe Version 10.5.32769.65535");
  HWND label = p().lblPCAWversion.hWnd();
  WindowDc dc(label);
  SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
  SIZE extent{};
  ASSERT_TRUE(GetTextExtentPoint32A(dc.get(), line.c_str(), static_cast<int>(line.size()), &extent));
  RECT client{};
  GetClientRect(label, &client);
  EXPECT_LE(extent.cx, client.right) << "the version line is cut off";
  EXPECT_LE(extent.cy, client.bottom);
}

TEST_F(AboutBoxTest, TheThanksSelectionMovesOnEveryTickAndWrapsAfterTheEleventh) {
  RegistrySandbox sandbox(RegistrySandbox::CurrentUser | RegistrySandbox::ClassesRoot);
  Open();
  std::vector<int> seen;
  p().lstThanks.Click = [&] { seen.push_back(p().lstThanks.ListIndex()); };
  // The first tick comes after a second, as the box sets it; the rest are hurried along.
  ASSERT_TRUE(PumpUntil([&] { return !seen.empty(); }, 3000));
  p().Timer1.SetInterval(40);
  ASSERT_TRUE(PumpUntil([&] { return seen.size() >= 13; }, 10000));
  const std::vector<int> first13(seen.begin(), seen.begin() + 13);
  EXPECT_EQ(first13, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 1}));
}

TEST_F(AboutBoxTest, TheLinkUnderlinesUnderTheMouseAndOpensTheHomePageInTheBrowser) {
  RegistrySandbox sandbox(RegistrySandbox::CurrentUser | RegistrySandbox::ClassesRoot);
  ASSERT_TRUE(WriteSubKeyDefaultValue(HKEY_CLASSES_ROOT, ".htm", "CorvanaTest.htm"));
  ASSERT_TRUE(WriteSubKeyDefaultValue(HKEY_CLASSES_ROOT, "CorvanaTest.htm\\shell\\open\\command", StandInBrowserPath()));
  Open();
  forms::Label& link = p().lblHomePage;
  ASSERT_TRUE(MoveMouseUntil(MiddleOf(link.hWnd()), [&] { return link.FontUnderline(); }));
  // Onto the form beside the list: the underline goes.
  RECT list{};
  GetWindowRect(p().lstThanks.hWnd(), &list);
  ASSERT_TRUE(MoveMouseUntil({list.right + 20, list.top + 10}, [&] { return !link.FontUnderline(); }));
  ASSERT_TRUE(MoveMouseUntil(MiddleOf(link.hWnd()), [&] { return link.FontUnderline(); }));

  const std::string record = FreshRecordBase();
  StandInSettings settings(record);
  const POINT at = MiddleOf(link.hWnd());
  SendMouse(MOUSEEVENTF_LEFTDOWN, at);
  SendMouse(MOUSEEVENTF_LEFTUP, at);
  Pump();
  std::optional<std::string> line = WaitForFile(record + ".cmd");
  ASSERT_TRUE(line) << "the browser was not started";
  EXPECT_EQ(*line, StandInBrowserPath() + " " + LoadResString(IDS_HOMEPAGE_ADDRESS));
  EXPECT_EQ(LoadResString(IDS_HOMEPAGE_ADDRESS), "http://www.example.com/vnccorvana/");
}

// Shown modal over an owner, as the toolbar shows it: OK and Esc each end it.
TEST_F(AboutBoxTest, OkAndEscCloseTheModalBox) {
  RegistrySandbox sandbox(RegistrySandbox::CurrentUser | RegistrySandbox::ClassesRoot);
  forms::FormDecl ownerDecl;
  ownerDecl.name = "frmOwner";
  ownerDecl.caption = "Owner";
  forms::Form owner(ownerDecl);
  owner.Show();
  for (WORD key : {WORD(VK_RETURN), WORD(VK_ESCAPE)}) {
    SCOPED_TRACE(key);
    frmAbout box(kVersionLine);
    WhileModal(
        [&](DWORD) {
          HWND shown = WaitForShownWindow([](HWND w) { return CaptionOf(w) == LoadResString(IDS_ABOUT_TITLE); });
          ASSERT_TRUE(shown);
          EXPECT_EQ(GetWindow(shown, GW_OWNER), owner.hWnd());
          ASSERT_TRUE(BringToFront(shown));
          PressKey(key);
        },
        [&] { box.Show(forms::ShowMode::Modal, &owner); });
    EXPECT_FALSE(box.Loaded());
  }
}

// The About box as the user sees it, with the stand-in pcAnywhere installed: <build>/about_box.png.
TEST_F(AboutBoxTest, Screenshot) {
  RegistrySandbox sandbox(RegistrySandbox::CurrentUser);
  // The mouse rests away from the link, which then shows as it does at first.
  SendMouse(0, {2, 2});
  Open();
  ASSERT_TRUE(PumpUntil([&] { return p().lstThanks.ListIndex() == 0; }, 3000));
  p().Timer1.SetEnabled(false);
  about->Refresh();
  Pump();
  ASSERT_TRUE(SaveWindowPicture(about->hWnd(), CORVANA_ABOUT_SCREENSHOT_PATH));
  std::printf("screenshot: %s\n", CORVANA_ABOUT_SCREENSHOT_PATH);
}

}  // namespace
