#pragma once
// The plug-in manager's list and the store: one row per plug-in, its Text the name and its first
// sub-item the command-line template.
#include "forms/list_view.h"

namespace corvana::dialogs {

// Adds a row for each stored plug-in, in the store's order, each scrolled into view; the plug-in
// key is created when it is missing. Nothing is added when it cannot be opened.
void LoadPluginsIntoList(forms::ListView& List);

// Stores the rows, first to last, as the whole plug-in list; False, with the stored plug-ins as
// they were, when that cannot be done.
bool SavePluginsFromList(const forms::ListView& List);

}  // namespace corvana::dialogs
