#include "stand_in_control.h"

#include <atomic>
#include <vector>

namespace corvana::test {
namespace {

std::atomic<int> g_recordCount{0};

void SetVariable(const char* name, const std::string& value) {
  SetEnvironmentVariableA(name, value.empty() ? nullptr : value.c_str());
}

}  // namespace

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of("\\/"));
}

std::string StandInViewerPath() { return ProgramFolder() + "\\vncviewer.exe"; }
std::string StandInBrowserPath() { return ProgramFolder() + "\\stand_in_browser.exe"; }

std::string FreshRecordBase() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "corvana-launch-" + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(g_recordCount++);
}

StandInSettings::StandInSettings(const std::string& recordBase, const std::string& caption, const std::string& gate) {
  for (const char* suffix : {".cmd", ".typed"}) DeleteFileA((recordBase + suffix).c_str());
  SetVariable("CORVANA_STANDIN_RECORD", recordBase);
  SetVariable("CORVANA_STANDIN_CAPTION", caption);
  SetVariable("CORVANA_STANDIN_GATE", gate);
}

StandInSettings::~StandInSettings() {
  for (const char* name : {"CORVANA_STANDIN_RECORD", "CORVANA_STANDIN_CAPTION", "CORVANA_STANDIN_GATE"})
    SetEnvironmentVariableA(name, nullptr);
}

std::optional<std::string> WaitForFile(const std::string& path, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      std::string text;
      char buf[4096];
      DWORD n = 0;
      while (ReadFile(file, buf, sizeof buf, &n, nullptr) && n) text.append(buf, n);
      CloseHandle(file);
      return text;
    }
    Sleep(20);
  } while (GetTickCount() - start < timeoutMs);
  return std::nullopt;
}

std::optional<TypedResult> WaitForTyped(const std::string& recordBase, DWORD timeoutMs) {
  auto text = WaitForFile(recordBase + ".typed", timeoutMs);
  if (!text) return std::nullopt;
  size_t lineEnd = text->find('\n');
  if (lineEnd == std::string::npos) return std::nullopt;
  return TypedResult{text->substr(0, lineEnd) == "enter=1", text->substr(lineEnd + 1)};
}

HWND WaitForDialog(const std::string& caption, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    if (HWND dialog = FindWindowA("#32770", caption.c_str())) return dialog;
    Sleep(20);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

void CloseStandIn(HWND dialog) {
  DWORD pid = 0;
  GetWindowThreadProcessId(dialog, &pid);
  HANDLE process = pid ? OpenProcess(SYNCHRONIZE, FALSE, pid) : nullptr;
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  if (process) {
    WaitForSingleObject(process, 20000);
    CloseHandle(process);
  }
}

void CloseAllStandIns(const std::string& caption) {
  for (int i = 0; i < 20; ++i) {
    HWND dialog = FindWindowA("#32770", caption.c_str());
    if (!dialog) break;
    DWORD pid = 0;
    GetWindowThreadProcessId(dialog, &pid);
    if (pid == GetCurrentProcessId()) break;  // not a stand-in
    CloseStandIn(dialog);
  }
}

}  // namespace corvana::test
