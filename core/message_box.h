#pragma once
// Every message of the program goes through here, with the program's title rules.
#include <windows.h>

#include <string>

namespace corvana {

// The title of a message box that names no other.
inline constexpr const char* kApplicationTitle = "VNCCorvana";
// The product's title, which most messages carry.
inline constexpr const char* kProductTitle = "VNC Corvana";

// Shows Text with the buttons and icon of Style; returns the button pressed (IDOK, IDYES ...).
int ShowMessage(const std::string& Text, UINT Style, const std::string& Title = kApplicationTitle);
// The same with the text of a string-table id, and what follows it (a path, a name).
int ShowMessageId(int Id, UINT Style, const std::string& Title = kApplicationTitle, const std::string& Suffix = "");

}  // namespace corvana
