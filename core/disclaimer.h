#pragma once
// The product's disclaimer as the splash window and the About box show it.
#include <string>

namespace corvana {

// The string table's five parts in their order, joined by blanks (the third brings its own).
std::string DisclaimerText();

}  // namespace corvana
