#include "core/string_table.h"

#include <windows.h>

namespace corvana {

std::string LoadResString(int id) {
  if (id < 0 || id > 0xFFFF) return {};
  // A string-table entry holds at most 4097 characters.
  char buf[4100] = {};
  int n = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), buf, sizeof buf);
  return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

}  // namespace corvana
