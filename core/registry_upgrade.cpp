#include "core/registry_upgrade.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "core/global_options.h"
#include "core/registry_store.h"
#include "core/registry_tree.h"
#include "core/registry_value.h"
#include "core/string_table.h"
#include "core/text.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

constexpr DWORD kConversionPauseMs = 500;
constexpr const char* kOldFolderIdValue = "folder";
constexpr const char* kOldFolderNameValue = "name";
constexpr const char* kLastOpenFolderValue = "LastOpenFolder";

std::vector<std::string> SubKeyNames(HKEY key) {
  std::vector<std::string> names;
  char buf[kValueBufferChars] = {};
  for (DWORD i = 0; RegEnumKeyA(key, i, buf, kValueBufferChars) == ERROR_SUCCESS; ++i) names.emplace_back(buf);
  return names;
}

// A top-level key that belongs inside a folder: a VNC connection, not one of the store's own keys.
bool IsStrayConnection(HKEY product, const std::string& name) {
  if (EqualsNoCase(name, kPluginListKey) || EqualsNoCase(name, kOldFoldersKey)) return false;
  RegKey key = OpenKey(product, name);
  return key && !IsFolderKey(key.get()) && !IsPcAWEntryKey(key.get());
}

// Name, or the first of "Name (2)", "Name (3)" ... that is free inside FolderPath, so that a
// moved key never lands on an existing one.
std::string FreeNameIn(const std::string& FolderPath, const std::string& Name) {
  std::string candidate = Name;
  for (int n = 2; PathExists(JoinItemPath(FolderPath, candidate)); ++n)
    candidate = Name + " (" + std::to_string(n) + ")";
  return candidate;
}

// The top-level folder for imported connections: the name of id 1020, or a numbered variant
// when a key of that name exists that is not a folder.
std::string ImportFolderName() {
  const std::string base = LoadResString(IDS_IMPORT_FOLDER_NAME);
  std::string name = base;
  for (int n = 1;; ++n) {
    RegKey key = OpenStoreKey(name);
    if (!key || IsFolderKey(key.get())) return name;
    name = base + std::to_string(n);
  }
}

// Stores without "Version" predate folders: connections lying at the top level are moved into
// one folder where the tree shows them. Returns whether anything was moved.
bool ImportStrayConnections(HKEY product) {
  std::vector<std::string> stray = SubKeyNames(product);
  std::erase_if(stray, [&](const std::string& name) { return !IsStrayConnection(product, name); });
  if (stray.empty()) return false;
  const std::string folder = ImportFolderName();
  if (!CreateFolderKey("", folder)) return false;
  bool moved = false;
  for (const std::string& name : stray) {
    if (MoveStoreKey(name, JoinItemPath(folder, FreeNameIn(folder, name)))) moved = true;
  }
  if (moved) WriteStringValue(product, kLastOpenFolderValue, folder);
  return moved;
}

// A folder name becomes one key name.
std::string FolderKeyName(std::string name) {
  std::replace(name.begin(), name.end(), '\\', '/');
  return name;
}

}  // namespace

std::string GetFolderNameOfConnection(const std::string& ConnectionKeyName) {
  if (ConnectionKeyName.empty()) return {};
  RegKey key = OpenStoreKey(ConnectionKeyName);
  if (!key) return {};
  const std::string id = ReadStringValue(key.get(), kOldFolderIdValue);
  if (id.empty()) return {};
  RegKey folder = OpenStoreKey(std::string(kOldFoldersKey) + "\\" + id);
  return ReadStringValue(folder.get(), kOldFolderNameValue);
}

bool ConvertRegistryLayout() {
  RegKey staging = CreateKey(HKEY_CURRENT_USER, StagingKey);
  if (!staging) return false;
  RegKey product = OpenStoreKey("");
  if (!product) return false;

  // Every key is staged somewhere, so that nothing is lost: into its old folder, kept at the top
  // (folders, pcAnywhere entries, the plug-in list), or into the import folder when its folder
  // id names no folder. The sources go only when every one of them was staged whole; otherwise
  // the store stays as it was and the next start tries again.
  const std::string importFolder = LoadResString(IDS_IMPORT_FOLDER_NAME);
  std::vector<std::string> staged;
  for (const std::string& name : SubKeyNames(product.get())) {
    if (EqualsNoCase(name, kOldFoldersKey)) continue;
    RegKey source = OpenKey(product.get(), name);
    if (!source) return false;
    std::string folder = FolderKeyName(GetFolderNameOfConnection(name));
    if (folder.empty() && IsStrayConnection(product.get(), name)) folder = importFolder;
    if (!folder.empty()) {
      RegKey folderKey = CreateKey(staging.get(), folder);
      if (!folderKey || !WriteStringValue(folderKey.get(), kIsFolderValue, "1")) return false;
    }
    RegKey target = CreateKey(staging.get(), JoinItemPath(folder, name));
    if (!target || !CopyRegKey(std::move(source), target.get())) return false;
    staged.push_back(name);
  }
  if (!CopyRegValues(product.get(), staging.get())) return false;

  DeleteRegKeyRecursive(product.get(), kOldFoldersKey);
  for (const std::string& name : staged) DeleteRegKeyRecursive(product.get(), name);

  // Should the way back be incomplete, the staging key still holds everything, and without a new
  // "Version" the next start copies it again.
  return CopyRegKey(std::move(staging), product.get());
}

void UpgradeRegistryLayout(const std::string& CurrentVersion, UpgradeStatusLine& Splash) {
  RegKey product = OpenStoreKey("");
  if (!product) return;  // a store that does not exist yet gets no "Version"
  const std::string version = ReadStringValue(product.get(), kVersionValue);

  if (EqualsNoCase(version, "1.0.5") || EqualsNoCase(version, "1.0.6")) {
    WriteStringValue(product.get(), kPreferredViewerValue, "VNCviewer");
  } else if (EqualsNoCase(version, "1.0.7")) {
    Splash.ShowStatus(LoadResString(IDS_UPDATING_REGISTRY));
    const bool converted = ConvertRegistryLayout();
    Sleep(kConversionPauseMs);
    if (!converted) return;  // nothing changed; without a new "Version" the next start tries again
    Splash.ShowStatus(LoadResString(IDS_REGISTRY_UPDATED));
  } else if (version.empty()) {
    ImportStrayConnections(product.get());
  } else {
    return;  // the current version, or one this build does not know
  }
  WriteStringValue(product.get(), kVersionValue, CurrentVersion);
}

}  // namespace corvana
