#include "shell_notify_spy.h"

#include <cstring>
#include <string>

namespace corvana::test {
namespace {
// The hook is a plain function; it finds its spy here. One spy at a time.
ShellNotifySpy* g_active = nullptr;

void** FindImportSlot(HMODULE module, const char* dll, const char* function) {
  auto* base = reinterpret_cast<std::uint8_t*>(module);
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (dir.VirtualAddress == 0) return nullptr;
  for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
    if (lstrcmpiA(reinterpret_cast<char*>(base + imp->Name), dll) != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<char*>(byName->Name), function) == 0)
        return reinterpret_cast<void**>(&slots->u1.Function);
    }
  }
  return nullptr;
}

void WriteSlot(void** slot, void* value) {
  DWORD old = 0;
  VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &old);
  *slot = value;
  VirtualProtect(slot, sizeof(void*), old, &old);
}
}  // namespace

ShellNotifySpy::ShellNotifySpy(HMODULE module) {
  if (!module || g_active) return;
  slot_ = FindImportSlot(module, "shell32.dll", "Shell_NotifyIconA");
  if (!slot_) return;
  original_ = *slot_;
  g_active = this;
  WriteSlot(slot_, reinterpret_cast<void*>(&ShellNotifySpy::Hook));
}

ShellNotifySpy::~ShellNotifySpy() {
  if (!slot_) return;
  WriteSlot(slot_, original_);
  g_active = nullptr;
}

BOOL WINAPI ShellNotifySpy::Hook(DWORD message, PNOTIFYICONDATAA data) {
  ShellNotifySpy* spy = g_active;
  ShellCall call{};
  call.message = message;
  std::memcpy(call.record.data(), data, call.record.size());
  std::memcpy(&call.cbSize, call.record.data(), 4);
  call.window = data->hWnd;
  call.id = data->uID;
  call.flags = data->uFlags;
  call.callbackMessage = data->uCallbackMessage;
  call.icon = data->hIcon;
  const char* tip = reinterpret_cast<const char*>(call.record.data() + offsetof(NOTIFYICONDATAA, szTip));
  call.tip.assign(tip, strnlen(tip, 64));
  if (spy->forced_)
    call.result = *spy->forced_;
  else
    call.result = reinterpret_cast<decltype(&Shell_NotifyIconA)>(spy->original_)(message, data);
  spy->calls_.push_back(call);
  return call.result;
}

}  // namespace corvana::test
