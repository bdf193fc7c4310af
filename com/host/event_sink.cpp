#include "com/host/event_sink.h"

#include <oleauto.h>

#include <memory>

#include "win/com_text.h"

namespace corvana::com {

namespace {

std::string NameKey(const std::string& name) {
  std::string key = name;
  if (!key.empty())
    LCMapStringA(LOCALE_SYSTEM_DEFAULT, LCMAP_UPPERCASE, name.data(), static_cast<int>(name.size()), key.data(),
                 static_cast<int>(key.size()));
  return key;
}

// The source interface among the coclass's implemented ones: the default one first, else the first.
HRESULT SourceOfClass(ITypeInfo* classInfo, const IID* wanted, IID& iid, ComPtr<ITypeInfo>& info) {
  TYPEATTR* attr = nullptr;
  if (FAILED(classInfo->GetTypeAttr(&attr))) return E_FAIL;
  WORD count = attr->typekind == TKIND_COCLASS ? attr->cImplTypes : 0;
  classInfo->ReleaseTypeAttr(attr);
  HRESULT found = E_NOINTERFACE;
  for (int pass = 0; pass < 2 && FAILED(found); ++pass) {
    for (UINT i = 0; i < count && FAILED(found); ++i) {
      INT flags = 0;
      if (FAILED(classInfo->GetImplTypeFlags(i, &flags)) || !(flags & IMPLTYPEFLAG_FSOURCE)) continue;
      if (pass == 0 && !(flags & IMPLTYPEFLAG_FDEFAULT) && !wanted) continue;
      HREFTYPE ref = 0;
      ComPtr<ITypeInfo> ti;
      if (FAILED(classInfo->GetRefTypeOfImplType(i, &ref)) || FAILED(classInfo->GetRefTypeInfo(ref, ti.put())))
        continue;
      TYPEATTR* ta = nullptr;
      if (FAILED(ti->GetTypeAttr(&ta))) continue;
      IID guid = ta->guid;
      ti->ReleaseTypeAttr(ta);
      if (wanted && !IsEqualIID(guid, *wanted)) continue;
      iid = guid;
      info = ti;
      found = S_OK;
    }
  }
  return found;
}

HRESULT ClassInfoSource(IUnknown* object, const IID* wanted, IID& iid, ComPtr<ITypeInfo>& info) {
  ComPtr<IProvideClassInfo> provide = ComPtr<IUnknown>::borrow(object).as<IProvideClassInfo>(IID_IProvideClassInfo);
  if (!provide) return E_NOINTERFACE;
  ComPtr<ITypeInfo> classInfo;
  if (FAILED(provide->GetClassInfo(classInfo.put())) || !classInfo) return E_NOINTERFACE;
  return SourceOfClass(classInfo.get(), wanted, iid, info);
}

}  // namespace

// The COM object the source calls. It outlives its EventSink only while the source still holds
// a reference; it then calls nothing, since the EventSink empties its handlers when it ends.
class SinkObject : public IDispatch {
 public:
  SinkObject() = default;
  virtual ~SinkObject() = default;

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || (hasIid_ && IsEqualIID(riid, iid_))) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG n = InterlockedDecrement(&refs_);
    if (n == 0) delete this;  // a COM object ends with its last reference
    return static_cast<ULONG>(n);
  }
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    if (!info_) return E_NOTIMPL;
    return info_->GetIDsOfNames(names, count, ids);
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                      UINT*) override {
    if (result) VariantInit(result);
    try {
      EventHandler handler = find(id);
      if (handler) {
        EventArgs args(params);
        handler(args);
      }
    } catch (...) {
      // A handler's failure stays on this side of the source.
      return DISP_E_EXCEPTION;
    }
    return S_OK;
  }

  void setEvent(const IID& iid, ComPtr<ITypeInfo> info) {
    iid_ = iid;
    hasIid_ = true;
    if (info) info_ = std::move(info);
  }
  const IID& iid() const { return iid_; }
  std::map<DISPID, EventHandler> byId;
  std::map<std::string, EventHandler> byName;
  void clear() {
    byId.clear();
    byName.clear();
    info_.reset();
  }

 private:
  EventHandler find(DISPID id) {
    if (auto it = byId.find(id); it != byId.end()) return it->second;
    if (byName.empty() || !info_) return {};
    BSTR name = nullptr;
    UINT got = 0;
    if (FAILED(info_->GetNames(id, &name, 1, &got)) || got == 0) return {};
    std::string key = NameKey(FromBstr(name));
    SysFreeString(name);
    if (auto it = byName.find(key); it != byName.end()) return it->second;
    return {};
  }

  LONG refs_ = 1;
  IID iid_ = IID_NULL;
  bool hasIid_ = false;
  ComPtr<ITypeInfo> info_;
};

