// The plug-in list in the store: reading it, saving it all or nothing, and the command line a
// template gives.
#include "core/plugin_list.h"

#include <gmock/gmock.h>

#include <map>

#include "core/registry_store.h"
#include "core/registry_value.h"
#include "support/key_values.h"
#include "support/registry_sandbox.h"

using namespace corvana;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

class PluginListTest : public ::testing::Test {
 protected:
  test::RegistrySandbox sandbox_;

  static void SetRaw(const std::string& name, DWORD type, const std::string& bytes) {
    RegKey key = CreatePluginList();
    ASSERT_EQ(RegSetValueExA(key.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
  }
  static std::vector<std::string> Read() {
    std::vector<std::string> plugins;
    if (RegKey key = OpenPluginList())
      for (const PluginEntry& p : ReadPlugins(key.get())) plugins.push_back(p.Name + "=" + p.CommandTemplate);
    return plugins;
  }
  // Every value of the key, type and bytes, for "nothing changed".
  static std::map<std::string, std::string> Raw() { return test::AllValuesOf(OpenPluginList().get()); }
};

TEST_F(PluginListTest, ReadingCutsAtTheFirstNulAndKeepsLongTextsWhole) {
  const std::string longTemplate = "tool.exe " + std::string(400, 'x') + " %1";
  SetRaw("Telnet", REG_SZ, std::string("telnet %1\0 23", 13));
  SetRaw("Lang", REG_SZ, longTemplate);
  SetRaw("Zahl", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
  EXPECT_THAT(Read(), UnorderedElementsAre("Telnet=telnet %1", "Lang=" + longTemplate, "Zahl="));
}

TEST_F(PluginListTest, SavingMakesTheKeyHoldExactlyTheList) {
  SetRaw("Alt", REG_SZ, "alt %1");
  SetRaw("Zahl", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
  ASSERT_TRUE(CreateKey(CreatePluginList().get(), "Unter\\Tiefer"));
  ASSERT_TRUE(SavePlugins({{"Ping", "ping %1"}, {"Leer", ""}, {"ping", "ping -t %1"}, {"Trace", "tracert %1"}}));
  // Names are one without regard to case: the later template stays.
  EXPECT_THAT(Read(), UnorderedElementsAre("Ping=ping -t %1", "Leer=", "Trace=tracert %1"));
  RegKey key = OpenPluginList();
  char child[MAX_PATH] = {};
  EXPECT_EQ(RegEnumKeyA(key.get(), 0, child, MAX_PATH), ERROR_NO_MORE_ITEMS) << child;
  // Each a text without its NUL.
  DWORD type = 0, size = 99;
  ASSERT_EQ(RegQueryValueExA(key.get(), "Trace", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_LE(size, 11u);
}

TEST_F(PluginListTest, AnEmptyListLeavesAnEmptyKeyAndAMissingKeyIsCreated) {
  ASSERT_FALSE(OpenPluginList());
  ASSERT_TRUE(SavePlugins({}));
  EXPECT_TRUE(OpenPluginList());
  SetRaw("Ping", REG_SZ, "ping %1");
  ASSERT_TRUE(SavePlugins({}));
  EXPECT_TRUE(OpenPluginList());
  EXPECT_THAT(Raw(), IsEmpty());
}

TEST_F(PluginListTest, AKeyThatCannotBeEmptiedKeepsItsPlugins) {
  SetRaw("Ping", REG_SZ, "ping %1");
  SetRaw("Zahl", REG_DWORD, std::string("\x07\x00\x00\x00", 4));
  ASSERT_TRUE(test::MakeDanglingLink(CreatePluginList().get(), "Stuck"));
  const auto before = Raw();
  EXPECT_FALSE(SavePlugins({{"Neu", "neu %1"}}));
  EXPECT_EQ(Raw(), before);
  test::RemoveDanglingLink(OpenPluginList().get(), "Stuck");
}

TEST_F(PluginListTest, ARowThatCannotBeWrittenPutsTheOldPluginsBack) {
  SetRaw("Ping", REG_SZ, "ping %1");
  SetRaw("Trace", REG_EXPAND_SZ, "tracert %COMPUTERNAME%");
  SetRaw("Zahl", REG_DWORD, std::string("\x07\x00\x00\x00", 4));
  const auto before = Raw();
  // The registry takes no value name of 16384 characters.
  EXPECT_FALSE(SavePlugins({{"Neu", "neu %1"}, {std::string(16384, 'n'), "x"}, {"Danach", "d"}}));
  EXPECT_EQ(Raw(), before);
}

TEST_F(PluginListTest, AKeyThatCannotBeCreatedSavesNothing) {
  RegKey product;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, ProductKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                            product.put(), nullptr),
            ERROR_SUCCESS);
  EXPECT_FALSE(SavePlugins({{"Ping", "ping %1"}}));
  EXPECT_FALSE(OpenPluginList());
}

struct ExpandCase {
  const char* templateText;
  const char* address;
  const char* name;
  const char* expected;
};

class ExpandingATemplate : public ::testing::TestWithParam<ExpandCase> {};

TEST_P(ExpandingATemplate, ReplacesTheAddressThenTheName) {
  const ExpandCase& c = GetParam();
  EXPECT_EQ(ExpandPluginCommand(c.templateText, c.address, c.name), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExpandingATemplate,
    ::testing::Values(ExpandCase{"ping %1", "host", "Name", "ping host"},
                      ExpandCase{"", "host", "Name", ""},
                      ExpandCase{"calc.exe", "host", "Name", "calc.exe"},
                      ExpandCase{"%1%1 %2%2", "h", "n", "hh nn"},
                      // What the address brings in: a "%2" is replaced, a "%1" is not.
                      ExpandCase{"x %1", "a%2b%1", "N", "x aNb%1"},
                      ExpandCase{"%2", "h", "%1", "%1"},
                      ExpandCase{"%%1 %10 %L %3 1%", "h", "n", "%h h0 %L %3 1%"}));

}  // namespace
