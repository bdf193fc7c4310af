#pragma once
// Receives a control's events: a sink connected to the control's connection point for its source
// dispinterface, whose Invoke calls handlers registered by dispatch id or by event name.
// The connection ends (Unadvise) when the EventSink ends.
#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <map>
#include <string>

#include "win/com_ptr.h"
#include "win/variant.h"

namespace corvana::com {

// The arguments of one event, in the order of the event's declaration.
class EventArgs {
 public:
  explicit EventArgs(DISPPARAMS* params) noexcept : params_(params) {}
  size_t count() const noexcept { return params_ ? params_->cArgs : 0; }
  // A copy of the argument at index (references followed); empty beyond the last.
  Variant get(size_t index) const;
  // Writes through a by-reference argument, converted to its type; false when it is passed by
  // value, missing, or the value does not convert.
  bool set(size_t index, const Variant& value);

 private:
  VARIANTARG* at(size_t index) const noexcept;
  DISPPARAMS* params_;
};

using EventHandler = std::function<void(EventArgs&)>;

class SinkObject;

class EventSink {
 public:
  EventSink();
  ~EventSink();
  EventSink(const EventSink&) = delete;
  EventSink& operator=(const EventSink&) = delete;

  // Handlers may be added before or after connecting. A later handler for the same event
  // replaces the earlier one. Names are compared without case.
  void on(DISPID id, EventHandler handler);
  void on(const std::string& name, EventHandler handler);

  // Connects to source's connection point for eventIid. Without eventIid the source's default
  // source interface is taken from its class information (IProvideClassInfo). eventInfo gives
  // the event names when the source has no class information.
  HRESULT connect(IUnknown* source, const IID* eventIid = nullptr, ITypeInfo* eventInfo = nullptr);
  void disconnect() noexcept;
  bool connected() const noexcept { return cookie_ != 0; }
  const IID& eventIid() const noexcept;

 private:
  ComPtr<SinkObject> sink_;
  ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

// The default source interface of an object's class and its type information, from
// IProvideClassInfo; E_NOINTERFACE when the object tells nothing of its class.
HRESULT FindDefaultSource(IUnknown* object, IID& iid, ComPtr<ITypeInfo>& info);

}  // namespace corvana::com
