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

HRESULT RfbControl::Create(REFIID iid, void** out) {
  com::ComPtr<ITypeInfo> dispatchInfo;
  com::ComPtr<ITypeInfo> classInfo;
  HRESULT hr = com::LoadModuleTypeInfo(IID__rfbControl, dispatchInfo);
  if (SUCCEEDED(hr)) hr = com::LoadModuleTypeInfo(CLSID_rfbControl, classInfo);
  if (FAILED(hr)) return hr;
  return com::MakeComObject<RfbControl>(iid, out, std::move(dispatchInfo), std::move(classInfo));
}

RfbControl::RfbControl(com::ComPtr<ITypeInfo> dispatchInfo, com::ComPtr<ITypeInfo> classInfo)
    : TypeInfoDispatch(std::move(dispatchInfo)),
      InvisibleOleObject(CLSID_rfbControl, kRfbMiscStatus),
      classInfo_(std::move(classInfo)),
      events_(*this, DIID___rfbControl),
      probe_(*this) {
  // The control is as large as its picture, whatever its container asks.
  FixExtent(com::BitmapExtent(kToolboxBitmapId));
}

HRESULT RfbControl::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__rfbControl)
    *out = static_cast<_rfbControl*>(this);
  else if (iid == IID_IConnectionPointContainer)
    *out = static_cast<IConnectionPointContainer*>(this);
  else if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2)
    *out = static_cast<IProvideClassInfo2*>(this);
  else if (iid == IID_IOleObject)
    *out = static_cast<IOleObject*>(this);
  else if (iid == IID_IPersist || iid == IID_IPersistPropertyBag)
    *out = static_cast<IPersistPropertyBag*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
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
  com::ComPtr<IUnknown> keepAlive(static_cast<_rfbControl*>(this));
  probe_.DisConnect();
  return S_OK;
}

HRESULT RfbControl::GetServerVersion(BSTR* strRemoteHost, BSTR* strRemotePort, BSTR* result) {
  if (!result) return E_POINTER;
  *result = nullptr;
  // Events are raised inside the wait; the control must outlive whatever their handlers release.
  com::ComPtr<IUnknown> keepAlive(static_cast<_rfbControl*>(this));
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
  events_.Fire(kDispidVNCClose, args);
}

HRESULT RfbControl::EnumConnectionPoints(IEnumConnectionPoints** out) {
  com::ConnectionPoint* const points[] = {&events_};
  return com::EnumConnectionPoints(points, out);
}

HRESULT RfbControl::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
  com::ConnectionPoint* const points[] = {&events_};
  return com::FindConnectionPoint(points, iid, out);
}

HRESULT RfbControl::GetClassInfo(ITypeInfo** out) { return com::CopyClassInfo(classInfo_, out); }

HRESULT RfbControl::GetGUID(DWORD kind, GUID* out) { return com::DefaultSourceGuid(kind, DIID___rfbControl, out); }

HRESULT RfbControl::GetClassID(CLSID* out) {
  if (!out) return E_POINTER;
  *out = CLSID_rfbControl;
  return S_OK;
}

}  // namespace corvana::pinglet
