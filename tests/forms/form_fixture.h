#pragma once
// The declaration builders, waiting on the window system with a deadline, and the real mouse.
#include <windows.h>

#include <functional>
#include <string>

#include "forms/declaration_builder.h"
#include "forms/message_loop.h"

namespace corvana::forms::test {

// Lets messages run until Condition holds or the deadline passes; true when it held.
inline bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000) {
  DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    DoEvents();
  }
  return true;
}

// Moves the real mouse to a screen point, optionally pressing or releasing the left button there.
inline void MouseTo(POINT at, DWORD buttonFlag = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlag;
  SendInput(1, &input, sizeof input);
}

}  // namespace corvana::forms::test
