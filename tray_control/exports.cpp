// The four entry points of the in-process server.
#include <windows.h>
#include <olectl.h>

#include "KW_TrayIcon.h"
#include "com/server/class_factory.h"
#include "com/server/module.h"
#include "com/server/registration.h"
#include "tray_control/tray_notification.h"

namespace {

corvana::com::ControlRegistration Registration() {
  return {CLSID_KW_TrayNotification,
          "KW_TrayIcon.KW_TrayNotification",
          LIBID_KW_TrayIcon,
          2,
          2,
          0x409,
          corvana::tray::kTrayMiscStatus,
          corvana::tray::kToolboxBitmapId};
}

}  // namespace

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  const corvana::com::ServerClass classes[] = {{&CLSID_KW_TrayNotification, &corvana::tray::TrayNotification::Create}};
  return corvana::com::GetClassObject(clsid, iid, out, classes);
}

STDAPI DllCanUnloadNow() { return corvana::com::CanUnloadModule(); }

STDAPI DllRegisterServer() { return corvana::com::RegisterControl(Registration()); }

STDAPI DllUnregisterServer() { return corvana::com::UnregisterControl(Registration()); }
