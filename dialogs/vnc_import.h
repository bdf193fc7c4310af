#pragma once
// The .vnc import: a .vnc connection file (an INI file) chosen by the user opens the new-connection
// dialog filled with its host, port and viewer options. The import itself stores nothing and
// never writes to the file.
#include <string>

#include "dialogs/connection_dialog_host.h"

namespace corvana::dialogs {

// The entry Key of Section in File; "" when it is missing or empty (also when the file is). A
// longer value is cut to 259 characters.
std::string ReadIniValue(const std::string& File, const std::string& Section, const std::string& Key);

// Asks for the file, reads it and shows the new-connection dialog owned by the host's window;
// a file without host or port is answered with a message and no dialog.
void ImportVncFile(ConnectionDialogHost& host);

}  // namespace corvana::dialogs
