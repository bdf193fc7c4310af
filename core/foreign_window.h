#pragma once
// Making another program's window the one that receives typed keys. Another process's window
// takes the focus only while this thread shares its input state and it is the foreground window.
#include <windows.h>

namespace corvana {

// Brings Window to the top and makes it the foreground window.
void BringForeignWindowToTop(HWND Window);
// Gives Window the keyboard focus (a dialog hands it on to its focused control).
void FocusForeignWindow(HWND Window);

}  // namespace corvana
