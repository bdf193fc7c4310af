#include "pcaw_fixture.h"

#include <atomic>
#include <fstream>
#include <vector>

#include "core/pcaw.h"

namespace corvana::test {

namespace {
std::atomic<int> g_folderCount{0};

BOOL CALLBACK CollectWindow(HWND wnd, LPARAM param) {
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  if (pid == GetCurrentProcessId() && IsWindowVisible(wnd)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(wnd);
  return TRUE;
}
}  // namespace

void WriteTextFile(const std::string& path, const std::string& text) {
  std::string folder = path.substr(0, path.find_last_of('\\'));
  for (size_t pos = folder.find('\\', 3); ; pos = folder.find('\\', pos + 1)) {
    CreateDirectoryA(folder.substr(0, pos).c_str(), nullptr);
    if (pos == std::string::npos) break;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((path + "\\*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = path + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(full);
      else
        DeleteFileA(full.c_str());
    } while (FindNextFileA(find, &found));
    FindClose(find);
  }
  RemoveDirectoryA(path.c_str());
}

ScratchFolder::ScratchFolder(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  path_ = std::string(temp) + "corvana-" + name + "-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(g_folderCount++);
  RemoveTree(path_);
  CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

std::string ScratchFolder::write(const std::string& relative, const std::string& text) const {
  std::string full = path_ + "\\" + relative;
  WriteTextFile(full, text);
  return full;
}

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p = path;
  return p.substr(0, p.find_last_of('\\'));
}

void PcAWTest::SetUp() {
  ASSERT_TRUE(ole_);
  gPcAW.reset();
}

void PcAWTest::TearDown() {
  // The gateway holds the server object: it ends before OLE does.
  gPcAW.reset();
}

int CloseNewTopLevelWindows(DWORD timeoutMs) {
  int closed = 0;
  DWORD start = GetTickCount();
  bool seenAny = false;
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND w : windows) {
      PostMessageA(w, WM_CLOSE, 0, 0);
      ++closed;
      seenAny = true;
    }
    if (GetTickCount() - start > timeoutMs) break;
    if (seenAny && windows.empty()) break;
    Sleep(20);
  }
  return closed;
}

}  // namespace corvana::test
