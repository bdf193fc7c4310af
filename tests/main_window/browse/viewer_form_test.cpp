// The hidden form frmViewer and its probe control: never shown, unloaded by the control's VNCClose
// from inside GetServerVersion, and the control kept until that call has returned.
#include "main_window/viewer_form.h"

#include <gmock/gmock.h>

#include <utility>
#include <vector>

#include "com/host/ole_init.h"
#include "rfb_probe_control/loopback_server.h"

using namespace corvana;
using namespace corvana::test;

namespace {

TEST(ViewerForm, KeepsItsControlUntilTheProbeHasReturned) {
  com::OleInitGuard ole;
  LoopbackServer server([](ServerSide& side) {
    side.Send("RFB 003.008\n");
    side.ReadUntilPeerCloses();
  });
  ViewerForm viewer;
  const com::HostedControl& control = viewer.rfbControl1();
  ASSERT_TRUE(control) << "the probe control is not registered";
  ASSERT_TRUE(viewer.Loaded());
  EXPECT_FALSE(IsWindowVisible(viewer.hWnd()));
  // A second listener, told after the form: what the form holds once its own handler has run.
  com::HostedControl observer;
  observer.attach(com::ComPtr<IDispatch>::borrow(control.dispatch()));
  com::EventSink* sink = observer.connectEvents();
  ASSERT_TRUE(sink);
  std::vector<std::pair<bool, bool>> loadedAndHolding;
  sink->on("VNCClose", [&](com::EventArgs&) { loadedAndHolding.emplace_back(viewer.Loaded(), viewer.HoldsControl()); });

  EXPECT_EQ(viewer.GetServerVersion("127.0.0.1", server.portText()), "3.8");
  EXPECT_EQ(loadedAndHolding, (std::vector<std::pair<bool, bool>>{{false, true}}));
  EXPECT_FALSE(viewer.Loaded());
  EXPECT_FALSE(viewer.HoldsControl());
  EXPECT_EQ(server.Finish(), "RFB 003.008\n");
}

TEST(ViewerForm, AFailedProbeUnloadsTheFormAndGivesNoVersion) {
  com::OleInitGuard ole;
  ViewerForm viewer;
  ASSERT_TRUE(viewer.rfbControl1());
  EXPECT_EQ(viewer.GetServerVersion("127.0.0.1", std::to_string(RefusingPort())), "");
  EXPECT_FALSE(viewer.Loaded());
  EXPECT_FALSE(viewer.HoldsControl());
  // A port text the control does not take: the call fails, the form keeps its control.
  ViewerForm other;
  EXPECT_EQ(other.GetServerVersion("127.0.0.1", "port"), "");
  EXPECT_TRUE(other.Loaded());
  EXPECT_TRUE(other.HoldsControl());
  other.UnloadForm();
  EXPECT_FALSE(other.HoldsControl());
}

}  // namespace
