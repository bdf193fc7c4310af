#pragma once
// dlgEditConnection: changes a stored connection. The opener sets txtFolder to the folder's
// ItemPath and the form's Tag to the connection's ItemPath, calls Init and shows the dialog
// modally; afterwards it shows its list afresh.
#include "core/connection_record.h"
#include "dialogs/connection_form.h"

namespace corvana::dialogs {

class dlgEditConnection : public ConnectionForm {
 public:
  dlgEditConnection();

  // Fills the boxes from the connection at Tag; a connection that cannot be read leaves them
  // empty, and nothing can be saved then.
  void Init();

  // The connection as it was read; its name and folder say which key a save changes.
  ConnectionRecord m_OldConnection;

 private:
  void Save() override;

  bool read_ = false;
};

}  // namespace corvana::dialogs
