#pragma once
// An error that escapes an event handler stops at the window procedure that raised the event: a
// message box with the program's title says what went wrong, and the program goes on. Nothing
// unwinds through the platform's code.
#include <exception>

namespace corvana::forms {

void ReportHandlerError(const char* what);

template <class Handler>
void RunGuarded(Handler&& handler) noexcept {
  try {
    handler();
  } catch (const std::exception& e) {
    ReportHandlerError(e.what());
  } catch (...) {
    ReportHandlerError(nullptr);
  }
}

}  // namespace corvana::forms
