#pragma once
// Each test gets a store of its own, fresh option variables and a watcher for message boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/global_options.h"
#include "core/registry_store.h"
#include "core/registry_value.h"
#include "support/message_box_watcher.h"
#include "support/registry_sandbox.h"

namespace corvana::test {

class RecordsTest : public ::testing::Test {
 protected:
  RegistrySandbox sandbox_;
  MessageBoxWatcher watcher_;

  void SetUp() override { gOptions = GlobalOptions{}; }
  void TearDown() override { gOptions = GlobalOptions{}; }

  static void Set(const std::string& path, const std::string& name, const std::string& text) {
    RegKey key = CreateKey(HKEY_CURRENT_USER, StoreKeyPath(path));
    ASSERT_TRUE(key);
    ASSERT_TRUE(WriteStringValue(key.get(), name, text));
  }
  static void SetSubKey(const std::string& path, const std::string& subKey, const std::string& text) {
    RegKey key = CreateKey(HKEY_CURRENT_USER, StoreKeyPath(path));
    ASSERT_TRUE(key);
    ASSERT_TRUE(WriteSubKeyDefaultValue(key.get(), subKey, text));
  }
  static std::string Value(const std::string& path, const std::string& name) {
    RegKey key = OpenStoreKey(path);
    return ReadStringValue(key.get(), name);
  }
  static bool HasValue(const std::string& path, const std::string& name) {
    RegKey key = OpenStoreKey(path);
    return key && RegQueryValueExA(key.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  }
  static std::string SubKeyValue(const std::string& path, const std::string& subKey) {
    RegKey key = OpenStoreKey(path);
    return ReadSubKeyDefaultValue(key.get(), subKey);
  }
  // The stored text as the registry keeps it (a NUL inside shows as one), and its type.
  static std::string RawValue(const std::string& path, const std::string& name, DWORD* type = nullptr) {
    RegKey key = OpenStoreKey(path);
    std::wstring wname(name.begin(), name.end());
    DWORD size = 0, t = 0;
    if (!key || RegQueryValueExW(key.get(), wname.c_str(), nullptr, &t, nullptr, &size) != ERROR_SUCCESS)
      return "<missing>";
    std::wstring data(size / sizeof(wchar_t), L'\0');
    if (size && RegQueryValueExW(key.get(), wname.c_str(), nullptr, &t, reinterpret_cast<BYTE*>(data.data()),
                                 &size) != ERROR_SUCCESS)
      return "<unreadable>";
    if (type) *type = t;
    std::string text(data.size() * 2 + 1, '\0');
    int n = WideCharToMultiByte(CP_ACP, 0, data.data(), static_cast<int>(data.size()), text.data(),
                                static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(n > 0 ? n : 0);
    // The registry adds a terminator of its own to a string set without one; the text is before it.
    if (t == REG_SZ && !text.empty() && text.back() == '\0') text.pop_back();
    return text;
  }
  static std::vector<std::string> SubKeys(HKEY root, const std::string& path) {
    std::vector<std::string> names;
    RegKey key = OpenKey(root, path);
    char buf[260] = {};
    for (DWORD i = 0; key && RegEnumKeyA(key.get(), i, buf, sizeof buf) == ERROR_SUCCESS; ++i) names.emplace_back(buf);
    return names;
  }
  static std::vector<std::string> StoreSubKeys(const std::string& path) {
    return SubKeys(HKEY_CURRENT_USER, StoreKeyPath(path));
  }
  std::vector<SeenMessageBox> Messages() const { return watcher_.seen(); }
};

}  // namespace corvana::test
