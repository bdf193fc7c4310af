// Stands in for a plug-in program. It writes its command line to <CORVANA_STANDIN_RECORD>.cmd,
// shows its window as it was told to (the show state its starter gave it), lets that settle and
// writes to <CORVANA_STANDIN_RECORD>.shown how it came out: "show=" the show state it was given,
// "focus=" 1 when its window became the foreground window, "visible=" and "iconic=". It then keeps
// its window until the event CORVANA_STANDIN_GATE is set (at most a minute), so that a test can
// count the stand-ins it started.
#include <windows.h>

#include <string>

#include "stand_in_record.h"

namespace {

constexpr const char* kWindowClass = "CorvanaPluginStandIn";

LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) { return DefWindowProcA(wnd, msg, w, l); }

void RunPendingMessages() {
  MSG msg{};
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  const std::string record = EnvironmentText("CORVANA_STANDIN_RECORD");
  WriteRecord(record + ".cmd", GetCommandLineA());

  WNDCLASSA cls{};
  cls.lpfnWndProc = WindowProc;
  cls.hInstance = instance;
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  cls.lpszClassName = kWindowClass;
  RegisterClassA(&cls);
  HWND wnd = CreateWindowExA(0, kWindowClass, "Plug-in stand-in", WS_OVERLAPPEDWINDOW, 600, 500, 240, 120, nullptr,
                             nullptr, instance, nullptr);
  ShowWindow(wnd, show);
  UpdateWindow(wnd);
  RunPendingMessages();
  const bool focus = GetForegroundWindow() == wnd || GetActiveWindow() == wnd || GetFocus() == wnd;
  WriteRecord(record + ".shown", "show=" + std::to_string(show) + "\nfocus=" + (focus ? "1" : "0") +
                                     "\nvisible=" + (IsWindowVisible(wnd) ? "1" : "0") +
                                     "\niconic=" + (IsIconic(wnd) ? "1" : "0") + "\n");

  const std::string gate = EnvironmentText("CORVANA_STANDIN_GATE");
  if (HANDLE event = gate.empty() ? nullptr : OpenEventA(SYNCHRONIZE, FALSE, gate.c_str())) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 60000 &&
           MsgWaitForMultipleObjects(1, &event, FALSE, 1000, QS_ALLINPUT) != WAIT_OBJECT_0)
      RunPendingMessages();
    CloseHandle(event);
  }
  DestroyWindow(wnd);
  return 0;
}
