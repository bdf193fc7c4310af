#include "win/variant.h"

#include <oleauto.h>

#include "win/com_text.h"

namespace corvana::com {

Variant::Variant(const char* text) : Variant(std::string(text ? text : "")) {}

Variant::Variant(const std::string& text) {
  VariantInit(&v_);
  v_.vt = VT_BSTR;
  v_.bstrVal = Bstr(text).release();
}

Variant::Variant(int value) noexcept : Variant(static_cast<long>(value)) {}

Variant::Variant(long value) noexcept {
  VariantInit(&v_);
  v_.vt = VT_I4;
  v_.lVal = value;
}

Variant::Variant(short value) noexcept {
  VariantInit(&v_);
  v_.vt = VT_I2;
  v_.iVal = value;
}

Variant::Variant(double value) noexcept {
  VariantInit(&v_);
  v_.vt = VT_R8;
  v_.dblVal = value;
}

Variant::Variant(bool value) noexcept {
  VariantInit(&v_);
  v_.vt = VT_BOOL;
  v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

Variant::Variant(IDispatch* object) noexcept {
  VariantInit(&v_);
  v_.vt = VT_DISPATCH;
  v_.pdispVal = object;
  if (object) object->AddRef();
}

Variant::Variant(const Variant& o) {
  VariantInit(&v_);
  VariantCopy(&v_, const_cast<VARIANT*>(&o.v_));
}

Variant::Variant(Variant&& o) noexcept {
  v_ = o.v_;
  VariantInit(&o.v_);
}

Variant& Variant::operator=(const Variant& o) {
  if (this != &o) {
    VariantClear(&v_);
    VariantCopy(&v_, const_cast<VARIANT*>(&o.v_));
  }
  return *this;
}

Variant& Variant::operator=(Variant&& o) noexcept {
  if (this != &o) {
    VariantClear(&v_);
    v_ = o.v_;
    VariantInit(&o.v_);
  }
  return *this;
}

Variant Variant::copyOf(const VARIANT& v) {
  Variant out;
  VariantCopyInd(&out.v_, const_cast<VARIANT*>(&v));
  return out;
}

VARIANT* Variant::put() noexcept {
  VariantClear(&v_);
  return &v_;
}

bool Variant::isNothing() const noexcept {
  VARIANT v;
  VariantInit(&v);
  if (FAILED(VariantCopyInd(&v, const_cast<VARIANT*>(&v_)))) return true;
  bool nothing = v.vt == VT_EMPTY || v.vt == VT_NULL || (v.vt == VT_DISPATCH && !v.pdispVal) ||
                 (v.vt == VT_UNKNOWN && !v.punkVal);
  VariantClear(&v);
  return nothing;
}

std::optional<VARIANT> Variant::changed(VARTYPE to) const {
  VARIANT src;
  VariantInit(&src);
  if (FAILED(VariantCopyInd(&src, const_cast<VARIANT*>(&v_)))) return std::nullopt;
  VARIANT out;
  VariantInit(&out);
  // Booleans read as "True"/"False", as the hosted controls' language prints them.
  HRESULT hr = VariantChangeType(&out, &src, to == VT_BSTR ? VARIANT_ALPHABOOL : 0, to);
  VariantClear(&src);
  if (FAILED(hr)) return std::nullopt;
  return out;
}

std::optional<std::string> Variant::asString() const {
  auto v = changed(VT_BSTR);
  if (!v) return std::nullopt;
  std::string text = FromBstr(v->bstrVal);
  VariantClear(&*v);
  return text;
}

std::optional<long> Variant::asLong() const {
  auto v = changed(VT_I4);
  if (!v) return std::nullopt;
  return v->lVal;
}

std::optional<short> Variant::asShort() const {
  auto v = changed(VT_I2);
  if (!v) return std::nullopt;
  return v->iVal;
}

std::optional<double> Variant::asDouble() const {
  auto v = changed(VT_R8);
  if (!v) return std::nullopt;
  return v->dblVal;
}

std::optional<bool> Variant::asBool() const {
  auto v = changed(VT_BOOL);
  if (!v) return std::nullopt;
  return v->boolVal != VARIANT_FALSE;
}

ComPtr<IDispatch> Variant::asDispatch() const {
  VARIANT v;
  VariantInit(&v);
  if (FAILED(VariantCopyInd(&v, const_cast<VARIANT*>(&v_)))) return {};
  ComPtr<IDispatch> out;
  if (v.vt == VT_DISPATCH && v.pdispVal) {
    out = ComPtr<IDispatch>::borrow(v.pdispVal);
  } else if (v.vt == VT_UNKNOWN && v.punkVal) {
    v.punkVal->QueryInterface(IID_IDispatch, out.putVoid());
  }
  VariantClear(&v);
  return out;
}

}  // namespace corvana::com
