#pragma once
// The command line that runs the Java viewer classes through the configured Java runner.
#include <optional>
#include <string>

namespace corvana {

// The placeholders of the runner's switches, replaced case-sensitively in this order.
inline constexpr const char* kClassPathPlaceholder = "%CLASSPATH%";
inline constexpr const char* kViewerClassPlaceholder = "%VNCVIEWER%";
inline constexpr const char* kViewerClassName = "vncviewer";

// Runner, a blank, Switches with every "%CLASSPATH%" replaced by ShortClassDir and then every
// "%VNCVIEWER%" by "vncviewer", " HOST " Host, " PORT " Port and " PASSWORD " with the password
// quoted so that the runner receives exactly Password.
std::string JavaViewerCommandLine(const std::string& Runner, const std::string& Switches,
                                  const std::string& ShortClassDir, const std::string& Host, int Port,
                                  const std::string& Password);

// The short (8.3) form of an existing path; none when the path is not found or its short form
// does not fit 260 characters.
std::optional<std::string> ShortPathName(const std::string& Path);

}  // namespace corvana
