#pragma once
// Self-registration of an in-process ActiveX control library: its class, ProgID and type library
// under HKEY_CLASSES_ROOT, with the module's own path.
#include <windows.h>

#include "com/server/control_class.h"

namespace corvana::com {

// InprocServer32 (ThreadingModel Apartment), Control, MiscStatus, ToolboxBitmap32, TypeLib,
// Version and ProgID below the class key, the ProgID key, and the embedded type library.
HRESULT RegisterControl(const ControlClass& control);
// Removes all of that again; what is already gone is no failure.
HRESULT UnregisterControl(const ControlClass& control);

}  // namespace corvana::com
