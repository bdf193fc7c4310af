#pragma once
// The control rfbControl: the RFB version probe behind the dual interface _rfbControl, raising
// VNCClose through its connection point. Invisible at run time, sized to its picture; it keeps
// no properties.
#include <windows.h>

#include "Pinglet.h"
#include "com/server/control_object.h"
#include "resources/bitmap_ids.h"
#include "rfb_probe_control/rfb_probe.h"

namespace corvana::pinglet {

inline constexpr DISPID kDispidVNCClose = 1;
inline constexpr DISPID kDispidVNCConnect = 2;

class RfbControl final : public com::ControlObject<_rfbControl>, private RfbProbeEvents {
 public:
  static constexpr com::ControlClass kClass{
      .clsid = CLSID_rfbControl, .progId = "Pinglet.rfbControl", .dispatchInterface = IID__rfbControl,
      .eventInterface = DIID___rfbControl, .typeLib = {LIBID_Pinglet, 2, 0, 0x409}, .miscStatus = 0x24591,
      .toolboxBitmapId = IDB_TOOLBOX};

  explicit RfbControl(com::ControlTypeInfo info);

  // _rfbControl
  HRESULT STDMETHODCALLTYPE get_VNC_Authentication(LONG* result) override;
  HRESULT STDMETHODCALLTYPE put_RemoteHost(BSTR* strHostName) override;
  HRESULT STDMETHODCALLTYPE put_RemotePort(BSTR* strRemotePort) override;
  HRESULT STDMETHODCALLTYPE get_VNC_ServerVersionMajor(LONG* result) override;
  HRESULT STDMETHODCALLTYPE get_VNC_ServerVersionMinor(LONG* result) override;
  HRESULT STDMETHODCALLTYPE get_VNC_ServerVersion(BSTR* result) override;
  HRESULT STDMETHODCALLTYPE get_State(LONG* result) override;
  HRESULT STDMETHODCALLTYPE DisConnect(VARIANT* result) override;
  HRESULT STDMETHODCALLTYPE GetServerVersion(BSTR* strRemoteHost, BSTR* strRemotePort, BSTR* result) override;

 private:
  void VNCClose(bool boolManualClose) override;

  RfbProbe probe_;
};

}  // namespace corvana::pinglet
