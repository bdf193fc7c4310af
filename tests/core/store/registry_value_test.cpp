#include "core/registry_value.h"

#include <gtest/gtest.h>

#include "support/registry_sandbox.h"

using namespace corvana;

namespace {

class RegistryValueTest : public ::testing::Test {
 protected:
  test::RegistrySandbox sandbox_;
  RegKey key_ = CreateKey(HKEY_CURRENT_USER, "Values");
};

TEST_F(RegistryValueTest, WritesTextWithoutTerminatingNul) {
  ASSERT_TRUE(WriteStringValue(key_.get(), "Flag", "1"));
  DWORD type = 0, size = 0;
  ASSERT_EQ(RegQueryValueExA(key_.get(), "Flag", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  // The registry may add a terminator on reading; the stored text is the one character.
  EXPECT_GE(size, 1u);
  EXPECT_LE(size, 2u);
  EXPECT_EQ(ReadStringValue(key_.get(), "Flag"), "1");
}

TEST_F(RegistryValueTest, MissingEmptyAndLeadingNulReadAsAbsent) {
  WriteStringValue(key_.get(), "Empty", "");
  const char nulFirst[] = {'\0', 'x', 'y'};
  RegSetValueExA(key_.get(), "NulFirst", 0, REG_SZ, reinterpret_cast<const BYTE*>(nulFirst), 3);
  EXPECT_EQ(ReadStringValue(key_.get(), "Missing"), "");
  EXPECT_EQ(ReadStringValue(key_.get(), "Empty"), "");
  EXPECT_EQ(ReadStringValue(key_.get(), "NulFirst"), "");
  EXPECT_EQ(ReadStringValue(nullptr, "Missing"), "");
}

TEST_F(RegistryValueTest, TextIsCutAtFirstNul) {
  const char embedded[] = {'a', 'b', '\0', 'c'};
  RegSetValueExA(key_.get(), "Embedded", 0, REG_SZ, reinterpret_cast<const BYTE*>(embedded), 4);
  EXPECT_EQ(ReadStringValue(key_.get(), "Embedded"), "ab");
}

TEST_F(RegistryValueTest, LongValuesAreCutTo259Characters) {
  struct Case {
    size_t length;
    size_t expected;
  };
  for (Case c : {Case{258, 258}, Case{259, 259}, Case{260, 259}, Case{261, 259}, Case{1000, 259}}) {
    std::string text(c.length, 'v');
    text[0] = 'A';
    ASSERT_TRUE(WriteStringValue(key_.get(), "Long", text));
    std::string read = ReadStringValue(key_.get(), "Long");
    EXPECT_EQ(read, text.substr(0, c.expected)) << "length " << c.length;
  }
}

TEST_F(RegistryValueTest, AValueThatDoesNotFitIsNoneForTheReaderThatMustNotCut) {
  const char embedded[] = {'a', 'b', '\0', 'c'};
  RegSetValueExA(key_.get(), "Embedded", 0, REG_SZ, reinterpret_cast<const BYTE*>(embedded), 4);
  EXPECT_EQ(ReadFittingStringValue(key_.get(), "Embedded"), "ab");
  EXPECT_EQ(ReadFittingStringValue(key_.get(), "Missing"), "");
  for (size_t length : {1u, 258u, 259u, 260u, 261u, 1000u}) {
    std::string text(length, 'v');
    ASSERT_TRUE(WriteStringValue(key_.get(), "Long", text));
    EXPECT_EQ(ReadFittingStringValue(key_.get(), "Long"), length <= 259 ? text : "") << "length " << length;
  }
  // A long value whose text ends at a NUL inside the buffer fits.
  std::string early(400, 'w');
  early[10] = '\0';
  RegSetValueExA(key_.get(), "Early", 0, REG_SZ, reinterpret_cast<const BYTE*>(early.data()), 400);
  EXPECT_EQ(ReadFittingStringValue(key_.get(), "Early"), std::string(10, 'w'));
}

TEST_F(RegistryValueTest, SubKeyDefaultValueRoundTrips) {
  EXPECT_EQ(ReadSubKeyDefaultValue(key_.get(), "Host"), "");
  ASSERT_TRUE(WriteSubKeyDefaultValue(key_.get(), "Host", "server.example"));
  EXPECT_EQ(ReadSubKeyDefaultValue(key_.get(), "Host"), "server.example");
}

}  // namespace
