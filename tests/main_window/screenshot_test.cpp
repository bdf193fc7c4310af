// A picture of the main window as the user sees it, saved to the build tree.
#include "core/connection_record.h"
#include "main_window/folder_tree.h"
#include "main_window/splash_form.h"
#include "main_window_fixture.h"
#include "support/window_picture.h"

namespace corvana::test {
namespace {

void AddConnection(const std::string& folder, const std::string& name, const std::string& host,
                   const std::string& display, const std::string& password = "") {
  ConnectionRecord r;
  r.ConnectionName = name;
  r.FolderPath = folder;
  r.Host = host;
  r.Display = display;
  r.Password = password;
  ASSERT_TRUE(CreateConnectionKey(r)) << name;
}

using ScreenshotTest = MainWindowTest;

TEST_F(ScreenshotTest, TheMainWindowWithAFolderOpen) {
  for (const char* f : {"Kunden", "Kunden\\Hamburg", "Kunden\\Berlin", "Intern", "Intern\\Server", "Rechenzentrum"})
    ASSERT_TRUE(CreateFolderKey("", f));
  AddConnection("Kunden", "Kasse Filiale 1", "kasse1.example.com", "0", "geheim");
  AddConnection("Kunden", "Kasse Filiale 2", "kasse2.example.com", "0");
  AddConnection("Kunden", "Lager", "192.168.10.20", "1", "lager");
  AddConnection("Kunden", "Buchhaltung", "buha.example.com", "2");
  SetRoot("LastOpenFolder", "Kunden");
  SetRoot("ShowStatusbar", "1");
  MainForm& f = Start();
  f.Move(900, 900, 11400, 6600);
  f.tvMain().NodeByKey("Kunden")->SetExpanded(true);
  f.tvMain_NodeClick(f.tvMain().NodeByKey("Kunden"));
  if (auto item = f.lstItems().ItemByKey("Kunden\\Lager")) item->SetSelected(true);
  SetForegroundWindow(f.hWnd());
  Pump();
  f.Refresh();
  Pump();
  ASSERT_TRUE(SaveWindowPicture(f.hWnd(), CORVANA_SCREENSHOT_PATH));
  std::printf("screenshot: %s\n", CORVANA_SCREENSHOT_PATH);
}

TEST_F(ScreenshotTest, TheSplashWithItsStatusLine) {
  SplashForm splash(nullptr, nullptr);
  splash.LoadForm();
  splash.Show();
  splash.ShowStatus("Lade kw_trayicon.ocx (OKW TrayIcon Control) ...Okay.", true);
  splash.Timer1().SetEnabled(false);
  Pump();
  splash.Refresh();
  Pump();
  ASSERT_TRUE(SaveWindowPicture(splash.hWnd(), CORVANA_SPLASH_SCREENSHOT_PATH));
}

}  // namespace
}  // namespace corvana::test
