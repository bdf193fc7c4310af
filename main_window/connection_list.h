#pragma once
// The connection list lstItems: one folder's connections, sub-folders and pcAnywhere entries.
// A list item's Key is its ItemPath and its Tag tells its kind; the list's Tag is the folder shown.
#include <string>
#include <vector>

#include "forms/list_view.h"

namespace corvana {

class MainForm;

inline constexpr const char* kFolderTag = "F";
inline constexpr const char* kPcAWTag = "PCAW";

// Adds the entries of the folder to the list (which it does not clear) and shows their count.
void ShowFolderContents(MainForm& frmMain, const std::string& FolderPath);
// One VNC connection item; False when a text is missing or the Key is taken.
bool AddConnectionListItem(MainForm& frmMain, const std::string& Name, const std::string& Host,
                           const std::string& Display, const std::string& VNCFSPort, const std::string& Folder);
// The number of selected items of List.
long CountSelected(const forms::ListView& List);
// The selected items of List, in list order.
std::vector<forms::ListItemRef> SelectedItems(const forms::ListView& List);

// The toolbar button with Key (the delete and edit buttons follow the list's selection).
void EnableToolbarButton(MainForm& frmMain, const char* Key, bool Enabled);
// The status panel's "n Objekte".
void ShowObjectCount(MainForm& frmMain, size_t Count);

// How the open action was asked for: the double-click takes the item under the mouse, Enter the
// selected item.
enum class OpenTrigger { DoubleClick, EnterKey };
// Opens a folder item, connects a pcAnywhere entry or starts the preferred viewer.
void OpenListItem(MainForm& frmMain, OpenTrigger trigger);

}  // namespace corvana
