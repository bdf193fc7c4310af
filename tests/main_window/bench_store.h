#pragma once
// The store of the main window's benches: the connections they fill it with, every option set,
// and the plain registry reads their figures are held against.
#include <windows.h>

#include <cstring>
#include <string>

#include "core/connection_record.h"
#include "core/connection_values.h"
#include "win/handles.h"

namespace corvana::test {

// Connection I of Folder with an address, a password on every other one and every option on.
inline ConnectionRecord FullRecord(const std::string& folder, int i) {
  ConnectionRecord r;
  r.FolderPath = folder;
  r.ConnectionName = "conn" + std::to_string(i);
  r.Host = "host" + std::to_string(i) + ".example";
  r.Display = std::to_string(i % 10);
  r.VNCFSPort = std::to_string(5000 + i);
  r.Encoding = "hextile";
  r.AllowCopyRect = r.SharedSession = r.DeiconifyOnBell = r.DisableClipboard = kTrue;
  r.Emulate3Buttons = r.SwapMouseButtons = r.Restrict8Bit = r.ViewOnly = r.FullScreen = r.Scale = kTrue;
  r.Scale1 = "3";
  r.Scale2 = "4";
  r.Password = i % 2 ? "pw" + std::to_string(i) : "";
  r.MousePointer = "1";
  return r;
}

// The length of a text value read with RegQueryValueExA alone; 0 when it is not there.
inline size_t RawValueLength(HKEY key, const char* name) {
  char buf[260] = {};
  DWORD size = sizeof buf;
  DWORD type = 0;
  RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size);
  return std::strlen(buf);
}

// The address of a connection as it is kept, in the default values of its three sub-keys, read
// with RegOpenKeyExA and RegQueryValueExA alone: the length of the three texts.
inline size_t RawAddressLength(HKEY connection) {
  size_t bytes = 0;
  for (const char* sub : {kHostSubKey, kDisplaySubKey, kVNCFSPortSubKey}) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(connection, sub, 0, KEY_READ, &raw) != ERROR_SUCCESS) continue;
    RegKey subKey(raw);
    bytes += RawValueLength(subKey.get(), "");
  }
  return bytes;
}

}  // namespace corvana::test
