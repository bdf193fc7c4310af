#include "main_window/plugin_menu.h"

#include <optional>
#include <string>

#include "core/connection_record.h"
#include "core/pcaw.h"
#include "core/plugin_list.h"
#include "core/process_start.h"
#include "core/registry_store.h"
#include "core/text.h"
#include "dialogs/plugin_manager.h"
#include "main_window/connection_list.h"
#include "main_window/main_form.h"
#include "main_window/systray_menu.h"

namespace corvana {
namespace {

// The chosen plug-in's template; "" when there are none, nothing was chosen or the template is empty.
std::string ChoosePluginTemplate(MainForm& frmMain) {
  SystrayMenu menu;
  menu.InitMenu(frmMain);
  long count = 0;
  if (RegKey key = OpenPluginList()) {
    for (const PluginEntry& plugin : ReadPlugins(key.get())) {
      menu.AddMenuItem(menu.GetMenuHandle(), count, plugin.Name, frmMain.parts().picPlugin.Picture(),
                       plugin.CommandTemplate);
      ++count;
    }
  }
  std::string chosen = count > 0 ? menu.ShowMenu() : std::string();
  menu.DestroyMenus();
  return chosen;
}

}  // namespace

void RunPluginOnSelection(MainForm& frmMain) {
  const forms::ListItemRef item = frmMain.lstItems().SelectedItem();
  if (!item) return;
  std::string command = ChoosePluginTemplate(frmMain);
  // Nothing to start: the target is not read either, so a cancelled menu brings no message.
  if (command.empty()) return;

  // A target that cannot be read leaves the template as it is.
  if (UpperCase(item->Tag()) == kPcAWTag) {
    const std::string file = ReadPcAWFile(item->Key());
    if (const std::optional<CpcAWdata> data = PcAW().GetConnection(file))
      command = ExpandPluginCommand(command, data->ComputerName, item->Text());
  } else {
    ConnectionRecord record;
    if (ReadConnection(JoinItemPath(frmMain.lstItems().Tag(), item->Text()), record))
      command = ExpandPluginCommand(command, record.Host, record.ConnectionName);
  }
  // Started directly, never through a shell, so that no host or name is read as a command; a
  // program that cannot be started is passed over without a word.
  StartCommandLine(command, SW_SHOWNOACTIVATE);
}

void ShowPluginManager(std::unique_ptr<forms::Form>& Manager, const forms::Form& frmMain) {
  if (!Manager) Manager = std::make_unique<dialogs::frmPlugin>(frmMain);
  Manager->Show(forms::ShowMode::Modeless, nullptr);
  // Open already, perhaps behind the main window: it comes to the front.
  Manager->SetFocus();
}

}  // namespace corvana
