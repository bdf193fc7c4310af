#pragma once
// Whole-key operations on open handles: recursive copy, recursive delete, typed value walk.
// They know nothing of the store's layout.
#include <windows.h>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "win/handles.h"

namespace corvana {

// Empty before a read; text for REG_SZ/REG_EXPAND_SZ/REG_MULTI_SZ, a number for the DWORD types,
// the raw bytes for every other type.
using RegData = std::variant<std::monostate, std::string, std::uint32_t, std::vector<std::uint8_t>>;

// Copies every value of hSource into hTarget, then every sub-key recursively. hSource is taken
// over and closed before the call returns; hTarget stays the caller's. True only when the copy is
// complete: a value that could not be read or written, or a sub-key that could not be opened,
// created or copied whole, is skipped and makes the result False, so that a caller who deletes
// the source afterwards (a move) can tell. The caller must make sure that hTarget does not lie
// inside hSource.
bool CopyRegKey(RegKey hSource, HKEY hTarget);

// Copies every value of hSource into hTarget (the first half of CopyRegKey); no sub-keys. True
// when every value was copied.
bool CopyRegValues(HKEY hSource, HKEY hTarget);

// Deletes SubKey below hParent with everything below it; True when SubKey itself is gone.
bool DeleteRegKeyRecursive(HKEY hParent, const std::string& SubKey);
// Deletes every sub-key of hKey with everything below it, and keeps hKey and its values; True
// when none is left.
bool DeleteSubKeys(HKEY hKey);

// Sets the value Name of hKey to Data as the registry type Type: a text without its NUL, a number
// as its four bytes, raw bytes as they are. False when it could not be set.
bool SetRegValue(HKEY hKey, const std::string& Name, DWORD Type, const RegData& Data);

// Reads the value at Index of hKey; 0 when read, else the registry's code (259 past the end).
long EnumRegValue(HKEY hKey, long Index, std::string& Name, RegData& Data, DWORD& Type);

}  // namespace corvana
