// The About box, opened from the toolbar.
// Still to be built: the wiring connects nothing and each command does nothing yet.
#include "main_window/main_form.h"

namespace corvana {

void MainForm::ShowAboutBox() {}

}  // namespace corvana
