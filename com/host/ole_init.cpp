#include "com/host/ole_init.h"

#include <ole2.h>

namespace corvana::com {

OleInitGuard::OleInitGuard() noexcept : hr_(OleInitialize(nullptr)) {}

OleInitGuard::~OleInitGuard() {
  // Every successful call, S_FALSE included, is balanced by one uninitialise.
  if (SUCCEEDED(hr_)) OleUninitialize();
}

}  // namespace corvana::com
