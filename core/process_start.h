#pragma once
// Starting another program from a command line, in one place: the viewer, the browser and the
// other external programs all go through here.
#include <windows.h>

#include <string>

namespace corvana {

struct StartResult {
  bool started = false;
  // The system's description of why it failed, "" when it started.
  std::string errorText;
};

// Starts CommandLine with its first window in ShowState (SW_SHOWNORMAL: a normal, focused window)
// and does not wait for it; the process and thread handles are closed at once.
StartResult StartCommandLine(const std::string& CommandLine, WORD ShowState = SW_SHOWNORMAL);

// Text in double quotes, written so that the platform's command-line parser hands the started
// program exactly Text as one argument: a quote inside is escaped with a backslash, and the
// backslashes in front of a quote or of the closing quote are doubled.
std::string QuoteArgument(const std::string& Text);

}  // namespace corvana
