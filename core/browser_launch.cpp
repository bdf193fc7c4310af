#include "core/browser_launch.h"

#include <windows.h>

#include "core/message_box.h"
#include "core/process_start.h"
#include "core/registry_value.h"
#include "resources/string_ids.h"

namespace corvana {

void LaunchDefaultBrowser(const std::string& Url) {
  // A cut program id or command would start something else, or the browser with half its switches.
  RegKey htm = OpenKey(HKEY_CLASSES_ROOT, ".htm");
  std::string programId = ReadFittingStringValue(htm.get(), "");
  RegKey command = programId.empty() ? RegKey() : OpenKey(HKEY_CLASSES_ROOT, programId + "\\shell\\open\\command");
  std::string commandLine = ReadFittingStringValue(command.get(), "");
  if (commandLine.empty()) {
    ShowMessageId(IDS_BROWSER_NOT_STARTED, MB_OK | MB_ICONERROR, kProductTitle);
    return;
  }
  // Placeholders such as %1 stay as they are: the address follows after one blank.
  StartCommandLine(commandLine + " " + Url, SW_SHOWNORMAL);
}

}  // namespace corvana
