#include "main_window/folder_popup.h"

#include "core/registry_store.h"
#include "core/string_table.h"
#include "main_window/main_form.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

constexpr int kRightButtonFlag = 2;

}  // namespace

forms::Menu& PrepareFolderPopup(MainForm& frmMain, const forms::NodeRef& Node) {
  const MainForm::Parts& c = frmMain.parts();
  forms::Menu& remove = c.mnuDeleteFolder;
  forms::Menu& rename = c.mnuRenameFolder;
  forms::Menu& paste = c.mnuFolderPaste;
  forms::Menu& expand = c.mnuFolderExpand;
  if (!Node) {
    frmMain.NewFolderFromFileMenu = false;
    for (forms::Menu* item : {&remove, &rename, &paste, &expand}) item->SetEnabled(false);
    expand.SetCaption(LoadResString(IDS_MENU_EXPAND));
    return c.mnuNewFolder;
  }
  Node->SetSelected(true);
  frmMain.NewFolderFromFileMenu = true;
  remove.SetEnabled(true);
  rename.SetEnabled(true);
  paste.SetEnabled(frmMain.HasClip);
  expand.SetEnabled(HasSubFolders(Node->FullPath()));
  expand.SetCaption(LoadResString(Node->Expanded() ? IDS_MENU_COLLAPSE : IDS_MENU_EXPAND));
  return frmMain.HasClip ? paste : expand;
}

void ShowFolderPopup(MainForm& frmMain, int X, int Y) {
  forms::Menu& defaultItem = PrepareFolderPopup(frmMain, frmMain.tvMain().HitTest(X, Y));
  frmMain.PopupMenu(frmMain.parts().mnuPopUpFolder, kRightButtonFlag, &defaultItem);
}

}  // namespace corvana
