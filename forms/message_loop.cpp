#include "forms/message_loop.h"

#include <windows.h>

#include "forms/form.h"

namespace corvana::forms {
void DispatchWindowMessage(MSG& msg) {
  if (Form* form = FormFromWindow(GetAncestor(msg.hwnd, GA_ROOT)); form && form->PreTranslate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

int RunMessageLoop() {
  MSG msg{};
  for (;;) {
    BOOL r = GetMessageA(&msg, nullptr, 0, 0);
    if (r == 0) return static_cast<int>(msg.wParam);
    if (r < 0) return -1;
    DispatchWindowMessage(msg);
  }
}

void DoEvents() {
  MSG msg{};
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    DispatchWindowMessage(msg);
  }
}

}  // namespace corvana::forms
