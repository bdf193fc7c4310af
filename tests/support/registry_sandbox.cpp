#include "support/registry_sandbox.h"

#include <atomic>
#include <stdexcept>

namespace corvana::test {
namespace {
std::atomic<int> g_sandboxCount{0};
const char* const kScratchRoot = "Software\\VNCCorvanaTests";
}  // namespace

RegistrySandbox::RegistrySandbox(int roots) : roots_(roots) {
  path_ = std::string(kScratchRoot) + "\\p" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(GetTickCount()) + "-" + std::to_string(g_sandboxCount++);
  RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
  auto redirect = [&](HKEY root, const std::string& sub) {
    HKEY key = nullptr;
    if (RegCreateKeyA(HKEY_CURRENT_USER, sub.c_str(), &key) != ERROR_SUCCESS)
      throw std::runtime_error("cannot create scratch key " + sub);
    LONG rc = RegOverridePredefKey(root, key);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) throw std::runtime_error("RegOverridePredefKey failed");
  };
  // Classes first: once HKEY_CURRENT_USER is redirected, its scratch path would nest.
  if (roots_ & ClassesRoot) redirect(HKEY_CLASSES_ROOT, path_ + "\\Classes");
  if (roots_ & CurrentUser) redirect(HKEY_CURRENT_USER, path_ + "\\User");
}

RegistrySandbox::~RegistrySandbox() {
  if (roots_ & CurrentUser) RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  if (roots_ & ClassesRoot) RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
  RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
}

}  // namespace corvana::test
