#pragma once
// The running program's version, as the store, the splash and the tray tooltip show it.
#include <string>

#include "core/string_table.h"
#include "resources/string_ids.h"

namespace corvana {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 2;

// "1.1.2": what the layout upgrade writes as "Version".
inline std::string VersionNumberText() {
  return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision);
}

// "Version 1.1.2 (Deutsch)": the splash's version line.
inline std::string VersionLine() { return "Version " + VersionNumberText() + " (" + LoadResString(IDS_LANGUAGE_NAME) + ")"; }

// The tray tooltip of the load and the watchdog; minimising uses the plain product title.
inline std::string VersionedTrayTip() { return "VNC Corvana " + VersionLine(); }

}  // namespace corvana
