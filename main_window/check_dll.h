#pragma once
// The component check of the start-up: each component the program needs is loaded in turn,
// reported on the splash's status line, and a missing one ends the program with a message.
#include <span>
#include <string>

namespace corvana {

struct RequiredLibrary {
  const char* fileLoaded;     // named without a folder: the library search order finds it
  const char* description;    // shown in the status line
  const char* fileInMessage;  // named in the fatal message
  // A platform file that provides the same capability where the first is not installed
  // (null: none). Only the file loaded is ever shown.
  const char* providedBy = nullptr;
};

// The nine components, in the order they are tried.
std::span<const RequiredLibrary> RequiredLibraries();

// What the check does to the windows of the start-up; the splash implements it.
class StartUpSteps {
 public:
  virtual ~StartUpSteps() = default;
  virtual void ShowStatus(const std::string& text, bool repaint) = 0;
  // Loads the main window, sets its window state from gStartMinimized and shows it.
  virtual void ShowMainWindow() = 0;
  virtual void UnloadSplash() = 0;
  // Ends the program at once; in the program it does not return.
  virtual void EndProgram() = 0;
};

bool TryLoadLibrary(const RequiredLibrary& library, StartUpSteps& steps);
void ReportMissingLibraryAndEnd(const std::string& fileName, StartUpSteps& steps);
// False when a component was missing and the program was ended.
bool CheckRequiredLibraries(std::span<const RequiredLibrary> libraries, StartUpSteps& steps);
inline bool CheckRequiredLibraries(StartUpSteps& steps) { return CheckRequiredLibraries(RequiredLibraries(), steps); }

}  // namespace corvana
