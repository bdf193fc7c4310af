// The launch tests type into another process's window, which must be the foreground window of
// the desktop. Other test programs run at the same time and activate their own windows, so this
// program runs itself again on a Wine virtual desktop of its own, where the foreground belongs to
// it and the programs it starts. (Its X display is its own too: see own_display.sh.)
#include <windows.h>

#include <gmock/gmock.h>

#include <string>

namespace {

std::string ThreadDesktopName() {
  char name[256] = {};
  GetUserObjectInformationA(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, name, sizeof name - 1, nullptr);
  return name;
}

std::string DesktopNameForThisProgram() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name = path;
  name = name.substr(name.find_last_of("\\/") + 1);
  return "Corvana-" + name.substr(0, name.find('.'));
}

// The exit code of this program run again on the desktop Name.
int RunAgainOnDesktop(const std::string& name) {
  // A desktop with a size in Wine's settings is a virtual desktop of its own.
  HKEY key = nullptr;
  if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Wine\\Explorer\\Desktops", &key) == ERROR_SUCCESS) {
    const char size[] = "1024x768";
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(size), sizeof size);
    RegCloseKey(key);
  }
  // Inherited, it becomes the new process's own desktop, which every thread of it then shares
  // (a watcher thread that answers message boxes too), not only the first thread.
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HDESK handle = CreateDesktopA(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, &inherit);
  if (!handle) {
    fprintf(stderr, "cannot create desktop %s (error %lu)\n", name.c_str(), GetLastError());
    return 1;
  }
  std::string desktop = name;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.lpDesktop = desktop.data();
  PROCESS_INFORMATION info{};
  std::string line = GetCommandLineA();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
    fprintf(stderr, "cannot start the tests on desktop %s (error %lu)\n", name.c_str(), GetLastError());
    CloseDesktop(handle);
    return 1;
  }
  CloseHandle(info.hThread);
  // Below the test's own time limit, so that a hung run ends here and not as an orphan.
  if (WaitForSingleObject(info.hProcess, 280000) != WAIT_OBJECT_0) {
    fprintf(stderr, "tests on desktop %s did not finish\n", name.c_str());
    TerminateProcess(info.hProcess, 1);
  }
  DWORD code = 1;
  GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hProcess);
  CloseDesktop(handle);
  return static_cast<int>(code);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string desktop = DesktopNameForThisProgram();
  if (ThreadDesktopName() != desktop) return RunAgainOnDesktop(desktop);
  testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
