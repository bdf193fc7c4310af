#pragma once
// Keeping windows painted while a long routine holds the user-interface thread.

namespace corvana::forms {

// Lets the pending paint messages of this thread's windows run, and nothing else: no input, no
// timer and no posted message is handled, so nothing the user does can start while it runs.
void PaintPendingWindows();

}  // namespace corvana::forms
