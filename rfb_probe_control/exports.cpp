// The four entry points of the in-process server.
#include <windows.h>
#include <olectl.h>

#include "Pinglet.h"
#include "com/server/class_factory.h"
#include "com/server/module.h"
#include "com/server/registration.h"
#include "rfb_probe_control/rfb_control.h"

namespace {

corvana::com::ControlRegistration Registration() {
  return {CLSID_rfbControl,
          "Pinglet.rfbControl",
          LIBID_Pinglet,
          2,
          0,
          0x409,
          corvana::pinglet::kRfbMiscStatus,
          corvana::pinglet::kToolboxBitmapId};
}

}  // namespace

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  const corvana::com::ServerClass classes[] = {{&CLSID_rfbControl, &corvana::pinglet::RfbControl::Create}};
  return corvana::com::GetClassObject(clsid, iid, out, classes);
}

STDAPI DllCanUnloadNow() { return corvana::com::CanUnloadModule(); }

STDAPI DllRegisterServer() { return corvana::com::RegisterControl(Registration()); }

STDAPI DllUnregisterServer() { return corvana::com::UnregisterControl(Registration()); }
