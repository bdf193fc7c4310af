#include "core/text.h"

#include <windows.h>

namespace corvana {

bool EqualsNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                        static_cast<int>(b.size())) == CSTR_EQUAL;
}

bool IsSameOrBelowPath(const std::string& path, const std::string& ancestor) {
  if (path.size() < ancestor.size()) return false;
  if (!EqualsNoCase(path.substr(0, ancestor.size()), ancestor)) return false;
  return path.size() == ancestor.size() || path[ancestor.size()] == '\\';
}

std::string UpperCase(const std::string& text) {
  std::string out = text;
  if (!out.empty()) CharUpperBuffA(out.data(), static_cast<DWORD>(out.size()));
  return out;
}

std::string CutAtNul(std::string text) {
  if (auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
  return text;
}

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with) {
  if (what.empty()) return text;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
  return text;
}

}  // namespace corvana
