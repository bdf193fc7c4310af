#include "core/registry_tree.h"

#include <gtest/gtest.h>

#include <map>

#include "core/registry_value.h"
#include "support/registry_sandbox.h"

using namespace corvana;

namespace {

class RegistryTreeTest : public ::testing::Test {
 protected:
  test::RegistrySandbox sandbox_;
  RegKey root_ = CreateKey(HKEY_CURRENT_USER, "Tree");

  RegKey Make(const std::string& path) { return CreateKey(root_.get(), path); }
  RegKey Open(const std::string& path) { return OpenKey(root_.get(), path); }
  static DWORD DataSize(HKEY key, const char* name) {
    DWORD size = 0;
    RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size);
    return size;
  }
};

TEST_F(RegistryTreeTest, CopyOfAnEmptyKeyLeavesTheTargetAsItWas) {
  Make("Empty");
  RegKey target = Make("Target");
  WriteStringValue(target.get(), "Mine", "x");
  EXPECT_TRUE(CopyRegKey(Open("Empty"), target.get()));
  EXPECT_EQ(ReadStringValue(target.get(), "Mine"), "x");
}

TEST_F(RegistryTreeTest, ThreeLevelsAreCopiedWholeWithEveryType) {
  {
    RegKey a = Make("Src");
    WriteStringValue(a.get(), "Flag", "1");
    RegKey b = Make("Src\\L1");
    WriteStringValue(b.get(), "", "default text");
    DWORD number = 0x12345678;
    RegSetValueExA(b.get(), "Number", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), 4);
    RegKey c = Make("Src\\L1\\L2");
    const BYTE raw[] = {0, 1, 2, 255};
    RegSetValueExA(c.get(), "Raw", 0, REG_BINARY, raw, sizeof raw);
    const char multi[] = "one\0two\0";
    RegSetValueExA(c.get(), "Multi", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(multi), sizeof multi);
    RegSetValueExA(c.get(), "Expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>("%TEMP%"), 6);
  }
  RegKey target = Make("Dst");
  WriteStringValue(target.get(), "Flag", "0");
  ASSERT_TRUE(CopyRegKey(Open("Src"), target.get()));

  EXPECT_EQ(ReadStringValue(target.get(), "Flag"), "1") << "existing values are overwritten";
  EXPECT_LE(DataSize(target.get(), "Flag"), 2u);
  RegKey b = Open("Dst\\L1");
  ASSERT_TRUE(b);
  EXPECT_EQ(ReadStringValue(b.get(), ""), "default text");
  DWORD number = 0, size = 4, type = 0;
  RegQueryValueExA(b.get(), "Number", nullptr, &type, reinterpret_cast<BYTE*>(&number), &size);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(number, 0x12345678u);
  RegKey c = Open("Dst\\L1\\L2");
  ASSERT_TRUE(c);
  BYTE raw[8] = {};
  size = sizeof raw;
  RegQueryValueExA(c.get(), "Raw", nullptr, &type, raw, &size);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  ASSERT_EQ(size, 4u);
  EXPECT_EQ(raw[3], 255);
  char multi[32] = {};
  size = sizeof multi;
  RegQueryValueExA(c.get(), "Multi", nullptr, &type, reinterpret_cast<BYTE*>(multi), &size);
  EXPECT_EQ(type, static_cast<DWORD>(REG_MULTI_SZ));
  EXPECT_STREQ(multi, "one");
  EXPECT_STREQ(multi + 4, "two");
  EXPECT_EQ(ReadStringValue(c.get(), "Expand"), "%TEMP%");
}

TEST_F(RegistryTreeTest, CopyClosesTheSourceHandle) {
  Make("Src\\Child");
  HKEY raw = nullptr;
  ASSERT_EQ(RegOpenKeyA(root_.get(), "Src", &raw), ERROR_SUCCESS);
  RegKey target = Make("Dst");
  CopyRegKey(RegKey(raw), target.get());
  EXPECT_NE(RegCloseKey(raw), ERROR_SUCCESS) << "the source handle was still open";
}

TEST_F(RegistryTreeTest, DeleteRemovesTheWholeTree) {
  Make("Doomed\\A\\B\\C");
  Make("Doomed\\D");
  WriteStringValue(Open("Doomed\\A").get(), "v", "1");
  EXPECT_TRUE(DeleteRegKeyRecursive(root_.get(), "Doomed"));
  EXPECT_FALSE(Open("Doomed"));
  EXPECT_FALSE(DeleteRegKeyRecursive(root_.get(), "Doomed")) << "a missing key is not deleted";
}

TEST_F(RegistryTreeTest, AnUndeletableChildFailsItsAncestorsAndTheRestGoes) {
  Make("Doomed\\A");
  RegKey b = Make("Doomed\\B");
  Make("Doomed\\C");
  ASSERT_TRUE(test::MakeDanglingLink(b.get(), "Stuck"));
  EXPECT_FALSE(DeleteRegKeyRecursive(root_.get(), "Doomed"));
  EXPECT_TRUE(Open("Doomed"));
  EXPECT_TRUE(Open("Doomed\\B")) << "the parent of the stuck child stays";
  EXPECT_FALSE(Open("Doomed\\A"));
  EXPECT_FALSE(Open("Doomed\\C"));
  test::RemoveDanglingLink(b.get(), "Stuck");
  EXPECT_TRUE(DeleteRegKeyRecursive(root_.get(), "Doomed"));
}

