// A picture of the main window as the user sees it, saved to the build tree.
#include <fstream>
#include <vector>

#include "core/connection_record.h"
#include "main_window/folder_tree.h"
#include "main_window/splash_form.h"
#include "main_window_fixture.h"

namespace corvana::test {
namespace {

// The window's pixels on the screen as a 24-bit bottom-up BMP file.
bool SaveWindowPicture(HWND wnd, const std::string& path) {
  RECT r{};
  GetWindowRect(wnd, &r);
  int w = r.right - r.left, h = r.bottom - r.top;
  WindowDc screen(nullptr);
  MemoryDc memory(CreateCompatibleDC(screen.get()));
  GdiObject bitmap(CreateCompatibleBitmap(screen.get(), w, h));
  {
    SelectedObject selected(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, w, h, screen.get(), r.left, r.top, SRCCOPY)) return false;
  }
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const int stride = (w * 3 + 3) & ~3;
  std::vector<char> pixels(static_cast<size_t>(stride) * h);
  if (!GetDIBits(memory.get(), static_cast<HBITMAP>(bitmap.get()), 0, h, pixels.data(),
                 reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
    return false;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

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
