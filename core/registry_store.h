#pragma once
// The registry store below ProductKey: folders, VNC connections and pcAnywhere entries as keys,
// root values beside them. No cache: every routine opens what it needs and closes it again.
// No routine throws or shows a message; results say what happened.
#include <windows.h>

#include <string>

#include "win/handles.h"

namespace corvana {

inline constexpr const char* ProductKey = "Software\\Ostrel Kassenwerk GmbH\\VNC Corvana";
inline constexpr long kEnumMoreEntries = 0;
inline constexpr long kEnumNoMoreEntries = 234;

// Value names that tell the kinds of keys apart.
inline constexpr const char* kIsFolderValue = "IsFolder";
inline constexpr const char* kPcAWFileValue = "pcAWfile";
// The plug-in list's key at the top level.
inline constexpr const char* kPluginListKey = "Plugins";

// A name that addresses exactly one key: not empty and without "\".
bool IsValidItemName(const std::string& Name);
// The ItemPath of Name inside FolderPath ("" is the top level).
std::string JoinItemPath(const std::string& FolderPath, const std::string& Name);
// The folder an ItemPath lies in ("" for the top level).
std::string ParentOfPath(const std::string& ItemPath);

// The full key path of an ItemPath ("" names ProductKey itself).
std::string StoreKeyPath(const std::string& ItemPath);
// ProductKey or one of its items, opened; empty when it cannot be opened.
RegKey OpenStoreKey(const std::string& ItemPath);

void WriteRootSetting(const std::string& Name, const std::string& Value);
std::string ReadRootSetting(const std::string& Name);

bool PathExists(const std::string& ItemPath);
bool ConnectionPathExists(const std::string& ItemPath);
bool HasSubFolders(const std::string& ItemPath);
std::string ReadPcAWFile(const std::string& ItemPath);

bool CreateFolderKey(const std::string& Caption, const std::string& ItemPath);
bool SetPcAWFile(const std::string& ItemPath, const std::string& FileName);
bool RenameFolderKey(const std::string& NewPath, const std::string& OldPath);
bool RenameConnectionKey(const std::string& OldPath, const std::string& NewPath);

// What the move needs of a list item: its Key (the ItemPath) and its Text (the name).
struct ListItemRef {
  std::string Key;
  std::string Text;
};
bool MoveConnectionToFolder(const ListItemRef& Item, const std::string& FolderPath);

void DeleteKeyTree(const std::string& ItemPath);
std::string GetUniqueFolderName(const std::string& FolderPath, const std::string& BaseName);
// The name a new folder takes: GetUniqueFolderName's, unless an entry of any kind holds it (the
// walk counts folders only, and stops counting at a gap in its order, "B10" sorting before
// "B2"); then the first of BaseName1, BaseName2 ... that no entry holds. A new folder never
// takes over the key of a connection or a pcAnywhere entry.
std::string GetFreeFolderName(const std::string& FolderPath, const std::string& BaseName);

// One call reads the sub-key at Index of hKey. An empty hKey walks the top level: the enumerator
// opens ProductKey into it, and the caller's owner closes it when the walk ends.
long EnumNextFolder(RegKey& hKey, long Index, std::string& Name);
long EnumNextVncConnection(RegKey& hKey, long Index, std::string& Name);

// The kinds of a key, by its values.
bool IsFolderKey(HKEY key);
bool IsPcAWEntryKey(HKEY key);

// A sub-key as one walk sees it: opened once, with both marks read, so that a caller who wants
// every kind of a folder opens each sub-key once instead of once per kind.
struct StoreEntry {
  std::string Name;
  RegKey Key;            // empty when the sub-key cannot be opened (then it is of no kind)
  bool IsFolder = false;
  std::string PcAWFile;  // "" unless it is a pcAnywhere entry
  // The kind EnumNextVncConnection reports: neither mark, and open.
  bool IsVncConnection() const { return Key && !IsFolder && PcAWFile.empty(); }
};
// Fills Entry from the sub-key at Index of hKey, by the protocol of the enumerators above.
long EnumNextStoreEntry(RegKey& hKey, long Index, StoreEntry& Entry);

// Moves the key at SourcePath to TargetPath; never overwrites, never into itself.
bool MoveStoreKey(const std::string& SourcePath, const std::string& TargetPath);

// Reads the name of the sub-key at Index and opens it, the first steps of every enumerator:
// 234 when there is no name at Index; 0 otherwise, with an empty child when it cannot be opened.
long EnumNextSubKey(RegKey& hKey, long Index, std::string& Name, RegKey& Child);

}  // namespace corvana
