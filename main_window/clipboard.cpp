// The internal clipboard: copy and cut remember the list's selected items (their paths, not their
// data), paste copies their store keys with everything below them into the folder selected in the
// tree and, for cut items, deletes each source once its copy is complete.
#include "core/message_box.h"
#include "core/registry_store.h"
#include "core/registry_tree.h"
#include "core/registry_value.h"
#include "core/string_table.h"
#include "core/text.h"
#include "main_window/connection_list.h"
#include "main_window/folder_tree.h"
#include "main_window/item_info_panel.h"
#include "main_window/main_form.h"
#include "main_window/progress_form.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

// Puts the list's selected items into the clipboard in list order; cut items are shown ghosted.
long TakeSelection(MainForm& frmMain, bool cut) {
  forms::ListView* clip = frmMain.ClipItems;
  if (!clip) return 0;
  clip->ClearItems();
  for (const forms::ListItemRef& item : SelectedItems(frmMain.lstItems())) {
    if (cut) item->SetGhosted(true);
    if (forms::ListItemRef entry = clip->AddItem(item->Key(), item->Text())) entry->SetTag(item->Tag());
  }
  return clip->ItemCount();
}

// The pasted folder's node below the target's, once: a target not yet expanded reads its
// sub-folders (the new one among them) as it opens; an expanded one gets the node added.
void ShowPastedFolder(MainForm& frmMain, const std::string& TargetFolder, const std::string& Name) {
  if (!frmMain.Loaded()) return;
  forms::TreeView& tree = frmMain.tvMain();
  forms::NodeRef target = tree.NodeByKey(TargetFolder);
  // Without a loaded node the folder appears when that part of the tree is read.
  if (!target) return;
  const std::string key = TargetFolder + "\\" + Name;
  if (!target->Expanded()) target->SetExpanded(true);
  forms::NodeRef node = tree.NodeByKey(key);
  if (!node) {
    node = tree.AddNode(target, forms::kChild, key, Name, "close", "open");
    // A folder with sub-folders gets its expand button, as every node the tree loads.
    if (node && HasSubFolders(key)) tree.AddNode(node, forms::kChild, "", "");
  }
  if (node) node->EnsureVisible();
}

// The name the entry takes in the target folder: its own, or with "Kopie von " as often as
// needed in front to be free there (registry names compare without case).
std::string FreeName(const std::string& TargetFolder, const std::string& Text) {
  if (!PathExists(JoinItemPath(TargetFolder, Text))) return Text;
  const std::string copyOf = LoadResString(IDS_COPY_OF);
  if (copyOf.empty()) return {};
  std::string prefix = copyOf;
  // Ends at the latest when the name grows too long for a key: such a key never exists.
  while (PathExists(JoinItemPath(TargetFolder, prefix + Text))) prefix += copyOf;
  return prefix + Text;
}

void PasteEntry(MainForm& frmMain, ProgressForm& frmCopy, const forms::ListItemRef& entry,
                const std::string& TargetFolder) {
  const std::string Key = entry->Key();
  const std::string Text = entry->Text();
  const bool folder = !entry->Tag().empty() && entry->Tag() != kPcAWTag;
  // An entry without a path would name the whole store.
  if (Key.empty() || Text.empty()) return;
  const std::string NewName = FreeName(TargetFolder, Text);
  if (NewName.empty()) return;
  // A folder into itself or below itself would copy its own copy without end. Paths compare by
  // whole names, as the registry compares them: A\B goes into A\BC, but not into a\b\C.
  if (folder && IsSameOrBelowPath(TargetFolder, Key)) {
    ShowMessage(Text + LoadResString(IDS_COPY_INTO_SAME_FOLDER), MB_OK | MB_ICONERROR);
    return;
  }
  RegKey source = OpenKeyForReading(HKEY_CURRENT_USER, StoreKeyPath(Key));
  if (!source) return;
  const std::string TargetPath = JoinItemPath(TargetFolder, NewName);
  RegKey target = CreateKey(HKEY_CURRENT_USER, StoreKeyPath(TargetPath));
  if (!target) return;

  frmCopy.lblSource().SetText(Text);
  const std::string sourceFolder = Key.size() >= Text.size() ? Key.substr(0, Key.size() - Text.size()) : "";
  frmCopy.lblDest().SetText(LoadResString(IDS_PROGRESS_FROM) + " \"" + sourceFolder + "\" " +
                            LoadResString(IDS_PROGRESS_TO) + " \"" + TargetFolder + "\"");
  frmCopy.pbar().SetValue(frmCopy.pbar().Value() + 1);

  const bool complete = CopyRegKey(std::move(source), target.get());
  target.reset();
  if (!complete) {
    // Half an item is no item: the part-copy (a key this paste created under a free name) goes,
    // the source stays as it was, also when it was cut.
    DeleteRegKeyRecursive(HKEY_CURRENT_USER, StoreKeyPath(TargetPath));
    ShowMessage(Text + LoadResString(IDS_COPY_INCOMPLETE), MB_OK | MB_ICONERROR,
                LoadResString(frmMain.CutMode ? IDS_MENU_CUT : IDS_MENU_COPY));
    return;
  }
  if (folder) ShowPastedFolder(frmMain, TargetFolder, NewName);
  if (frmMain.CutMode && !DeleteRegKeyRecursive(HKEY_CURRENT_USER, StoreKeyPath(Key)))
    ShowMessage(Text + " " + LoadResString(IDS_NOT_DELETED), MB_OK | MB_ICONERROR, LoadResString(IDS_MENU_CUT));
}

