// IsNum: the platform's conversion of a text to a 32-bit integer, by the user's locale.
#include "dialogs/is_num.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "support/decimal_separator.h"

using corvana::dialogs::IsNum;
using corvana::dialogs::ToNum;
using corvana::test::DecimalSeparator;

namespace {

TEST(IsNum, TakesWhatConvertsToA32BitInteger) {
  const std::string half = "1" + DecimalSeparator() + "5";
  struct Case {
    std::string text;
    bool numeric;
  } cases[] = {{"12", true},          {" 12 ", true},         {half, true},
               {"-2147483648", true}, {"2147483647", true},   {"2147483648", false},
               {"-2147483649", false}, {"", false},           {"abc", false},
               {"12abc", false},       {"1 2", false}};
  for (const Case& c : cases) EXPECT_EQ(IsNum(c.text), c.numeric) << "'" << c.text << "'";
}

TEST(IsNum, AFractionIsRounded) {
  const std::string separator = DecimalSeparator();
  EXPECT_EQ(ToNum("1" + separator + "5"), 2);
  EXPECT_EQ(ToNum("2" + separator + "5"), 2);  // to the even number, as the platform rounds
  EXPECT_EQ(ToNum("0" + separator + "4"), 0);
  EXPECT_EQ(ToNum(" 7 "), 7);
}

}  // namespace
