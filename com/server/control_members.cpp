#include "com/server/control_members.h"

#include <utility>

namespace corvana::com {

ControlConnectionPoints::ControlConnectionPoints(IUnknown& object, const ControlClass& control)
    : InterfaceMember(object), events_(*this, control.eventInterface) {
  points_[pointCount_++] = &events_;
  if (control.notifiesPropertyChanges)
    points_[pointCount_++] = &propertyNotify_.emplace(*this, IID_IPropertyNotifySink);
}

HRESULT ControlConnectionPoints::EnumConnectionPoints(IEnumConnectionPoints** out) {
  return com::EnumConnectionPoints(points(), out);
}

HRESULT ControlConnectionPoints::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
  return com::FindConnectionPoint(points(), iid, out);
}

ControlClassInfo::ControlClassInfo(IUnknown& object, ComPtr<ITypeInfo> coclass, const IID& eventInterface)
    : InterfaceMember(object), coclass_(std::move(coclass)), eventInterface_(eventInterface) {}

HRESULT ControlClassInfo::GetClassInfo(ITypeInfo** out) { return coclass_.copyTo(out); }

HRESULT ControlClassInfo::GetGUID(DWORD kind, GUID* out) {
  if (!out) return E_POINTER;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
    *out = GUID_NULL;
    return E_INVALIDARG;
  }
  *out = eventInterface_;
  return S_OK;
}

HRESULT ControlPersistence::GetClassID(CLSID* out) {
  if (!out) return E_POINTER;
  *out = clsid_;
  return S_OK;
}

ControlMembers::ControlMembers(IUnknown& object, const ControlClass& control, ComPtr<ITypeInfo> coclass,
                               ControlProperties& properties)
    : connectionPoints(object, control),
      classInfo(object, std::move(coclass), control.eventInterface),
      oleObject(object, control.clsid, control.miscStatus),
      persistence(object, control.clsid, properties) {}

void* ControlMembers::Find(REFIID iid) noexcept {
  if (iid == IID_IConnectionPointContainer) return static_cast<IConnectionPointContainer*>(&connectionPoints);
  if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2)
    return static_cast<IProvideClassInfo2*>(&classInfo);
  if (iid == IID_IOleObject) return static_cast<IOleObject*>(&oleObject);
  if (iid == IID_IPersist || iid == IID_IPersistPropertyBag) return static_cast<IPersistPropertyBag*>(&persistence);
  return nullptr;
}

}  // namespace corvana::com
