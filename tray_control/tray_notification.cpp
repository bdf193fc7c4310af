#include "tray_control/tray_notification.h"

#include <olectl.h>

#include <string_view>

#include "win/handles.h"

namespace corvana::tray {
namespace {

const wchar_t kEnabledName[] = L"Enabled";

std::wstring_view Text(BSTR text) { return text ? std::wstring_view(text, SysStringLen(text)) : std::wstring_view(); }

// The button of a shell mouse message; 0 for the messages that raise nothing.
short ClickButton(LONG mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      return 1;
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return 2;
    default:
      return 0;
  }
}

// The screen's twips per pixel in x (15 at 96 DPI), whole twips as a form container counts them.
LONG TwipsPerPixelX() {
  WindowDc screen(nullptr);
  int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
  return dpi > 0 ? 1440 / dpi : 15;
}

}  // namespace

TrayNotification::TrayNotification(com::ControlTypeInfo info)
    : ControlObject(kClass, std::move(info)), window_([this](POINT at) { OnMouseMove(at); }) {}

HRESULT TrayNotification::Answer(bool accepted, VARIANT_BOOL* result) {
  *result = accepted ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT TrayNotification::TrayIconAdd(LONG* hIcon, BSTR* ToolTip, VARIANT_BOOL* result) {
  if (!hIcon || !ToolTip || !result) return E_POINTER;
  record_.Fill(window_.get(), reinterpret_cast<HICON>(static_cast<LONG_PTR>(*hIcon)), Text(*ToolTip));
  return Answer(record_.Send(NIM_ADD), result);
}

HRESULT TrayNotification::TrayIconChangeIcon(LONG* hIcon, VARIANT_BOOL* result) {
  if (!hIcon || !result) return E_POINTER;
  record_.SetIcon(reinterpret_cast<HICON>(static_cast<LONG_PTR>(*hIcon)));
  return Answer(record_.Send(NIM_MODIFY), result);
}

HRESULT TrayNotification::TrayIconChangeToolTip(BSTR* ToolTip, VARIANT_BOOL* result) {
  if (!ToolTip || !result) return E_POINTER;
  record_.SetTip(Text(*ToolTip));
  return Answer(record_.Send(NIM_MODIFY), result);
}

HRESULT TrayNotification::TrayIconDelete(VARIANT_BOOL* result) {
  if (!result) return E_POINTER;
  return Answer(record_.Send(NIM_DELETE), result);
}

HRESULT TrayNotification::TrayIconRefresh(VARIANT_BOOL* result) {
  if (!result) return E_POINTER;
  // Modifying with the unchanged record shows nothing new; it only asks whether the shell knows the icon.
  return Answer(record_.Send(NIM_MODIFY), result);
}

HRESULT TrayNotification::get_Enabled(VARIANT_BOOL* result) {
  if (!result) return E_POINTER;
  return Answer(enabled_, result);
}

HRESULT TrayNotification::put_Enabled(VARIANT_BOOL* New_Enabled) {
  if (!New_Enabled) return E_POINTER;
  enabled_ = *New_Enabled != VARIANT_FALSE;
  propertyNotify().ForEachSink([](IUnknown* sink) { static_cast<IPropertyNotifySink*>(sink)->OnChanged(kDispidEnabled); });
  return S_OK;
}

void TrayNotification::OnMouseMove(POINT at) {
  // The shell puts its mouse message where a mouse move carries x, and 0 where it carries y.
  if (!enabled_) return;
  const short button = ClickButton(at.x);
  if (button == 0) return;
  const LONG twips = TwipsPerPixelX();
  // A handler may release the last outside reference; the control lives until both events are out.
  com::ComPtr<IUnknown> keepAlive = KeepAlive();

  short clickButton = button;
  VARIANTARG click[1];
  click[0].vt = VT_I2 | VT_BYREF;
  click[0].piVal = &clickButton;
  events().Fire(kDispidTrayIconClick, click);

  short exButton = button;  // the mapped value again, whatever a handler did to the first event's
  short x = static_cast<short>(at.x * twips);
  short y = static_cast<short>(at.y * twips);
  VARIANTARG clickEx[3];
  for (auto& arg : clickEx) arg.vt = VT_I2 | VT_BYREF;
  clickEx[2].piVal = &exButton;
  clickEx[1].piVal = &x;
  clickEx[0].piVal = &y;
  events().Fire(kDispidTrayIconClickEx, clickEx);
}

HRESULT TrayNotification::InitNewProperties() {
  enabled_ = true;
  return S_OK;
}

HRESULT TrayNotification::LoadProperties(IPropertyBag* bag, IErrorLog* log) {
  if (!bag) return E_POINTER;
  enabled_ = true;
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_BOOL;
  if (SUCCEEDED(bag->Read(kEnabledName, &value, log))) {
    if (SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BOOL))) enabled_ = value.boolVal != VARIANT_FALSE;
    VariantClear(&value);
  }
  return S_OK;
}

HRESULT TrayNotification::SaveProperties(IPropertyBag* bag, BOOL, BOOL) {
  if (!bag) return E_POINTER;
  // True is the default, and a default is not written.
  if (enabled_) return S_OK;
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_BOOL;
  value.boolVal = VARIANT_FALSE;
  return bag->Write(kEnabledName, &value);
}

}  // namespace corvana::tray
