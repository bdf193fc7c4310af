#pragma once
// The folder popup menu of the tree's right button.
#include "forms/menu.h"
#include "forms/tree_view.h"

namespace corvana {

class MainForm;

// Enables the items for Node (none: empty tree space), makes Node the selected node and returns
// the default item.
forms::Menu& PrepareFolderPopup(MainForm& frmMain, const forms::NodeRef& Node);
// The popup for the node at (X, Y) twips of the tree, shown at the mouse.
void ShowFolderPopup(MainForm& frmMain, int X, int Y);

}  // namespace corvana
