// Plug-ins: run on the selection from the popup, managed from the View menu.
// Still to be built: the wiring connects nothing and each command does nothing yet.
#include "main_window/main_form.h"

namespace corvana {

void MainForm::WirePlugins() {}

void MainForm::mnuPlugin_Click() {}
void MainForm::mnuPluginManagement_Click() {}

}  // namespace corvana
