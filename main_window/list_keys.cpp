// The connection list's command keys: Ctrl with a letter, and the plain keys. Each key calls the
// command of its concern; those built elsewhere are wired in their own files.
#include "core/string_table.h"
#include "main_window/connection_list.h"
#include "main_window/folder_tree.h"
#include "main_window/main_form.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

constexpr int kCtrlOnly = 2;
constexpr int kContextMenuKey = 93;

}  // namespace

void MainForm::WireListKeys() {
  lstItems().KeyDown = [this](int& key, int shift) { lstItems_KeyDown(key, shift); };
}

void MainForm::lstItems_KeyDown(int& KeyCode, int Shift) {
  forms::ListView& list = lstItems();
  if (Shift == kCtrlOnly) {
    switch (KeyCode) {
      case 'A':
        if (list.ItemCount() == 0) return;
        for (const forms::ListItemRef& item : list.Items()) item->SetSelected(true);
        txtConnInfo().SetText(std::to_string(CountSelected(list)) + " " + LoadResString(IDS_OBJECTS_SELECTED));
        return;
      case 'C': mnuCopyConnection_Click(); return;
      case 'D': mnuDelete_Click(); return;
      case 'E':
        if (CountSelected(list) == 1)
          if (forms::ListItemRef item = list.SelectedItem(); item && (item->Tag().empty() || item->Tag() == kPcAWTag))
            mnuEdit_Click();
        return;
      case 'I': ImportVncFile(); return;
      case 'N': {
        forms::NodeRef node = tvMain().SelectedItem();
        ShowNewConnectionDialog(node ? node->Key() : std::string());
        return;
      }
      case 'O': ShowOptionsDialog(); return;
      case 'V': mnuPasteConnection_Click(); return;
      case 'X': mnuCutConnection_Click(); return;
      default: return;
    }
  }
  switch (KeyCode) {
    case VK_RETURN: OpenListItem(*this, OpenTrigger::EnterKey); return;
    case VK_DELETE: mnuDelete_Click(); return;
    case kContextMenuKey: ShowListPopup(list.SelectedItem()); return;
    case VK_F2: list.StartLabelEdit(); return;
    case VK_F5: RefreshCurrentFolder(*this); return;
    default: return;
  }
}

}  // namespace corvana
