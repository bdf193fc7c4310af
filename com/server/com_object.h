#pragma once
// Lifetime of the heap objects a server hands out: made by MakeComObject, destroyed by the
// last Release, and counted against the module while they live.
#include <windows.h>
#include <unknwn.h>

#include <atomic>
#include <memory>
#include <utility>

#include "com/server/module.h"

namespace corvana::com {

class RefCount {
 public:
  ULONG AddRef() noexcept { return ++count_; }
  ULONG Release() noexcept { return --count_; }

 private:
  std::atomic<ULONG> count_{1};
  ModuleLock lock_;
};

// For an object's Release: drops one reference and destroys the object with the last.
template <class T>
ULONG ReleaseComObject(T* self, RefCount& refs) noexcept {
  ULONG left = refs.Release();
  if (left == 0) {
    std::unique_ptr<T> last(self);
  }
  return left;
}

// QueryInterface of an object that is one interface I (with the id own) besides IUnknown.
template <class I>
HRESULT QuerySingleInterface(I* self, REFIID iid, REFIID own, void** out) noexcept {
  if (!out) return E_POINTER;
  if (iid == IID_IUnknown || iid == own) {
    *out = self;
    self->AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

// Makes an object (which starts with one reference) and hands out the interface asked for.
template <class T, class... Args>
HRESULT MakeComObject(REFIID iid, void** out, Args&&... args) {
  if (!out) return E_POINTER;
  *out = nullptr;
  T* object = std::make_unique<T>(std::forward<Args>(args)...).release();
  HRESULT hr = object->QueryInterface(iid, out);
  object->Release();
  return hr;
}

}  // namespace corvana::com
