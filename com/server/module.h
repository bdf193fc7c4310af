#pragma once
// The in-process server's own module: where it lives, and whether anything still needs it loaded.
#include <windows.h>

#include <string>

namespace corvana::com {

// The library this code is linked into (not the host process).
HMODULE ThisModule() noexcept;
// Its full path, as it is registered.
std::string ThisModulePath();

// Live objects and LockServer calls keep the library loaded; DllCanUnloadNow asks CanUnloadModule.
void LockModule() noexcept;
void UnlockModule() noexcept;
HRESULT CanUnloadModule() noexcept;

// Held by every object the library hands out, for the object's whole life.
class ModuleLock {
 public:
  ModuleLock() noexcept { LockModule(); }
  ~ModuleLock() { UnlockModule(); }
  ModuleLock(const ModuleLock&) = delete;
  ModuleLock& operator=(const ModuleLock&) = delete;
};

}  // namespace corvana::com
