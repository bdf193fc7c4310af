#pragma once
// The program's message loop, and letting pending window messages run inside a handler.
#include <windows.h>

namespace corvana::forms {

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();
// Lets every pending window message run, then returns (a WM_QUIT is left in the queue).
void DoEvents();
// One message through its form's keyboard handling (Tab, Enter, Esc, KeyPreview) and its window.
void DispatchWindowMessage(MSG& msg);

}  // namespace corvana::forms
