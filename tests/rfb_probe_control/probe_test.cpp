#include "rfb_probe_control/rfb_probe.h"

#include <gtest/gtest.h>

#include <atomic>

#include "loopback_server.h"
#include "support/message_box_watcher.h"

using namespace corvana;
using corvana::test::LoopbackServer;
using corvana::test::MessageBoxWatcher;
using corvana::test::ServerSide;

namespace {

struct RecordedCloses : RfbProbeEvents {
  void VNCClose(bool boolManualClose) override { closes.push_back(boolManualClose); }
  std::vector<bool> closes;
};

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

// A server that greets and then records the answer until the probe hangs up.
LoopbackServer::Script Greets(std::string greeting) {
  return [greeting](ServerSide& side) {
    side.Send(greeting);
    side.ReadUntilPeerCloses();
  };
}

TEST(ParseRfbGreeting, ReadsTheTwoNumbersAndNothingElse) {
  struct Case {
    std::string chunk;
    bool ok;
    long major, minor;
  } cases[] = {
      {"RFB 003.008\n", true, 3, 8},
      {"RFB 004.001\n", true, 4, 1},
      {"XXXX010x200Y", true, 10, 200},      // bytes 0-3, 7 and 11 are not checked
      {"RFB 003.008\nmore", true, 3, 8},  // what follows does not matter
      {"RFB 003.00", false, 0, 0},
      {"RFB 003.00\n", false, 0, 0},     // eleven bytes
      {"RFB 0a3.008\n", false, 0, 0},
      {"RFB 003.0-8\n", false, 0, 0},
      {"RFB  03.008\n", false, 0, 0},
      {"", false, 0, 0},
  };
  for (const auto& c : cases) {
    auto v = ParseRfbGreeting(Bytes(c.chunk));
    ASSERT_EQ(v.has_value(), c.ok) << c.chunk;
    if (c.ok) {
      EXPECT_EQ(v->major, c.major) << c.chunk;
      EXPECT_EQ(v->minor, c.minor) << c.chunk;
    }
  }
}

TEST(RfbProbe, ReportsTheGreetedVersionAndAnswersWithTheSameBytes) {
  struct Case {
    std::string greeting, version;
    long major, minor;
  } cases[] = {
      {"RFB 003.003\n", "3.3", 3, 3},
      {"RFB 003.008\n", "3.8", 3, 8},
      {"RFB 004.001\n", "4.1", 4, 1},
  };
  MessageBoxWatcher watcher;
  for (const auto& c : cases) {
    LoopbackServer server(Greets(c.greeting));
    RecordedCloses events;
    RfbProbe probe(events);
    std::string result = "unset";
    ASSERT_EQ(probe.GetServerVersion("127.0.0.1", server.portText(), result), S_OK);
    EXPECT_EQ(result, c.version);
    EXPECT_EQ(probe.VNC_ServerVersion(), c.version);
    EXPECT_EQ(probe.VNC_ServerVersionMajor(), c.major);
    EXPECT_EQ(probe.VNC_ServerVersionMinor(), c.minor);
    EXPECT_EQ(probe.VNC_Authentication(), 0);
    EXPECT_EQ(probe.State(), 0);
    EXPECT_EQ(events.closes, std::vector<bool>{true});
    EXPECT_EQ(server.Finish(), c.greeting);
    EXPECT_EQ(probe.RemoteHost(), "127.0.0.1");
    EXPECT_EQ(probe.RemotePort(), server.portText());
  }
  EXPECT_TRUE(watcher.seen().empty());
}

TEST(RfbProbe, EchoesWhatFollowsTheGreetingInTheSameChunk) {
  const std::string chunk = "RFB 003.008\n\x01\x02security-types";
  LoopbackServer server(Greets(chunk));
  RecordedCloses events;
  RfbProbe probe(events);
  std::string result;
  ASSERT_EQ(probe.GetServerVersion("127.0.0.1", server.portText(), result), S_OK);
  EXPECT_EQ(result, "3.8");
  EXPECT_EQ(server.Finish(), chunk);
}

BOOL CALLBACK CollectOpenBox(HWND wnd, LPARAM param) {
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  char cls[16] = {};
  GetClassNameA(wnd, cls, sizeof cls);
  if (pid == GetCurrentProcessId() && lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(wnd))
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(wnd);
  return TRUE;
}

// The message boxes of this process that are open now.
std::vector<HWND> OpenBoxes() {
  std::vector<HWND> boxes;
  EnumWindows(CollectOpenBox, reinterpret_cast<LPARAM>(&boxes));
  return boxes;
}

TEST(RfbProbe, ExaminesEachChunkByItselfSoASplitGreetingYieldsNothing) {
  MessageBoxWatcher watcher;
  // Seen and answered: the message for the first part is gone again.
  auto answered = [&watcher](std::size_t n) {
    return [&watcher, n] { return watcher.seen().size() >= n && OpenBoxes().empty(); };
  };
  LoopbackServer server([&](ServerSide& side) {
    side.Send("RFB 0");
    // The second part goes out only once the first was examined alone.
    if (!side.WaitUntil(answered(1))) return;
    side.Send("03.008\n");
    if (!side.WaitUntil(answered(2))) return;
    side.ShutdownSend();
    side.ReadUntilPeerCloses();
  });
  RecordedCloses events;
  RfbProbe probe(events);
  std::string result = "unset";
  ASSERT_EQ(probe.GetServerVersion("127.0.0.1", server.portText(), result), S_OK);
  EXPECT_EQ(result, "");
  EXPECT_EQ(probe.VNC_ServerVersionMajor(), 0);
  EXPECT_EQ(server.Finish(), "");  // nothing answered
  auto seen = watcher.seen();
  ASSERT_EQ(seen.size(), 2u);
  for (const auto& box : seen) {
    EXPECT_EQ(box.text, "Server is not an RFB Server !");
    EXPECT_EQ(box.title, "Pinglet");
  }
  EXPECT_EQ(events.closes, std::vector<bool>{true});
}

// The message box lets socket messages run: a greeting that arrives while it is open is taken.
TEST(RfbProbe, AGreetingWhileTheMessageIsOpenIsStillTaken) {
  MessageBoxWatcher watcher(0);  // records the box but presses nothing
  const std::string greeting = "RFB 003.008\n";
  std::size_t openWhenAnswered = 0;
  LoopbackServer server([&](ServerSide& side) {
    side.Send("RFB 0");
    if (!side.WaitUntil([] { return OpenBoxes().size() == 1; })) return;
    side.Send(greeting);
    bool echoed = side.ReadUntil([&](const std::string& got) { return got == greeting; });
    openWhenAnswered = echoed ? OpenBoxes().size() : 0;
    side.WaitUntil([&] { return !watcher.seen().empty(); });
    for (HWND box : OpenBoxes()) PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    side.ReadUntilPeerCloses();
  });
  RecordedCloses events;
  RfbProbe probe(events);
  std::string result;
  ASSERT_EQ(probe.GetServerVersion("127.0.0.1", server.portText(), result), S_OK);
  EXPECT_EQ(server.Finish(), greeting);
  EXPECT_EQ(result, "3.8");
  EXPECT_EQ(openWhenAnswered, 1u);
  EXPECT_EQ(watcher.seen().size(), 1u);
}

// A server that keeps sending while the message is open must not open message after message,
// each inside the one before.
TEST(RfbProbe, AChunkWhileTheMessageIsOpenIsNotAnnouncedAgain) {
  std::atomic<bool> firstShown{false};
  int announced = 0;
  RfbProbe* running = nullptr;
  auto announce = [&](const char* text) {
    EXPECT_STREQ(text, "Server is not an RFB Server !");
    if (++announced > 1) return;
    firstShown = true;
    // As the message box does: let messages run, here until the server's close was seen, so
    // the chunk before it was examined while this message was open.
    ULONGLONG deadline = GetTickCount64() + 10000;
    while (running->State() != static_cast<long>(WinsockState::Closing) && GetTickCount64() < deadline) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
  };
  LoopbackServer server([&](ServerSide& side) {
    side.Send("RFB 0");
    if (!side.WaitUntil([&] { return firstShown.load(); })) return;
    side.Send("03.0");
    side.ShutdownSend();
    side.ReadUntilPeerCloses();
  });
  RecordedCloses events;
  RfbProbe probe(events, RfbProbe::kDefaultTimeoutMs, announce);
  running = &probe;
  std::string result = "unset";
  ASSERT_EQ(probe.GetServerVersion("127.0.0.1", server.portText(), result), S_OK);
  EXPECT_EQ(result, "");
  EXPECT_EQ(announced, 1);
  EXPECT_EQ(events.closes, std::vector<bool>{true});
}

TEST(RfbProbe, TwelveBytesThatAreNoGreetingAreAnsweredByTheMessageOnly) {
  MessageBoxWatcher watcher;
  LoopbackServer server([](ServerSide& side) {
    side.Send("HTTP/1.0 400");
    side.ShutdownSend();
    side.ReadUntilPeerCloses();
  });
  RecordedCloses events;
  RfbProbe probe(events);
  std::string result = "unset";
  ASSERT_EQ(probe.GetServerVersion("127.0.0.1", server.portText(), result), S_OK);
  EXPECT_EQ(result, "");
  EXPECT_EQ(server.Finish(), "");
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].text, "Server is not an RFB Server !");
}

