#include "core/registry_value.h"

#include <vector>

namespace corvana {
namespace {

std::string CutAtNul(const char* buf, size_t size) {
  size_t n = 0;
  while (n < size && buf[n] != '\0') ++n;
  return std::string(buf, n);
}

}  // namespace

std::string ReadStringValue(HKEY key, const std::string& name) {
  if (!key) return {};
  char buf[kValueBufferChars] = {};
  DWORD size = kValueBufferChars;
  LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buf), &size);
  if (rc == ERROR_MORE_DATA) {
    // Too long for the buffer: read it whole and keep what the buffer would have held.
    std::vector<char> big(size + 1, '\0');
    DWORD bigSize = size;
    if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(big.data()), &bigSize) !=
        ERROR_SUCCESS)
      return {};
    std::string text = CutAtNul(big.data(), bigSize);
    if (text.size() > kValueBufferChars - 1) text.resize(kValueBufferChars - 1);
    return text;
  }
  if (rc != ERROR_SUCCESS) return {};
  // A value that fills the buffer exactly comes without a NUL on some systems: the last place
  // belongs to the NUL all the same.
  return CutAtNul(buf, kValueBufferChars - 1);
}

std::string ReadSubKeyDefaultValue(HKEY key, const std::string& subKey) {
  RegKey sub = OpenKey(key, subKey);
  if (!sub) return {};
  return ReadStringValue(sub.get(), "");
}

bool WriteStringValue(HKEY key, const std::string& name, const std::string& value) {
  if (!key) return false;
  return RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.data()),
                        static_cast<DWORD>(value.size())) == ERROR_SUCCESS;
}

bool WriteSubKeyDefaultValue(HKEY key, const std::string& subKey, const std::string& value) {
  RegKey sub = CreateKey(key, subKey);
  if (!sub) return false;
  return WriteStringValue(sub.get(), "", value);
}

RegKey OpenKey(HKEY parent, const std::string& subKey) {
  RegKey key;
  if (RegOpenKeyA(parent, subKey.c_str(), key.put()) != ERROR_SUCCESS) key.release();
  return key;
}

RegKey CreateKey(HKEY parent, const std::string& subKey) {
  RegKey key;
  if (RegCreateKeyA(parent, subKey.c_str(), key.put()) != ERROR_SUCCESS) key.release();
  return key;
}

}  // namespace corvana
