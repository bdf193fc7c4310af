#include "core/resource_files.h"

#include <windows.h>

#include <cstring>

#include "win/handles.h"
#include "resources/clip_ids.h"

namespace corvana {

bool SaveAviResourceToFile(const std::string& file_name, int res_id) {
  if (res_id < 0 || res_id > 0xFFFF) return false;
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(res_id), CORVANA_AVI_TYPE);
  if (!info) return false;
  const DWORD size = SizeofResource(module, info);
  HGLOBAL loaded = LoadResource(module, info);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  // The clip is handled as a byte array whose upper bound (size - 1) must be above 0.
  if (!bytes || size < 2) return false;

  LegacyFile file(_lopen(file_name.c_str(), OF_WRITE));
  if (!file) file.reset(_lcreat(file_name.c_str(), 200));
  if (!file) return false;
  // One call for the whole clip, and its count checked: a short write is a failed clip.
  if (_lwrite(file.get(), static_cast<LPCCH>(bytes), size) != size) return false;
  // A file that was already there and longer would keep its old tail behind the clip.
  if (!SetEndOfFile(LongToHandle(file.get()))) return false;
  return _lclose(file.release()) != HFILE_ERROR;
}

std::string MakeTempFileName() {
  const std::string folder = GetTempDirectory();
  if (folder.empty()) return {};
  char name[1024] = {};
  // Unique number 0: the system picks the name and creates the file to claim it.
  if (GetTempFileNameA(folder.c_str(), "", 0, name) == 0) return {};
  std::string result(name, strnlen(name, sizeof name));
  DeleteFileA(result.c_str());
  return result;
}

std::string GetTempDirectory() {
  const DWORD needed = GetTempPathA(0, nullptr);
  if (needed < 1) return {};
  std::string path(needed, '\0');
  const DWORD length = GetTempPathA(needed, path.data());
  // A failed second call must not turn into "\", the root of the current drive.
  if (length == 0 || length >= needed) return {};
  path.resize(length);
  if (path.back() != '\\') path += '\\';
  return path;
}

}  // namespace corvana
