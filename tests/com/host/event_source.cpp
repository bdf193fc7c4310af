#include "event_source.h"

#include <oleauto.h>

namespace corvana::test {

namespace {

enum : DISPID { kTwice = 1, kTwiceShort, kAppend, kFlip, kTouch, kEcho, kValue, kFail };

const struct {
  const wchar_t* name;
  DISPID id;
} kMembers[] = {{L"Twice", kTwice}, {L"TwiceShort", kTwiceShort}, {L"Append", kAppend}, {L"Flip", kFlip},
                {L"Touch", kTouch}, {L"Echo", kEcho},             {L"Value", kValue},   {L"Fail", kFail}};

ITypeInfo* LoadClassInfo() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  wchar_t wide[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH);
  ITypeLib* lib = nullptr;
  if (FAILED(LoadTypeLibEx(wide, REGKIND_NONE, &lib))) return nullptr;
  ITypeInfo* info = nullptr;
  lib->GetTypeInfoOfGuid(kSourceClsid, &info);
  lib->Release();
  return info;
}

}  // namespace

EventSource::EventSource(bool withClassInfo) : withClassInfo_(withClassInfo) { VariantInit(&value_); }

EventSource::~EventSource() {
  for (auto& s : sinks_) s.second->Release();
  VariantClear(&value_);
}

STDMETHODIMP EventSource::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch))
    *out = static_cast<IDispatch*>(this);
  else if (IsEqualIID(riid, IID_IConnectionPointContainer))
    *out = static_cast<IConnectionPointContainer*>(this);
  else if (IsEqualIID(riid, IID_IProvideClassInfo) && withClassInfo_)
    *out = static_cast<IProvideClassInfo*>(this);
  if (!*out) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

STDMETHODIMP EventSource::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

STDMETHODIMP EventSource::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  *info = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP EventSource::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  HRESULT hr = S_OK;
  for (UINT i = 0; i < count; ++i) {
    ids[i] = DISPID_UNKNOWN;
    for (const auto& m : kMembers)
      if (_wcsicmp(m.name, names[i]) == 0) ids[i] = m.id;
    if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
  }
  return hr;
}

STDMETHODIMP EventSource::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                 EXCEPINFO* info, UINT*) {
  if (result) VariantInit(result);
  VARIANTARG* last = params->cArgs ? &params->rgvarg[0] : nullptr;
  switch (id) {
    case kTwice:
      if (!last || last->vt != (VT_BYREF | VT_I4)) return DISP_E_TYPEMISMATCH;
      *last->plVal *= 2;
      return S_OK;
    case kTwiceShort:
      if (!last || last->vt != (VT_BYREF | VT_I2)) return DISP_E_TYPEMISMATCH;
      *last->piVal = static_cast<SHORT>(*last->piVal * 2);
      return S_OK;
    case kAppend: {
      if (!last || last->vt != (VT_BYREF | VT_BSTR)) return DISP_E_TYPEMISMATCH;
      std::wstring text(*last->pbstrVal ? *last->pbstrVal : L"");
      text += L"!";
      SysFreeString(*last->pbstrVal);
      *last->pbstrVal = SysAllocString(text.c_str());
      return S_OK;
    }
    case kFlip:
      if (!last || last->vt != (VT_BYREF | VT_BOOL)) return DISP_E_TYPEMISMATCH;
      *last->pboolVal = *last->pboolVal ? VARIANT_FALSE : VARIANT_TRUE;
      return S_OK;
    case kTouch:
      if (!last || last->vt != (VT_BYREF | VT_VARIANT)) return DISP_E_TYPEMISMATCH;
      VariantClear(last->pvarVal);
      last->pvarVal->vt = VT_BSTR;
      last->pvarVal->bstrVal = SysAllocString(L"touched");
      return S_OK;
    case kEcho:
      if (!last) return DISP_E_BADPARAMCOUNT;
      return result ? VariantCopyInd(result, last) : S_OK;
    case kValue:
      if (flags & DISPATCH_PROPERTYPUT) {
        if (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT || !last)
          return DISP_E_PARAMNOTOPTIONAL;
        return VariantCopyInd(&value_, last);
      }
      return result ? VariantCopy(result, &value_) : S_OK;
    case kFail:
      if (info) {
        *info = EXCEPINFO{};
        info->scode = E_INVALIDARG;
        info->bstrDescription = SysAllocString(L"broken on purpose");
      }
      return DISP_E_EXCEPTION;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

STDMETHODIMP EventSource::EnumConnectionPoints(IEnumConnectionPoints** out) {
  *out = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP EventSource::FindConnectionPoint(REFIID riid, IConnectionPoint** out) {
  *out = nullptr;
  if (!IsEqualIID(riid, kSourceEventsIid)) return CONNECT_E_NOCONNECTION;
  *out = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP EventSource::GetConnectionInterface(IID* iid) {
  *iid = kSourceEventsIid;
  return S_OK;
}

STDMETHODIMP EventSource::GetConnectionPointContainer(IConnectionPointContainer** out) {
  *out = static_cast<IConnectionPointContainer*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP EventSource::Advise(IUnknown* sink, DWORD* cookie) {
  // As the generated controls do: the sink must answer for the event interface itself.
  IDispatch* events = nullptr;
  if (!sink || FAILED(sink->QueryInterface(kSourceEventsIid, reinterpret_cast<void**>(&events))))
    return CONNECT_E_CANNOTCONNECT;
  *cookie = nextCookie_++;
  sinks_.emplace_back(*cookie, events);
  return S_OK;
}

STDMETHODIMP EventSource::Unadvise(DWORD cookie) {
  for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
    if (it->first == cookie) {
      it->second->Release();
      sinks_.erase(it);
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP EventSource::EnumConnections(IEnumConnections** out) {
  *out = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP EventSource::GetClassInfo(ITypeInfo** info) {
  *info = LoadClassInfo();
  return *info ? S_OK : E_FAIL;
}

short EventSource::firePing(short button) {
  VARIANTARG arg;
  VariantInit(&arg);
  arg.vt = VT_BYREF | VT_I2;
  arg.piVal = &button;
  DISPPARAMS params{&arg, nullptr, 1, 0};
  auto copy = sinks_;
  for (auto& s : copy) s.second->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
  return button;
}

HRESULT EventSource::firePong(const std::string& text, long count) {
  wchar_t wide[256] = {};
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 256);
  VARIANTARG args[2];
  VariantInit(&args[0]);
  VariantInit(&args[1]);
  args[1].vt = VT_BSTR;  // first parameter last
  args[1].bstrVal = SysAllocString(wide);
  args[0].vt = VT_I4;
  args[0].lVal = count;
  DISPPARAMS params{args, nullptr, 2, 0};
  HRESULT hr = S_OK;
  auto copy = sinks_;
  for (auto& s : copy) hr = s.second->Invoke(2, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
  VariantClear(&args[1]);
  return hr;
}

}  // namespace corvana::test
