#include "core/process_start.h"

#include <vector>

#include "win/handles.h"

namespace corvana {
namespace {

std::string SystemErrorText(DWORD error) {
  char* buffer = nullptr;
  DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = n && buffer ? std::string(buffer, n) : "error " + std::to_string(error);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ' || text.back() == '.'))
    text.pop_back();
  return text;
}

}  // namespace

StartResult StartCommandLine(const std::string& CommandLine, WORD ShowState) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = ShowState;
  PROCESS_INFORMATION info{};
  // CreateProcessA may write into the command line, so it gets a copy of its own.
  std::vector<char> line(CommandLine.begin(), CommandLine.end());
  line.push_back('\0');
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return {false, SystemErrorText(GetLastError())};
  KernelHandle process(info.hProcess);
  KernelHandle thread(info.hThread);
  return {true, {}};
}

std::string QuoteArgument(const std::string& Text) {
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : Text) {
    if (c == '\\') {
      ++backslashes;
    } else {
      // Backslashes count as escapes only in front of a quote.
      if (c == '"') quoted.append(backslashes + 1, '\\');
      backslashes = 0;
    }
    quoted += c;
  }
  quoted.append(backslashes, '\\');
  return quoted + "\"";
}

}  // namespace corvana
