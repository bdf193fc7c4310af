// The internal clipboard: copy, cut and paste of list items and folders.
// Still to be built: the wiring connects nothing and each command does nothing yet.
#include "main_window/main_form.h"

namespace corvana {

void MainForm::WireClipboard() {}

void MainForm::mnuCopyConnection_Click() {}
void MainForm::mnuCutConnection_Click() {}
void MainForm::mnuPasteConnection_Click() {}
void MainForm::mnuFolderPaste_Click() {}
void MainForm::mnuPopUpFolderLV_copy_Click() {}
void MainForm::mnuPopUpFolderLV_cut_Click() {}

}  // namespace corvana
