#include "main_window/viewer_form.h"

#include "forms/handler_guard.h"

namespace corvana {

forms::FormDecl ViewerFormDeclaration() {
  forms::FormDecl f;
  f.name = "frmViewer";
  f.caption = "frmViewer";
  f.clientWidth = 1500;
  f.clientHeight = 900;
  return f;
}

ViewerForm::ViewerForm() : Form(ViewerFormDeclaration()) {}

// The window goes first, while the control it hosts is still there.
ViewerForm::~ViewerForm() { UnloadForm(); }

void ViewerForm::ControlsCreated() {
  if (FAILED(rfbControl1_.create(kRfbControlProgId))) return;
  if (com::EventSink* sink = rfbControl1_.connectEvents()) {
    sink->on("VNCClose", [this](com::EventArgs& args) {
      forms::RunGuarded([&] { rfbControl1_VNCClose(args.get(0).toBool()); });
    });
  }
}

void ViewerForm::ControlsReleasing() {
  if (callsRunning_ == 0) rfbControl1_.reset();
}

const com::HostedControl& ViewerForm::rfbControl1() {
  if (!Loaded()) LoadForm();
  return rfbControl1_;
}

std::string ViewerForm::GetServerVersion(const std::string& RemoteHost, const std::string& RemotePort) {
  const com::HostedControl& control = rfbControl1();
  if (!control) return {};
  ++callsRunning_;
  com::CallResult result = control.call("GetServerVersion", RemoteHost, RemotePort);
  --callsRunning_;
  if (callsRunning_ == 0 && !Loaded()) rfbControl1_.reset();
  return result.ok() ? result.value.toString() : std::string();
}

void ViewerForm::rfbControl1_VNCClose(bool /*boolManualClose*/) { UnloadForm(); }

}  // namespace corvana
