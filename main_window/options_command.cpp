// The global options dialog, opened from the toolbar and Ctrl+O. After OK the option reader has
// this window follow the new values at once: its background and every option.
#include "dialogs/options_dialog.h"
#include "main_window/main_form.h"

namespace corvana {

void MainForm::ShowOptionsDialog() {
  dialogs::dlgOptions dialog(*this);
  dialog.Show(forms::ShowMode::Modal, this);
}

}  // namespace corvana
