#pragma once
// Self-registration of an in-process ActiveX control library: its class, ProgID and type library
// under HKEY_CLASSES_ROOT, with the module's own path.
#include <windows.h>

#include <string>

namespace corvana::com {

struct ControlRegistration {
  CLSID clsid;
  std::string progId;
  GUID typeLib;
  WORD typeLibMajor;
  WORD typeLibMinor;
  LCID typeLibLocale;
  DWORD miscStatus;      // OLEMISC_* flags of the content aspect
  int toolboxBitmapId;   // bitmap resource of the library
};

// InprocServer32 (ThreadingModel Apartment), Control, MiscStatus, ToolboxBitmap32, TypeLib,
// Version and ProgID below the class key, the ProgID key, and the embedded type library.
HRESULT RegisterControl(const ControlRegistration& control);
// Removes all of that again; what is already gone is no failure.
HRESULT UnregisterControl(const ControlRegistration& control);

}  // namespace corvana::com
