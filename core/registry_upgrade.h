#pragma once
// Brings a store written by an older version up to the current layout, once per start, while
// the splash window shows.
#include <string>

namespace corvana {

// The second key beside ProductKey in which the conversion builds the new tree. It is left in
// place, and whatever it already holds is copied into the store as well.
inline constexpr const char* StagingKey = "Software\\Halvern Kassenwerk GmbH\\VNC Corvana";
inline constexpr const char* kVersionValue = "Version";
// The old layout's folder names, read and removed by the conversion.
inline constexpr const char* kOldFoldersKey = "Folders";

// The splash window's status line, which the splash implements.
class UpgradeStatusLine {
 public:
  virtual ~UpgradeStatusLine() = default;
  // Shows Text and repaints at once: no window messages run during the conversion.
  virtual void ShowStatus(const std::string& Text) = 0;
};

// CurrentVersion: major.minor.revision of the running program, written as "Version".
void UpgradeRegistryLayout(const std::string& CurrentVersion, UpgradeStatusLine& Splash);

// Turns the flat layout (connections at the top level with a folder id) into the folder tree.
// False when it could not finish: the old keys stay until everything is staged whole, and
// without a new "Version" the next start tries again.
bool ConvertRegistryLayout();

// The old-layout folder name of the top-level key ConnectionKeyName, "" when it has none.
std::string GetFolderNameOfConnection(const std::string& ConnectionKeyName);

}  // namespace corvana
