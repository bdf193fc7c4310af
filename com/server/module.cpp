#include "com/server/module.h"

#include <atomic>

namespace corvana::com {
namespace {
// The one piece of library-wide state COM asks for: how many objects and locks are out.
std::atomic<long> g_locks{0};
}  // namespace

HMODULE ThisModule() noexcept {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

std::string ThisModulePath() {
  char path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(ThisModule(), path, MAX_PATH);
  return std::string(path, n < MAX_PATH ? n : 0);
}

void LockModule() noexcept { ++g_locks; }
void UnlockModule() noexcept { --g_locks; }
HRESULT CanUnloadModule() noexcept { return g_locks.load() == 0 ? S_OK : S_FALSE; }

}  // namespace corvana::com
