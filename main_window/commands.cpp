// The menu bar's, the tree popup's and the view commands, and the drag image passing the bars.
// Still to be built: the wiring connects nothing and each command does nothing yet.
#include "main_window/main_form.h"

namespace corvana {

void MainForm::WireCommands() {}

void MainForm::mnuDateiNewFolder_Click() {}
void MainForm::mnuNewFolder_Click() {}
void MainForm::mnuRename_Click() {}
void MainForm::mnuRenameFolder_Click() {}
void MainForm::mnuBigSymbols_Click() {}
void MainForm::mnuShowSbar_Click() {}
void MainForm::mnuShowBackground_Click() {}
void MainForm::mnuShowFolderInfo_Click() {}
void MainForm::mnuPopUpFolderLV_open_Click() {}
void MainForm::Toolbar1_DragOver(int, int, int) {}
void MainForm::Toolbar1_DragDrop(int, int) {}
void MainForm::StatusBar1_DragOver(int, int, int) {}
void MainForm::StatusBar1_DragDrop(int, int) {}

}  // namespace corvana
