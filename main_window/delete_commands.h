#pragma once
// Deleting the list's selected items from the store and the views, with the progress window.
namespace corvana {

class MainForm;

// Deletes every selected item of the list (connections, folders, pcAnywhere entries) that was
// selected when it was called; nothing when none is.
void DeleteSelectedListItems(MainForm& frmMain);

}  // namespace corvana
