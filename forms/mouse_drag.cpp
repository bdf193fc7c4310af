#include "forms/mouse_drag.h"

#include <windowsx.h>

#include "forms/control.h"

namespace corvana::forms {
namespace {

POINT ScreenPointOf(HWND wnd, LPARAM l) {
  POINT pt{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
  ClientToScreen(wnd, &pt);
  return pt;
}

}  // namespace

POINT MessageScreenPoint() {
  const DWORD pos = GetMessagePos();
  return {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
}

MouseDrag::~MouseDrag() { Stop(); }

bool MouseDrag::Begin(Control& source, IconHandle cursor) {
  if (source_ || !source.hWnd()) return false;
  source_ = &source;
  source.drag_ = this;
  cursor_ = std::move(cursor);
  SetCapture(source.hWnd());
  if (Moved) Moved(MessageScreenPoint());
  return true;
}

void MouseDrag::Stop() {
  if (!source_ || stopping_) return;
  stopping_ = true;
  Control* source = source_;
  source_ = nullptr;
  source->drag_ = nullptr;
  if (source->hWnd() && GetCapture() == source->hWnd()) ReleaseCapture();
  cursor_.reset();
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  stopping_ = false;
}

void MouseDrag::Cancel() {
  Stop();
  if (Cancelled) Cancelled();
}

bool MouseDrag::Filter(UINT msg, WPARAM w, LPARAM l, LRESULT& result) {
  HWND wnd = source_->hWnd();
  switch (msg) {
    case WM_MOUSEMOVE:
      if (cursor_) SetCursor(cursor_.get());
      if (Moved) Moved(ScreenPointOf(wnd, l));
      return true;
    case WM_LBUTTONUP: {
      const POINT at = ScreenPointOf(wnd, l);
      Stop();
      if (Dropped) Dropped(at);
      return true;
    }
    case WM_SETCURSOR:
      if (!cursor_) return false;
      SetCursor(cursor_.get());
      result = TRUE;
      return true;
    case WM_KEYDOWN:
      if (w != VK_ESCAPE) return false;
      Cancel();
      return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(l) != wnd) Cancel();
      return false;
    default:
      return false;
  }
}

}  // namespace corvana::forms
