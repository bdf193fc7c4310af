#include "com/host/dispatch_call.h"

#include <oleauto.h>

#include <vector>

#include "win/com_text.h"

namespace corvana::com {

namespace {

Variant Storage(VARTYPE vt) {
  Variant v;
  v.raw().vt = vt;
  return v;
}

}  // namespace

Arg ByRef(std::string& variable) { return Arg(Variant(variable), &variable); }
Arg ByRef(long& variable) { return Arg(Variant(variable), &variable); }
Arg ByRef(short& variable) { return Arg(Variant(variable), &variable); }
Arg ByRef(double& variable) { return Arg(Variant(variable), &variable); }
Arg ByRef(bool& variable) { return Arg(Variant(variable), &variable); }
Arg ByRef(Variant& variable) { return Arg(Storage(VT_EMPTY), &variable); }

VARIANTARG Arg::slot() noexcept {
  VARIANTARG a;
  VariantInit(&a);
  if (std::holds_alternative<std::monostate>(target_)) {
    a = value_.raw();  // lent: the callee must not free a by-value argument
    return a;
  }
  if (auto* v = std::get_if<Variant*>(&target_)) {
    a.vt = VT_BYREF | VT_VARIANT;
    a.pvarVal = &(*v)->raw();
    return a;
  }
  VARIANT& s = value_.raw();
  a.vt = static_cast<VARTYPE>(VT_BYREF | s.vt);
  switch (s.vt) {
    case VT_BSTR: a.pbstrVal = &s.bstrVal; break;
    case VT_I4: a.plVal = &s.lVal; break;
    case VT_I2: a.piVal = &s.iVal; break;
    case VT_R8: a.pdblVal = &s.dblVal; break;
    case VT_BOOL: a.pboolVal = &s.boolVal; break;
    default: break;
  }
  return a;
}

void Arg::readBack() {
  const VARIANT& s = value_.raw();
  if (auto* t = std::get_if<std::string*>(&target_)) **t = FromBstr(s.bstrVal);
  else if (auto* t = std::get_if<long*>(&target_)) **t = s.lVal;
  else if (auto* t = std::get_if<short*>(&target_)) **t = s.iVal;
  else if (auto* t = std::get_if<double*>(&target_)) **t = s.dblVal;
  else if (auto* t = std::get_if<bool*>(&target_)) **t = s.boolVal != VARIANT_FALSE;
  // A Variant target was written in place; a by-value argument has nothing to read back.
}

HRESULT DispIdOf(IDispatch* object, const std::string& name, DISPID& id) {
  if (!object) return E_POINTER;
  try {
    std::wstring wide = ToWide(name);
    LPOLESTR names[] = {wide.data()};
    return object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

CallResult Invoke(IDispatch* object, const std::string& name, CallKind kind, std::span<Arg> args) {
  DISPID id = DISPID_UNKNOWN;
  HRESULT hr = DispIdOf(object, name, id);
  if (FAILED(hr)) {
    CallResult r;
    r.hr = hr;
    try {
      r.error = DescribeHresult(hr) + " (" + name + ")";
    } catch (...) {
    }
    return r;
  }
  return Invoke(object, id, kind, args);
}

CallResult Invoke(IDispatch* object, DISPID id, CallKind kind, std::span<Arg> args) {
  CallResult r;
  if (!object) {
    r.hr = E_POINTER;
    return r;
  }
  try {
    // The callee reads its arguments last to first.
    std::vector<VARIANTARG> slots;
    slots.reserve(args.size());
    for (size_t i = args.size(); i-- > 0;) slots.push_back(args[i].slot());
    DISPPARAMS params{slots.data(), nullptr, static_cast<UINT>(slots.size()), 0};
    DISPID putId = DISPID_PROPERTYPUT;
    bool put = kind == CallKind::Put || kind == CallKind::PutRef;
    if (put) {
      params.rgdispidNamedArgs = &putId;
      params.cNamedArgs = 1;
    }
    EXCEPINFO info{};
    UINT argErr = 0;
    r.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, static_cast<WORD>(kind), &params,
                          put ? nullptr : r.value.put(), &info, &argErr);
    for (Arg& a : args) a.readBack();
    if (r.hr == DISP_E_EXCEPTION) {
      if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
      if (info.scode) r.hr = info.scode;
      r.error = FromBstr(info.bstrDescription);
    }
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    if (FAILED(r.hr)) {
      r.value = Variant();
      if (r.error.empty()) r.error = DescribeHresult(r.hr);
    }
  } catch (...) {
    r.hr = E_OUTOFMEMORY;
    r.value = Variant();
  }
  return r;
}

}  // namespace corvana::com
