#pragma once
// The plug-ins in the store (PluginList, the key "Plugins" below ProductKey): one text value per
// plug-in, its name the plug-in's name and its data the command-line template, in the key's value
// order; and the command line a template gives for one target.
#include <windows.h>

#include <string>
#include <vector>

#include "win/handles.h"

namespace corvana {

// In a template: the target's address, and the connection's name.
inline constexpr const char* kPluginAddressPlaceholder = "%1";
inline constexpr const char* kPluginNamePlaceholder = "%2";

struct PluginEntry {
  std::string Name;
  std::string CommandTemplate;
};

// PluginList opened; empty when it is not there or cannot be opened.
RegKey OpenPluginList();
// PluginList opened, created first when it is missing; empty when that fails.
RegKey CreatePluginList();

// The plug-ins of an open PluginList in the key's value order, each name and template cut at its
// first NUL. A text of any length is read whole: one cut here would be stored cut by the next save.
std::vector<PluginEntry> ReadPlugins(HKEY PluginList);

// Makes PluginList hold exactly Plugins, in their order, each as a REG_SZ value without a NUL; of
// two plug-ins of one name the later one's template stays. All or nothing: when the key cannot be
// created, emptied or written, the stored plug-ins stay as they were and the result is False.
bool SavePlugins(const std::vector<PluginEntry>& Plugins);

// Template with every "%1" replaced by Address, then every "%2" by Name, case-sensitively and left
// to right; a "%2" that came in with Address is replaced as well.
std::string ExpandPluginCommand(const std::string& Template, const std::string& Address, const std::string& Name);

}  // namespace corvana
