#include "tray_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvana::test {

HRESULT CreateTrayControl(ComPtr<IDispatch>& control, bool byProgId) {
  CLSID clsid = CLSID_KW_TrayNotification;
  if (byProgId) {
    HRESULT hr = CLSIDFromProgID(L"KW_TrayIcon.KW_TrayNotification", &clsid);
    if (FAILED(hr)) return hr;
  }
  return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, control.putVoid());
}

HRESULT CallByName(IDispatch* object, const wchar_t* name, std::vector<Variant> args, VARIANT* result, WORD flags) {
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  std::vector<VARIANTARG> reversed;
  for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(*it->get());
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  if (flags & DISPATCH_PROPERTYPUT) params.rgdispidNamedArgs = &putId, params.cNamedArgs = 1;
  EXCEPINFO excep{};
  UINT argError = 0;
  hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &excep, &argError);
  SysFreeString(excep.bstrSource);
  SysFreeString(excep.bstrDescription);
  SysFreeString(excep.bstrHelpFile);
  return hr;
}

bool CallBool(IDispatch* object, const wchar_t* name, std::vector<Variant> args) {
  Variant result;
  HRESULT hr = CallByName(object, name, std::move(args), result.get());
  EXPECT_EQ(hr, S_OK) << "calling " << name;
  EXPECT_EQ(result.get()->vt, VT_BOOL);
  EXPECT_TRUE(result.get()->boolVal == VARIANT_TRUE || result.get()->boolVal == VARIANT_FALSE);
  return result.get()->vt == VT_BOOL && result.get()->boolVal == VARIANT_TRUE;
}

HRESULT PutProperty(IDispatch* object, const wchar_t* name, Variant value) {
  return CallByName(object, name, {std::move(value)}, nullptr, DISPATCH_PROPERTYPUT);
}

bool GetBoolProperty(IDispatch* object, const wchar_t* name) {
  Variant result;
  EXPECT_EQ(CallByName(object, name, {}, result.get(), DISPATCH_PROPERTYGET), S_OK);
  EXPECT_EQ(result.get()->vt, VT_BOOL);
  return result.get()->vt == VT_BOOL && result.get()->boolVal == VARIANT_TRUE;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

HMODULE TrayControlModule() { return GetModuleHandleA("KW_TrayIcon.ocx"); }

TrayEventSink::~TrayEventSink() { Disconnect(); }

HRESULT TrayEventSink::Connect(IUnknown* control) {
  ComPtr<IConnectionPointContainer> container;
  HRESULT hr = control->QueryInterface(IID_IConnectionPointContainer, container.putVoid());
  if (SUCCEEDED(hr)) hr = container->FindConnectionPoint(DIID___KW_TrayNotification, point_.put());
  if (SUCCEEDED(hr)) hr = point_->Advise(static_cast<IDispatch*>(this), &cookie_);
  return hr;
}

void TrayEventSink::Disconnect() {
  if (point_ && cookie_) point_->Unadvise(cookie_);
  point_.reset();
  cookie_ = 0;
}

HRESULT TrayEventSink::QueryInterface(REFIID iid, void** out) {
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID___KW_TrayNotification) {
    *out = static_cast<IDispatch*>(this);
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT TrayEventSink::GetTypeInfoCount(UINT* n) {
  *n = 0;
  return S_OK;
}

HRESULT TrayEventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
  // Every argument arrives by reference to a 16-bit integer; the last parameter comes first.
  SeenEvent seen{id, 0, -1, -1};
  const UINT n = params->cArgs;
  for (UINT i = 0; i < n; ++i) {
    if (params->rgvarg[i].vt != (VT_I2 | VT_BYREF)) ADD_FAILURE() << "argument " << i << " has type " << params->rgvarg[i].vt;
  }
  if (n >= 1) seen.button = *params->rgvarg[n - 1].piVal;
  if (n == 3) seen.x = *params->rgvarg[1].piVal, seen.y = *params->rgvarg[0].piVal;
  events.push_back(seen);
  if (id == 1 && setClickButtonTo != 0 && n == 1) *params->rgvarg[0].piVal = setClickButtonTo;
  return S_OK;
}

HRESULT PropertyBag::QueryInterface(REFIID iid, void** out) {
  if (iid == IID_IUnknown || iid == IID_IPropertyBag) {
    *out = static_cast<IPropertyBag*>(this);
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT PropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
  auto it = values.find(name);
  if (it == values.end()) return E_INVALIDARG;
  VARTYPE wanted = value->vt;
  HRESULT hr = VariantCopy(value, const_cast<VARIANT*>(&*it->second));
  if (SUCCEEDED(hr) && wanted != VT_EMPTY) hr = VariantChangeType(value, value, 0, wanted);
  return hr;
}

HRESULT PropertyBag::Write(LPCOLESTR name, VARIANT* value) {
  Variant copy;
  HRESULT hr = VariantCopy(copy.get(), value);
  if (SUCCEEDED(hr)) values[name] = copy;
  return hr;
}

}  // namespace corvana::test
