#include "rfb_probe_control/rfb_control.h"

#include <olectl.h>

#include "win/com_text.h"

namespace corvana::pinglet {
namespace {

std::string Text(const BSTR* text) { return text ? com::FromBstr(*text) : std::string(); }

HRESULT OutText(const std::string& text, BSTR* result) {
  if (!result) return E_POINTER;
  *result = com::Bstr(text).release();
  return *result || text.empty() ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

RfbControl::RfbControl(com::ControlTypeInfo info) : ControlObject(kClass, std::move(info)), probe_(*this) {
  // The control is as large as its picture, whatever its container asks.
  FixExtent(com::BitmapExtent(kClass.toolboxBitmapId));
}

HRESULT RfbControl::get_VNC_Authentication(LONG* result) {
  if (!result) return E_POINTER;
  *result = probe_.VNC_Authentication();
  return S_OK;
}

HRESULT RfbControl::put_RemoteHost(BSTR* strHostName) {
  probe_.SetRemoteHost(Text(strHostName));
  return S_OK;
}

HRESULT RfbControl::put_RemotePort(BSTR* strRemotePort) { return probe_.SetRemotePort(Text(strRemotePort)); }

HRESULT RfbControl::get_VNC_ServerVersionMajor(LONG* result) {
  if (!result) return E_POINTER;
  *result = probe_.VNC_ServerVersionMajor();
  return S_OK;
}

HRESULT RfbControl::get_VNC_ServerVersionMinor(LONG* result) {
  if (!result) return E_POINTER;
  *result = probe_.VNC_ServerVersionMinor();
  return S_OK;
}

HRESULT RfbControl::get_VNC_ServerVersion(BSTR* result) { return OutText(probe_.VNC_ServerVersion(), result); }

HRESULT RfbControl::get_State(LONG* result) {
  if (!result) return E_POINTER;
  *result = probe_.State();
  return S_OK;
}

HRESULT RfbControl::DisConnect(VARIANT* result) {
  if (result) VariantInit(result);
  // A VNCClose handler may release the host's last reference.
  com::ComPtr<IUnknown> keepAlive = KeepAlive();
  probe_.DisConnect();
  return S_OK;
}

HRESULT RfbControl::GetServerVersion(BSTR* strRemoteHost, BSTR* strRemotePort, BSTR* result) {
  if (!result) return E_POINTER;
  *result = nullptr;
  // Events are raised inside the wait; the control must outlive whatever their handlers release.
  com::ComPtr<IUnknown> keepAlive = KeepAlive();
  std::string version;
  HRESULT hr = probe_.GetServerVersion(Text(strRemoteHost), Text(strRemotePort), version);
  if (FAILED(hr)) return hr;
  return OutText(version, result);
}

void RfbControl::VNCClose(bool boolManualClose) {
  VARIANT_BOOL manual = boolManualClose ? VARIANT_TRUE : VARIANT_FALSE;
  VARIANTARG args[1];
  args[0].vt = VT_BOOL | VT_BYREF;
  args[0].pboolVal = &manual;
  events().Fire(kDispidVNCClose, args);
}

}  // namespace corvana::pinglet
