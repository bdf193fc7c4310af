#pragma once
// The control KW_TrayNotification: one notification-area icon with a tooltip, and click events
// from the icon's callback. Invisible at run time; a container sites it, persists Enabled and
// connects to its events.
#include <windows.h>
#include <ocidl.h>
#include <oleidl.h>

#include "KW_TrayIcon.h"
#include "com/server/com_object.h"
#include "com/server/connection_point.h"
#include "com/server/dispatch.h"
#include "com/server/invisible_ole_object.h"
#include "tray_control/tray_callback_window.h"
#include "tray_control/tray_icon_record.h"

namespace corvana::tray {

inline constexpr DWORD kTrayMiscStatus = 0x24591;
inline constexpr int kToolboxBitmapId = 30000;
inline constexpr DISPID kDispidEnabled = 0x68030005;
inline constexpr DISPID kDispidTrayIconClick = 1;
inline constexpr DISPID kDispidTrayIconClickEx = 2;

class TrayNotification final : public com::TypeInfoDispatch<_KW_TrayNotification>,
                               public IConnectionPointContainer,
                               public IProvideClassInfo2,
                               public com::InvisibleOleObject,
                               public IPersistPropertyBag {
 public:
  // The class factory's entry: a new control with one reference, as the interface asked for.
  static HRESULT Create(REFIID iid, void** out);

  TrayNotification(com::ComPtr<ITypeInfo> dispatchInfo, com::ComPtr<ITypeInfo> classInfo);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return refs_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return com::ReleaseComObject(this, refs_); }

  // _KW_TrayNotification
  HRESULT STDMETHODCALLTYPE TrayIconAdd(LONG* hIcon, BSTR* ToolTip, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE TrayIconChangeIcon(LONG* hIcon, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE TrayIconChangeToolTip(BSTR* ToolTip, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE TrayIconDelete(VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE TrayIconRefresh(VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL* New_Enabled) override;

  // IConnectionPointContainer
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

  // IProvideClassInfo2
  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** out) override;
  HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* out) override;

  // IPersistPropertyBag
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* out) override;
  HRESULT STDMETHODCALLTYPE InitNew() override;
  HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* log) override;
  HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;

 private:
  void OnMouseMove(POINT at);
  HRESULT Answer(bool accepted, VARIANT_BOOL* result);

  com::RefCount refs_;
  com::ComPtr<ITypeInfo> classInfo_;
  com::ConnectionPoint events_;
  com::ConnectionPoint propertyNotify_;
  bool enabled_ = true;
  TrayIconRecord record_;
  TrayCallbackWindow window_;
};

}  // namespace corvana::tray
