// The connection list's popup menus: which entries are enabled or shown for the item and the selection.
// Still to be built: the wiring connects nothing and each command does nothing yet.
#include "main_window/main_form.h"

namespace corvana {

void MainForm::WireListPopup() {}

void MainForm::lstItems_MouseUp(int, int, int, int) {}
void MainForm::ShowListPopup(const forms::ListItemRef&) {}

}  // namespace corvana
