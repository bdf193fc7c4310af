// Event sinks connected to the test's own event source: handlers by name and by dispatch id,
// by-reference event arguments written back, and the connection ended with its owner.
#include <gtest/gtest.h>

#include <stdexcept>

#include "com/host/create_object.h"
#include "com/host/event_sink.h"
#include "com/host/hosted_control.h"
#include "com/host/ole_init.h"
#include "event_source.h"

namespace corvana::com {
namespace {

class EventSinkTest : public ::testing::Test {
 protected:
  OleInitGuard ole_;
};

TEST_F(EventSinkTest, FindsTheDefaultSourceThroughClassInfo) {
  test::EventSource source;
  IID iid = IID_NULL;
  ComPtr<ITypeInfo> info;
  ASSERT_EQ(FindDefaultSource(source.dispatch(), iid, info), S_OK);
  EXPECT_TRUE(IsEqualIID(iid, test::kSourceEventsIid));
  EXPECT_TRUE(info);
}

TEST_F(EventSinkTest, HandlerByNameReadsAndWritesItsByReferenceArgument) {
  test::EventSource source;
  {
    EventSink sink;
    short seen = 0;
    sink.on("ping", [&](EventArgs& args) {  // names without case
      seen = args.get(0).asShort().value_or(0);
      EXPECT_TRUE(args.set(0, Variant(7L)));
    });
    ASSERT_EQ(sink.connect(source.dispatch()), S_OK);
    EXPECT_TRUE(sink.connected());
    EXPECT_EQ(source.connections(), 1u);
    EXPECT_EQ(source.firePing(1), 7);
    EXPECT_EQ(seen, 1);
  }
  EXPECT_EQ(source.connections(), 0u);
  EXPECT_EQ(source.firePing(2), 2);  // nobody listens any more
  EXPECT_EQ(source.refs(), 1);
}

TEST_F(EventSinkTest, HandlerByDispIdGetsArgumentsInDeclarationOrder) {
  test::EventSource source;
  EventSink sink;
  std::string text;
  long count = 0;
  size_t n = 0;
  sink.on(2, [&](EventArgs& args) {
    n = args.count();
    text = args.get(0).toString();
    count = args.get(1).toLong();
    EXPECT_FALSE(args.set(1, Variant(1L)));  // by value: nothing to write through
    EXPECT_TRUE(args.get(2).isEmpty());
  });
  ASSERT_EQ(sink.connect(source.dispatch(), &test::kSourceEventsIid), S_OK);
  source.firePong("Filiale 7", 3);
  EXPECT_EQ(n, 2u);
  EXPECT_EQ(text, "Filiale 7");
  EXPECT_EQ(count, 3);
  // Events without a handler are answered and ignored.
  EXPECT_EQ(source.firePing(4), 4);
}

TEST_F(EventSinkTest, NamesNeedTypeInformationIdsDoNot) {
  test::EventSource source(/*withClassInfo=*/false);
  EventSink sink;
  int byName = 0, byId = 0;
  sink.on("Ping", [&](EventArgs&) { ++byName; });
  sink.on(1, [&](EventArgs&) { ++byId; });
  // Without class information the caller must name the interface.
  EXPECT_TRUE(FAILED(sink.connect(source.dispatch())));
  ASSERT_EQ(sink.connect(source.dispatch(), &test::kSourceEventsIid), S_OK);
  source.firePing(1);
  EXPECT_EQ(byId, 1);
  EXPECT_EQ(byName, 0);  // the id handler wins; the name is never looked up
}

TEST_F(EventSinkTest, ConnectFailuresAreResults) {
  test::EventSource source;
  EventSink sink;
  EXPECT_EQ(sink.connect(source.dispatch(), &test::kOtherEventsIid), CONNECT_E_NOCONNECTION);
  EXPECT_FALSE(sink.connected());
  EXPECT_EQ(sink.connect(nullptr), E_POINTER);
  auto dict = CreateObject("Scripting.Dictionary");
  ASSERT_TRUE(dict);
  EXPECT_TRUE(FAILED(sink.connect(dict.get(), &test::kSourceEventsIid)));  // no connection points
  EXPECT_EQ(source.connections(), 0u);
}

TEST_F(EventSinkTest, AThrowingHandlerDoesNotReachTheSource) {
  test::EventSource source;
  EventSink sink;
  sink.on("Pong", [](EventArgs&) { throw std::runtime_error("handler failed"); });
  ASSERT_EQ(sink.connect(source.dispatch()), S_OK);
  EXPECT_EQ(source.firePong("x", 1), DISP_E_EXCEPTION);
}

TEST_F(EventSinkTest, ReconnectingLeavesOneConnection) {
  test::EventSource source;
  EventSink sink;
  int calls = 0;
  sink.on("Ping", [&](EventArgs&) { ++calls; });
  ASSERT_EQ(sink.connect(source.dispatch()), S_OK);
  ASSERT_EQ(sink.connect(source.dispatch()), S_OK);
  EXPECT_EQ(source.connections(), 1u);
  source.firePing(1);
  EXPECT_EQ(calls, 1);
  sink.disconnect();
  EXPECT_EQ(source.connections(), 0u);
}

TEST_F(EventSinkTest, HostedControlDisconnectsItsSinksBeforeReleasingTheControl) {
  test::EventSource source;
  {
    HostedControl control;
    control.attach(ComPtr<IDispatch>::borrow(source.dispatch()));
    HRESULT hr = E_FAIL;
    EventSink* sink = control.connectEvents(nullptr, &hr);
    ASSERT_EQ(hr, S_OK);
    ASSERT_NE(sink, nullptr);
    int clicks = 0;
    sink->on("Ping", [&](EventArgs&) { ++clicks; });
    source.firePing(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(source.connections(), 1u);
    EXPECT_EQ(control.connectEvents(&test::kOtherEventsIid, &hr), nullptr);
    EXPECT_EQ(hr, CONNECT_E_NOCONNECTION);
  }
  EXPECT_EQ(source.connections(), 0u);
  EXPECT_EQ(source.refs(), 1);
}

}  // namespace
}  // namespace corvana::com
