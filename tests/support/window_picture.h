#pragma once
// A window's pixels, or a screen area's, as they are on the screen, saved as a 24-bit bottom-up BMP
// file for the screenshots of the tests (the build turns them into PNG files beside them).
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "win/handles.h"

namespace corvana::test {

// Source's pixels from (Left, Top), Width x Height, as a 24-bit bottom-up BMP file.
inline bool SavePicture(HDC source, int left, int top, int w, int h, const std::string& path) {
  MemoryDc memory(CreateCompatibleDC(source));
  GdiObject bitmap(CreateCompatibleBitmap(source, w, h));
  {
    SelectedObject selected(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, w, h, source, left, top, SRCCOPY)) return false;
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

// The screen's pixels in Area as a 24-bit bottom-up BMP file.
inline bool SaveScreenPicture(RECT area, const std::string& path) {
  WindowDc screen(nullptr);
  return SavePicture(screen.get(), area.left, area.top, area.right - area.left, area.bottom - area.top, path);
}

// The deepest visible window at Point (client coordinates of Wnd), with Point made its own.
inline HWND DeepestChildAt(HWND wnd, POINT& point) {
  for (;;) {
    HWND child = ChildWindowFromPointEx(wnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == wnd) return wnd;
    MapWindowPoints(wnd, child, &point, 1);
    wnd = child;
  }
}

// Whether the screen shows what the window last painted, read at a few points of it. Under load
// the display may lag behind: a window just shown can still be missing from the screen there.
inline bool ScreenShowsWindow(HWND wnd) {
  RECT client{};
  GetClientRect(wnd, &client);
  const int w = client.right, h = client.bottom;
  if (w <= 0 || h <= 0 || !IsWindowVisible(wnd)) return false;
  WindowDc screen(nullptr);
  // A window not yet on the display reads black as the bare display does: only a point painted
  // in another colour proves anything.
  bool coloured = false;
  for (const POINT at : {POINT{w / 2, h / 2}, POINT{w / 4, h / 4}, POINT{3 * w / 4, h / 4}, POINT{w / 4, 3 * h / 4},
                         POINT{3 * w / 4, 3 * h / 4}}) {
    POINT own = at;
    HWND under = DeepestChildAt(wnd, own);
    POINT onScreen = own;
    ClientToScreen(under, &onScreen);
    WindowDc dc(under);
    const COLORREF painted = GetPixel(dc.get(), own.x, own.y);
    if (painted == CLR_INVALID) continue;
    if (GetPixel(screen.get(), onScreen.x, onScreen.y) != painted) return false;
    coloured = coloured || painted != RGB(0, 0, 0);
  }
  return coloured;
}

// The window's pixels on the screen as a 24-bit bottom-up BMP file, taken once the screen shows
// the window. When it does not within a few seconds (the Wine desktop of a test of its own can lie
// under another test's desktop on their shared display), the window's own painted pixels are taken.
inline bool SaveWindowPicture(HWND wnd, const std::string& path) {
  bool shown = false;
  for (const DWORD start = GetTickCount(); !(shown = ScreenShowsWindow(wnd)) && GetTickCount() - start < 3000;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  RECT r{};
  GetWindowRect(wnd, &r);
  if (shown) return SaveScreenPicture(r, path);
  WindowDc own(wnd, WindowDc::Whole);
  return SavePicture(own.get(), 0, 0, r.right - r.left, r.bottom - r.top, path);
}

}  // namespace corvana::test
