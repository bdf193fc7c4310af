#include "core/pending_messages.h"

#include <windows.h>

namespace corvana {

void RunPendingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Not ours to swallow: the message loop that owns the thread ends on it.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace corvana
