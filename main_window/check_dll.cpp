#include "main_window/check_dll.h"

#include <windows.h>

#include <array>

#include "core/message_box.h"
#include "core/string_table.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {


// Rows 1 and 9 are the program's own control libraries. The Windows family of control
// libraries (.ocx) is not part of every platform that runs the program (Wine has none of the
// four): where it is absent, the row passes when the platform library that provides what the
// program really uses is there. The program draws its common controls through comctl32.dll
// (tree, list, toolbar, status bar, image lists, progress bar, animation), its file dialogs
// through comdlg32.dll, and the probe control's sockets through ws2_32.dll.
constexpr std::array<RequiredLibrary, 9> kRequiredLibraries{{
    {"kw_trayicon.ocx", "OKW TrayIcon Control", "KW_TrayIcon.ocx"},
    {"comdlg32.ocx", "Windows Common Controls", "comdlg32.ocx", "comdlg32.dll"},
    {"shdocvw.dll", "Windows Shelldocument Library", "shdocvw.dll"},
    {"mswinsck.ocx", "Windows Winsock Library", "mswinsck.ocx", "ws2_32.dll"},
    {"mscomctl.ocx", "Windows Common Controls", "mscomctl.ocx", "comctl32.dll"},
    {"mscomct2.ocx", "Windows Common Controls-2", "mscomct2.ocx", "comctl32.dll"},
    {"stdole2.tlb", "OLE", "stdole2.tlb"},
    {"shell32.dll", "Microsoft Shell Controls and Automation", "shell32.dll"},
    {"pinglet.ocx", "Pinglet Control", "pinglet.ocx"},
}};

bool Load(const char* file) {
  // Loaded for the rest of the run and never freed, so a component stays as checked.
  return file && LoadLibraryA(file) != nullptr;
}

}  // namespace

std::span<const RequiredLibrary> RequiredLibraries() { return kRequiredLibraries; }

bool TryLoadLibrary(const RequiredLibrary& library, StartUpSteps& steps) {
  const std::string line =
      LoadResString(IDS_LOADING) + library.fileLoaded + " (" + library.description + ") ...";
  steps.ShowStatus(line, true);
  const bool loaded = Load(library.fileLoaded) || Load(library.providedBy);
  steps.ShowStatus(line + (loaded ? "Okay." : LoadResString(IDS_NOT_FOUND)), false);
  SleepEx(100, TRUE);
  return loaded;
}

void ReportMissingLibraryAndEnd(const std::string& fileName, StartUpSteps& steps) {
  ShowMessage(LoadResString(IDS_LIBRARY_NOT_LOADED) + " '" + fileName + "' !\r\n" + LoadResString(IDS_CHECK_INSTALLATION),
              MB_OK | MB_ICONERROR, kProductTitle);
  steps.UnloadSplash();
  steps.EndProgram();
}

bool CheckRequiredLibraries(std::span<const RequiredLibrary> libraries, StartUpSteps& steps) {
  for (const RequiredLibrary& library : libraries) {
    if (!TryLoadLibrary(library, steps)) {
      ReportMissingLibraryAndEnd(library.fileInMessage, steps);
      return false;
    }
  }
  SleepEx(300, TRUE);
  steps.ShowStatus(LoadResString(IDS_LOADING_MAIN_WINDOW), true);
  SleepEx(300, TRUE);
  steps.ShowMainWindow();
  steps.UnloadSplash();
  return true;
}

}  // namespace corvana
