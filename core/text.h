#pragma once
// Text comparisons as the registry makes them (names are equal without regard to case), text cut
// at a NUL, and the replacing of placeholders in command lines.
#include <string>

namespace corvana {

bool EqualsNoCase(const std::string& a, const std::string& b);
// True when path equals ancestor or lies below it ("a\b" lies below "a").
bool IsSameOrBelowPath(const std::string& path, const std::string& ancestor);
std::string UpperCase(const std::string& text);
// Text up to its first NUL; the whole text when it holds none.
std::string CutAtNul(std::string text);
// Text with every What replaced by With, left to right and case-sensitively; what a replacement
// brings in is not looked at again. An empty What replaces nothing.
std::string ReplaceAll(std::string text, const std::string& what, const std::string& with);

}  // namespace corvana
