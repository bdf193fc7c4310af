#pragma once
// A connection default (one of the ten flags under ProductKey) shown in a check box as the option
// reader takes it, so that the box shows what the program will do: "0" clears the box, "1" to "9"
// ticks it, any other text or none leaves it as it is.
#include <windows.h>

#include "forms/basic_controls.h"

namespace corvana::dialogs {

void LoadDefaultFlag(HKEY key, const char* name, forms::CheckBox& box);

}  // namespace corvana::dialogs
