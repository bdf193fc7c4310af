#pragma once
// A path shortened with an ellipsis so that it fits a text box's width in its font.
#include <windows.h>

#include <string>

#include "forms/basic_controls.h"

namespace corvana {

// Puts Path into Control, shortened to the control's width; hWndParent is the window whose
// screen the text is measured for.
void SetControlPathText(HWND hWndParent, const std::string& Path, forms::TextBox& Control);

}  // namespace corvana
