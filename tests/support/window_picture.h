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

// The window's pixels on the screen as a 24-bit bottom-up BMP file.
inline bool SaveWindowPicture(HWND wnd, const std::string& path) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return SaveScreenPicture(r, path);
}

}  // namespace corvana::test
