#pragma once
// A form declaration holds a string id as text (a caption, Tag or ToolTipText) for the
// localisation to resolve; IdText(IDS_MENU_FILE) writes it from the id's name.
#include <string>

namespace corvana {

inline std::string IdText(int id) { return std::to_string(id); }

}  // namespace corvana
