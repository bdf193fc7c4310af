// New and edited connections and the .vnc import, through the connection dialogs.
// Still to be built: the wiring connects nothing and each command does nothing yet.
#include "main_window/main_form.h"

namespace corvana {

void MainForm::WireConnectionCommands() {}

void MainForm::mnuNew_Click() {}
void MainForm::mnuDateiNewConnection_Click() {}
void MainForm::mnuEdit_Click() {}
void MainForm::ImportVncFile() {}
void MainForm::ShowNewConnectionDialog(const std::string&) {}

}  // namespace corvana
