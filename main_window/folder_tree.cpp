#include "main_window/folder_tree.h"

#include "core/registry_store.h"
#include "core/string_table.h"
#include "main_window/connection_list.h"
#include "main_window/main_form.h"

namespace corvana {
namespace {

constexpr int kNewFolderId = 1016;

forms::NodeRef AddFolderNode(forms::TreeView& tree, const forms::NodeRef& parent, const std::string& key,
                             const std::string& text) {
  return tree.AddNode(parent, parent ? forms::kChild : forms::kLast, key, text, "close", "open");
}

void AddPlaceholder(forms::TreeView& tree, const forms::NodeRef& node) { tree.AddNode(node, forms::kChild, "", ""); }

std::string LastPart(const std::string& path) {
  size_t slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void FillFolderTree(MainForm& frmMain) {
  forms::TreeView& tree = frmMain.tvMain();
  RegKey top;
  std::string name;
  for (long i = 0; EnumNextFolder(top, i, name) == kEnumMoreEntries; ++i) {
    if (name.empty()) continue;
    forms::NodeRef node = AddFolderNode(tree, nullptr, name, name);
    if (node && HasSubFolders(name)) AddPlaceholder(tree, node);
  }
}

void CreateDefaultFolder(MainForm& frmMain) {
  forms::TreeView& tree = frmMain.tvMain();
  const std::string name = LoadResString(kNewFolderId);
  AddFolderNode(tree, nullptr, name, name);
  CreateFolderKey("", name);
  if (forms::NodeRef node = tree.NodeByKey(name)) node->SetSelected(true);
}

void RemoveChildNodes(MainForm& frmMain, const forms::NodeRef& Node) {
  while (Node->Children() > 0) frmMain.tvMain().RemoveNode(Node->Child());
}

void LoadSubFolders(MainForm& frmMain, const forms::NodeRef& Node) {
  if (!Node) return;
  forms::TreeView& tree = frmMain.tvMain();
  if (Node->Children() > 0) RemoveChildNodes(frmMain, Node);
  RegKey folder = OpenStoreKey(Node->FullPath());
  if (!folder) return;
  std::string name;
  for (long i = 0; EnumNextFolder(folder, i, name) == kEnumMoreEntries; ++i) {
    if (name.empty()) continue;
    forms::NodeRef child = AddFolderNode(tree, Node, Node->Key() + "\\" + name, name);
    if (child && HasSubFolders(child->FullPath())) AddPlaceholder(tree, child);
  }
}

void ReopenFolder(MainForm& frmMain, const std::string& Last) {
  forms::TreeView& tree = frmMain.tvMain();
  std::string lastPrefix = Last;
  for (size_t p = Last.find('\\'); p != std::string::npos; p = Last.find('\\', p + 1)) {
    lastPrefix = Last.substr(0, p);
    frmMain.tvMain_Expand(tree.NodeByKey(lastPrefix));
  }
  frmMain.tvMain_Expand(tree.NodeByKey(lastPrefix));
  // A folder that no longer exists leaves the tree as it is; the list still shows what it finds.
  if (forms::NodeRef node = tree.NodeByKey(Last)) {
    node->EnsureVisible();
    node->SetSelected(true);
  }
  ShowFolderContents(frmMain, Last);
  frmMain.lstItems().SetTag(Last);
  frmMain.txtFolderInfo().SetText(LastPart(Last));
}

void RefreshCurrentFolder(MainForm& frmMain) {
  frmMain.lstItems().ClearItems();
  ShowFolderContents(frmMain, frmMain.lstItems().Tag());
  if (forms::NodeRef node = frmMain.tvMain().NodeByKey(frmMain.lstItems().Tag())) node->SetSelected(true);
}

void MainForm::tvMain_Expand(const forms::NodeRef& Node) { LoadSubFolders(*this, Node); }

void MainForm::tvMain_Collapse(const forms::NodeRef& Node) {
  if (!Node) return;
  RemoveChildNodes(*this, Node);
  AddPlaceholder(tvMain(), Node);
}

void MainForm::tvMain_NodeClick(const forms::NodeRef& Node) {
  if (!Node) return;
  lstItems().ClearItems();
  ShowFolderContents(*this, Node->FullPath());
  lstItems().SetTag(Node->FullPath());
  txtFolderInfo().SetText(Node->Text());
  Get<forms::Image>("imgItemType").SetPicture(Get<forms::PictureBox>("picTYPE_FOLDER").Picture());
  bool any = lstItems().ItemCount() > 0;
  for (const char* key : {"delete", "edit"})
    if (forms::ToolbarButtonRef button = Toolbar1().ButtonByKey(key)) button->SetEnabled(any);
}

}  // namespace corvana
