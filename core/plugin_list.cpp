#include "core/plugin_list.h"

#include <variant>

#include "core/registry_store.h"
#include "core/registry_tree.h"
#include "core/registry_value.h"
#include "core/text.h"

namespace corvana {
namespace {

struct StoredValue {
  std::string name;
  DWORD type = REG_NONE;
  RegData data;
};

// Every value of Key; False in Complete when the walk ended before the last one.
std::vector<StoredValue> ReadValues(HKEY key, bool& complete) {
  std::vector<StoredValue> values;
  StoredValue value;
  long index = 0, rc = 0;
  for (; (rc = EnumRegValue(key, index, value.name, value.data, value.type)) == ERROR_SUCCESS; ++index)
    values.push_back(value);
  complete = rc == ERROR_NO_MORE_ITEMS;
  return values;
}

bool RemoveValues(HKEY key, const std::vector<StoredValue>& values) {
  bool all = true;
  for (const StoredValue& value : values) all = RegDeleteValueA(key, value.name.c_str()) == ERROR_SUCCESS && all;
  return all;
}

bool WritePlugins(HKEY key, const std::vector<PluginEntry>& plugins) {
  for (const PluginEntry& plugin : plugins)
    if (!WriteStringValue(key, plugin.Name, plugin.CommandTemplate)) return false;
  return true;
}

}  // namespace

RegKey OpenPluginList() { return OpenKey(HKEY_CURRENT_USER, StoreKeyPath(kPluginListKey)); }

RegKey CreatePluginList() { return CreateKey(HKEY_CURRENT_USER, StoreKeyPath(kPluginListKey)); }

std::vector<PluginEntry> ReadPlugins(HKEY PluginList) {
  std::vector<PluginEntry> plugins;
  std::string name;
  RegData data;
  DWORD type = 0;
  for (long index = 0; EnumRegValue(PluginList, index, name, data, type) == ERROR_SUCCESS; ++index) {
    const std::string* text = std::get_if<std::string>(&data);
    plugins.push_back({CutAtNul(name), text ? CutAtNul(*text) : std::string()});
  }
  return plugins;
}

bool SavePlugins(const std::vector<PluginEntry>& Plugins) {
  // Emptied and written in place rather than deleted and created again: a key that could be
  // deleted but not created again would lose every plug-in. The list is the key's whole content;
  // the program keeps no sub-keys there.
  RegKey key = CreatePluginList();
  if (!key || !DeleteSubKeys(key.get())) return false;
  bool complete = false;
  const std::vector<StoredValue> before = ReadValues(key.get(), complete);
  if (!complete) return false;
  if (RemoveValues(key.get(), before) && WritePlugins(key.get(), Plugins)) return true;

  // Back to what was stored.
  std::vector<StoredValue> written = ReadValues(key.get(), complete);
  RemoveValues(key.get(), written);
  for (const StoredValue& value : before) SetRegValue(key.get(), value.name, value.type, value.data);
  return false;
}

std::string ExpandPluginCommand(const std::string& Template, const std::string& Address, const std::string& Name) {
  return ReplaceAll(ReplaceAll(Template, kPluginAddressPlaceholder, Address), kPluginNamePlaceholder, Name);
}

}  // namespace corvana
