#pragma once
// What the stand-in programs write: a file appears whole or not at all, so a test that polls
// for it never reads half of it.
#include <windows.h>

#include <string>

inline std::string EnvironmentText(const char* name) {
  char buf[1024] = {};
  DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
  return n && n < sizeof buf ? std::string(buf, n) : std::string();
}

inline void WriteRecord(const std::string& path, const std::string& text) {
  if (path.empty()) return;
  const std::string temp = path + ".part";
  HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}
