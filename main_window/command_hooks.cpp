// Commands that the list and the tree already call and that later work fills in: the browser
// and Java connects and the folder deletion. Until then they do nothing.
#include "main_window/main_form.h"

namespace corvana {

void MainForm::mnuConnectWithInternalBrowser_Click() {}
void MainForm::mnuConnectWithJava_Click() {}
void MainForm::mnuDeleteFolder_Click() {}

}  // namespace corvana