TEST(RfbProbe, ARefusedConnectionReportsTheErrorThenTheClose) {
  RecordedCloses events;
  RfbProbe probe(events);
  std::string result = "unset";
  ASSERT_EQ(probe.GetServerVersion("127.0.0.1", std::to_string(test::RefusingPort()), result), S_OK);
  EXPECT_EQ(result, "");
  EXPECT_EQ(events.closes, (std::vector<bool>{false, true}));
  EXPECT_EQ(probe.State(), 0);
}

TEST(RfbProbe, AServerThatClosesWithoutGreetingGivesNothing) {
  LoopbackServer server([](ServerSide&) {});
  RecordedCloses events;
  RfbProbe probe(events);
  std::string result = "unset";
  ASSERT_EQ(probe.GetServerVersion("127.0.0.1", server.portText(), result), S_OK);
  EXPECT_TRUE(server.accepted());
  EXPECT_EQ(result, "");
  EXPECT_EQ(events.closes, std::vector<bool>{true});
}

TEST(RfbProbe, ASilentServerEndsByTheTimeOut) {
  LoopbackServer server([](ServerSide& side) { side.ReadUntilPeerCloses(); });
  RecordedCloses events;
  const DWORD timeoutMs = 1500;
  RfbProbe probe(events, timeoutMs);
  std::string result = "unset";
  ULONGLONG started = GetTickCount64();
  ASSERT_EQ(probe.GetServerVersion("127.0.0.1", server.portText(), result), S_OK);
  ULONGLONG took = GetTickCount64() - started;
  EXPECT_EQ(result, "");
  EXPECT_GE(took, timeoutMs);
  EXPECT_EQ(events.closes, std::vector<bool>{true});
  EXPECT_EQ(server.Finish(), "");  // the probe hung up, and the server saw it
}

