#include "dialogs/default_flag_box.h"

#include <string>

#include "core/registry_value.h"

namespace corvana::dialogs {

void LoadDefaultFlag(HKEY key, const char* name, forms::CheckBox& box) {
  const std::string text = ReadStringValue(key, name);
  if (text.empty()) return;
  if (text[0] == '0')
    box.SetValue(0);
  else if (text[0] >= '1' && text[0] <= '9')
    box.SetValue(1);
}

}  // namespace corvana::dialogs
