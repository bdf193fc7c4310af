// Plug-ins: the list popup's "PlugIns..." runs one on the selected entry, the View menu's
// "Plugin's..." opens the manager.
#include "main_window/main_form.h"
#include "main_window/plugin_menu.h"

namespace corvana {

void MainForm::WirePlugins() {
  const Parts& c = parts();
  c.mnuPlugin.Click = [this] { mnuPlugin_Click(); };
  c.mnuPluginManagement.Click = [this] { mnuPluginManagement_Click(); };
}

void MainForm::mnuPlugin_Click() { RunPluginOnSelection(*this); }

void MainForm::mnuPluginManagement_Click() { ShowPluginManager(pluginManager_, *this); }

}  // namespace corvana