TEST(RfbProbe, AFailedProbeKeepsTheEarlierVersion) {
  RecordedCloses events;
  RfbProbe probe(events);
  std::string result;
  {
    LoopbackServer server(Greets("RFB 003.007\n"));
    ASSERT_EQ(probe.GetServerVersion("127.0.0.1", server.portText(), result), S_OK);
    EXPECT_EQ(result, "3.7");
  }
  result = "unset";
  ASSERT_EQ(probe.GetServerVersion("127.0.0.1", std::to_string(test::RefusingPort()), result), S_OK);
  EXPECT_EQ(result, "3.7");
  EXPECT_EQ(probe.VNC_ServerVersionMinor(), 7);
  {
    LoopbackServer server(Greets("RFB 004.000\n"));
    ASSERT_EQ(probe.GetServerVersion("127.0.0.1", server.portText(), result), S_OK);
    EXPECT_EQ(result, "4.0");
  }
  EXPECT_EQ(events.closes, (std::vector<bool>{true, false, true, true}));
}

TEST(RfbProbe, APortThatIsNoNumberFailsBeforeAnyConnection) {
  struct Case {
    std::string port;
    HRESULT hr;
  } cases[] = {
      {"abc", DISP_E_TYPEMISMATCH},
      {"", DISP_E_TYPEMISMATCH},
      {"59x0", DISP_E_TYPEMISMATCH},
      {"99999999999", DISP_E_OVERFLOW},
      {"70000", E_INVALIDARG},
      {"-1", E_INVALIDARG},
  };
  for (const auto& c : cases) {
    RecordedCloses events;
    RfbProbe probe(events);
    EXPECT_EQ(probe.SetRemotePort(c.port), c.hr) << c.port;
    std::string result = "unset";
    EXPECT_EQ(probe.GetServerVersion("127.0.0.1", c.port, result), c.hr) << c.port;
    EXPECT_EQ(result, "unset");
    EXPECT_TRUE(events.closes.empty()) << c.port;
    EXPECT_EQ(probe.State(), 0);
  }
}

