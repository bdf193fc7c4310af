#pragma once
// Letting the window messages that are waiting for this thread run, once, and going on.

namespace corvana {

void RunPendingMessages();

}  // namespace corvana
