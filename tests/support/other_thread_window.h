#pragma once
// A window of a thread of its own that comes to the front as another program's window does: the
// keyboard's input then goes to that thread, not to the test's. It counts the keys that reach it
// and takes the front again when asked.
#include <windows.h>

#include <atomic>
#include <thread>

namespace corvana::test {

class OtherThreadWindow {
 public:
  struct Shape {
    const char* windowClass;
    const char* caption;
    DWORD exStyle = 0;
    DWORD style = 0;
    int x = 0, y = 0, width = 0, height = 0;
    bool takesFocus = false;
  };
  explicit OtherThreadWindow(const Shape& shape) : thread_([this, shape] { Run(shape); }) {
    while (!ready_) Sleep(10);
  }
  ~OtherThreadWindow() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  OtherThreadWindow(const OtherThreadWindow&) = delete;
  OtherThreadWindow& operator=(const OtherThreadWindow&) = delete;
  HWND hWnd() const { return wnd_; }
  // The keys that came to it.
  int keys() const { return keys_; }
  // Puts it in front again, as a click into it does.
  void TakeTheFront() const { PostThreadMessageA(threadId_, WM_APP, 0, 0); }

 private:
  void Run(const Shape& shape) {
    MSG msg{};
    PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // the queue the quit is posted to
    threadId_ = GetCurrentThreadId();
    HWND wnd = CreateWindowExA(shape.exStyle, shape.windowClass, shape.caption, shape.style, shape.x, shape.y,
                               shape.width, shape.height, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(wnd);
    if (shape.takesFocus) SetFocus(wnd);
    wnd_ = wnd;
    ready_ = true;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      if (msg.message == WM_APP) SetForegroundWindow(wnd);
      if (msg.message == WM_KEYDOWN) ++keys_;
      DispatchMessageA(&msg);
    }
    if (wnd) DestroyWindow(wnd);
  }
  std::atomic<bool> ready_{false};
  std::atomic<DWORD> threadId_{0};
  std::atomic<HWND> wnd_{nullptr};
  std::atomic<int> keys_{0};
  std::thread thread_;
};

}  // namespace corvana::test
