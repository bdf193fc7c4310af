#include "dialogs/edit_connection.h"

namespace corvana::dialogs {

dlgEditConnection::dlgEditConnection() : ConnectionForm(ConnectionDialogKind::Edit) {
  Load = [this] { LoadCommon(); };
}

void dlgEditConnection::Init() {
  const Parts& p = parts();
  read_ = !Tag().empty() && ReadConnection(Tag(), m_OldConnection);
  // Without a connection there is nothing to change: a save would rename whatever the empty
  // name stands for.
  p.cmdADD.SetEnabled(read_);
  if (!read_) return;
  for (const FlagBox& f : FlagBoxes()) f.box->SetValue(m_OldConnection.*f.field == kTrue ? 1 : 0);
  if (m_OldConnection.Scale == kTrue) {
    p.txtScale1.SetText(m_OldConnection.Scale1);
    p.txtScale2.SetText(m_OldConnection.Scale2);
  }
  SelectEncoding(m_OldConnection.Encoding);
  p.txtAdressOfConnection.SetText(m_OldConnection.Host);
  p.txtDisplayOfConnection.SetText(m_OldConnection.Display);
  p.txtVNCFSPort.SetText(m_OldConnection.VNCFSPort);
  p.txtPassword.SetText(m_OldConnection.Password);
  p.txtNameOfTheConnection.SetText(m_OldConnection.ConnectionName);
  m_OldConnection.FolderPath = p.txtFolder.Text();
}

void dlgEditConnection::Save() {
  if (!read_ || !CheckInput(true)) return;
  // The store routine reports its own failures (a name that exists, a rename that failed).
  if (UpdateConnectionKey(m_OldConnection, BuildRecord())) UnloadForm();
}

}  // namespace corvana::dialogs
