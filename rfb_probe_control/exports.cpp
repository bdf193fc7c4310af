// What Pinglet.ocx's exports serve: its one control.
#include "com/server/control_library.h"
#include "rfb_probe_control/rfb_control.h"

std::span<const corvana::com::LibraryControl> corvana::com::LibraryControls() {
  static constexpr LibraryControl controls[] = {kLibraryControl<pinglet::RfbControl>};
  return controls;
}
