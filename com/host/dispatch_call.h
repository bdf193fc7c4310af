#pragma once
// Calls a member of an object by name through IDispatch, as late-bound code does: as a method,
// a property get or a property put, with arguments by value or by reference.
// Every COM failure comes back as a result; nothing throws out of here.
#include <windows.h>
#include <oaidl.h>

#include <array>
#include <span>
#include <string>
#include <variant>

#include "win/variant.h"

namespace corvana::com {

struct CallResult {
  HRESULT hr = E_FAIL;
  Variant value;       // the member's result (empty for a put or a failed call)
  std::string error;   // the object's own description of a raised error, else the HRESULT's text
  bool ok() const noexcept { return SUCCEEDED(hr); }
  explicit operator bool() const noexcept { return ok(); }
};

// One argument of a call. By value from a text, number, Boolean, object or Variant; by reference
// through ByRef(variable), which hands the callee a reference and reads its change back.
class Arg {
 public:
  Arg(const char* text) : value_(text) {}
  Arg(const std::string& text) : value_(text) {}
  Arg(int value) noexcept : value_(value) {}
  Arg(long value) noexcept : value_(value) {}
  Arg(short value) noexcept : value_(value) {}
  Arg(double value) noexcept : value_(value) {}
  Arg(bool value) noexcept : value_(value) {}
  Arg(IDispatch* object) noexcept : value_(object) {}
  Arg(const Variant& value) : value_(value) {}
  Arg(Arg&&) = default;  // only before slot() hands out a pointer into it
  Arg(const Arg&) = delete;
  Arg& operator=(const Arg&) = delete;

  friend Arg ByRef(std::string& variable);
  friend Arg ByRef(long& variable);
  friend Arg ByRef(short& variable);
  friend Arg ByRef(double& variable);
  friend Arg ByRef(bool& variable);
  friend Arg ByRef(Variant& variable);

  // What Invoke is handed: the value, or a reference to the storage of a by-reference argument.
  VARIANTARG slot() noexcept;
  // Copies what the callee left in the storage back into the caller's variable.
  void readBack();

 private:
  using Target = std::variant<std::monostate, std::string*, long*, short*, double*, bool*, Variant*>;
  Arg(Variant storage, Target target) : value_(std::move(storage)), target_(target) {}
  Variant value_;
  Target target_;
};

Arg ByRef(std::string& variable);
Arg ByRef(long& variable);
Arg ByRef(short& variable);
Arg ByRef(double& variable);
Arg ByRef(bool& variable);
Arg ByRef(Variant& variable);

enum class CallKind : WORD {
  Method = DISPATCH_METHOD | DISPATCH_PROPERTYGET,  // as an expression calls it
  Get = DISPATCH_PROPERTYGET,
  Put = DISPATCH_PROPERTYPUT,
  PutRef = DISPATCH_PROPERTYPUTREF,
};

// The dispatch id of a member name; DISP_E_UNKNOWNNAME when the object has none.
HRESULT DispIdOf(IDispatch* object, const std::string& name, DISPID& id);

// args in the order of the member's declaration; for Put and PutRef the last one is the new value.
CallResult Invoke(IDispatch* object, const std::string& name, CallKind kind, std::span<Arg> args);
CallResult Invoke(IDispatch* object, DISPID id, CallKind kind, std::span<Arg> args);

template <class... A>
CallResult CallMethod(IDispatch* object, const std::string& name, A&&... args) {
  std::array<Arg, sizeof...(A)> list{Arg(std::forward<A>(args))...};
  return Invoke(object, name, CallKind::Method, list);
}

template <class... A>
CallResult GetProperty(IDispatch* object, const std::string& name, A&&... index) {
  std::array<Arg, sizeof...(A)> list{Arg(std::forward<A>(index))...};
  return Invoke(object, name, CallKind::Get, list);
}

// Index arguments first, the new value last: obj.Item(key) = value is PutProperty(obj, "Item", key, value).
template <class... A>
CallResult PutProperty(IDispatch* object, const std::string& name, A&&... indexAndValue) {
  static_assert(sizeof...(A) >= 1, "a property put needs its value");
  std::array<Arg, sizeof...(A)> list{Arg(std::forward<A>(indexAndValue))...};
  return Invoke(object, name, CallKind::Put, list);
}

}  // namespace corvana::com
