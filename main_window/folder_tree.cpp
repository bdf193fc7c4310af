#include "main_window/folder_tree.h"

#include "core/registry_store.h"
#include "core/string_table.h"
#include "main_window/connection_list.h"
#include "main_window/folder_popup.h"
#include "main_window/main_form.h"
#include "main_window/tree_drag.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

constexpr int kDelKey = 46;
constexpr int kF5Key = 116;
// The scroll zones of a drag, in twips from the tree's top and bottom edges; both bounds exclusive.
constexpr int kTopScrollZone = 100;
constexpr int kBottomScrollZone = 200;

forms::NodeRef AddFolderNode(forms::TreeView& tree, const forms::NodeRef& parent, const std::string& key,
                             const std::string& text) {
  return tree.AddNode(parent, parent ? forms::kChild : forms::kLast, key, text, "close", "open");
}

void AddPlaceholder(forms::TreeView& tree, const forms::NodeRef& node) { tree.AddNode(node, forms::kChild, "", ""); }

std::string LastPart(const std::string& path) {
  size_t slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// After a folder's rename the Keys of its loaded descendants follow its new path; what is
// expanded stays expanded.
void RekeyDescendants(const forms::NodeRef& node) {
  for (const forms::NodeRef& child : node->ChildNodes()) {
    if (child->Key().empty()) continue;  // the placeholder
    child->SetKey(node->Key() + "\\" + child->Text());
    RekeyDescendants(child);
  }
}

void SelectNodeByKey(forms::TreeView& tree, const std::string& key) {
  if (forms::NodeRef node = tree.NodeByKey(key)) node->SetSelected(true);
}

// A folder item moved by a drop leaves its old place in the tree, and the target shows it.
void AfterFolderMoved(MainForm& frmMain, const std::string& oldKey, const forms::NodeRef& target) {
  forms::TreeView& tree = frmMain.tvMain();
  if (forms::NodeRef old = tree.NodeByKey(oldKey)) tree.RemoveNode(old);
  if (target->Expanded())
    LoadSubFolders(frmMain, target);
  else if (target->Children() == 0)
    AddPlaceholder(tree, target);
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
  const std::string name = GetFreeFolderName("", LoadResString(IDS_NEW_FOLDER_NAME));
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
  SelectNodeByKey(frmMain.tvMain(), frmMain.lstItems().Tag());
}

void FolderRenamed(MainForm& frmMain, const std::string& OldPath, const std::string& NewPath) {
  forms::NodeRef node = frmMain.tvMain().NodeByKey(OldPath);
  if (!node) return;  // not loaded: the next expand reads the new name from the store
  node->SetKey(NewPath);
  node->SetText(LastPart(NewPath));
  RekeyDescendants(node);
}

void MainForm::WireFolderTree() {
  forms::TreeView& tree = tvMain();
  tree.Expand = [this](const forms::NodeRef& n) { tvMain_Expand(n); };
  tree.Collapse = [this](const forms::NodeRef& n) { tvMain_Collapse(n); };
  tree.NodeClick = [this](const forms::NodeRef& n) { tvMain_NodeClick(n); };
  tree.AfterLabelEdit = [this](int& cancel, std::string& text) { tvMain_AfterLabelEdit(cancel, text); };
  tree.KeyUp = [this](int& key, int shift) { tvMain_KeyUp(key, shift); };
  tree.MouseDown = [this](int b, int s, int x, int y) { tvMain_MouseDown(b, s, x, y); };
  tree.MouseMove = [this](int b, int s, int x, int y) { tvMain_MouseMove(b, s, x, y); };
  Timer1().Tick = [this] { Timer1_Timer(); };
  parts().mnuFolderExpand.Click = [this] { mnuFolderExpand_Click(); };
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
  imgItemType().SetPicture(parts().picTYPE_FOLDER.Picture());
  bool any = lstItems().ItemCount() > 0;
  for (const char* key : {"delete", "edit"}) EnableToolbarButton(*this, key, any);
}


void MainForm::tvMain_AfterLabelEdit(int& Cancel, std::string& NewString) {
  if (forms::NodeRef node = tvMain().SelectedItem()) {
    forms::NodeRef parent = node->Parent();
    const std::string NewPath = parent ? parent->FullPath() + "\\" + NewString : NewString;
    if (IsValidItemName(NewString) && RenameFolderKey(NewPath, node->Key())) {
      node->SetKey(NewPath);
      RekeyDescendants(node);
      lstItems().SetTag(node->Key());
    } else {
      Cancel = 1;
    }
  }
  RefreshCurrentFolder(*this);
}

void MainForm::tvMain_KeyUp(int KeyCode, int /*Shift*/) {
  if (KeyCode == kDelKey) {
    mnuDeleteFolder_Click();
    return;
  }
  if (KeyCode != kF5Key) return;
  forms::NodeRef node = tvMain().SelectedItem();
  if (!node) return;
  const std::string path = node->FullPath();
  // Through the Collapse and Expand handlers the branch is read again from the store.
  const bool expanded = node->Expanded();
  node->SetExpanded(!expanded);
  node->SetExpanded(expanded);
  SelectNodeByKey(tvMain(), path);
  RefreshCurrentFolder(*this);
}

void MainForm::tvMain_MouseDown(int Button, int Shift, int X, int Y) {
  // A press on the tree itself starts no list-to-tree move.
  if (Button == forms::kLeftButton) DragListItem = nullptr;
  if (Button == forms::kRightButton) ShowFolderPopup(*this, X, Y);
  (void)Shift;
}

void MainForm::mnuFolderExpand_Click() {
  if (forms::NodeRef node = tvMain().SelectedItem()) node->SetExpanded(!node->Expanded());
}

void MainForm::tvMain_MouseMove(int Button, int /*Shift*/, int /*X*/, int /*Y*/) {
  if (Button != forms::kLeftButton || !DragListItem || Drag().Active()) return;
  Drag().PrepareImage(DragListItem->Text());
  Drag().Begin();
}

void MainForm::tvMain_DragOver(int X, int Y, int /*State*/) {
  forms::TreeView& tree = tvMain();
  tree.SetDropHighlight(tree.HitTest(X, Y));
  DragPosX = static_cast<float>(X);
  DragPosY = static_cast<float>(Y);
  const bool inTop = 0 < Y && Y < kTopScrollZone;
  const bool inBottom = tree.Height() - kBottomScrollZone < Y && Y < tree.Height();
  if (inTop || inBottom) {
    AutoScrollUp = inTop;
    // Enabling a running timer would restart its interval with every move.
    if (!Timer1().Enabled()) Timer1().SetEnabled(true);
  } else {
    Timer1().SetEnabled(false);
  }
  Drag().MoveImageOver(tree, X, Y);
}

void MainForm::Timer1_Timer() {
  forms::TreeView& tree = tvMain();
  tree.SetDropHighlight(tree.HitTest(static_cast<int>(DragPosX), static_cast<int>(DragPosY)));
  tree.ScrollLine(AutoScrollUp);
}

void MainForm::tvMain_DragDrop(int /*X*/, int /*Y*/) {
  forms::TreeView& tree = tvMain();
  forms::NodeRef target = tree.DropHighlight();
  if (target && DragListItem) {
    const ListItemRef moved{DragListItem->Key(), DragListItem->Text()};
    const bool folder = DragListItem->Tag() == kFolderTag;
    // The store refuses a folder dropped onto itself or below itself, and a drop onto the
    // folder the item is in already.
    if (MoveConnectionToFolder(moved, target->Key()) && folder) AfterFolderMoved(*this, moved.Key, target);
    if (forms::NodeRef selected = tree.SelectedItem()) {
      lstItems().ClearItems();
      ShowFolderContents(*this, selected->Key());
    }
  }
  tree.SetDropHighlight(nullptr);
  DragListItem = nullptr;
  Timer1().SetEnabled(false);
  Picture1().SetVisible(false);
}

}  // namespace corvana
