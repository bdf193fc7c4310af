#pragma once
// The folder-info panel after a paste or a delete, for the list's selected item.
namespace corvana {

class MainForm;

// After a paste the panel forgets a gone selection and shows no file for a folder or a
// connection; after a delete it keeps the item name of a gone selection and the file panel.
enum class InfoPanelAfter { Paste, Delete };

void ShowSelectedItemInfo(MainForm& frmMain, InfoPanelAfter after);

}  // namespace corvana
