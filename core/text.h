#pragma once
// Text comparisons as the registry makes them: names are equal without regard to case.
#include <string>

namespace corvana {

bool EqualsNoCase(const std::string& a, const std::string& b);
// True when path equals ancestor or lies below it ("a\b" lies below "a").
bool IsSameOrBelowPath(const std::string& path, const std::string& ancestor);
std::string UpperCase(const std::string& text);

}  // namespace corvana
