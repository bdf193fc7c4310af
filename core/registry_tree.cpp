#include "core/registry_tree.h"

#include "core/registry_value.h"

namespace corvana {
namespace {

// The longest value-name length of the key being walked, asked once per walk.
struct RememberedKey {
  HKEY handle = nullptr;
  DWORD maxNameLength = 0;
};
RememberedKey g_enumMemory;

// ERROR_SUCCESS with the name, ERROR_NO_MORE_ITEMS past the last sub-key, else the failure.
LONG EnumSubKeyName(HKEY key, DWORD index, std::string& name) {
  char buf[kValueBufferChars] = {};
  const LONG rc = RegEnumKeyA(key, index, buf, kValueBufferChars);
  if (rc == ERROR_SUCCESS) name = buf;
  return rc;
}

}  // namespace

bool CopyRegValues(HKEY hSource, HKEY hTarget) {
  std::string name;
  RegData data;
  DWORD type = 0;
  bool complete = true;
  long index = 0;
  long rc = 0;
  for (; (rc = EnumRegValue(hSource, index, name, data, type)) == 0; ++index)
    complete = SetRegValue(hTarget, name, type, data) && complete;
  // A walk that ends on anything but "no more items" left values behind.
  return complete && rc == ERROR_NO_MORE_ITEMS;
}

bool CopyRegKey(RegKey hSource, HKEY hTarget) {
  bool complete = CopyRegValues(hSource.get(), hTarget);

  for (DWORD index = 0;; ++index) {
    std::string child;
    const LONG rc = EnumSubKeyName(hSource.get(), index, child);
    if (rc != ERROR_SUCCESS) return complete && rc == ERROR_NO_MORE_ITEMS;
    RegKey sourceChild = OpenKeyForReading(hSource.get(), child);
    RegKey targetChild = sourceChild ? CreateKey(hTarget, child) : RegKey();
    if (!targetChild) {
      complete = false;
      continue;
    }
    complete = CopyRegKey(std::move(sourceChild), targetChild.get()) && complete;
  }
}

bool DeleteRegKeyRecursive(HKEY hParent, const std::string& SubKey) {
  if (RegKey key = OpenKey(hParent, SubKey)) {
    DWORD index = 0;
    std::string child;
    while (EnumSubKeyName(key.get(), index, child) == ERROR_SUCCESS) {
      // A child that stays behind is skipped; a deleted one makes room for the next.
      if (!DeleteRegKeyRecursive(key.get(), child)) ++index;
    }
  }
  return RegDeleteKeyA(hParent, SubKey.c_str()) == ERROR_SUCCESS;
}

bool SetRegValue(HKEY hKey, const std::string& Name, DWORD Type, const RegData& Data) {
  const BYTE* bytes = nullptr;
  DWORD size = 0;
  std::uint32_t number = 0;
  if (const auto* text = std::get_if<std::string>(&Data)) {
    bytes = reinterpret_cast<const BYTE*>(text->data());
    size = static_cast<DWORD>(text->size());
  } else if (const auto* n = std::get_if<std::uint32_t>(&Data)) {
    number = *n;
    bytes = reinterpret_cast<const BYTE*>(&number);
    size = sizeof number;
  } else if (const auto* raw = std::get_if<std::vector<std::uint8_t>>(&Data)) {
    bytes = raw->data();
    size = static_cast<DWORD>(raw->size());
  }
  return RegSetValueExA(hKey, Name.c_str(), 0, Type, bytes, size) == ERROR_SUCCESS;
}

long EnumRegValue(HKEY hKey, long Index, std::string& Name, RegData& Data, DWORD& Type) {
  // A walk starts at index 0: asking again then keeps a closed key's length from being used
  // for a new key that the system handed the same handle value.
  if (hKey != g_enumMemory.handle || g_enumMemory.maxNameLength == 0 || Index == 0) {
    DWORD maxName = 0;
    LONG rc = RegQueryInfoKeyA(hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName,
                               nullptr, nullptr, nullptr);
    if (rc != ERROR_SUCCESS) {
      g_enumMemory = {};
      return rc;
    }
    g_enumMemory = {hKey, maxName};
  }

  Data = std::monostate{};
  std::string nameBuf(g_enumMemory.maxNameLength + 1, '\0');
  DWORD nameLen = static_cast<DWORD>(nameBuf.size());
  DWORD type = 0;
  DWORD dataSize = 0;
  LONG rc = RegEnumValueA(hKey, static_cast<DWORD>(Index), nameBuf.data(), &nameLen, nullptr, &type, nullptr,
                          &dataSize);
  if (rc != ERROR_SUCCESS && rc != ERROR_MORE_DATA) return rc;
  Name.assign(nameBuf.data(), nameLen);
  Type = type;

  std::vector<std::uint8_t> bytes(dataSize);
  nameLen = static_cast<DWORD>(nameBuf.size());
  DWORD readSize = dataSize;
  rc = RegEnumValueA(hKey, static_cast<DWORD>(Index), nameBuf.data(), &nameLen, nullptr, &type,
                     bytes.empty() ? nullptr : bytes.data(), &readSize);
  if (rc != ERROR_SUCCESS) return rc;
  bytes.resize(readSize);

  switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
    case REG_MULTI_SZ: {
      // Drop the terminator so a copy holds exactly the source's text.
      size_t n = bytes.size();
      if (n > 0 && bytes[n - 1] == 0) --n;
      Data = std::string(reinterpret_cast<const char*>(bytes.data()), n);
      break;
    }
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN: {
      std::uint32_t v = 0;
      for (size_t i = 0; i < bytes.size() && i < 4; ++i) v |= std::uint32_t(bytes[i]) << (8 * i);
      Data = v;
      break;
    }
    default:
      Data = std::move(bytes);
  }
  return rc;
}

}  // namespace corvana
