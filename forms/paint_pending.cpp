#include "forms/paint_pending.h"

#include <windows.h>

namespace corvana::forms {

void PaintPendingWindows() {
  // A window that leaves its update region valid would be offered its paint again and again.
  constexpr int kMostPaints = 64;
  MSG msg{};
  for (int i = 0; i < kMostPaints && PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
    DispatchMessageA(&msg);
}

}  // namespace corvana::forms
