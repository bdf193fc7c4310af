#pragma once
// Every value of a registry key exactly as the registry holds it, for "nothing else was written"
// and "nothing changed".
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace corvana::test {

// Name -> "type:data", the data byte for byte (a NUL it holds included); empty for no key.
inline std::map<std::string, std::string> AllValuesOf(HKEY key) {
  std::map<std::string, std::string> all;
  DWORD maxName = 0, maxData = 0;
  if (!key || RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName,
                               &maxData, nullptr, nullptr) != ERROR_SUCCESS)
    return all;
  std::vector<char> name(maxName + 1), data(maxData + 1);
  for (DWORD i = 0;;) {
    DWORD nameSize = static_cast<DWORD>(name.size());
    DWORD size = static_cast<DWORD>(data.size());
    DWORD type = 0;
    const LONG read = RegEnumValueA(key, i, name.data(), &nameSize, nullptr, &type,
                                    reinterpret_cast<BYTE*>(data.data()), &size);
    if (read == ERROR_MORE_DATA) {  // the key's figures count in other units than the A call
      name.resize(name.size() * 2);
      data.resize(data.size() * 2);
      continue;
    }
    if (read != ERROR_SUCCESS) break;
    all[std::string(name.data(), nameSize)] = std::to_string(type) + ":" + std::string(data.data(), size);
    ++i;
  }
  return all;
}

}  // namespace corvana::test
