#pragma once
// mPlugIn on the main window: the stored plug-ins as an owner-drawn menu for the selected entry
// of the connection list, the chosen command line started for it; and the plug-in manager.
#include <memory>

#include "forms/form.h"

namespace corvana {

class MainForm;

// Shows the plug-ins at the cursor for the list's selected item and starts the chosen one's
// command line, "%1" the item's address and "%2" its name; nothing without a selected item, a
// plug-in or a choice.
void RunPluginOnSelection(MainForm& frmMain);

// Shows the plug-in manager modeless and without an owner; Manager keeps it from one showing to
// the next, so a manager that is open already only comes to the front.
void ShowPluginManager(std::unique_ptr<forms::Form>& Manager, const forms::Form& frmMain);

}  // namespace corvana
