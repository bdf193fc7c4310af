#pragma once
// The password prompt that the list's connect asks when a connection has no stored password.
#include <memory>

#include "core/vnc_viewer_launch.h"

namespace corvana {

std::unique_ptr<PasswordPrompt> CreateLaunchPasswordPrompt();

}  // namespace corvana
