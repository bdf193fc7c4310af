#pragma once
// frmMenuWaiting: the small window that says "the menu is being loaded" at the cursor while the
// notification-area menu is built.
#include "forms/basic_controls.h"
#include "forms/form.h"
#include "forms/picture_controls.h"

namespace corvana {

forms::FormDecl MenuWaitingFormDeclaration();

class MenuWaitingForm : public forms::Form {
 public:
  MenuWaitingForm();
  forms::Label& lblW() const { return Get<forms::Label>("lblW"); }
  forms::PictureBox& picFrame() const { return Get<forms::PictureBox>("picFrame"); }
};

// Loads and shows Waiting, sized by its label, with its lower right corner at the cursor; when
// that would put it below the height of a full-screen window's client area (the cursor in a
// taskbar at the bottom), it stands on the work area's lower edge instead.
void ShowMenuWaiting(MenuWaitingForm& Waiting);

}  // namespace corvana
