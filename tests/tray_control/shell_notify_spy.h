#pragma once
// Watches the control library's calls of Shell_NotifyIconA by rewriting its import slot, so a
// test sees the exact record the shell gets, and can make the shell refuse.
#include <windows.h>
#include <shellapi.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvana::test {

struct ShellCall {
  DWORD message;
  std::array<std::uint8_t, NOTIFYICONDATAA_V1_SIZE> record;  // the first cbSize bytes the control handed over
  DWORD cbSize;
  HWND window;
  UINT id;
  UINT flags;
  UINT callbackMessage;
  HICON icon;
  std::string tip;  // szTip up to its NUL
  BOOL result;
};

class ShellNotifySpy {
 public:
  // module: the loaded control library whose import is watched.
  explicit ShellNotifySpy(HMODULE module);
  ~ShellNotifySpy();
  ShellNotifySpy(const ShellNotifySpy&) = delete;
  ShellNotifySpy& operator=(const ShellNotifySpy&) = delete;

  bool installed() const { return slot_ != nullptr; }
  // Empty: the real shell answers. Otherwise every call gets this answer without reaching it.
  void forceResult(std::optional<BOOL> result) { forced_ = result; }
  const std::vector<ShellCall>& calls() const { return calls_; }
  const ShellCall& last() const { return calls_.back(); }
  void clear() { calls_.clear(); }

 private:
  static BOOL WINAPI Hook(DWORD message, PNOTIFYICONDATAA data);

  void** slot_ = nullptr;
  void* original_ = nullptr;
  std::optional<BOOL> forced_;
  std::vector<ShellCall> calls_;
};

}  // namespace corvana::test
