#pragma once
// An owning COM interface pointer: one reference held, released on every path.
#include <windows.h>
#include <unknwn.h>

#include <utility>

namespace corvana::com {

template <class T>
class ComPtr {
 public:
  ComPtr() noexcept = default;
  // Takes over a reference the caller already owns (an out-parameter's result).
  explicit ComPtr(T* p) noexcept : p_(p) {}
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr& o) noexcept : p_(o.p_) {
    if (p_) p_->AddRef();
  }
  ComPtr(ComPtr&& o) noexcept : p_(o.release()) {}
  ComPtr& operator=(const ComPtr& o) noexcept {
    if (this != &o) {
      if (o.p_) o.p_->AddRef();
      reset(o.p_);
    }
    return *this;
  }
  ComPtr& operator=(ComPtr&& o) noexcept {
    if (this != &o) reset(o.release());
    return *this;
  }

  // Adds a reference of its own to a pointer it is lent.
  static ComPtr borrow(T* p) noexcept {
    if (p) p->AddRef();
    return ComPtr(p);
  }

  T* get() const noexcept { return p_; }
  T* operator->() const noexcept { return p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }
  T* release() noexcept { return std::exchange(p_, nullptr); }
  void reset(T* p = nullptr) noexcept {
    T* old = std::exchange(p_, p);
    if (old) old->Release();
  }
  // For out-parameters: releases what is held and hands out the slot.
  T** put() noexcept {
    reset();
    return &p_;
  }
  void** putVoid() noexcept { return reinterpret_cast<void**>(put()); }
  // For an interface method that hands out what is held: one more reference, null when empty.
  HRESULT copyTo(T** out) const noexcept {
    if (!out) return E_POINTER;
    *out = p_;
    if (p_) p_->AddRef();
    return S_OK;
  }

  // QueryInterface into another pointer type; empty when the object lacks the interface.
  template <class U>
  ComPtr<U> as(REFIID iid) const noexcept {
    ComPtr<U> out;
    if (p_) p_->QueryInterface(iid, out.putVoid());
    return out;
  }

 private:
  T* p_ = nullptr;
};

}  // namespace corvana::com
