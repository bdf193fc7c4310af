#pragma once
// The info panels for the list's selected item: its connection text, the status bar's file panel,
// and what both show after a paste or a delete.
#include <string>

#include "forms/list_view.h"

namespace corvana {

class MainForm;

// The info text of a VNC connection item (its host and port) and of a pcAnywhere item (its target).
std::string VncConnectionInfo(const forms::ListItemRef& Item);
std::string PcAWConnectionInfo(const forms::ListItemRef& Item);

// The status bar's file panel.
void SetFilePanel(MainForm& frmMain, const std::string& Text);
// The file panel shows a pcAnywhere item's file, shortened to the panel's width.
void ShowPcAWFilePanel(MainForm& frmMain, const forms::ListItemRef& Item);

// After a paste the panel forgets a gone selection and shows no file for a folder or a
// connection; after a delete it keeps the item name of a gone selection and the file panel.
enum class InfoPanelAfter { Paste, Delete };

void ShowSelectedItemInfo(MainForm& frmMain, InfoPanelAfter after);

}  // namespace corvana
