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

bool MakeDanglingLink(HKEY parent, const std::string& name) {
  HKEY link = nullptr;
  if (RegCreateKeyExA(parent, name.c_str(), 0, nullptr, REG_OPTION_CREATE_LINK | REG_OPTION_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &link, nullptr) != ERROR_SUCCESS)
    return false;
  const wchar_t target[] = L"\\Registry\\Machine\\Software\\VNCCorvanaTestsNoSuchKey";
  LONG rc = RegSetValueExW(link, L"SymbolicLinkValue", 0, REG_LINK, reinterpret_cast<const BYTE*>(target),
                           sizeof target - sizeof(wchar_t));
  RegCloseKey(link);
  return rc == ERROR_SUCCESS;
}

void RemoveDanglingLink(HKEY parent, const std::string& name) {
  HKEY link = nullptr;
  if (RegOpenKeyExA(parent, name.c_str(), REG_OPTION_OPEN_LINK, KEY_ALL_ACCESS, &link) != ERROR_SUCCESS) return;
  using NtDeleteKeyFn = LONG(WINAPI*)(HANDLE);
  auto ntDeleteKey =
      reinterpret_cast<NtDeleteKeyFn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtDeleteKey")));
  if (ntDeleteKey) ntDeleteKey(link);
  RegCloseKey(link);
}

}  // namespace corvana::test
