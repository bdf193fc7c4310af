#include "win/com_text.h"

#include <cstdio>

namespace corvana::com {

std::wstring ToWide(const std::string& text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string FromWide(const wchar_t* text, int length) {
  if (!text) return {};
  if (length < 0) length = static_cast<int>(wcslen(text));
  if (length == 0) return {};
  int n = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, length, out.data(), n, nullptr, nullptr);
  return out;
}

std::string FromBstr(BSTR text) { return text ? FromWide(text, static_cast<int>(SysStringLen(text))) : std::string(); }

Bstr::Bstr(const std::string& text) {
  std::wstring w = ToWide(text);
  s_ = SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
}

std::string DescribeHresult(HRESULT hr) {
  char* buf = nullptr;
  DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<char*>(&buf), 0, nullptr);
  std::string text;
  if (n && buf) {
    text.assign(buf, n);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  }
  if (buf) LocalFree(buf);
  if (text.empty()) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08lX", static_cast<unsigned long>(hr));
    text = hex;
  }
  return text;
}

}  // namespace corvana::com
