#include "com/server/connection_point.h"

#include <olectl.h>

#include "com/server/com_object.h"

namespace corvana::com {

void ConnectionPoint::ForEachSink(const std::function<void(IUnknown*)>& visit) {
  std::vector<ComPtr<IUnknown>> snapshot;
  snapshot.reserve(sinks_.size());
  for (auto& entry : sinks_) snapshot.push_back(entry.second);
  for (auto& sink : snapshot) visit(sink.get());
}

void ConnectionPoint::Fire(DISPID id, std::span<VARIANTARG> args) {
  ForEachSink([&](IUnknown* sink) {
    DISPPARAMS params{args.data(), nullptr, static_cast<UINT>(args.size()), 0};
    // What one sink does with the event is its own affair; the others still get it.
    static_cast<IDispatch*>(sink)->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                                          nullptr, nullptr);
  });
}

HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** out) {
  return QuerySingleInterface<IConnectionPoint>(this, iid, IID_IConnectionPoint, out);
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = iid_;
  return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
  if (!out) return E_POINTER;
  *out = &container_;
  container_.AddRef();
  return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!sink) return E_POINTER;
  ComPtr<IUnknown> typed;
  if (FAILED(sink->QueryInterface(iid_, typed.putVoid())))
    return CONNECT_E_CANNOTCONNECT;
  *cookie = ++lastCookie_;
  sinks_.emplace_back(*cookie, std::move(typed));
  return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
  for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
    if (it->first == cookie) {
      sinks_.erase(it);
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

namespace {

class ConnectionPointEnumerator final : public IEnumConnectionPoints {
 public:
  ConnectionPointEnumerator(std::vector<ComPtr<IConnectionPoint>> points, size_t next)
      : points_(std::move(points)), next_(next) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    return QuerySingleInterface<IEnumConnectionPoints>(this, iid, IID_IEnumConnectionPoints, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return refs_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return ReleaseComObject(this, refs_); }

  HRESULT STDMETHODCALLTYPE Next(ULONG count, IConnectionPoint** out, ULONG* fetched) override {
    if (!out || (count > 1 && !fetched)) return E_POINTER;
    ULONG n = 0;
    for (; n < count && next_ < points_.size(); ++n, ++next_) points_[next_].copyTo(&out[n]);
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    size_t left = points_.size() - next_;
    if (count > left) {
      next_ = points_.size();
      return S_FALSE;
    }
    next_ += count;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints** out) override {
    return MakeComObject<ConnectionPointEnumerator>(IID_IEnumConnectionPoints, reinterpret_cast<void**>(out),
                                                    points_, next_);
  }

 private:
  RefCount refs_;
  std::vector<ComPtr<IConnectionPoint>> points_;
  size_t next_;
};

}  // namespace

HRESULT FindConnectionPoint(std::span<ConnectionPoint* const> points, REFIID iid, IConnectionPoint** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  for (ConnectionPoint* point : points) {
    if (point->iid() == iid) {
      *out = point;
      point->AddRef();
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

HRESULT EnumConnectionPoints(std::span<ConnectionPoint* const> points, IEnumConnectionPoints** out) {
  std::vector<ComPtr<IConnectionPoint>> held;
  held.reserve(points.size());
  for (ConnectionPoint* point : points) held.push_back(ComPtr<IConnectionPoint>::borrow(point));
  return MakeComObject<ConnectionPointEnumerator>(IID_IEnumConnectionPoints, reinterpret_cast<void**>(out),
                                                  std::move(held), size_t{0});
}

}  // namespace corvana::com
