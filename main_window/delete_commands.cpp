// Deleting list items and folders: the questions, the delete loop with its progress window, and
// the folder delete of the tree.
#include "main_window/delete_commands.h"

#include <string>
#include <unordered_set>

#include "core/connection_record.h"
#include "core/message_box.h"
#include "core/registry_store.h"
#include "core/text.h"
#include "main_window/connection_list.h"
#include "main_window/item_info_panel.h"
#include "main_window/main_form.h"
#include "main_window/progress_form.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

bool AskDeleteSelected() {
  return ShowMessageId(IDS_CONFIRM_DELETE_SELECTED, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// The item leaves the list where it is now: the message run may have moved it.
void RemoveFromList(forms::ListView& list, const forms::ListItemRef& item) {
  if (item->ListViewOwner() == &list) list.RemoveItem(item->Index());
}
// One item out of the store and the views. Each kind is deleted by the item's own path: the
// tree's selected node may be another folder than the one the list shows (a right click selects
// a node without opening it).
void DeleteItem(MainForm& frmMain, const forms::ListItemRef& item) {
  forms::ListView& list = frmMain.lstItems();
  const std::string path = item->Key();
  const std::string tag = item->Tag();
  if (tag == kFolderTag) {
    DeleteKeyTree(path);
    if (forms::NodeRef node = frmMain.tvMain().NodeByKey(path)) frmMain.tvMain().RemoveNode(node);
    RemoveFromList(list, item);
  } else if (tag == kPcAWTag) {
    DeleteKeyTree(path);
    RemoveFromList(list, item);
  } else {
    RemoveFromList(list, item);
    DeleteConnectionKey(path);
  }
}

}  // namespace

void DeleteSelectedListItems(MainForm& frmMain) {
  forms::ListView& list = frmMain.lstItems();
  const long selected = CountSelected(list);
  if (selected <= 0) return;
  // The items the user was asked about. The list stays usable while the loop runs, so another
  // folder may be opened or other items selected meanwhile: those are not deleted unasked.
  std::unordered_set<std::string> asked;
  for (const forms::ListItemRef& item : SelectedItems(list)) asked.insert(item->Key());

  ProgressForm frmDelete(ProgressKind::Delete, frmMain);
  frmDelete.LoadForm();
  forms::ProgressBar& pbar = frmDelete.pbar();
  pbar.SetMax(static_cast<int>(selected) + 1);
  pbar.SetMin(1);
  pbar.SetValue(1);
  frmDelete.Show(forms::ShowMode::Modeless);
  // An index walk that stays in place after a deletion: the next item has moved into it.
  int i = 1;
  while (frmMain.Loaded() && i <= list.ItemCount() && !frmDelete.Cancelled) {
    forms::ListItemRef item = list.Item(i);
    if (!item->Selected() || !asked.count(item->Key())) {
      ++i;
      continue;
    }
    asked.erase(item->Key());
    frmDelete.lblSource().SetText(item->Text());
    pbar.SetValue(pbar.Value() + 1);
    if (!frmMain.Loaded()) break;
    DeleteItem(frmMain, item);
    list.Refresh();
    EnableToolbarButton(frmMain, "delete", list.ItemCount() > 0);
  }
  if (frmMain.Loaded()) {
    ShowSelectedItemInfo(frmMain, InfoPanelAfter::Delete);
    ShowObjectCount(frmMain, list.ItemCount());
  }
  frmDelete.UnloadForm();
}

void MainForm::WireDeleteCommands() {
  const Parts& c = parts();
  c.mnuDelete.Click = [this] { mnuDelete_Click(); };
  c.mnuPopUpFolderLV_delete.Click = [this] { mnuPopUpFolderLV_delete_Click(); };
  c.mnuDeleteFolder.Click = [this] { mnuDeleteFolder_Click(); };
}

void MainForm::mnuDelete_Click() {
  if (CountSelected(lstItems()) > 0 && AskDeleteSelected()) DeleteSelectedListItems(*this);
}

void MainForm::mnuPopUpFolderLV_delete_Click() {
  if (AskDeleteSelected()) DeleteSelectedListItems(*this);
}

void MainForm::mnuDeleteFolder_Click() {
  forms::TreeView& tree = tvMain();
  if (forms::NodeRef node = tree.SelectedItem();
      node && ShowMessageId(IDS_CONFIRM_DELETE_FOLDER, MB_YESNO | MB_ICONQUESTION, kProductTitle) == IDYES) {
    const std::string shown = lstItems().Tag();
    const std::string gone = node->FullPath();
    DeleteKeyTree(gone);
    tree.RemoveNode(node);
    if (forms::NodeRef selected = tree.SelectedItem()) {
      lstItems().ClearItems();
      ShowFolderContents(*this, selected->Key());
      lstItems().SetTag(selected->Key());
    } else if (IsSameOrBelowPath(shown, gone)) {
      // No folder left to show: the list must not go on showing what was just deleted.
      lstItems().ClearItems();
      lstItems().SetTag("");
    }
  }
  forms::NodeRef selected = tree.SelectedItem();
  txtFolderInfo().SetText(selected ? selected->Text() : "");
}

}  // namespace corvana
