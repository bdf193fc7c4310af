#include "rfb_probe_control/winsock_control.h"

#include <gtest/gtest.h>

#include "loopback_server.h"

using namespace corvana;
using corvana::test::LoopbackServer;
using corvana::test::ServerSide;

namespace {

struct Recorder : WinsockEvents {
  void DataArrival(long bytesTotal) override { arrivals.push_back(bytesTotal); }
  void Error(long number) override { errors.push_back(number); }
  std::vector<long> arrivals;
  std::vector<long> errors;
};

// Lets this thread's messages run until condition holds; false after timeoutMs.
template <class Condition>
bool PumpUntil(Condition condition, DWORD timeoutMs = 10000) {
  ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  return true;
}

TEST(WinsockControl, ConnectsReceivesSendsAndSeesThePeerClose) {
  LoopbackServer server([](ServerSide& side) {
    side.Send("hello");
    side.ReadUntilPeerCloses();
  });
  Recorder events;
  WinsockControl sock(events);
  sock.SetRemoteHost("127.0.0.1");
  ASSERT_TRUE(sock.SetRemotePort(server.port()));
  ASSERT_TRUE(sock.Connect());
  EXPECT_EQ(sock.State(), WinsockState::Connecting);  // nothing happens until messages run
  EXPECT_FALSE(sock.Connect());                       // not closed
  ASSERT_TRUE(PumpUntil([&] { return !events.arrivals.empty(); }));
  EXPECT_EQ(sock.State(), WinsockState::Connected);
  EXPECT_EQ(events.arrivals, std::vector<long>{5});
  auto data = sock.GetData();
  EXPECT_EQ(std::string(data.begin(), data.end()), "hello");
  EXPECT_TRUE(sock.GetData().empty());
  EXPECT_TRUE(sock.SendData({'o', 'k'}));
  sock.Close();
  EXPECT_EQ(sock.State(), WinsockState::Closed);
  EXPECT_FALSE(sock.SendData({'x'}));
  EXPECT_EQ(server.Finish(), "ok");
  EXPECT_TRUE(events.errors.empty());
}

TEST(WinsockControl, APeerThatClosesLeavesItClosing) {
  LoopbackServer server([](ServerSide& side) { side.Send("bye"); });
  Recorder events;
  WinsockControl sock(events);
  sock.SetRemoteHost("127.0.0.1");
  sock.SetRemotePort(server.port());
  sock.Connect();
  ASSERT_TRUE(PumpUntil([&] { return sock.State() == WinsockState::Closing; }));
  EXPECT_EQ(sock.GetData().size(), 3u);  // what came before the close is kept
  EXPECT_TRUE(events.errors.empty());
  sock.Close();
  EXPECT_EQ(sock.State(), WinsockState::Closed);
}

TEST(WinsockControl, ARefusedConnectionIsAnError) {
  Recorder events;
  WinsockControl sock(events);
  sock.SetRemoteHost("127.0.0.1");
  sock.SetRemotePort(test::RefusingPort());
  sock.Connect();
  ASSERT_TRUE(PumpUntil([&] { return sock.State() == WinsockState::Error; }));
  EXPECT_EQ(events.errors, std::vector<long>{WSAECONNREFUSED});
  EXPECT_FALSE(sock.Connect());  // an error must be closed first
  sock.Close();
  EXPECT_EQ(sock.State(), WinsockState::Closed);
}

TEST(WinsockControl, AHostNameIsLookedUpWithoutBlocking) {
  LoopbackServer server([](ServerSide& side) { side.Send("x"); side.ReadUntilPeerCloses(); });
  Recorder events;
  WinsockControl sock(events);
  sock.SetRemoteHost("localhost");
  sock.SetRemotePort(server.port());
  sock.Connect();
  EXPECT_EQ(sock.State(), WinsockState::ResolvingHost);
  ASSERT_TRUE(PumpUntil([&] { return !events.arrivals.empty(); }));
  EXPECT_EQ(sock.State(), WinsockState::Connected);
}

TEST(WinsockControl, AnUnknownNameIsAnError) {
  Recorder events;
  WinsockControl sock(events);
  sock.SetRemoteHost("no-such-host.invalid");
  sock.SetRemotePort(5900);
  sock.Connect();
  ASSERT_TRUE(PumpUntil([&] { return sock.State() == WinsockState::Error; }));
  ASSERT_EQ(events.errors.size(), 1u);
}

// Closing while the lookup runs abandons it; its late answer must neither connect nor harm.
TEST(WinsockControl, AnAbandonedLookupIsIgnored) {
  LoopbackServer server([](ServerSide& side) { side.Send("x"); side.ReadUntilPeerCloses(); });
  Recorder events;
  WinsockControl sock(events);
  sock.SetRemoteHost("localhost");
  sock.SetRemotePort(server.port());
  sock.Connect();
  sock.Close();
  sock.SetRemoteHost("127.0.0.1");
  sock.Connect();
  ASSERT_TRUE(PumpUntil([&] { return !events.arrivals.empty(); }));
  EXPECT_EQ(sock.State(), WinsockState::Connected);
  sock.Close();
  EXPECT_TRUE(events.errors.empty());
}

TEST(WinsockControl, APortOutsideTheRangeIsRefused) {
  Recorder events;
  WinsockControl sock(events);
  EXPECT_FALSE(sock.SetRemotePort(-1));
  EXPECT_FALSE(sock.SetRemotePort(65536));
  EXPECT_TRUE(sock.SetRemotePort(65535));
  EXPECT_EQ(sock.RemotePort(), 65535);
}

}  // namespace
