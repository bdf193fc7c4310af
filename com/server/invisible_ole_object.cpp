#include "com/server/invisible_ole_object.h"

#include "com/server/module.h"
#include "win/handles.h"

namespace corvana::com {

HRESULT InvisibleOleObject::SetClientSite(IOleClientSite* site) {
  site_ = ComPtr<IOleClientSite>::borrow(site);
  return S_OK;
}

HRESULT InvisibleOleObject::GetClientSite(IOleClientSite** site) {
  return site_.copyTo(site);
}

HRESULT InvisibleOleObject::GetMoniker(DWORD, DWORD, IMoniker** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

HRESULT InvisibleOleObject::GetClipboardData(DWORD, IDataObject** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

HRESULT InvisibleOleObject::EnumVerbs(IEnumOLEVERB** out) {
  if (out) *out = nullptr;
  return OLE_S_USEREG;
}

HRESULT InvisibleOleObject::GetUserClassID(CLSID* out) {
  if (!out) return E_POINTER;
  *out = clsid_;
  return S_OK;
}

HRESULT InvisibleOleObject::GetUserType(DWORD, LPOLESTR* out) {
  if (out) *out = nullptr;
  return OLE_S_USEREG;
}

HRESULT InvisibleOleObject::SetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  if (!fixedExtent_) extent_ = *size;
  return S_OK;
}

HRESULT InvisibleOleObject::GetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  *size = extent_;
  return S_OK;
}

HRESULT InvisibleOleObject::Advise(IAdviseSink*, DWORD* cookie) {
  if (cookie) *cookie = 0;
  return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT InvisibleOleObject::EnumAdvise(IEnumSTATDATA** out) {
  if (out) *out = nullptr;
  return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT InvisibleOleObject::GetMiscStatus(DWORD, DWORD* status) {
  if (!status) return E_POINTER;
  *status = miscStatus_;
  return S_OK;
}

SIZEL BitmapExtent(int bitmapId) {
  GdiObject bitmap(LoadImageA(ThisModule(), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, 0));
  BITMAP info{};
  if (!bitmap || GetObjectA(bitmap.get(), sizeof info, &info) == 0) return {0, 0};
  WindowDc screen(nullptr);
  int dpiX = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
  int dpiY = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  if (dpiX <= 0) dpiX = 96;
  if (dpiY <= 0) dpiY = 96;
  return {MulDiv(info.bmWidth, 2540, dpiX), MulDiv(info.bmHeight, 2540, dpiY)};
}

}  // namespace corvana::com
