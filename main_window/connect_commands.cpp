// Connect and tool commands of the list's popup menu: viewer, browser, Java viewer, pcAnywhere, file server, FTP, HTTP, RFB version.
// Still to be built: the wiring connects nothing and each command does nothing yet.
#include "main_window/main_form.h"

namespace corvana {

void MainForm::WireConnectCommands() {}

void MainForm::mnuConnect_Click() {}
void MainForm::mnuConnectWithInternalBrowser_Click() {}
void MainForm::mnuConnectWithJava_Click() {}
void MainForm::mnuPcAW_Connect_Click() {}
void MainForm::mnuFileTransferWithVNCFS_Click() {}
void MainForm::mnuFTP_Click() {}
void MainForm::mnuHTTP_Click() {}
void MainForm::mnuGetRFBVersion_Click() {}

}  // namespace corvana
