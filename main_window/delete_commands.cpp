// Deleting list items and folders.
// Still to be built: the wiring connects nothing and each command does nothing yet.
#include "main_window/main_form.h"

namespace corvana {

void MainForm::WireDeleteCommands() {}

void MainForm::mnuDelete_Click() {}
void MainForm::mnuPopUpFolderLV_delete_Click() {}
void MainForm::mnuDeleteFolder_Click() {}

}  // namespace corvana
