#include "com/server/class_factory.h"

#include "com/server/com_object.h"

namespace corvana::com {
namespace {

class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(CreateInstanceFunction create) : create_(create) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    return QuerySingleInterface<IClassFactory>(this, iid, IID_IClassFactory, out);
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

HRESULT MakeClassFactory(CreateInstanceFunction create, REFIID iid, void** out) {
  return MakeComObject<ClassFactory>(iid, out, create);
}

}  // namespace corvana::com
