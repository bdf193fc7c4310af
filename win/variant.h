#pragma once
// An owned VARIANT with the conversions late-bound code needs (as the language of the hosted
// controls converts: text, numbers, Booleans, objects).
#include <windows.h>
#include <oaidl.h>

#include <optional>
#include <string>

#include "win/com_ptr.h"

namespace corvana::com {

class Variant {
 public:
  Variant() noexcept { VariantInit(&v_); }
  Variant(const char* text);
  Variant(const std::string& text);
  Variant(int value) noexcept;
  Variant(long value) noexcept;
  Variant(short value) noexcept;
  Variant(double value) noexcept;
  Variant(bool value) noexcept;
  Variant(IDispatch* object) noexcept;  // adds a reference of its own
  ~Variant() { VariantClear(&v_); }
  Variant(const Variant& o);
  Variant(Variant&& o) noexcept;
  Variant& operator=(const Variant& o);
  Variant& operator=(Variant&& o) noexcept;

  // A deep copy of what v holds (references followed).
  static Variant copyOf(const VARIANT& v);

  const VARIANT& raw() const noexcept { return v_; }
  VARIANT& raw() noexcept { return v_; }
  // Clears the value and hands out the slot for an out-parameter.
  VARIANT* put() noexcept;
  VARTYPE type() const noexcept { return v_.vt; }

  bool isEmpty() const noexcept { return v_.vt == VT_EMPTY; }
  // Empty, Null, or an object reference that is none.
  bool isNothing() const noexcept;

  // Conversions; nullopt when the value does not convert (type mismatch, overflow).
  std::optional<std::string> asString() const;
  std::optional<long> asLong() const;
  std::optional<short> asShort() const;
  std::optional<double> asDouble() const;
  std::optional<bool> asBool() const;
  // The object held, or none.
  ComPtr<IDispatch> asDispatch() const;

  // The same with a fallback for values that do not convert.
  std::string toString(const std::string& fallback = {}) const { return asString().value_or(fallback); }
  long toLong(long fallback = 0) const { return asLong().value_or(fallback); }
  bool toBool(bool fallback = false) const { return asBool().value_or(fallback); }

 private:
  std::optional<VARIANT> changed(VARTYPE to) const;
  VARIANT v_;
};

}  // namespace corvana::com
