#pragma once
// The password prompt of a launch whose connection has no stored password.
#include <random>
#include <string>

#include "core/vnc_viewer_launch.h"
#include "forms/form.h"

namespace corvana::dialogs {

forms::FormDecl PasswordEnterDeclaration();

// Leaves its outcome in gLaunchPassword and gPasswordCancelled; the connection is set before it
// is shown.
class dlgPasswordEnter : public forms::Form {
 public:
  dlgPasswordEnter();

  std::string m_ConnectionPath;  // the full ItemPath of the connection being launched
  std::string m_ConnectionName;

  // The number (1 ...) of the picture of ilst that Pic shows.
  int PictureShown() const { return pictureShown_; }

 private:
  void OnLoad();
  void ShowPicture(int number);

  int pictureShown_ = 0;
};

// The prompt as the launch asks for it: a fresh dlgPasswordEnter, modal, without an owner.
class PasswordEnterPrompt : public PasswordPrompt {
 public:
  void AskPassword(const std::string& ItemPath, const std::string& ConnectionName) override;
};

}  // namespace corvana::dialogs
