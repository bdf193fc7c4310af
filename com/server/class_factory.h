#pragma once
// The class factory that DllGetClassObject hands out for one class: no aggregation, and
// LockServer keeps the library loaded.
#include <windows.h>
#include <unknwn.h>

namespace corvana::com {

// Makes a new instance and hands out the interface asked for.
using CreateInstanceFunction = HRESULT (*)(REFIID iid, void** out);

// A new factory whose CreateInstance calls create, as the interface asked for.
HRESULT MakeClassFactory(CreateInstanceFunction create, REFIID iid, void** out);

}  // namespace corvana::com
