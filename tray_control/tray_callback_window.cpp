#include "tray_control/tray_callback_window.h"

#include <utility>

#include "com/server/module.h"

namespace corvana::tray {
namespace {
const char* const kClassName = "KW_TrayNotificationWindow";
}  // namespace

TrayCallbackWindow::TrayCallbackWindow(std::function<void(POINT)> onMouseMove)
    : onMouseMove_(std::move(onMouseMove)) {
  HINSTANCE instance = com::ThisModule();
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &TrayCallbackWindow::WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  RegisterClassExA(&wc);  // fails harmlessly when another instance registered it already
  // A message-only window: never shown, never focused, still reachable by the shell.
  window_.reset(CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this));
}

TrayCallbackWindow::~TrayCallbackWindow() {
  window_.reset();
  // The class must not outlive the library's code; this fails while other instances still have windows.
  UnregisterClassA(kClassName, com::ThisModule());
}

LRESULT CALLBACK TrayCallbackWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  } else if (message == WM_MOUSEMOVE) {
    auto* self = reinterpret_cast<TrayCallbackWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && self->onMouseMove_) {
      POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      self->onMouseMove_(at);
    }
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace corvana::tray
