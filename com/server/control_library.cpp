// The exports of every control library, answered from its table of controls.
#include "com/server/control_library.h"

#include <olectl.h>

#include "com/server/module.h"
#include "com/server/registration.h"

using corvana::com::LibraryControl;
using corvana::com::LibraryControls;

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  for (const LibraryControl& entry : LibraryControls()) {
    if (entry.control->clsid == clsid) return corvana::com::MakeClassFactory(entry.create, iid, out);
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow() { return corvana::com::CanUnloadModule(); }

STDAPI DllRegisterServer() {
  for (const LibraryControl& entry : LibraryControls()) {
    if (HRESULT hr = corvana::com::RegisterControl(*entry.control); FAILED(hr)) return hr;
  }
  return S_OK;
}

STDAPI DllUnregisterServer() {
  // Every control is removed even when one of them fails; the first failure is the answer.
  HRESULT result = S_OK;
  for (const LibraryControl& entry : LibraryControls()) {
    HRESULT hr = corvana::com::UnregisterControl(*entry.control);
    if (FAILED(hr) && SUCCEEDED(result)) result = hr;
  }
  return result;
}
