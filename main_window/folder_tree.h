#pragma once
// The folder tree tvMain: one node per folder key, Key = ItemPath, loaded one level at a time;
// a folder not yet expanded carries one empty placeholder child for its expand button.
#include <string>

#include "forms/tree_view.h"

namespace corvana {

class MainForm;

// The top-level folders.
void FillFolderTree(MainForm& frmMain);
// The first folder of an empty store, selected.
void CreateDefaultFolder(MainForm& frmMain);
// Loads Node's sub-folders afresh.
void LoadSubFolders(MainForm& frmMain, const forms::NodeRef& Node);
void RemoveChildNodes(MainForm& frmMain, const forms::NodeRef& Node);
// Opens the stored last folder at start: its ancestors expanded, the folder selected and shown.
void ReopenFolder(MainForm& frmMain, const std::string& Last);
// A folder renamed elsewhere (in the list): its loaded node and descendants take the new path.
void FolderRenamed(MainForm& frmMain, const std::string& OldPath, const std::string& NewPath);
// Shows the list's folder again and selects its node.
void RefreshCurrentFolder(MainForm& frmMain);

}  // namespace corvana
