// New and edited connections and the .vnc import, through the connection dialogs: the main window
// lends them its form, its selected folder and its list.
#include "core/message_box.h"
#include "core/pcaw.h"
#include "core/registry_store.h"
#include "dialogs/connection_dialog_host.h"
#include "dialogs/edit_connection.h"
#include "dialogs/new_connection.h"
#include "dialogs/vnc_import.h"
#include "main_window/connection_list.h"
#include "main_window/folder_tree.h"
#include "main_window/main_form.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

std::string SelectedNodeKey(const MainForm& frmMain) {
  forms::NodeRef node = frmMain.tvMain().SelectedItem();
  return node ? node->Key() : std::string();
}

class MainWindowConnections : public dialogs::ConnectionDialogHost {
 public:
  explicit MainWindowConnections(MainForm& frmMain) : frmMain_(frmMain) {}

  forms::Form& OwnerForm() override { return frmMain_; }
  std::string SelectedFolder() override { return SelectedNodeKey(frmMain_); }
  std::string ProvideFolder() override {
    CreateDefaultFolder(frmMain_);
    forms::NodeRef node = frmMain_.tvMain().SelectedItem();
    if (!node) return {};
    // The list shows the folder the connection goes into, so that its new item appears there.
    frmMain_.tvMain_NodeClick(node);
    return node->Key();
  }
  bool AddConnectionListItem(const std::string& Name, const std::string& Host, const std::string& Display,
                             const std::string& VNCFSPort, const std::string& Folder) override {
    return corvana::AddConnectionListItem(frmMain_, Name, Host, Display, VNCFSPort, Folder);
  }

 private:
  MainForm& frmMain_;
};

}  // namespace

void MainForm::WireConnectionCommands() {
  const Parts& p = parts();
  p.mnuNew.Click = [this] { mnuNew_Click(); };
  p.mnuDateiNewConnection.Click = [this] { mnuDateiNewConnection_Click(); };
  p.mnuEdit.Click = [this] { mnuEdit_Click(); };
}

void MainForm::mnuNew_Click() {
  MainWindowConnections host(*this);
  std::string folder = host.SelectedFolder();
  if (folder.empty()) folder = host.ProvideFolder();
  ShowNewConnectionDialog(folder);
}

void MainForm::mnuDateiNewConnection_Click() { mnuNew_Click(); }

void MainForm::ShowNewConnectionDialog(const std::string& Folder) {
  MainWindowConnections host(*this);
  dialogs::dlgNewConnection dialog(host);
  dialog.LoadForm();
  if (!dialog.Loaded()) return;
  dialog.parts().txtFolder.SetText(Folder);
  // The dialog stores the connection and adds its list item itself.
  dialog.Show(forms::ShowMode::Modal, this);
}

void MainForm::mnuEdit_Click() {
  forms::ListItemRef item = lstItems().SelectedItem();
  if (!item) return;
  if (item->Tag() == kPcAWTag) {
    if (!PcAW().Properties(ReadPcAWFile(item->Key())))
      ShowMessageId(IDS_PCAW_PROPERTIES_FAILED, MB_OK | MB_ICONINFORMATION, std::string(kProductTitle) + " - " + item->Text());
    return;
  }
  if (!item->Tag().empty()) return;
  const std::string folder = SelectedNodeKey(*this);
  dialogs::dlgEditConnection dialog;
  dialog.LoadForm();
  if (!dialog.Loaded()) return;
  dialog.parts().txtFolder.SetText(folder);
  dialog.SetTag(folder.empty() ? std::string() : item->Key());
  dialog.Init();
  dialog.Show(forms::ShowMode::Modal, this);
  lstItems().ClearItems();
  if (forms::NodeRef node = tvMain().SelectedItem()) ShowFolderContents(*this, node->FullPath());
}

void MainForm::ImportVncFile() {
  MainWindowConnections host(*this);
  dialogs::ImportVncFile(host);
}

}  // namespace corvana
