#pragma once
// Waiting on a condition from a thread that lets no message run: one that works a dialog or a
// menu while the test's thread is inside its modal loop.
#include <windows.h>

#include <functional>

namespace corvana::test {

// Polls until Condition holds; false after the time.
inline bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 10000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

}  // namespace corvana::test
