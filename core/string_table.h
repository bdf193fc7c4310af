#pragma once
// The German string table of the program's resources, looked up by id.
#include <string>

namespace corvana {

// The text of a string-table id in the ANSI code page; "" when the table lacks it.
std::string LoadResString(int id);

}  // namespace corvana
