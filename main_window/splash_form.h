#pragma once
// The splash window frmSplash: picture, version, disclaimer and pcAnywhere lines, and the status
// line of the start-up. Its first timer tick runs the component check and starts the main window.
#include <functional>
#include <string>

#include "core/registry_upgrade.h"
#include "forms/basic_controls.h"
#include "forms/form.h"
#include "forms/timer_control.h"
#include "main_window/check_dll.h"

namespace corvana {

forms::FormDecl SplashFormDeclaration();

class SplashForm : public forms::Form, public UpgradeStatusLine, public StartUpSteps {
 public:
  // ShowMainWindow: loads and shows the main window; EndProgram: ends the program at once.
  SplashForm(std::function<void()> showMainWindow, std::function<void()> endProgram);

  forms::Label& lblStatus() const { return Get<forms::Label>("lblStatus"); }
  forms::Label& lblVersion() const { return Get<forms::Label>("lblVersion"); }
  forms::Label& lblDisclaimer() const { return Get<forms::Label>("lblDisclaimer"); }
  forms::Label& lblPCAWversion() const { return Get<forms::Label>("lblPCAWversion"); }
  forms::Timer& Timer1() const { return Get<forms::Timer>("Timer1"); }
  // The component table the check walks; the program's nine rows unless a test sets others.
  std::span<const RequiredLibrary> libraries = RequiredLibraries();

  // Main's show: modeless, minimised when the program was started so.
  void ShowAtStart(bool minimised);

  void Form_Load();
  void Form_Activate();
  void Form_Paint();
  void Timer1_Timer();

  // UpgradeStatusLine
  void ShowStatus(const std::string& Text) override { ShowStatus(Text, true); }
  // StartUpSteps
  void ShowStatus(const std::string& text, bool repaint) override;
  void ShowMainWindow() override;
  void UnloadSplash() override;
  void EndProgram() override;

 private:
  std::function<void()> showMainWindow_, endProgram_;
};

}  // namespace corvana
