#pragma once
// OLE for the calling thread (the user-interface thread) for the guard's lifetime.
#include <windows.h>

namespace corvana::com {

class OleInitGuard {
 public:
  OleInitGuard() noexcept;
  ~OleInitGuard();
  OleInitGuard(const OleInitGuard&) = delete;
  OleInitGuard& operator=(const OleInitGuard&) = delete;

  // S_OK or S_FALSE (already initialised on this thread) when OLE can be used.
  HRESULT result() const noexcept { return hr_; }
  explicit operator bool() const noexcept { return SUCCEEDED(hr_); }

 private:
  HRESULT hr_;
};

}  // namespace corvana::com
