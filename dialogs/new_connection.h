#pragma once
// dlgNewConnection: a new connection in a folder. Its Load presets the boxes from the global
// option values; the opener then sets txtFolder (and, for an import, other boxes) and shows it
// modally. Saving stores the connection and puts it into the main window's list.
#include "dialogs/connection_dialog_host.h"
#include "dialogs/connection_form.h"

namespace corvana::dialogs {

class dlgNewConnection : public ConnectionForm {
 public:
  explicit dlgNewConnection(ConnectionDialogHost& host);

 private:
  void LoadDefaults();
  void Save() override;

  ConnectionDialogHost& host_;
};

}  // namespace corvana::dialogs
