#pragma once
// What the control's tests share: an apartment, the control created like a container creates it,
// late-bound calls by name, an event sink, and a property bag.
#include <windows.h>
#include <ocidl.h>

#include <map>
#include <string>
#include <vector>

#include "KW_TrayIcon.h"
#include "win/com_ptr.h"

namespace corvana::test {

// The control takes window handles as 32-bit Longs; handles keep their meaning in 32 bits.
inline LONG HandleAsLong(HANDLE h) { return static_cast<LONG>(reinterpret_cast<LONG_PTR>(h)); }

using com::ComPtr;

// A single-threaded apartment for the test's thread, as the program's user-interface thread has.
class Apartment {
 public:
  Apartment() { hr_ = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~Apartment() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }
  HRESULT result() const { return hr_; }

 private:
  HRESULT hr_;
};

// An owned VARIANT.
class Variant {
 public:
  Variant() { VariantInit(&v_); }
  explicit Variant(LONG value) : Variant() { v_.vt = VT_I4, v_.lVal = value; }
  explicit Variant(const wchar_t* text) : Variant() { v_.vt = VT_BSTR, v_.bstrVal = SysAllocString(text); }
  explicit Variant(const std::wstring& text) : Variant() {
    v_.vt = VT_BSTR, v_.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  }
  static Variant Bool(bool value) {
    Variant v;
    v.v_.vt = VT_BOOL, v.v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
  }
  Variant(const Variant& o) : Variant() { VariantCopy(&v_, const_cast<VARIANT*>(&o.v_)); }
  Variant& operator=(const Variant& o) {
    if (this != &o) VariantCopy(&v_, const_cast<VARIANT*>(&o.v_));
    return *this;
  }
  ~Variant() { VariantClear(&v_); }
  VARIANT* get() { return &v_; }
  const VARIANT& operator*() const { return v_; }

 private:
  VARIANT v_;
};

// A new control instance by ProgID (or by its class id when byProgId is false).
HRESULT CreateTrayControl(ComPtr<IDispatch>& control, bool byProgId = true);

// Calls a member by name with arguments in call order; result may be null.
HRESULT CallByName(IDispatch* object, const wchar_t* name, std::vector<Variant> args, VARIANT* result,
                   WORD flags = DISPATCH_METHOD);
// A method of the control that returns a Boolean: true or false, or a failed HRESULT as a test failure.
bool CallBool(IDispatch* object, const wchar_t* name, std::vector<Variant> args = {});
HRESULT PutProperty(IDispatch* object, const wchar_t* name, Variant value);
bool GetBoolProperty(IDispatch* object, const wchar_t* name);

// Runs what is queued for this thread's windows.
void PumpMessages();

// The control library as loaded into this process.
HMODULE TrayControlModule();
// An export of a library, as the function type it has.
template <class F>
F Export(HMODULE module, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

struct SeenEvent {
  DISPID id;
  short button;
  short x;
  short y;
  bool operator==(const SeenEvent&) const = default;
};

// Connects to the control's events and records them; may change the first event's Button.
class TrayEventSink final : public IDispatch {
 public:
  ~TrayEventSink();
  HRESULT Connect(IUnknown* control);
  void Disconnect();

  std::vector<SeenEvent> events;
  short setClickButtonTo = 0;  // nonzero: TrayIconClick writes it into its Button argument

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }   // lives on the test's stack
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                   UINT*) override;

 private:
  ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

// A container's property bag: names to values.
class PropertyBag final : public IPropertyBag {
 public:
  std::map<std::wstring, Variant> values;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override;
  HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override;
};

}  // namespace corvana::test
