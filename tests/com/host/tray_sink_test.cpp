// The host side against the program's own tray control: created by ProgID, its events received
// through a sink found by its class information, handlers by name.
#include <gtest/gtest.h>

#include <vector>

#include "com/host/hosted_control.h"
#include "com/host/ole_init.h"

namespace corvana::com {
namespace {

struct Click {
  short button;
  short x;
  short y;
  bool operator==(const Click&) const = default;
};

// Lets the control's window handle what was posted until done() or the deadline.
template <class Done>
bool PumpUntil(Done done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return true;
}

TEST(TraySink, ALeftClickOnTheIconReachesTheHandlersByName) {
  OleInitGuard ole;
  ASSERT_TRUE(ole);
  HostedControl tray;
  ASSERT_EQ(tray.create("KW_TrayIcon.KW_TrayNotification"), S_OK);
  HRESULT hr = E_FAIL;
  EventSink* sink = tray.connectEvents(nullptr, &hr);
  ASSERT_EQ(hr, S_OK);
  ASSERT_NE(sink, nullptr);

  std::vector<short> clicks;
  std::vector<Click> clicksEx;
  sink->on("TrayIconClick", [&](EventArgs& args) {
    clicks.push_back(args.get(0).asShort().value_or(0));
    args.set(0, Variant(short{9}));  // the second event carries the mapped button again
  });
  sink->on("trayiconclickex", [&](EventArgs& args) {
    clicksEx.push_back({args.get(0).asShort().value_or(0), args.get(1).asShort().value_or(0),
                        args.get(2).asShort().value_or(-1)});
  });

  long icon = static_cast<long>(reinterpret_cast<LONG_PTR>(LoadIconA(nullptr, IDI_APPLICATION)));
  std::string tip = "VNC Corvana";
  CallResult added = tray.call("TrayIconAdd", ByRef(icon), ByRef(tip));
  ASSERT_TRUE(added) << added.error;

  // The shell's callback: a mouse move whose x is the mouse message the icon saw.
  // Other test programs run their own tray controls at the same time: take this process's window.
  HWND window = nullptr;
  for (HWND w = nullptr; (w = FindWindowExA(HWND_MESSAGE, w, "KW_TrayNotificationWindow", nullptr)) != nullptr;) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == GetCurrentProcessId()) window = w;
  }
  ASSERT_TRUE(window);
  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(WM_LBUTTONUP, 0));
  ASSERT_TRUE(PumpUntil([&] { return !clicksEx.empty(); }, 5000));
  EXPECT_EQ(clicks, std::vector<short>{1});
  ASSERT_EQ(clicksEx.size(), 1u);
  EXPECT_EQ(clicksEx[0].button, 1);
  EXPECT_EQ(clicksEx[0].y, 0);

  // Disabled through a property put: the icon's clicks raise nothing.
  ASSERT_TRUE(tray.put("Enabled", false));
  EXPECT_EQ(tray.get("Enabled").value.asBool(), false);
  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(WM_LBUTTONUP, 0));
  PostMessageA(window, WM_NULL, 0, 0);
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(clicks.size(), 1u);

  tray.call("TrayIconDelete");
  tray.reset();
}

}  // namespace
}  // namespace corvana::com
