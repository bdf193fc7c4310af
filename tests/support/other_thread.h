#pragma once
// What another program does to this thread's windows (the taskbar restoring one, the system
// ending the session), done from a thread of its own while this thread lets messages run, so
// that what it sends is answered.
#include <windows.h>

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

namespace corvana::test {

inline void RunOnAnotherThread(const std::function<void()>& work) {
  std::atomic<bool> done{false};
  std::optional<int> quit;
  std::thread other([&] {
    work();
    done = true;
  });
  while (!done) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = static_cast<int>(msg.wParam);
        continue;
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  other.join();
  // The quit of the program under test is left for its own loop.
  if (quit) PostQuitMessage(*quit);
}

inline LRESULT SendFromAnotherThread(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  LRESULT result = 0;
  RunOnAnotherThread([&] { result = SendMessageA(wnd, msg, w, l); });
  return result;
}

// A click on the window's taskbar button: restored and brought to the front.
inline void RestoreAsTheTaskbarDoes(HWND wnd) {
  RunOnAnotherThread([wnd] {
    ShowWindow(wnd, SW_RESTORE);
    SetForegroundWindow(wnd);
  });
}

}  // namespace corvana::test
