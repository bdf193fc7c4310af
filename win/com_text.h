#pragma once
// Text between the program's ANSI strings and COM's wide strings and BSTRs.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

namespace corvana::com {

std::wstring ToWide(const std::string& text);
std::string FromWide(const wchar_t* text, int length = -1);
std::string FromBstr(BSTR text);

// An owned BSTR, freed on every path.
class Bstr {
 public:
  Bstr() noexcept = default;
  explicit Bstr(const std::string& text);
  ~Bstr() { reset(); }
  Bstr(Bstr&& o) noexcept : s_(o.release()) {}
  Bstr& operator=(Bstr&& o) noexcept {
    if (this != &o) reset(o.release());
    return *this;
  }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;

  BSTR get() const noexcept { return s_; }
  BSTR release() noexcept { return std::exchange(s_, nullptr); }
  void reset(BSTR s = nullptr) noexcept {
    if (s_) SysFreeString(s_);
    s_ = s;
  }
  BSTR* put() noexcept {
    reset();
    return &s_;
  }
  std::string str() const { return FromBstr(s_); }

 private:
  BSTR s_ = nullptr;
};

// The text of an HRESULT as the system words it, or its number in hex when it has none.
std::string DescribeHresult(HRESULT hr);

}  // namespace corvana::com
