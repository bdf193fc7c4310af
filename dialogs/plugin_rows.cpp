#include "dialogs/plugin_rows.h"

#include <vector>

#include "core/plugin_list.h"

namespace corvana::dialogs {

void LoadPluginsIntoList(forms::ListView& List) {
  RegKey key = CreatePluginList();
  if (!key) return;
  for (const PluginEntry& plugin : ReadPlugins(key.get())) {
    forms::ListItemRef row = List.AddItem("", plugin.Name);
    if (!row) continue;
    row->EnsureVisible();
    row->SetSubItem(1, plugin.CommandTemplate);
  }
}

bool SavePluginsFromList(const forms::ListView& List) {
  std::vector<PluginEntry> plugins;
  for (const forms::ListItemRef& row : List.Items()) plugins.push_back({row->Text(), row->SubItem(1)});
  return SavePlugins(plugins);
}

}  // namespace corvana::dialogs
