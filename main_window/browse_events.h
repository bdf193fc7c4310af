#pragma once
// Connects the folder tree's and the connection list's events to their handlers.
namespace corvana {

class MainForm;

void WireTreeAndListEvents(MainForm& frmMain);

}  // namespace corvana
