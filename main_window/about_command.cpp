// The About box, opened from the toolbar: modal over the main window.
#include "dialogs/about_box.h"
#include "main_window/main_form.h"
#include "main_window/program_version.h"

namespace corvana {

void MainForm::ShowAboutBox() {
  dialogs::frmAbout about(VersionLine());
  about.Show(forms::ShowMode::Modal, this);
}

}  // namespace corvana
