#include "tray_control/tray_notification.h"

#include <olectl.h>

#include <array>
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

HRESULT TrayNotification::Create(REFIID iid, void** out) {
  com::ComPtr<ITypeInfo> dispatchInfo;
  com::ComPtr<ITypeInfo> classInfo;
  HRESULT hr = com::LoadModuleTypeInfo(IID__KW_TrayNotification, dispatchInfo);
  if (SUCCEEDED(hr)) hr = com::LoadModuleTypeInfo(CLSID_KW_TrayNotification, classInfo);
  if (FAILED(hr)) return hr;
  return com::MakeComObject<TrayNotification>(iid, out, std::move(dispatchInfo), std::move(classInfo));
}

TrayNotification::TrayNotification(com::ComPtr<ITypeInfo> dispatchInfo, com::ComPtr<ITypeInfo> classInfo)
    : TypeInfoDispatch(std::move(dispatchInfo)),
      InvisibleOleObject(CLSID_KW_TrayNotification, kTrayMiscStatus),
      classInfo_(std::move(classInfo)),
      events_(*this, DIID___KW_TrayNotification),
      propertyNotify_(*this, IID_IPropertyNotifySink),
      window_([this](POINT at) { OnMouseMove(at); }) {}

HRESULT TrayNotification::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__KW_TrayNotification)
    *out = static_cast<_KW_TrayNotification*>(this);
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
  propertyNotify_.ForEachSink([](IUnknown* sink) { static_cast<IPropertyNotifySink*>(sink)->OnChanged(kDispidEnabled); });
  return S_OK;
}

void TrayNotification::OnMouseMove(POINT at) {
  // The shell puts its mouse message where a mouse move carries x, and 0 where it carries y.
  if (!enabled_) return;
  const short button = ClickButton(at.x);
  if (button == 0) return;
  const LONG twips = TwipsPerPixelX();
  // A handler may release the last outside reference; the control lives until both events are out.
  com::ComPtr<IUnknown> keepAlive(static_cast<_KW_TrayNotification*>(this));

  short clickButton = button;
  VARIANTARG click[1];
  click[0].vt = VT_I2 | VT_BYREF;
  click[0].piVal = &clickButton;
  events_.Fire(kDispidTrayIconClick, click);

  short exButton = button;  // the mapped value again, whatever a handler did to the first event's
  short x = static_cast<short>(at.x * twips);
  short y = static_cast<short>(at.y * twips);
  VARIANTARG clickEx[3];
  for (auto& arg : clickEx) arg.vt = VT_I2 | VT_BYREF;
  clickEx[2].piVal = &exButton;
  clickEx[1].piVal = &x;
  clickEx[0].piVal = &y;
  events_.Fire(kDispidTrayIconClickEx, clickEx);
}

HRESULT TrayNotification::EnumConnectionPoints(IEnumConnectionPoints** out) {
  com::ConnectionPoint* const points[] = {&events_, &propertyNotify_};
  return com::EnumConnectionPoints(points, out);
}

HRESULT TrayNotification::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
  com::ConnectionPoint* const points[] = {&events_, &propertyNotify_};
  return com::FindConnectionPoint(points, iid, out);
}

HRESULT TrayNotification::GetClassInfo(ITypeInfo** out) { return com::CopyClassInfo(classInfo_, out); }

HRESULT TrayNotification::GetGUID(DWORD kind, GUID* out) { return com::DefaultSourceGuid(kind, DIID___KW_TrayNotification, out); }

HRESULT TrayNotification::GetClassID(CLSID* out) {
  if (!out) return E_POINTER;
  *out = CLSID_KW_TrayNotification;
  return S_OK;
}

HRESULT TrayNotification::InitNew() {
  enabled_ = true;
  return S_OK;
}

HRESULT TrayNotification::Load(IPropertyBag* bag, IErrorLog* log) {
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

HRESULT TrayNotification::Save(IPropertyBag* bag, BOOL, BOOL) {
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