TEST(RfbProbe, ResolvesAHostName) {
  LoopbackServer server(Greets("RFB 003.008\n"));
  RecordedCloses events;
  RfbProbe probe(events);
  std::string result;
  ASSERT_EQ(probe.GetServerVersion("localhost", server.portText(), result), S_OK);
  EXPECT_EQ(result, "3.8");
  EXPECT_EQ(server.Finish(), "RFB 003.008\n");
}

TEST(RfbProbe, ANameThatDoesNotResolveEndsLikeARefusedConnection) {
  RecordedCloses events;
  RfbProbe probe(events);
  std::string result = "unset";
  ASSERT_EQ(probe.GetServerVersion("no-such-host.invalid", "5900", result), S_OK);
  EXPECT_EQ(result, "");
  EXPECT_EQ(events.closes, (std::vector<bool>{false, true}));
}

// The wait lets the thread's other windows work: a timer of the host fires while the probe waits.
struct TimerSeen {
  RfbProbe* probe;
  std::vector<long> states;
};

LRESULT CALLBACK RecordStateOnTimer(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER) {
    auto* seen = reinterpret_cast<TimerSeen*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    seen->states.push_back(seen->probe->State());
    KillTimer(wnd, wp);
    return 0;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

TEST(RfbProbe, TheWaitLetsWindowMessagesRun) {
  LoopbackServer server([](ServerSide& side) { side.ReadUntilPeerCloses(); });
  RecordedCloses events;
  RfbProbe probe(events, 1500);
  TimerSeen seen{&probe, {}};
  WNDCLASSA wc{};
  wc.lpfnWndProc = RecordStateOnTimer;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "ProbeWaitHost";
  RegisterClassA(&wc);
  WindowHandle host(CreateWindowExA(0, "ProbeWaitHost", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr));
  ASSERT_TRUE(host);
  SetWindowLongPtrA(host.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&seen));
  SetTimer(host.get(), 1, 300, nullptr);

  std::string result;
  ASSERT_EQ(probe.GetServerVersion("127.0.0.1", server.portText(), result), S_OK);
  EXPECT_EQ(seen.states, std::vector<long>{7});  // it ran inside the wait, while connected
}

}  // namespace
