#pragma once
// A store of its own for each test, and small ways to set one up and look at it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/registry_store.h"
#include "core/registry_value.h"
#include "support/registry_sandbox.h"

namespace corvana::test {

class StoreTest : public ::testing::Test {
 protected:
  RegistrySandbox sandbox_;

  static void MakeFolder(const std::string& path) { ASSERT_TRUE(CreateFolderKey("", path)); }
  static void MakeConnection(const std::string& path, const std::string& host = "host") {
    RegKey key = CreateKey(HKEY_CURRENT_USER, StoreKeyPath(path));
    ASSERT_TRUE(key);
    WriteSubKeyDefaultValue(key.get(), "Host", host);
    WriteStringValue(key.get(), "ViewOnly", "0");
  }
  static std::string Value(const std::string& path, const std::string& name) {
    RegKey key = OpenStoreKey(path);
    return ReadStringValue(key.get(), name);
  }
  // Names an enumerator reports, "" for the other kinds, in enumeration order.
  template <class Enum>
  static std::vector<std::string> Walk(Enum enumerator, const std::string& folder) {
    RegKey key;
    if (!folder.empty()) key = OpenStoreKey(folder);
    std::vector<std::string> names;
    std::string name;
    for (long i = 0; enumerator(key, i, name) == kEnumMoreEntries; ++i) names.push_back(name);
    return names;
  }
};

}  // namespace corvana::test
