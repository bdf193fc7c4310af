#pragma once
// One registered control created by ProgID and owned, with its event sinks, for the lifetime of
// the form that hosts it: the sinks are disconnected before the control is released.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "win/com_ptr.h"
#include "com/host/dispatch_call.h"
#include "com/host/event_sink.h"

namespace corvana::com {

class HostedControl {
 public:
  HostedControl() = default;
  ~HostedControl() { reset(); }
  HostedControl(HostedControl&&) noexcept = default;
  HostedControl& operator=(HostedControl&& o) noexcept;
  HostedControl(const HostedControl&) = delete;
  HostedControl& operator=(const HostedControl&) = delete;

  // Creates the control and lets it start with its default property values (InitNew).
  HRESULT create(const std::string& progId);
  // Takes an object created elsewhere.
  void attach(ComPtr<IDispatch> object);
  // Disconnects every sink, then releases the control.
  void reset() noexcept;

  IDispatch* dispatch() const noexcept { return object_.get(); }
  explicit operator bool() const noexcept { return static_cast<bool>(object_); }

  template <class... A>
  CallResult call(const std::string& name, A&&... args) const {
    return CallMethod(object_.get(), name, std::forward<A>(args)...);
  }
  template <class... A>
  CallResult get(const std::string& name, A&&... index) const {
    return GetProperty(object_.get(), name, std::forward<A>(index)...);
  }
  template <class... A>
  CallResult put(const std::string& name, A&&... indexAndValue) const {
    return PutProperty(object_.get(), name, std::forward<A>(indexAndValue)...);
  }

  // A new sink, connected to the control's events (its default source interface unless eventIid
  // names another); nullptr with the reason in *hr when it cannot connect. The control owns it.
  EventSink* connectEvents(const IID* eventIid = nullptr, HRESULT* hr = nullptr);

 private:
  ComPtr<IDispatch> object_;
  std::vector<std::unique_ptr<EventSink>> sinks_;
};

}  // namespace corvana::com
