#include "core/message_box.h"

#include "core/string_table.h"

namespace corvana {

int ShowMessage(const std::string& Text, UINT Style, const std::string& Title) {
  // Owned by the window the user works in, so the box stays in front of it.
  return MessageBoxA(GetActiveWindow(), Text.c_str(), Title.c_str(), Style);
}

int ShowMessageId(int Id, UINT Style, const std::string& Title, const std::string& Suffix) {
  return ShowMessage(LoadResString(Id) + Suffix, Style, Title);
}

}  // namespace corvana
