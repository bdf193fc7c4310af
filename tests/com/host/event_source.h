#pragma once
// A test-only COM object that lives in the test program: methods that change their by-reference
// arguments, a stored property, a method that raises an error, and a connection point for the
// events of _SourceEvents, described by the type library in the program's resources. It lives on
// the stack; its reference count tells whether the code under test let go of it.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>
#include <utility>
#include <vector>

namespace corvana::test {

inline constexpr IID kSourceEventsIid = {0x1D7A1B43, 0x5D6E, 0x4C52, {0x9E, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0x6F, 0x71}};
inline constexpr IID kOtherEventsIid = {0x1D7A1B43, 0x5D6E, 0x4C52, {0x9E, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0x6F, 0x73}};
inline constexpr CLSID kSourceClsid = {0x1D7A1B43, 0x5D6E, 0x4C52, {0x9E, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0x6F, 0x72}};

class EventSource : public IDispatch, public IConnectionPointContainer, public IConnectionPoint, public IProvideClassInfo {
 public:
  // withClassInfo false: the object does not tell its class (no IProvideClassInfo).
  explicit EventSource(bool withClassInfo = true);
  ~EventSource();
  EventSource(const EventSource&) = delete;
  EventSource& operator=(const EventSource&) = delete;

  LONG refs() const { return refs_; }
  size_t connections() const { return sinks_.size(); }
  IDispatch* dispatch() { return static_cast<IDispatch*>(this); }

  // Raises Ping(Button) on every sink and returns what they left in Button.
  short firePing(short button);
  // Raises Pong(Text, Count); returns the last sink's Invoke result.
  HRESULT firePong(const std::string& text, long count);

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(InterlockedDecrement(&refs_)); }
  // IDispatch
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info,
                      UINT* argErr) override;
  // IConnectionPointContainer
  STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** out) override;
  STDMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** out) override;
  // IConnectionPoint
  STDMETHODIMP GetConnectionInterface(IID* iid) override;
  STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** out) override;
  STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
  STDMETHODIMP Unadvise(DWORD cookie) override;
  STDMETHODIMP EnumConnections(IEnumConnections** out) override;
  // IProvideClassInfo
  STDMETHODIMP GetClassInfo(ITypeInfo** info) override;

 private:
  LONG refs_ = 1;
  bool withClassInfo_;
  VARIANT value_;
  DWORD nextCookie_ = 1;
  std::vector<std::pair<DWORD, IDispatch*>> sinks_;
};

}  // namespace corvana::test
