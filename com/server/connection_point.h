#pragma once
// Outgoing interfaces of an object: one ConnectionPoint per interface, embedded in the object
// that implements IConnectionPointContainer (its lifetime is the container's).
#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "win/com_ptr.h"

namespace corvana::com {

class ConnectionPoint final : public IConnectionPoint {
 public:
  ConnectionPoint(IConnectionPointContainer& container, const IID& iid) : container_(container), iid_(iid) {}
  ConnectionPoint(const ConnectionPoint&) = delete;
  ConnectionPoint& operator=(const ConnectionPoint&) = delete;

  const IID& iid() const noexcept { return iid_; }

  // Calls visit for each sink, each given as the connection point's interface. The list is taken
  // before the first call, so a sink may disconnect itself or others meanwhile.
  void ForEachSink(const std::function<void(IUnknown* sink)>& visit);
  // Raises event id on every sink of a dispinterface; args in DISPPARAMS order (last one first).
  void Fire(DISPID id, std::span<VARIANTARG> args);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return container_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return container_.Release(); }
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;

 private:
  IConnectionPointContainer& container_;
  IID iid_;
  std::vector<std::pair<DWORD, ComPtr<IUnknown>>> sinks_;
  DWORD lastCookie_ = 0;
};

// The two methods of IConnectionPointContainer over an object's connection points.
HRESULT FindConnectionPoint(std::span<ConnectionPoint* const> points, REFIID iid, IConnectionPoint** out);
HRESULT EnumConnectionPoints(std::span<ConnectionPoint* const> points, IEnumConnectionPoints** out);

}  // namespace corvana::com
