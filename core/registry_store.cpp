#include "core/registry_store.h"

#include "core/registry_tree.h"
#include "core/registry_value.h"
#include "core/text.h"

namespace corvana {

bool IsValidItemName(const std::string& Name) { return !Name.empty() && Name.find('\\') == std::string::npos; }

std::string JoinItemPath(const std::string& FolderPath, const std::string& Name) {
  return FolderPath.empty() ? Name : FolderPath + "\\" + Name;
}

std::string ParentOfPath(const std::string& ItemPath) {
  const auto slash = ItemPath.rfind('\\');
  return slash == std::string::npos ? std::string() : ItemPath.substr(0, slash);
}

namespace {

// A rename keeps the item in its folder: a new name holding "\" would address another key.
bool IsRenameInPlace(const std::string& OldPath, const std::string& NewPath) {
  const auto slash = NewPath.rfind('\\');
  const std::string name = slash == std::string::npos ? NewPath : NewPath.substr(slash + 1);
  return IsValidItemName(name) && EqualsNoCase(ParentOfPath(NewPath), ParentOfPath(OldPath));
}

}  // namespace

std::string StoreKeyPath(const std::string& ItemPath) {
  return ItemPath.empty() ? std::string(ProductKey) : std::string(ProductKey) + "\\" + ItemPath;
}

RegKey OpenStoreKey(const std::string& ItemPath) { return OpenKey(HKEY_CURRENT_USER, StoreKeyPath(ItemPath)); }

void WriteRootSetting(const std::string& Name, const std::string& Value) {
  RegKey root = CreateKey(HKEY_CURRENT_USER, ProductKey);
  WriteStringValue(root.get(), Name, Value);
}

std::string ReadRootSetting(const std::string& Name) {
  RegKey root = OpenStoreKey("");
  return ReadStringValue(root.get(), Name);
}

bool PathExists(const std::string& ItemPath) { return static_cast<bool>(OpenStoreKey(ItemPath)); }

bool ConnectionPathExists(const std::string& ItemPath) { return PathExists(ItemPath); }

bool IsFolderKey(HKEY key) { return !ReadStringValue(key, kIsFolderValue).empty(); }

bool IsPcAWEntryKey(HKEY key) { return !ReadStringValue(key, kPcAWFileValue).empty(); }

long EnumNextSubKey(RegKey& hKey, long Index, std::string& Name, RegKey& Child) {
  Child.reset();
  if (!hKey) {
    hKey = OpenStoreKey("");
    if (!hKey) return kEnumNoMoreEntries;
  }
  char buf[kValueBufferChars] = {};
  if (RegEnumKeyA(hKey.get(), static_cast<DWORD>(Index), buf, kValueBufferChars) != ERROR_SUCCESS)
    return kEnumNoMoreEntries;
  Name = buf;
  Child = OpenKeyForReading(hKey.get(), Name);
  return kEnumMoreEntries;
}

long EnumNextFolder(RegKey& hKey, long Index, std::string& Name) {
  RegKey child;
  std::string subName;
  long rc = EnumNextSubKey(hKey, Index, subName, child);
  if (rc != kEnumMoreEntries) return rc;
  Name = (child && IsFolderKey(child.get())) ? subName : std::string();
  return rc;
}

long EnumNextVncConnection(RegKey& hKey, long Index, std::string& Name) {
  StoreEntry entry;
  long rc = EnumNextStoreEntry(hKey, Index, entry);
  if (rc != kEnumMoreEntries) return rc;
  Name = entry.IsVncConnection() ? entry.Name : std::string();
  return rc;
}

long EnumNextStoreEntry(RegKey& hKey, long Index, StoreEntry& Entry) {
  long rc = EnumNextSubKey(hKey, Index, Entry.Name, Entry.Key);
  Entry.IsFolder = rc == kEnumMoreEntries && Entry.Key && IsFolderKey(Entry.Key.get());
  Entry.PcAWFile = rc == kEnumMoreEntries ? ReadStringValue(Entry.Key.get(), kPcAWFileValue) : std::string();
  return rc;
}

bool HasSubFolders(const std::string& ItemPath) {
  RegKey key = OpenStoreKey(ItemPath);
  if (!key) return false;
  bool found = false;
  std::string name;
  for (long i = 0; EnumNextFolder(key, i, name) == kEnumMoreEntries; ++i)
    if (!name.empty()) found = true;
  return found;
}

std::string ReadPcAWFile(const std::string& ItemPath) {
  RegKey key = OpenStoreKey(ItemPath);
  return ReadStringValue(key.get(), kPcAWFileValue);
}

bool CreateFolderKey(const std::string& /*Caption*/, const std::string& ItemPath) {
  RegKey key = CreateKey(HKEY_CURRENT_USER, StoreKeyPath(ItemPath));
  if (!key) return false;
  WriteStringValue(key.get(), kIsFolderValue, "1");
  return true;
}

bool SetPcAWFile(const std::string& ItemPath, const std::string& FileName) {
  RegKey key = CreateKey(HKEY_CURRENT_USER, StoreKeyPath(ItemPath));
  if (!key) return false;
  WriteStringValue(key.get(), kPcAWFileValue, FileName);
  return true;
}

bool MoveStoreKey(const std::string& SourcePath, const std::string& TargetPath) {
  // A target inside its source would make the copy meet its own output forever; the empty path
  // would move the whole store.
  if (SourcePath.empty() || TargetPath.empty() || IsSameOrBelowPath(TargetPath, SourcePath)) return false;
  RegKey source = OpenStoreKey(SourcePath);
  if (!source) return false;
  if (OpenStoreKey(TargetPath)) return false;  // never overwrite or merge
  RegKey target = CreateKey(HKEY_CURRENT_USER, StoreKeyPath(TargetPath));
  if (!target) return false;
  bool copied = CopyRegKey(std::move(source), target.get());
  target.reset();
  RegKey root = OpenStoreKey("");
  if (!root) return false;
  // An incomplete copy must not cost the source what it could not copy: the source stays whole
  // and the part-copy, which this call created, goes again.
  if (!copied) {
    DeleteRegKeyRecursive(root.get(), TargetPath);
    return false;
  }
  return DeleteRegKeyRecursive(root.get(), SourcePath);
}

bool RenameFolderKey(const std::string& NewPath, const std::string& OldPath) {
  return IsRenameInPlace(OldPath, NewPath) && MoveStoreKey(OldPath, NewPath);
}

bool RenameConnectionKey(const std::string& OldPath, const std::string& NewPath) {
  return IsRenameInPlace(OldPath, NewPath) && MoveStoreKey(OldPath, NewPath);
}

bool MoveConnectionToFolder(const ListItemRef& Item, const std::string& FolderPath) {
  return IsValidItemName(Item.Text) && MoveStoreKey(Item.Key, JoinItemPath(FolderPath, Item.Text));
}

void DeleteKeyTree(const std::string& ItemPath) {
  if (ItemPath.empty()) return;  // the empty path names the whole store
  RegKey root = OpenStoreKey("");
  if (root) DeleteRegKeyRecursive(root.get(), ItemPath);
}

std::string GetUniqueFolderName(const std::string& FolderPath, const std::string& BaseName) {
  RegKey key = OpenStoreKey(FolderPath);
  if (!key) return BaseName;
  long n = 0;
  std::string name;
  for (long i = 0; EnumNextFolder(key, i, name) == kEnumMoreEntries; ++i) {
    if (name.empty()) continue;
    if (n == 0) {
      if (EqualsNoCase(name, BaseName)) n = 1;
    } else if (EqualsNoCase(name, BaseName + std::to_string(n))) {
      ++n;
    }
  }
  return n == 0 ? BaseName : BaseName + std::to_string(n);
}

std::string GetFreeFolderName(const std::string& FolderPath, const std::string& BaseName) {
  std::string name = GetUniqueFolderName(FolderPath, BaseName);
  for (long n = 1; PathExists(JoinItemPath(FolderPath, name)); ++n) name = BaseName + std::to_string(n);
  return name;
}

}  // namespace corvana
