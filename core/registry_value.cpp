#include "core/registry_value.h"

#include <vector>

#include "core/text.h"

namespace corvana {
namespace {

// The whole text of a REG_SZ value up to its first NUL, however long; "" when it is missing.
std::string ReadWholeStringValue(HKEY key, const std::string& name) {
  if (!key) return {};
  char buf[kValueBufferChars] = {};
  DWORD size = kValueBufferChars;
  LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buf), &size);
  if (rc == ERROR_MORE_DATA) {
    std::vector<char> big(size + 1, '\0');
    DWORD bigSize = size;
    if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(big.data()), &bigSize) !=
        ERROR_SUCCESS)
      return {};
    return CutAtNul(std::string(big.data(), bigSize));
  }
  if (rc != ERROR_SUCCESS) return {};
  return CutAtNul(std::string(buf, size));
}

}  // namespace

std::string ReadStringValue(HKEY key, const std::string& name) {
  std::string text = ReadWholeStringValue(key, name);
  // The buffer's last place belongs to its NUL: a longer text keeps what fits before it.
  if (text.size() > kValueBufferChars - 1) text.resize(kValueBufferChars - 1);
  return text;
}

std::string ReadFittingStringValue(HKEY key, const std::string& name) {
  std::string text = ReadWholeStringValue(key, name);
  return text.size() > kValueBufferChars - 1 ? std::string() : text;
}

std::string ReadSubKeyDefaultValue(HKEY key, const std::string& subKey) {
  RegKey sub = OpenKeyForReading(key, subKey);
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

RegKey OpenKeyForReading(HKEY parent, const std::string& subKey) {
  RegKey key;
  if (RegOpenKeyExA(parent, subKey.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) key.release();
  return key;
}

RegKey CreateKey(HKEY parent, const std::string& subKey) {
  RegKey key;
  if (RegCreateKeyA(parent, subKey.c_str(), key.put()) != ERROR_SUCCESS) key.release();
  return key;
}

}  // namespace corvana
