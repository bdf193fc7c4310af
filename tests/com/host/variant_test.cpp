// Conversions of the variant wrapper, as late-bound code relies on them.
#include <gtest/gtest.h>

#include "win/variant.h"

namespace corvana::com {
namespace {

TEST(Variant, ConvertsAsTheControlsLanguageDoes) {
  EXPECT_EQ(Variant("42").asLong(), 42);
  EXPECT_EQ(Variant(" 7 ").asShort(), 7);
  EXPECT_EQ(Variant("abc").asLong(), std::nullopt);
  EXPECT_EQ(Variant(70000L).asShort(), std::nullopt);  // overflow is no value, not a wrapped one
  EXPECT_EQ(Variant(-1L).asShort(), -1);
  EXPECT_EQ(Variant(true).asString(), "True");
  EXPECT_EQ(Variant(false).asString(), "False");
  EXPECT_EQ(Variant(true).asLong(), -1);
  EXPECT_EQ(Variant("True").asBool(), true);
  EXPECT_EQ(Variant("false").asBool(), false);
  EXPECT_EQ(Variant("-1").asBool(), true);
  EXPECT_EQ(Variant("0").asBool(), false);
  EXPECT_EQ(Variant("vielleicht").asBool(), std::nullopt);
  EXPECT_EQ(Variant(0L).asBool(), false);
  EXPECT_EQ(Variant(5L).asBool(), true);
  EXPECT_EQ(Variant(12L).asString(), "12");
  EXPECT_EQ(Variant().asString(), "");
  EXPECT_EQ(Variant().asLong(), 0);
  EXPECT_EQ(Variant("x").toLong(9), 9);
}

TEST(Variant, TextSurvivesTheAnsiCodePage) {
  const std::string umlauts = "K\xE4se \xDC\xDF";  // Windows-1252 bytes
  EXPECT_EQ(Variant(umlauts).asString(), umlauts);
}

TEST(Variant, NothingAndObjects) {
  EXPECT_TRUE(Variant().isNothing());
  EXPECT_TRUE(Variant(static_cast<IDispatch*>(nullptr)).isNothing());
  EXPECT_FALSE(Variant(0L).isNothing());
  EXPECT_FALSE(Variant("").isNothing());
  EXPECT_FALSE(Variant(3L).asDispatch());
}

TEST(Variant, CopiesAreIndependentAndReferencesAreFollowed) {
  Variant a("eins");
  Variant b = a;
  b = Variant("zwei");
  EXPECT_EQ(a.asString(), "eins");
  Variant moved = std::move(b);
  EXPECT_EQ(moved.asString(), "zwei");

  long n = 5;
  VARIANT ref;
  VariantInit(&ref);
  ref.vt = VT_BYREF | VT_I4;
  ref.plVal = &n;
  Variant deep = Variant::copyOf(ref);
  n = 6;
  EXPECT_EQ(deep.type(), VT_I4);
  EXPECT_EQ(deep.asLong(), 5);
}

}  // namespace
}  // namespace corvana::com
