#pragma once
// IOleObject of a control that is invisible at run time and never activated: it keeps its client
// site and its extent, answers its misc status, and leaves verbs and user types to the registry.
// A member of the control object, whose IUnknown it answers with.
#include <windows.h>
#include <oleidl.h>

#include "com/server/interface_member.h"
#include "win/com_ptr.h"

namespace corvana::com {

class InvisibleOleObject final : public InterfaceMember<IOleObject> {
 public:
  InvisibleOleObject(IUnknown& object, const CLSID& clsid, DWORD miscStatus) noexcept
      : InterfaceMember(object), clsid_(clsid), miscStatus_(miscStatus) {}

  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
  HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
  HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Close(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** out) override;
  HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject** out) override;
  HRESULT STDMETHODCALLTYPE DoVerb(LONG, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** out) override;
  HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* out) override;
  HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR* out) override;
  // A control of fixed size keeps it whatever the container asks.
  HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
  HRESULT STDMETHODCALLTYPE Advise(IAdviseSink*, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override { return OLE_E_NOCONNECTION; }
  HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** out) override;
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
  HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  // From then on the extent is size (HIMETRIC) and SetExtent changes nothing.
  void FixExtent(SIZEL size) noexcept {
    extent_ = size;
    fixedExtent_ = true;
  }

 private:
  CLSID clsid_;
  DWORD miscStatus_;
  SIZEL extent_{};
  bool fixedExtent_ = false;
  ComPtr<IOleClientSite> site_;
};

// The size of a bitmap resource of this module in HIMETRIC, as a control sized to its picture
// reports it; {0, 0} when there is no such bitmap.
SIZEL BitmapExtent(int bitmapId);

}  // namespace corvana::com
