// The global options dialog, opened from the toolbar and Ctrl+O.
// Still to be built: the wiring connects nothing and each command does nothing yet.
#include "main_window/main_form.h"

namespace corvana {

void MainForm::ShowOptionsDialog() {}

}  // namespace corvana
