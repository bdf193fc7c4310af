#include "main_window/start_up.h"

#include "main_window/program_state.h"

namespace corvana {

Program::Program() {
  // A failed component check ends the program at once, with nothing run after it.
  splash_ = std::make_unique<SplashForm>([this] { ShowMainWindow(); }, [] { ExitProcess(1); });
}

void Program::Main() {
  gStartMinimized = 0;
  // A shortcut set to run minimised starts the splash minimised; its Activate restores it.
  STARTUPINFOA start{};
  start.cb = sizeof start;
  GetStartupInfoA(&start);
  bool minimised = (start.dwFlags & STARTF_USESHOWWINDOW) &&
                   (start.wShowWindow == SW_SHOWMINIMIZED || start.wShowWindow == SW_MINIMIZE ||
                    start.wShowWindow == SW_SHOWMINNOACTIVE);
  splash_->ShowAtStart(minimised);
}

void Program::ShowMainWindow() {
  MainFormServices services;
  services.statusLine = splash_.get();
  main_ = std::make_unique<MainForm>(std::move(services));
  main_->LoadForm();
  main_->SetWindowState(gStartMinimized == 1 ? forms::kMinimized : forms::kNormal);
  main_->Show(forms::ShowMode::Modeless);
}

}  // namespace corvana
