#include "forms/handler_guard.h"

#include "core/message_box.h"

namespace corvana::forms {

void ReportHandlerError(const char* what) {
  ShowMessage(what && *what ? what : "Unexpected error", MB_OK | MB_ICONERROR, kApplicationTitle);
}

}  // namespace corvana::forms
