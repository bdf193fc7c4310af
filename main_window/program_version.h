#pragma once
// The running program's version, as the store, the splash and the tray tooltip show it.
#include <string>

#include "core/string_table.h"
#include "resources/string_ids.h"
#include "resources/version_number.h"

namespace corvana {

// "1.1.2": what the layout upgrade writes as "Version"; the program's version record holds the same.
inline std::string VersionNumberText() { return CORVANA_VERSION_TEXT; }

// "Version 1.1.2 (Deutsch)": the splash's version line.
inline std::string VersionLine() { return "Version " + VersionNumberText() + " (" + LoadResString(IDS_LANGUAGE_NAME) + ")"; }

// The tray tooltip of the load and the watchdog; minimising uses the plain product title.
inline std::string VersionedTrayTip() { return "VNC Corvana " + VersionLine(); }

}  // namespace corvana
