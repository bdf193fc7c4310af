#pragma once
// The program-wide variables of the start-up and the main window.
#include <cstdint>

namespace corvana {

// 0: show the main window normal; 1: minimised (the program was started minimised).
inline std::int32_t gStartMinimized = 0;
// The splash timer's one-shot guard: false from the splash's load until the check returned.
inline bool gStartupDone = false;
// The last mouse position above the main window or its list, in twips of that window.
inline float gLastMouseX = 0;
inline float gLastMouseY = 0;

}  // namespace corvana
