#pragma once
// A window's pixels, or a screen area's, as they are on the screen, saved as a 24-bit bottom-up BMP
// file for the screenshots of the tests (the build turns them into PNG files beside them).
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "win/handles.h"

namespace corvana::test {

// The screen's pixels in Area as a 24-bit bottom-up BMP file.
inline bool SaveScreenPicture(RECT area, const std::string& path) {
  int w = area.right - area.left, h = area.bottom - area.top;
  WindowDc screen(nullptr);
  MemoryDc memory(CreateCompatibleDC(screen.get()));
  GdiObject bitmap(CreateCompatibleBitmap(screen.get(), w, h));
  {
    SelectedObject selected(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, w, h, screen.get(), area.left, area.top, SRCCOPY)) return false;
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

// Whether the screen shows what the window last painted, read at a few points of it. Under load
// the display may lag behind: a window just shown can still be missing from the screen there.
inline bool ScreenShowsWindow(HWND wnd) {
  RECT client{};
  GetClientRect(wnd, &client);
  const int w = client.right, h = client.bottom;
  if (w <= 0 || h <= 0) return false;
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  WindowDc screen(nullptr);
  WindowDc own(wnd);
  for (const POINT at : {POINT{w / 2, h / 2}, POINT{w / 4, h / 4}, POINT{3 * w / 4, h / 4}, POINT{w / 4, 3 * h / 4},
                         POINT{3 * w / 4, 3 * h / 4}}) {
    // A point under a child window lies outside the window's own DC and reads as CLR_INVALID.
    const COLORREF painted = GetPixel(own.get(), at.x, at.y);
    if (painted != CLR_INVALID && GetPixel(screen.get(), origin.x + at.x, origin.y + at.y) != painted) return false;
  }
  return true;
}

// The window's pixels on the screen as a 24-bit bottom-up BMP file, taken once the screen shows
// the window (or after a few seconds, when another window covers part of it).
inline bool SaveWindowPicture(HWND wnd, const std::string& path) {
  for (const DWORD start = GetTickCount(); !ScreenShowsWindow(wnd) && GetTickCount() - start < 3000;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  RECT r{};
  GetWindowRect(wnd, &r);
  return SaveScreenPicture(r, path);
}

}  // namespace corvana::test
