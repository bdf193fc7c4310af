#pragma once
// The interfaces every control of the kit has besides its own dual interface, each one kept as a
// member of the control object and answering through its IUnknown.
#include <windows.h>
#include <ocidl.h>

#include <array>
#include <optional>
#include <span>

#include "com/server/connection_point.h"
#include "com/server/control_class.h"
#include "com/server/interface_member.h"
#include "com/server/invisible_ole_object.h"
#include "win/com_ptr.h"

namespace corvana::com {

// What a control keeps in its container's property bag: nothing, unless it says otherwise.
class ControlProperties {
 public:
  virtual HRESULT InitNewProperties() { return S_OK; }
  virtual HRESULT LoadProperties(IPropertyBag*, IErrorLog*) { return S_OK; }
  virtual HRESULT SaveProperties(IPropertyBag*, BOOL /*clearDirty*/, BOOL /*saveAll*/) { return S_OK; }

 protected:
  ~ControlProperties() = default;
};

// Its events, and property changes when the class notifies them.
class ControlConnectionPoints final : public InterfaceMember<IConnectionPointContainer> {
 public:
  ControlConnectionPoints(IUnknown& object, const ControlClass& control);

  ConnectionPoint& events() noexcept { return events_; }
  // Only for a class that notifies property changes.
  ConnectionPoint& propertyNotify() noexcept { return *propertyNotify_; }

  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

 private:
  std::span<ConnectionPoint* const> points() const noexcept { return std::span(points_.data(), pointCount_); }

  ConnectionPoint events_;
  std::optional<ConnectionPoint> propertyNotify_;
  std::array<ConnectionPoint*, 2> points_{};
  size_t pointCount_ = 0;
};

// Its coclass type info and its default event interface.
class ControlClassInfo final : public InterfaceMember<IProvideClassInfo2> {
 public:
  ControlClassInfo(IUnknown& object, ComPtr<ITypeInfo> coclass, const IID& eventInterface);

  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** out) override;
  HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* out) override;

 private:
  ComPtr<ITypeInfo> coclass_;
  const IID& eventInterface_;
};

// IPersistPropertyBag over the control's ControlProperties.
class ControlPersistence final : public InterfaceMember<IPersistPropertyBag> {
 public:
  ControlPersistence(IUnknown& object, const CLSID& clsid, ControlProperties& properties)
      : InterfaceMember(object), clsid_(clsid), properties_(properties) {}

  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* out) override;
  HRESULT STDMETHODCALLTYPE InitNew() override { return properties_.InitNewProperties(); }
  HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* log) override {
    return properties_.LoadProperties(bag, log);
  }
  HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override {
    return properties_.SaveProperties(bag, clearDirty, saveAll);
  }

 private:
  const CLSID& clsid_;
  ControlProperties& properties_;
};

// All of them, for one control object.
class ControlMembers {
 public:
  ControlMembers(IUnknown& object, const ControlClass& control, ComPtr<ITypeInfo> coclass,
                 ControlProperties& properties);

  // The member that is interface iid, as that interface; null when none is.
  void* Find(REFIID iid) noexcept;

  ControlConnectionPoints connectionPoints;
  ControlClassInfo classInfo;
  InvisibleOleObject oleObject;
  ControlPersistence persistence;
};

}  // namespace corvana::com
