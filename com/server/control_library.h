#pragma once
// The four exports of a control library (DllGetClassObject, DllCanUnloadNow, DllRegisterServer,
// DllUnregisterServer) are the kit's own, in control_library.cpp; they serve the table of
// controls that the library defines as LibraryControls().
#include <windows.h>

#include <span>

#include "com/server/class_factory.h"
#include "com/server/control_class.h"
#include "com/server/control_object.h"

namespace corvana::com {

struct LibraryControl {
  const ControlClass* control;
  CreateInstanceFunction create;
};

// The table entry of control T (a ControlObject with its ControlClass kClass).
template <class T>
inline constexpr LibraryControl kLibraryControl{&T::kClass, &CreateControl<T>};

// Defined once by each control library: the controls it serves.
std::span<const LibraryControl> LibraryControls();

}  // namespace corvana::com
