#include "forms/picture_controls.h"

#include <cstdlib>
#include <string>

#include "forms/form.h"

namespace corvana::forms {
namespace {

constexpr const char* kPictureClass = "CorvanaPicture";

void RegisterPictureClass() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kPictureClass;
    return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  (void)registered;
}

}  // namespace

void PictureBox::Create(HWND parent) {
  RegisterPictureClass();
  if (std::string color = Extra("BackColor"); !color.empty())
    backColor_ = static_cast<COLORREF>(std::strtoul(color.c_str(), nullptr, 0));
  CreateChild(kPictureClass, WS_CLIPCHILDREN, (DrawsBorder() ? WS_EX_CLIENTEDGE : 0) | WS_EX_CONTROLPARENT, parent);
}

void PictureBox::SetPicture(PictureRef picture) {
  picture_ = std::move(picture);
  if (wnd_) InvalidateRect(wnd_.get(), nullptr, TRUE);
}

void PictureBox::SetBackColor(COLORREF color) {
  backColor_ = color;
  if (wnd_) InvalidateRect(wnd_.get(), nullptr, TRUE);
}

bool PictureBox::OnMessage(UINT msg, WPARAM w, LPARAM, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT rc{};
      GetClientRect(wnd_.get(), &rc);
      GdiObject brush(CreateSolidBrush(backColor_));
      FillRect(reinterpret_cast<HDC>(w), &rc, static_cast<HBRUSH>(brush.get()));
      result = 1;
      return true;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      HDC dc = BeginPaint(wnd_.get(), &ps);
      if (picture_ && picture_->bitmap()) {
        MemoryDc src(CreateCompatibleDC(dc));
        SelectedObject sel(src.get(), picture_->bitmap());
        RECT rc{};
        GetClientRect(wnd_.get(), &rc);
        if (Stretch())
          StretchBlt(dc, 0, 0, rc.right, rc.bottom, src.get(), 0, 0, picture_->widthPixels(), picture_->heightPixels(),
                     SRCCOPY);
        else
          BitBlt(dc, 0, 0, picture_->widthPixels(), picture_->heightPixels(), src.get(), 0, 0, SRCCOPY);
      }
      EndPaint(wnd_.get(), &ps);
      if (Paint && !form_.TearingDown()) Paint();
      result = 0;
      return true;
    }
    case WM_LBUTTONUP:
      // Click after the release, as a button would raise it.
      if (Click) Click();
      return false;
    case WM_LBUTTONDBLCLK:
      if (DblClick) DblClick();
      return false;
    default:
      return false;
  }
}

}  // namespace corvana::forms
