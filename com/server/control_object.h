#pragma once
// The skeleton of every control of the kit: one COM object whose identity is its own dual
// interface I, dispatched through the library's type library, and whose other interfaces are
// members kept here (ControlMembers). A control derives from ControlObject<I>, describes itself
// as a static ControlClass kClass, and keeps only its own members: I's methods, its events and
// the properties it persists.
#include <windows.h>
#include <oaidl.h>

#include <utility>

#include "com/server/com_object.h"
#include "com/server/connection_point.h"
#include "com/server/control_class.h"
#include "com/server/control_members.h"
#include "com/server/dispatch.h"
#include "win/com_ptr.h"

namespace corvana::com {

// The two type infos a control object dispatches and describes itself with.
struct ControlTypeInfo {
  ComPtr<ITypeInfo> dispatch;
  ComPtr<ITypeInfo> coclass;
};

// Both, from the type library embedded in this module.
HRESULT LoadControlTypeInfo(const ControlClass& control, ControlTypeInfo& info);

template <class I>
class ControlObject : public TypeInfoDispatch<I>, public ControlProperties {
 public:
  virtual ~ControlObject() = default;

  // The IUnknown of the whole object; every member answers through it.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) final {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == control_.dispatchInterface)
      *out = identity();
    else
      *out = members_.Find(iid);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() final { return refs_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() final { return ReleaseComObject(this, refs_); }

 protected:
  ControlObject(const ControlClass& control, ControlTypeInfo info)
      : TypeInfoDispatch<I>(std::move(info.dispatch)),
        control_(control),
        members_(*identity(), control, std::move(info.coclass), *this) {}

  ConnectionPoint& events() noexcept { return members_.connectionPoints.events(); }
  // Only for a class that notifies property changes.
  ConnectionPoint& propertyNotify() noexcept { return members_.connectionPoints.propertyNotify(); }
  // From then on the control keeps this extent (HIMETRIC), whatever its container asks.
  void FixExtent(SIZEL size) noexcept { members_.oleObject.FixExtent(size); }
  // A reference of the control's own for a call that raises events: a handler may release the
  // last outside one, and the control must outlive the call.
  ComPtr<IUnknown> KeepAlive() noexcept { return ComPtr<IUnknown>::borrow(identity()); }

 private:
  I* identity() noexcept { return this; }

  RefCount refs_;
  const ControlClass& control_;
  ControlMembers members_;
};

// The class factory's entry for control T: a new one with one reference, as the interface asked for.
template <class T>
HRESULT CreateControl(REFIID iid, void** out) {
  ControlTypeInfo info;
  HRESULT hr = LoadControlTypeInfo(T::kClass, info);
  if (FAILED(hr)) return hr;
  return MakeComObject<T>(iid, out, std::move(info));
}

}  // namespace corvana::com
