#include "scratch_folder.h"

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace corvana::test {

ScopedEnvironment::ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
  const DWORD needed = GetEnvironmentVariableA(name, nullptr, 0);
  if (needed > 0) {
    std::string old(needed, '\0');
    old.resize(GetEnvironmentVariableA(name, old.data(), needed));
    old_ = old;
  }
  SetEnvironmentVariableA(name, value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() { SetEnvironmentVariableA(name_.c_str(), old_ ? old_->c_str() : nullptr); }

ScratchFolder::ScratchFolder() {
  char base[MAX_PATH + 1] = {};
  GetTempPathA(sizeof base, base);
  // Process and object tell apart the folders of test programs running side by side.
  path_ = std::string(base) + "corvana_resource_files_" + std::to_string(GetCurrentProcessId()) + "_" +
          std::to_string(reinterpret_cast<uintptr_t>(this));
  CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    std::vector<std::string> names;
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    for (const std::string& name : names) {
      const std::string file = path_ + "\\" + name;
      SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(file.c_str());
    }
  }
  RemoveDirectoryA(path_.c_str());
}

int ScratchFolder::FileCount() const {
  int count = 0;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return count;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace corvana::test
