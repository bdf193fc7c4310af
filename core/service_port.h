#pragma once
// The TCP port of a VNC server's service, from the display text of a connection's list item.
#include <optional>
#include <string>

namespace corvana {

// The server's Java viewer page is served at 5800 + display, the viewer protocol at 5900 + display.
inline constexpr int kJavaViewerPortBase = 5800;
inline constexpr int kVncPortBase = 5900;

// Display + Base in 16-bit integer arithmetic: the display converted by the platform's number
// rules and rounded to a whole number. None when the display is no number or the sum is no port
// (above 32767 or below 1).
std::optional<int> DisplayPort16(const std::string& Display, int Base);

// Display + 5900 as a double, written as decimal text by the platform's rules ("0" gives
// "5900"); none when the display is no number.
std::optional<std::string> ProbePortText(const std::string& Display);

}  // namespace corvana
