#pragma once
// frmAbout: the product's version and disclaimer, the installed pcAnywhere version, the home-page
// link and the thanks list, whose selection moves on by one every second and starts again at the top.
#include <optional>
#include <string>

#include "forms/basic_controls.h"
#include "forms/form.h"
#include "forms/timer_control.h"

namespace corvana::dialogs {

forms::FormDecl AboutDeclaration();

class frmAbout : public forms::Form {
 public:
  // VersionLine: "Version 1.1.2 (Deutsch)", the running program's version as only it knows it.
  explicit frmAbout(std::string VersionLine);

  struct Parts {
    explicit Parts(const frmAbout& f);
    forms::Label& lblVersion;
    forms::Label& lblDisclaimer;
    forms::Label& lblPCAWversion;
    forms::Label& Label1;
    forms::Label& lblHomePage;
    forms::ListBox& lstThanks;
    forms::Timer& Timer1;
    forms::CommandButton& cmdOK;
  };
  // Throws while the form is not loaded.
  const Parts& parts() const;

  void Timer1_Timer();

 protected:
  void ControlsCreated() override;
  void ControlsReleasing() override;

 private:
  void Form_Load();

  std::string versionLine_;
  std::optional<Parts> parts_;
};

}  // namespace corvana::dialogs
