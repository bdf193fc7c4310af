#include "main_window/launch_prompt.h"

#if __has_include("dialogs/password_enter.h")
#include "dialogs/password_enter.h"
#endif

namespace corvana {
namespace {

// Until the dialogs are part of the build a missing password counts as a cancelled prompt.
class NoPrompt : public PasswordPrompt {
 public:
  void AskPassword(const std::string&, const std::string&) override {
    gLaunchPassword.clear();
    gPasswordCancelled = true;
  }
};

}  // namespace

std::unique_ptr<PasswordPrompt> CreateLaunchPasswordPrompt() {
#if __has_include("dialogs/password_enter.h")
  return std::make_unique<dialogs::PasswordEnterPrompt>();
#else
  return std::make_unique<NoPrompt>();
#endif
}

}  // namespace corvana
