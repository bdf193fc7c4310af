#pragma once
// The program's start: Main shows the splash, whose events run everything after it.
#include <memory>

#include "main_window/main_form.h"
#include "main_window/splash_form.h"

namespace corvana {

// The program's windows, alive from Main until the message loop ends.
class Program {
 public:
  Program();
  // The start procedure: clears the started-minimised flag and shows the splash without waiting.
  void Main();
  SplashForm& frmSplash() { return *splash_; }
  MainForm* frmMain() { return main_.get(); }

 private:
  void ShowMainWindow();
  std::unique_ptr<SplashForm> splash_;
  std::unique_ptr<MainForm> main_;
};

}  // namespace corvana