// What cannot be copied is skipped, the rest is copied, and the result says the copy is not
// whole: a move must not delete such a source.
TEST_F(RegistryTreeTest, CopySkipsAChildThatCannotBeOpenedAndSaysSo) {
  RegKey src = Make("Src");
  Make("Src\\Good");
  Make("Src\\Zed");
  ASSERT_TRUE(test::MakeDanglingLink(src.get(), "Bad"));
  RegKey target = Make("Dst");
  HKEY raw = nullptr;
  RegOpenKeyA(root_.get(), "Src", &raw);
  EXPECT_FALSE(CopyRegKey(RegKey(raw), target.get()));
  EXPECT_TRUE(Open("Dst\\Good"));
  EXPECT_TRUE(Open("Dst\\Zed")) << "the walk goes on after the child it skipped";
  EXPECT_FALSE(Open("Dst\\Bad"));
  test::RemoveDanglingLink(src.get(), "Bad");
}

TEST_F(RegistryTreeTest, CopySaysSoWhenATargetChildOrValueCannotBeWritten) {
  {
    RegKey src = Make("Src");
    WriteStringValue(src.get(), "Top", "1");
    RegKey child = Make("Src\\Child");
    WriteStringValue(child.get(), "Deep", "2");
  }
  // Below a volatile key the registry creates only volatile keys, and the copy creates lasting ones.
  HKEY raw = nullptr;
  ASSERT_EQ(RegCreateKeyExA(root_.get(), "Volatile", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &raw,
                            nullptr),
            ERROR_SUCCESS);
  RegKey volatileTarget(raw);
  EXPECT_FALSE(CopyRegKey(Open("Src"), volatileTarget.get()));
  EXPECT_EQ(ReadStringValue(volatileTarget.get(), "Top"), "1") << "the values were copied all the same";
  EXPECT_FALSE(Open("Volatile\\Child"));

  // A target opened for reading takes no value.
  Make("ReadOnly");
  RegKey readOnly = OpenKeyForReading(root_.get(), "ReadOnly");
  ASSERT_TRUE(readOnly);
  EXPECT_FALSE(CopyRegKey(Open("Src"), readOnly.get()));

  RegKey whole = Make("Whole");
  EXPECT_TRUE(CopyRegKey(Open("Src"), whole.get()));
  EXPECT_EQ(ReadStringValue(Open("Whole\\Child").get(), "Deep"), "2");
}

TEST_F(RegistryTreeTest, EnumRegValueReadsEachValueAndEndsWith259) {
  RegKey key = Make("Values");
  std::string longest(200, 'n');
  WriteStringValue(key.get(), "a", "text");
  WriteStringValue(key.get(), longest, "long name");
  WriteStringValue(key.get(), "empty", "");
  std::map<std::string, std::string> seen;
  std::string name;
  RegData data;
  DWORD type = 0;
  long index = 0;
  for (; EnumRegValue(key.get(), index, name, data, type) == 0; ++index) {
    ASSERT_EQ(type, static_cast<DWORD>(REG_SZ));
    seen[name] = std::get<std::string>(data);
  }
  EXPECT_EQ(index, 3);
  EXPECT_EQ(seen.at("a"), "text");
  EXPECT_EQ(seen.at(longest), "long name") << "a name of the key's longest length is read whole";
  EXPECT_EQ(seen.at("empty"), "");
  EXPECT_EQ(EnumRegValue(key.get(), 3, name, data, type), 259);
  EXPECT_TRUE(std::holds_alternative<std::monostate>(data));
}

TEST_F(RegistryTreeTest, EnumRegValueDoesNotReuseALengthForARecycledHandle) {
  // First key: short names only. Close it; the next key opened may get the same handle value.
  HKEY first = nullptr;
  std::string name;
  RegData data;
  DWORD type = 0;
  {
    RegKey key = Make("Short");
    WriteStringValue(key.get(), "x", "1");
    first = key.get();
    ASSERT_EQ(EnumRegValue(key.get(), 0, name, data, type), 0);
  }
  RegKey longKey = Make("LongNames");
  std::string longName(120, 'L');
  WriteStringValue(longKey.get(), longName, "whole");
  for (int attempt = 0; attempt < 20 && longKey.get() != first; ++attempt) longKey = Open("LongNames");
  ASSERT_EQ(longKey.get(), first) << "the system did not hand out the closed key's handle again";
  ASSERT_EQ(EnumRegValue(longKey.get(), 0, name, data, type), 0);
  EXPECT_EQ(name, longName);
  EXPECT_EQ(std::get<std::string>(data), "whole");
}

}  // namespace
