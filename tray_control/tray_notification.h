#pragma once
// The control KW_TrayNotification: one notification-area icon with a tooltip, and click events
// from the icon's callback. Invisible at run time; a container sites it, persists Enabled and
// connects to its events.
#include <windows.h>

#include "KW_TrayIcon.h"
#include "com/server/control_object.h"
#include "resources/bitmap_ids.h"
#include "tray_control/tray_callback_window.h"
#include "tray_control/tray_icon_record.h"

namespace corvana::tray {

inline constexpr DISPID kDispidEnabled = 0x68030005;
inline constexpr DISPID kDispidTrayIconClick = 1;
inline constexpr DISPID kDispidTrayIconClickEx = 2;

class TrayNotification final : public com::ControlObject<_KW_TrayNotification> {
 public:
  static constexpr com::ControlClass kClass{
      .clsid = CLSID_KW_TrayNotification, .progId = "KW_TrayIcon.KW_TrayNotification",
      .dispatchInterface = IID__KW_TrayNotification, .eventInterface = DIID___KW_TrayNotification,
      .typeLib = {LIBID_KW_TrayIcon, 2, 2, 0x409}, .miscStatus = 0x24591, .toolboxBitmapId = IDB_TOOLBOX,
      .notifiesPropertyChanges = true};

  explicit TrayNotification(com::ControlTypeInfo info);

  // _KW_TrayNotification
  HRESULT STDMETHODCALLTYPE TrayIconAdd(LONG* hIcon, BSTR* ToolTip, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE TrayIconChangeIcon(LONG* hIcon, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE TrayIconChangeToolTip(BSTR* ToolTip, VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE TrayIconDelete(VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE TrayIconRefresh(VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL* result) override;
  HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL* New_Enabled) override;

  // Enabled, in the container's property bag.
  HRESULT InitNewProperties() override;
  HRESULT LoadProperties(IPropertyBag* bag, IErrorLog* log) override;
  HRESULT SaveProperties(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;

 private:
  void OnMouseMove(POINT at);
  HRESULT Answer(bool accepted, VARIANT_BOOL* result);

  bool enabled_ = true;
  TrayIconRecord record_;
  TrayCallbackWindow window_;
};

}  // namespace corvana::tray
