// Commands that the keys, the toolbar, the list and the tree already call and that later work
// builds, each in the file of its concern (named beside it). Until then they do nothing; the
// work that builds one removes its line here.
#include "main_window/main_form.h"

namespace corvana {

// list_popup.cpp
void MainForm::ShowListPopup(const forms::ListItemRef&) {}
// connect_commands.cpp
void MainForm::mnuConnectWithInternalBrowser_Click() {}
void MainForm::mnuConnectWithJava_Click() {}
// clipboard.cpp
void MainForm::mnuCopyConnection_Click() {}
void MainForm::mnuCutConnection_Click() {}
void MainForm::mnuPasteConnection_Click() {}
// delete_commands.cpp
void MainForm::mnuDelete_Click() {}
void MainForm::mnuDeleteFolder_Click() {}
// connection_commands.cpp
void MainForm::mnuNew_Click() {}
void MainForm::mnuEdit_Click() {}
void MainForm::ShowNewConnectionDialog(const std::string&) {}
void MainForm::ImportVncFile() {}
// options_command.cpp
void MainForm::ShowOptionsDialog() {}
// about_command.cpp
void MainForm::ShowAboutBox() {}

}  // namespace corvana