void PasteInto(MainForm& frmMain, const std::string& TargetFolder) {
  forms::ListView* clip = frmMain.ClipItems;
  ProgressForm frmCopy(ProgressKind::Copy, frmMain);
  frmCopy.LoadForm();
  frmCopy.Cancelled = false;
  forms::ProgressBar& pbar = frmCopy.pbar();
  pbar.SetMax(clip->ItemCount() + 1);
  pbar.SetMin(1);
  pbar.SetValue(1);
  frmCopy.SetCaption(LoadResString(frmMain.CutMode ? IDS_PROGRESS_MOVING : IDS_PROGRESS_COPYING));
  frmCopy.Show(forms::ShowMode::Modeless);
  // The count and the flag are read anew before each entry: the main window stays usable
  // while the loop lets its messages run, and may even be closed.
  for (int i = 1; frmMain.Loaded() && i <= clip->ItemCount() && !frmCopy.Cancelled; ++i)
    PasteEntry(frmMain, frmCopy, clip->Item(i), TargetFolder);
  frmCopy.UnloadForm();
}

}  // namespace

void MainForm::WireClipboard() {
  const Parts& c = parts();
  c.mnuCopyConnection.Click = [this] { mnuCopyConnection_Click(); };
  c.mnuCutConnection.Click = [this] { mnuCutConnection_Click(); };
  c.mnuPasteConnection.Click = [this] { mnuPasteConnection_Click(); };
  c.mnuFolderPaste.Click = [this] { mnuFolderPaste_Click(); };
  c.mnuPopUpFolderLV_copy.Click = [this] { mnuPopUpFolderLV_copy_Click(); };
  c.mnuPopUpFolderLV_cut.Click = [this] { mnuPopUpFolderLV_cut_Click(); };
}

void MainForm::mnuCopyConnection_Click() {
  HasClip = TakeSelection(*this, false) > 0;
  CutMode = false;
}

void MainForm::mnuCutConnection_Click() {
  HasClip = TakeSelection(*this, true) > 0;
  CutMode = HasClip;
}

void MainForm::mnuPasteConnection_Click() {
  if (forms::NodeRef node = tvMain().SelectedItem()) {
    const std::string TargetFolder = node->FullPath();
    if (HasClip && ClipItems && ClipItems->ItemCount() > 0) PasteInto(*this, TargetFolder);
    // Closed while the loop ran: nothing is left to show.
    if (!Loaded()) return;
    RefreshCurrentFolder(*this);
  }
  ShowSelectedItemInfo(*this, InfoPanelAfter::Paste);
  ShowObjectCount(*this, lstItems().ItemCount());
  // Every paste empties the clipboard, whatever it did.
  if (ClipItems) ClipItems->ClearItems();
  HasClip = false;
}

void MainForm::mnuFolderPaste_Click() { mnuPasteConnection_Click(); }
void MainForm::mnuPopUpFolderLV_copy_Click() { mnuCopyConnection_Click(); }
void MainForm::mnuPopUpFolderLV_cut_Click() { mnuCutConnection_Click(); }

}  // namespace corvana
