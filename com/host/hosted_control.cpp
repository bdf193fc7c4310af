#include "com/host/hosted_control.h"

#include <ocidl.h>

#include "com/host/create_object.h"

namespace corvana::com {

HostedControl& HostedControl::operator=(HostedControl&& o) noexcept {
  if (this != &o) {
    reset();
    object_ = std::move(o.object_);
    sinks_ = std::move(o.sinks_);
  }
  return *this;
}

HRESULT HostedControl::create(const std::string& progId) {
  reset();
  HRESULT hr = E_FAIL;
  ComPtr<IDispatch> object = CreateObject(progId, &hr);
  if (!object) return hr;
  // A control that keeps properties expects to be told to start fresh; one that cannot is used as is.
  if (auto init = object.as<IPersistStreamInit>(IID_IPersistStreamInit)) {
    init->InitNew();
  } else if (auto bag = object.as<IPersistPropertyBag>(IID_IPersistPropertyBag)) {
    bag->InitNew();
  }
  object_ = std::move(object);
  return S_OK;
}

void HostedControl::attach(ComPtr<IDispatch> object) {
  reset();
  object_ = std::move(object);
}

void HostedControl::reset() noexcept {
  sinks_.clear();
  object_.reset();
}

EventSink* HostedControl::connectEvents(const IID* eventIid, HRESULT* hr) {
  HRESULT rc = E_POINTER;
  EventSink* result = nullptr;
  if (object_) {
    try {
      auto sink = std::make_unique<EventSink>();
      rc = sink->connect(object_.get(), eventIid);
      if (SUCCEEDED(rc)) {
        result = sink.get();
        sinks_.push_back(std::move(sink));
      }
    } catch (...) {
      rc = E_OUTOFMEMORY;
    }
  }
  if (hr) *hr = rc;
  return result;
}

}  // namespace corvana::com
