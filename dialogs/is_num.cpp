#include "dialogs/is_num.h"

#include <windows.h>
#include <oleauto.h>

#include "win/com_text.h"

namespace corvana::dialogs {

std::optional<std::int32_t> ToNum(const std::string& Value) {
  std::wstring text = com::ToWide(Value);
  LONG number = 0;
  if (FAILED(VarI4FromStr(text.data(), LOCALE_USER_DEFAULT, 0, &number))) return std::nullopt;
  return static_cast<std::int32_t>(number);
}

}  // namespace corvana::dialogs
