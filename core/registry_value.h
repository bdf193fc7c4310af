#pragma once
// The store's value convention, in one place: REG_SZ written without a terminating NUL, read
// through a 260-character buffer filled with NULs and cut at the first NUL; empty reads as absent.
#include <windows.h>

#include <string>

#include "win/handles.h"

namespace corvana {

inline constexpr DWORD kValueBufferChars = 260;

// The value's text, "" when it is missing or empty. A longer value is cut to 259 characters.
std::string ReadStringValue(HKEY key, const std::string& name);
// The same, for a text that is useless when cut (a command line): "" when it does not fit the
// buffer with its NUL.
std::string ReadFittingStringValue(HKEY key, const std::string& name);
// The default (unnamed) value of the sub-key SubKey of key, by the same convention.
std::string ReadSubKeyDefaultValue(HKEY key, const std::string& subKey);
// Sets a REG_SZ value; the data length is the number of characters. False when it failed.
bool WriteStringValue(HKEY key, const std::string& name, const std::string& value);
// Sets the default value of SubKey (created when missing) by the same convention.
bool WriteSubKeyDefaultValue(HKEY key, const std::string& subKey, const std::string& value);

// RegOpenKeyA / RegCreateKeyA into an owner; an empty owner when it failed.
RegKey OpenKey(HKEY parent, const std::string& subKey);
RegKey CreateKey(HKEY parent, const std::string& subKey);
// RegOpenKeyExA with read rights only, for keys that are only read while walking many of them: an
// open for all rights costs a wider access check (under Wine about 40% more per open).
RegKey OpenKeyForReading(HKEY parent, const std::string& subKey);

}  // namespace corvana
