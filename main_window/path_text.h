#pragma once
// A path written into a control, shortened with an ellipsis to the control's width.
#include <windows.h>

#include <string>

#include "forms/control.h"

namespace corvana {

// Sets Ctl's text to Path, shortened to fit Ctl's width in its font, through the shell's
// PathSetDlgItemPathA on hWndParent, the window that holds Ctl. A control without a window id
// is left alone.
void SetControlPathText(HWND hWndParent, const std::string& Path, const forms::Control& Ctl);

}  // namespace corvana
