#include "core/registry_tree.h"

#include <algorithm>

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

// The value's bytes as the walk hands them out: text without its terminator, so that a copy
// holds exactly the source's text; the two DWORD types as a number; everything else raw.
RegData DataOfType(DWORD type, std::vector<std::uint8_t> bytes) {
  switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
    case REG_MULTI_SZ: {
      size_t n = bytes.size();
      if (n > 0 && bytes[n - 1] == 0) --n;
      return std::string(reinterpret_cast<const char*>(bytes.data()), n);
    }
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN: {
      std::uint32_t v = 0;
      for (size_t i = 0; i < bytes.size() && i < 4; ++i) v |= std::uint32_t(bytes[i]) << (8 * i);
      return v;
    }
    default:
      return bytes;
  }
}

}  // namespace

bool CopyRegValues(HKEY hSource, HKEY hTarget) {
  // One read per value into buffers of the key's longest name and data, where the value walk
  // asks twice: a copy of many small keys is mostly these round trips.
  DWORD maxName = 0, maxData = 0;
  if (RegQueryInfoKeyA(hSource, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName, &maxData,
                       nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  std::string name(maxName + 1, '\0');
  std::vector<std::uint8_t> bytes(std::max<DWORD>(maxData, 1));
  bool complete = true;
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD size = static_cast<DWORD>(bytes.size());
    DWORD type = 0;
    LONG rc = RegEnumValueA(hSource, index, name.data(), &nameLength, nullptr, &type, bytes.data(), &size);
    if (rc == ERROR_NO_MORE_ITEMS) return complete;
    if (rc == ERROR_MORE_DATA) {
      // Grown since the question: this one the walk reads with its own buffers.
      std::string grownName;
      RegData data;
      if (EnumRegValue(hSource, static_cast<long>(index), grownName, data, type) != ERROR_SUCCESS) return false;
      complete = SetRegValue(hTarget, grownName, type, data) && complete;
      continue;
    }
    // Anything else left this value and the ones after it behind.
    if (rc != ERROR_SUCCESS) return false;
    complete = SetRegValue(hTarget, std::string(name.data(), nameLength), type,
                           DataOfType(type, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + size))) &&
               complete;
  }
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

bool DeleteSubKeys(HKEY hKey) {
  DWORD index = 0;
  std::string child;
  while (EnumSubKeyName(hKey, index, child) == ERROR_SUCCESS) {
    // A child that stays behind is skipped; a deleted one makes room for the next.
    if (!DeleteRegKeyRecursive(hKey, child)) ++index;
  }
  return index == 0;
}

bool DeleteRegKeyRecursive(HKEY hParent, const std::string& SubKey) {
  if (RegKey key = OpenKey(hParent, SubKey)) DeleteSubKeys(key.get());
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

  Data = DataOfType(type, std::move(bytes));
  return rc;
}

}  // namespace corvana