VARIANTARG* EventArgs::at(size_t index) const noexcept {
  if (!params_ || index >= params_->cArgs) return nullptr;
  return &params_->rgvarg[params_->cArgs - 1 - index];
}

Variant EventArgs::get(size_t index) const {
  VARIANTARG* a = at(index);
  return a ? Variant::copyOf(*a) : Variant();
}

bool EventArgs::set(size_t index, const Variant& value) {
  VARIANTARG* a = at(index);
  if (!a || !(a->vt & VT_BYREF)) return false;
  VARTYPE vt = static_cast<VARTYPE>(a->vt & ~VT_BYREF);
  if (vt == VT_VARIANT) return SUCCEEDED(VariantCopy(a->pvarVal, const_cast<VARIANT*>(&value.raw())));
  VARIANT converted;
  VariantInit(&converted);
  if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value.raw()), 0, vt))) return false;
  bool done = true;
  switch (vt) {
    case VT_I2: *a->piVal = converted.iVal; break;
    case VT_I4: *a->plVal = converted.lVal; break;
    case VT_R4: *a->pfltVal = converted.fltVal; break;
    case VT_R8: *a->pdblVal = converted.dblVal; break;
    case VT_BOOL: *a->pboolVal = converted.boolVal; break;
    case VT_UI1: *a->pbVal = converted.bVal; break;
    case VT_BSTR:
      SysFreeString(*a->pbstrVal);
      *a->pbstrVal = converted.bstrVal;
      VariantInit(&converted);  // handed over
      break;
    default: done = false; break;
  }
  VariantClear(&converted);
  return done;
}

HRESULT FindDefaultSource(IUnknown* object, IID& iid, ComPtr<ITypeInfo>& info) {
  if (!object) return E_POINTER;
  return ClassInfoSource(object, nullptr, iid, info);
}

// The reference count owns the object from here on.
EventSink::EventSink() : sink_(std::make_unique<SinkObject>().release()) {}

EventSink::~EventSink() {
  disconnect();
  sink_->clear();
}

void EventSink::on(DISPID id, EventHandler handler) { sink_->byId[id] = std::move(handler); }

void EventSink::on(const std::string& name, EventHandler handler) { sink_->byName[NameKey(name)] = std::move(handler); }

const IID& EventSink::eventIid() const noexcept { return sink_->iid(); }

HRESULT EventSink::connect(IUnknown* source, const IID* eventIid, ITypeInfo* eventInfo) {
  if (!source) return E_POINTER;
  disconnect();
  try {
    IID iid = IID_NULL;
    ComPtr<ITypeInfo> info = ComPtr<ITypeInfo>::borrow(eventInfo);
    if (eventIid) {
      iid = *eventIid;
      if (!info) {
        IID same;
        ClassInfoSource(source, eventIid, same, info);  // names only; the connection does not need them
      }
    } else {
      HRESULT hr = ClassInfoSource(source, nullptr, iid, info);
      if (FAILED(hr)) return hr;
    }
    sink_->setEvent(iid, info);
    ComPtr<IConnectionPointContainer> container =
        ComPtr<IUnknown>::borrow(source).as<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (!container) return E_NOINTERFACE;
    ComPtr<IConnectionPoint> point;
    HRESULT hr = container->FindConnectionPoint(iid, point.put());
    if (FAILED(hr)) return hr;
    if (!point) return E_FAIL;
    DWORD cookie = 0;
    hr = point->Advise(static_cast<IDispatch*>(sink_.get()), &cookie);
    if (FAILED(hr)) return hr;
    point_ = std::move(point);
    cookie_ = cookie;
    return S_OK;
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

void EventSink::disconnect() noexcept {
  if (point_ && cookie_) point_->Unadvise(cookie_);
  cookie_ = 0;
  point_.reset();
}

}  // namespace corvana::com
