#pragma once
// The user's decimal separator, by which the platform converts a text to a number: a test of a
// fraction writes it so, whatever the locale of the test prefix.
#include <windows.h>

#include <string>

namespace corvana::test {

inline std::string DecimalSeparator() {
  char text[8] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, sizeof text);
  return text;
}

}  // namespace corvana::test
