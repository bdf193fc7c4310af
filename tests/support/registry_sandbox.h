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

}  // namespace corvana::test
