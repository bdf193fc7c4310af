#include "core/java_viewer_command.h"

#include <windows.h>

#include "core/process_start.h"
#include "core/text.h"

namespace corvana {
namespace {

constexpr DWORD kPathBufferSize = 260;

}  // namespace

std::string JavaViewerCommandLine(const std::string& Runner, const std::string& Switches,
                                  const std::string& ShortClassDir, const std::string& Host, int Port,
                                  const std::string& Password) {
  const std::string switches =
      ReplaceAll(ReplaceAll(Switches, kClassPathPlaceholder, ShortClassDir), kViewerClassPlaceholder, kViewerClassName);
  return Runner + " " + switches + " HOST " + Host + " PORT " + std::to_string(Port) + " PASSWORD " +
         QuoteArgument(Password);
}

std::optional<std::string> ShortPathName(const std::string& Path) {
  char buffer[kPathBufferSize] = {};
  const DWORD n = GetShortPathNameA(Path.c_str(), buffer, kPathBufferSize);
  // A result as large as the buffer is the size it would need: a cut path would name another folder.
  if (n == 0 || n >= kPathBufferSize) return std::nullopt;
  return std::string(buffer, n);
}

}  // namespace corvana
