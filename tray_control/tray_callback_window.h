#pragma once
// The control's own hidden window: the shell sends the icon's callback message to it.
#include <windows.h>

#include <functional>

#include "win/handles.h"

namespace corvana::tray {

class TrayCallbackWindow {
 public:
  // onMouseMove gets the point of every WM_MOUSEMOVE the window receives.
  explicit TrayCallbackWindow(std::function<void(POINT)> onMouseMove);
  ~TrayCallbackWindow();
  TrayCallbackWindow(const TrayCallbackWindow&) = delete;
  TrayCallbackWindow& operator=(const TrayCallbackWindow&) = delete;

  HWND get() const noexcept { return window_.get(); }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::function<void(POINT)> onMouseMove_;
  WindowHandle window_;
};

}  // namespace corvana::tray
