#pragma once
// The control rfbControl: the RFB version probe behind the dual interface _rfbControl, raising
// VNCClose through its connection point. Invisible at run time, sized to its picture.
#include <windows.h>
#include <ocidl.h>
#include <oleidl.h>

#include "Pinglet.h"
#include "com/server/com_object.h"
#include "com/server/connection_point.h"
#include "com/server/dispatch.h"
#include "com/server/invisible_ole_object.h"
#include "rfb_probe_control/rfb_probe.h"

namespace corvana::pinglet {

inline constexpr DWORD kRfbMiscStatus = 0x24591;
inline constexpr int kToolboxBitmapId = 30000;
inline constexpr DISPID kDispidVNCClose = 1;
inline constexpr DISPID kDispidVNCConnect = 2;

class RfbControl final : public com::TypeInfoDispatch<_rfbControl>,
                         public IConnectionPointContainer,
                         public IProvideClassInfo2,
                         public com::InvisibleOleObject,
                         public IPersistPropertyBag,
                         private RfbProbeEvents {
 public:
  // The class factory's entry: a new control with one reference, as the interface asked for.
  static HRESULT Create(REFIID iid, void** out);

  RfbControl(com::ComPtr<ITypeInfo> dispatchInfo, com::ComPtr<ITypeInfo> classInfo);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return refs_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return com::ReleaseComObject(this, refs_); }

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

  // IConnectionPointContainer
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

  // IProvideClassInfo2
  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** out) override;
  HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* out) override;

  // IPersistPropertyBag: the control keeps no properties.
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* out) override;
  HRESULT STDMETHODCALLTYPE InitNew() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Load(IPropertyBag*, IErrorLog*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Save(IPropertyBag*, BOOL, BOOL) override { return S_OK; }

 private:
  void VNCClose(bool boolManualClose) override;

  com::RefCount refs_;
  com::ComPtr<ITypeInfo> classInfo_;
  com::ConnectionPoint events_;
  RfbProbe probe_;
};

}  // namespace corvana::pinglet
