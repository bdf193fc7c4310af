#pragma once
// Redirects HKEY_CURRENT_USER (and optionally HKEY_CLASSES_ROOT) of this process to a scratch key
// of its own, so the product code keeps its real key names and tests never share data.
#include <windows.h>

#include <string>

namespace corvana::test {

class RegistrySandbox {
 public:
  enum Roots { CurrentUser = 1, ClassesRoot = 2 };
  explicit RegistrySandbox(int roots = CurrentUser);
  ~RegistrySandbox();
  RegistrySandbox(const RegistrySandbox&) = delete;
  RegistrySandbox& operator=(const RegistrySandbox&) = delete;

  // Where the redirected HKEY_CURRENT_USER lives, below the real one.
  const std::string& scratchPath() const { return path_; }

 private:
  std::string path_;
  int roots_;
};

// A sub-key that the registry lists but can neither open nor delete: a volatile symbolic link
// to a key that does not exist. It stands in for a key this user has no rights to, which
// Wine's registry does not enforce.
bool MakeDanglingLink(HKEY parent, const std::string& name);
// Removes such a link again (the sandbox cannot delete it by name).
void RemoveDanglingLink(HKEY parent, const std::string& name);

}  // namespace corvana::test
