#pragma once
// A dialog under test runs on the test's own thread: the test lets its messages run while it waits
// on a condition, brings it in front and clicks on it with the real mouse, as the user does.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "forms/message_loop.h"
#include "support/real_input.h"

namespace corvana::test {

// Lets messages run until Condition holds or the time is up; true when it held.
inline bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    forms::DoEvents();
  }
  return true;
}

inline void Pump(DWORD ms = 150) { PumpUntil([] { return false; }, ms); }

// A window's screen point at its middle.
inline POINT MiddleOf(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The window in front, so that the keys go to it.
inline bool InFront(HWND wnd) {
  return PumpUntil([&] {
    if (GetForegroundWindow() == wnd) return true;
    SetForegroundWindow(wnd);
    return false;
  });
}

// The mouse moved there, and the move has arrived.
inline void MoveMouse(POINT at) {
  SendMouse(0, at);
  PumpUntil([&] {
    POINT now{};
    GetCursorPos(&now);
    return now.x == at.x && now.y == at.y;
  });
}

class DialogTest : public ::testing::Test {
 protected:
  // A press far from the last one, or after the double-click time, is a click of its own. The
  // last click is kept across the tests of the program, as the display keeps it.
  static void ClickAt(POINT at) {
    if (std::abs(at.x - lastClick_.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
        std::abs(at.y - lastClick_.y) <= GetSystemMetrics(SM_CYDOUBLECLK)) {
      const DWORD slack = GetDoubleClickTime() + 50;
      PumpUntil([&] { return GetTickCount() - lastClickTime_ > slack; }, slack + 100);
    }
    MoveMouse(at);
    SendMouse(MOUSEEVENTF_LEFTDOWN, at);
    SendMouse(MOUSEEVENTF_LEFTUP, at);
    lastClick_ = at;
    lastClickTime_ = GetTickCount();
    Pump();
  }

 private:
  static inline POINT lastClick_{-100, -100};
  static inline DWORD lastClickTime_ = 0;
};

}  // namespace corvana::test
