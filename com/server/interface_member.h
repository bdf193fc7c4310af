#pragma once
// One interface of a COM object kept as a member of it, as a C object keeps one vtable per
// interface: its IUnknown is the object's (one identity, one count), and object() leads back
// to the object, where C code uses impl_from_*.
#include <windows.h>
#include <unknwn.h>

namespace corvana::com {

template <class I>
class InterfaceMember : public I {
 public:
  InterfaceMember(const InterfaceMember&) = delete;
  InterfaceMember& operator=(const InterfaceMember&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override { return object_.QueryInterface(iid, out); }
  ULONG STDMETHODCALLTYPE AddRef() override { return object_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return object_.Release(); }

 protected:
  explicit InterfaceMember(IUnknown& object) noexcept : object_(object) {}
  ~InterfaceMember() = default;

  IUnknown& object() const noexcept { return object_; }

 private:
  IUnknown& object_;
};

}  // namespace corvana::com
