#pragma once
// A modal dialog runs on the test's thread, and the test works it as the user does from a thread
// of its own: it waits for the dialog, brings it to the front and uses the real keyboard.
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

#include "support/wait_for.h"

namespace corvana::test {

// A control's text, asked of it (an edit box keeps its text to itself).
inline std::string WindowTextOf(HWND wnd) {
  char text[2048] = {};
  GetWindowTextA(wnd, text, sizeof text);
  return text;
}

// The caption a window keeps, read without a message to it: a top-level window of a thread that
// is busy in a modal loop of its own cannot hold up the thread that looks for it.
inline std::string CaptionOf(HWND wnd) {
  wchar_t text[1024] = {};
  const int n = InternalGetWindowText(wnd, text, 1024);
  char ansi[2048] = {};
  WideCharToMultiByte(CP_ACP, 0, text, n, ansi, sizeof ansi - 1, nullptr, nullptr);
  return ansi;
}

inline std::string ClassOf(HWND wnd) {
  char name[64] = {};
  GetClassNameA(wnd, name, sizeof name);
  return name;
}

namespace detail {

struct ShownWindowSearch {
  const std::function<bool(HWND)>* accept;
  HWND found = nullptr;
};

inline BOOL CALLBACK TakeShownWindow(HWND wnd, LPARAM param) {
  auto& s = *reinterpret_cast<ShownWindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  if (pid != GetCurrentProcessId() || !IsWindowVisible(wnd) || !(*s.accept)(wnd)) return TRUE;
  s.found = wnd;
  return FALSE;
}

struct ChildSearch {
  std::string cls;
  const std::string* text;
  HWND found = nullptr;
};

inline BOOL CALLBACK TakeChild(HWND wnd, LPARAM param) {
  auto& s = *reinterpret_cast<ChildSearch*>(param);
  if (lstrcmpiA(ClassOf(wnd).c_str(), s.cls.c_str()) != 0) return TRUE;
  if (s.text && WindowTextOf(wnd) != *s.text) return TRUE;
  s.found = wnd;
  return FALSE;
}

}  // namespace detail

// A visible top-level window of this process that Accept takes.
inline HWND FindShownWindow(const std::function<bool(HWND)>& accept) {
  detail::ShownWindowSearch search{&accept};
  EnumWindows(detail::TakeShownWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline HWND WaitForShownWindow(const std::function<bool(HWND)>& accept, DWORD timeoutMs = 10000) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindShownWindow(accept)) != nullptr; }, timeoutMs);
  return found;
}

// The child of Parent whose class is Class and, when Text is given, whose text is Text.
inline HWND FindChild(HWND parent, const std::string& cls, const std::string* text = nullptr) {
  detail::ChildSearch search{cls, text};
  EnumChildWindows(parent, detail::TakeChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The window that has the keyboard focus in the thread Thread.
inline HWND FocusOf(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

// Brings the window in front and waits until it is, so that the keys go to it.
inline bool BringToFront(HWND wnd) {
  return WaitFor([&] {
    if (GetForegroundWindow() == wnd) return true;
    SetForegroundWindow(wnd);
    return false;
  });
}

// Runs Modal (which shows a dialog and returns when it is closed) on this thread while Drive works
// the dialog from another one. Drive is given this thread's id; it must end the dialog.
inline void WhileModal(const std::function<void(DWORD uiThread)>& drive, const std::function<void()>& modal) {
  const DWORD self = GetCurrentThreadId();
  std::thread driver([&] { drive(self); });
  modal();
  driver.join();
}

}  // namespace corvana::test
