#pragma once
// The hidden form frmViewer: it hosts the registered RFB probe control as rfbControl1 for the
// RFB version command, one fresh form per request, and is never shown.
#include <string>

#include "com/host/hosted_control.h"
#include "forms/form.h"

namespace corvana {

inline constexpr const char* kRfbControlProgId = "Pinglet.rfbControl";

forms::FormDecl ViewerFormDeclaration();

class ViewerForm : public forms::Form {
 public:
  ViewerForm();
  ~ViewerForm() override;

  // The probe control; the first access loads the form, which creates it. Empty when the
  // control is not registered.
  const com::HostedControl& rfbControl1();
  // Whether the form still holds its control.
  bool HoldsControl() const { return static_cast<bool>(rfbControl1_); }

  // The control's GetServerVersion: the server's version text, "" when it gave none or the call
  // failed (no control, a port the control does not take).
  std::string GetServerVersion(const std::string& RemoteHost, const std::string& RemotePort);

  // The control closed its connection (True) or its socket failed (False): the form unloads.
  void rfbControl1_VNCClose(bool boolManualClose);

 protected:
  void ControlsCreated() override;
  void ControlsReleasing() override;

 private:
  com::HostedControl rfbControl1_;
  // The control raises VNCClose inside GetServerVersion, and the form unloads there; the control
  // is released only once the call has returned.
  int callsRunning_ = 0;
};

}  // namespace corvana
