#include "dialogs/file_pickers.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstddef>

#include "win/handles.h"

namespace corvana::dialogs {
namespace {

constexpr DWORD kFileBufferChars = 1024;

// The record as the dialog has always been given it: without the fields that later systems added
// at its end (the platform's OPENFILENAME_SIZE_VERSION_400A).
constexpr DWORD kOpenFileRecordSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName);
#ifndef _WIN64
static_assert(kOpenFileRecordSize == 76);
#endif

// The text of a buffer up to its first NUL.
std::string UpToNul(const char* buffer, size_t size) {
  size_t n = 0;
  while (n < size && buffer[n] != '\0') ++n;
  return std::string(buffer, n);
}

}  // namespace

UINT BrowseForFolderFlags(std::int16_t EditBox) { return EditBox != 0 ? BIF_EDITBOX : BIF_DONTGOBELOWDOMAIN; }

std::string ShowBrowseForFolder(const std::string& Title, std::int16_t EditBox, HWND hWndOwner) {
  BROWSEINFOA info{};
  info.hwndOwner = hWndOwner;
  info.pidlRoot = nullptr;
  info.pszDisplayName = nullptr;
  info.lpszTitle = Title.c_str();
  info.ulFlags = BrowseForFolderFlags(EditBox);
  TaskMemory item(SHBrowseForFolderA(&info));
  if (!item) return {};
  char path[MAX_PATH] = {};
  // An item outside the file system (a printer, the network) has no path: nothing usable was
  // chosen, rather than a lone "\" that the caller would take for a folder.
  if (!SHGetPathFromIDListA(static_cast<LPCITEMIDLIST>(item.get()), path)) return {};
  std::string folder = UpToNul(path, sizeof path);
  if (folder.empty()) return {};
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

std::string ShowOpenFileDialog(const std::string& Filter, std::int32_t FilterIndex, const std::string& Title,
                               const std::string& InitialDir, const std::string& DefaultExt, HWND hWndOwner) {
  std::string file(kFileBufferChars, '\0');
  OPENFILENAMEA record{};
  record.lStructSize = kOpenFileRecordSize;
  record.hwndOwner = hWndOwner;
  if (!Filter.empty()) {
    record.lpstrFilter = Filter.c_str();
    if (FilterIndex >= 0) record.nFilterIndex = static_cast<DWORD>(FilterIndex);
  }
  record.lpstrFile = file.data();
  record.nMaxFile = kFileBufferChars;
  if (!InitialDir.empty()) record.lpstrInitialDir = InitialDir.c_str();
  if (!Title.empty()) record.lpstrTitle = Title.c_str();
  // The dialog wants the extension without its period and appends nothing to a name when given
  // ".vnc"; the period is dropped so that either spelling adds the extension.
  const std::string extension = DefaultExt.starts_with('.') ? DefaultExt.substr(1) : DefaultExt;
  if (!extension.empty()) record.lpstrDefExt = extension.c_str();
  record.Flags = 0;
  if (!GetOpenFileNameA(&record)) {
    // A cancel leaves the buffer empty, but a path too long for it leaves the size it needs in
    // its first bytes: whatever the reason, nothing was chosen.
    CommDlgExtendedError();
    return {};
  }
  return UpToNul(file.data(), file.size());
}

std::string FileFilter(const std::string& Description, const std::string& Pattern) {
  std::string filter = Description;
  filter += '\0';
  filter += Pattern;
  filter += '\0';
  filter += '\0';
  return filter;
}

}  // namespace corvana::dialogs
