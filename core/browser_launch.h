#pragma once
// Opening an address in the user's default web browser, found through the ".htm" association.
#include <string>

namespace corvana {

// Runs the association's open command, a blank and Url. A missing association, or one whose
// text does not fit the store's 260-character buffer, shows message 1059; a command that does not start is silent.
void LaunchDefaultBrowser(const std::string& Url);

}  // namespace corvana
