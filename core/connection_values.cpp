#include "core/connection_values.h"

#include "core/text.h"

namespace corvana {

std::string NormalizeEncoding(const std::string& text) {
  for (const char* name : {"hextile", "corre", "rre", "raw"})
    if (EqualsNoCase(text, name)) return name;
  return {};
}

}  // namespace corvana
