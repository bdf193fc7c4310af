#pragma once
// IDispatch of a dual interface I, answered from the library's own type info, so names and
// dispatch ids are exactly those of the IDL and arguments are coerced as any automation
// client expects.
#include <windows.h>
#include <oaidl.h>

#include <utility>

#include "win/com_ptr.h"

namespace corvana::com {

// DispInvoke on instance, except that an object passed by value for a parameter of a plain type
// (a number, a text, a Boolean) is passed as its default value: a picture as its handle. Wine's
// type-info Invoke coerces numbers and texts to the parameter's type, but refuses objects.
HRESULT InvokeThroughTypeInfo(void* instance, ITypeInfo* info, DISPID id, WORD flags, DISPPARAMS* params,
                              VARIANT* result, EXCEPINFO* excep, UINT* argError);

template <class I>
class TypeInfoDispatch : public I {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    return typeInfo_.copyTo(info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    return DispGetIDsOfNames(typeInfo_.get(), names, count, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excep, UINT* argError) override {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    return InvokeThroughTypeInfo(static_cast<I*>(this), typeInfo_.get(), id, flags, params, result, excep,
                                 argError);
  }

 protected:
  explicit TypeInfoDispatch(ComPtr<ITypeInfo> typeInfo) : typeInfo_(std::move(typeInfo)) {}
  ~TypeInfoDispatch() = default;

 private:
  ComPtr<ITypeInfo> typeInfo_;
};

}  // namespace corvana::com
