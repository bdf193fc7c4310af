#pragma once
// The numeric test of the connection dialogs: the platform's own conversion of a text to a 32-bit
// integer, by the number rules of the user's locale (blanks around the number are accepted, a
// fraction is rounded, a number outside the 32-bit range is no number).
#include <cstdint>
#include <optional>
#include <string>

namespace corvana::dialogs {

// The number a text stands for; none for an empty text, a text that is no number and a number
// outside the 32-bit range.
std::optional<std::int32_t> ToNum(const std::string& Value);

// True when Value converts to a 32-bit signed integer.
inline bool IsNum(const std::string& Value) { return ToNum(Value).has_value(); }

}  // namespace corvana::dialogs
