// The menu bar's, the tree popup's and the view commands: new folder, rename, the four View
// toggles and the folder item's open entry; and the drag image passing the toolbar and the
// status bar on its way from the list to the tree.
#include "core/global_options.h"
#include "core/registry_store.h"
#include "core/string_table.h"
#include "main_window/connection_list.h"
#include "main_window/main_form.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

// A drag image passing a bar stands at the mouse's left and below the bar by the mouse's
// height in it.
void MoveDragImageAcross(const forms::Control& bar, forms::PictureBox& image, int X, int Y) {
  image.SetLeft(X);
  image.SetTop(bar.Top() + bar.Height() + Y);
}

}  // namespace

void MainForm::WireCommands() {
  const Parts& c = parts();
  c.mnuDateiNewFolder.Click = [this] { mnuDateiNewFolder_Click(); };
  c.mnuBigSymbols.Click = [this] { mnuBigSymbols_Click(); };
  c.mnuShowSbar.Click = [this] { mnuShowSbar_Click(); };
  c.mnuShowBackground.Click = [this] { mnuShowBackground_Click(); };
  c.mnuShowFolderInfo.Click = [this] { mnuShowFolderInfo_Click(); };
  c.mnuNewFolder.Click = [this] { mnuNewFolder_Click(); };
  c.mnuRenameFolder.Click = [this] { mnuRenameFolder_Click(); };
  c.mnuRename.Click = [this] { mnuRename_Click(); };
  c.mnuPopUpFolderLV_open.Click = [this] { mnuPopUpFolderLV_open_Click(); };
  // The bars' drag events come from the list-to-tree drag (tree_drag.cpp), which knows the
  // control under the mouse.
}

void MainForm::mnuDateiNewFolder_Click() {
  NewFolderFromFileMenu = true;
  mnuNewFolder_Click();
}

void MainForm::mnuNewFolder_Click() {
  forms::TreeView& tree = tvMain();
  const forms::NodeRef parent = NewFolderFromFileMenu ? tree.SelectedItem() : nullptr;
  const std::string base = LoadResString(IDS_NEW_FOLDER_NAME);
  forms::NodeRef node;
  if (!parent) {
    const std::string name = GetFreeFolderName("", base);
    node = tree.AddNode(nullptr, forms::kLast, name, name, "close", "open");
  } else {
    // Its sub-folders afresh from the store, so that the new name is unique among all of them.
    tvMain_Expand(parent);
    const std::string name = GetFreeFolderName(parent->FullPath(), base);
    node = tree.AddNode(parent, forms::kChild, parent->Key() + "\\" + name, name, "close", "open");
  }
  if (!node) return;
  CreateFolderKey("", node->FullPath());
  node->EnsureVisible();
  if (forms::NodeRef added = tree.NodeByKey(node->Key())) added->SetSelected(true);
  // The user types the wanted name at once; the tree's rename takes it from there.
  tree.StartLabelEdit();
}

void MainForm::mnuRename_Click() {
  if (CountSelected(lstItems()) == 1) lstItems().StartLabelEdit();
}

void MainForm::mnuRenameFolder_Click() {
  if (tvMain().SelectedItem()) tvMain().StartLabelEdit();
}

// The toolbar and status bar toggles keep the splitter where the window shows it now, as the
// folder-info toggle and a resize do: the splitter bar's own position can be an older one (a drop
// the window was too narrow for, undone by a later widening), and a toggle must not move the splitter.
void MainForm::mnuBigSymbols_Click() {
  forms::Menu& item = parts().mnuBigSymbols;
  const bool big = !item.Checked();
  ApplyToolbarImages(big);
  item.SetChecked(big);
  SizeControls(static_cast<float>(imgSplitter().Left()));
}

void MainForm::mnuShowSbar_Click() {
  forms::Menu& item = parts().mnuShowSbar;
  const bool show = !item.Checked();
  StatusBar1().SetVisible(show);
  item.SetChecked(show);
  SizeControls(static_cast<float>(imgSplitter().Left()));
}

void MainForm::mnuShowBackground_Click() {
  forms::Menu& item = parts().mnuShowBackground;
  if (item.Checked()) {
    ClearListPicture();
    item.SetChecked(false);
    return;
  }
  if (gOptions.BackgroundImage.empty())
    SetListPictureFromResource(kDefaultBackgroundBitmap);
  else if (!SetListPictureFromFile(gOptions.BackgroundImage))
    ClearListPicture();  // a file that will not load leaves the list without a picture
  item.SetChecked(true);
}

void MainForm::mnuShowFolderInfo_Click() {
  // The panel's visibility decides, not the check mark.
  const bool show = !txtFolderInfo().Visible();
  parts().mnuShowFolderInfo.SetChecked(show);
  txtFolderInfo().SetVisible(show);
  txtConnInfo().SetVisible(show);
  txtItemName().SetVisible(show);
  SizeControls(static_cast<float>(imgSplitter().Left()));
}

// The folder item's popup opens the item it was shown for: the selected one. The double-click's
// item under the last mouse position would be another one when the popup came from the keyboard.
void MainForm::mnuPopUpFolderLV_open_Click() { OpenListItem(*this, OpenTrigger::EnterKey); }

void MainForm::Toolbar1_DragOver(int X, int Y, int /*State*/) { MoveDragImageAcross(Toolbar1(), Picture1(), X, Y); }

void MainForm::Toolbar1_DragDrop(int /*X*/, int /*Y*/) { Picture1().SetVisible(false); }

void MainForm::StatusBar1_DragOver(int X, int Y, int /*State*/) {
  MoveDragImageAcross(StatusBar1(), Picture1(), X, Y);
}

void MainForm::StatusBar1_DragDrop(int /*X*/, int /*Y*/) { Picture1().SetVisible(false); }

}  // namespace corvana
