#include "com/server/class_factory.h"

#include "com/server/com_object.h"

namespace corvana::com {
namespace {

class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(CreateInstanceFunction create) : create_(create) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *out = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return refs_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return ReleaseComObject(this, refs_); }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return create_(iid, out);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock)
      LockModule();
    else
      UnlockModule();
    return S_OK;
  }

 private:
  RefCount refs_;
  CreateInstanceFunction create_;
};

}  // namespace

HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** out, std::span<const ServerClass> classes) {
  if (!out) return E_POINTER;
  *out = nullptr;
  for (const ServerClass& c : classes) {
    if (*c.clsid == clsid) return MakeComObject<ClassFactory>(iid, out, c.create);
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

}  // namespace corvana::com
