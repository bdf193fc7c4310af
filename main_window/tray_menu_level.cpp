#include "main_window/tray_menu_level.h"

#include <vector>

#include "core/connection_record.h"
#include "core/pcaw.h"
#include "core/registry_store.h"

namespace corvana {
namespace {

struct PcAWEntry {
  std::string Name, File;
};

// A folder's entries by kind, read in one walk that opens each sub-key once.
struct FolderEntries {
  std::vector<std::string> connections, folders;
  std::vector<PcAWEntry> pcAWEntries;
};

FolderEntries ReadFolderEntries(const std::string& ItemPath) {
  FolderEntries entries;
  RegKey folder = OpenStoreKey(ItemPath);
  if (!folder) return entries;
  StoreEntry entry;
  for (long i = 0; EnumNextStoreEntry(folder, i, entry) == kEnumMoreEntries; ++i) {
    if (entry.Name.empty()) continue;
    // A key marked both as folder and as pcAnywhere entry is listed as both, as each walk finds it.
    if (entry.IsVncConnection()) entries.connections.push_back(entry.Name);
    if (entry.IsFolder) entries.folders.push_back(entry.Name);
    if (!entry.PcAWFile.empty()) entries.pcAWEntries.push_back({entry.Name, entry.PcAWFile});
  }
  return entries;
}

}  // namespace

void AddTrayMenuFolders(SystrayMenu& Menu, const TrayMenuPictures& Pictures, const TrayMenuProgress& Progress) {
  RegKey top;
  std::string name;
  std::vector<std::string> folders;
  for (long i = 0; EnumNextFolder(top, i, name) == kEnumMoreEntries; ++i)
    if (!name.empty()) folders.push_back(name);
  top.reset();
  long index = 0;
  for (const std::string& folder : folders) {
    HMENU sub = Menu.AddSubMenu(Menu.GetMenuHandle(), index++, folder, Pictures.Folder, folder);
    if (sub) AddTrayMenuLevel(Menu, Pictures, folder, sub, Progress);
  }
}

void AddTrayMenuLevel(SystrayMenu& Menu, const TrayMenuPictures& Pictures, const std::string& ItemPath, HMENU hMenu,
                      const TrayMenuProgress& Progress) {
  // The folder's key is closed before its subfolders are read: however deep the folders nest,
  // one key is open at a time.
  const FolderEntries entries = ReadFolderEntries(ItemPath);
  long index = 0;
  for (const std::string& name : entries.connections) {
    const std::string path = JoinItemPath(ItemPath, name);
    ConnectionRecord record;
    if (ReadConnection(path, record)) Menu.AddMenuItem(hMenu, index, name, Pictures.VNC, path);
    ++index;
    if (Progress) Progress();
  }
  for (const std::string& name : entries.folders) {
    const std::string path = JoinItemPath(ItemPath, name);
    HMENU sub = Menu.AddSubMenu(hMenu, index++, name, Pictures.Folder, path);
    if (sub) AddTrayMenuLevel(Menu, Pictures, path, sub, Progress);
  }
  for (const PcAWEntry& entry : entries.pcAWEntries) {
    // The file is read without the enumeration's message: an entry whose file does not read is
    // left out of the menu in silence.
    const std::optional<CpcAWdata> data = PcAW().GetConnection(entry.File);
    if (data && !data->Name.empty() && !data->FileName.empty())
      Menu.AddMenuItem(hMenu, index, entry.Name, Pictures.PCAW, JoinItemPath(ItemPath, entry.Name));
    ++index;
    if (Progress) Progress();
  }
}

}  // namespace corvana
