#pragma once
// What tells one control class of the kit from another: what its objects answer and how the
// library registers it.
#include <windows.h>

namespace corvana::com {

// The type library embedded in the control's library, as it is registered.
struct TypeLibVersion {
  const GUID& id;
  WORD major;
  WORD minor;
  LCID locale;
};

struct ControlClass {
  const CLSID& clsid;
  const char* progId;
  const IID& dispatchInterface;          // the default interface: dual, dispatched through the type library
  const IID& eventInterface;             // the default source: a dispinterface
  TypeLibVersion typeLib;
  DWORD miscStatus;                      // OLEMISC_* flags of the content aspect
  int toolboxBitmapId;                   // bitmap resource of the library
  bool notifiesPropertyChanges = false;  // offers an IPropertyNotifySink connection point
};

}  // namespace corvana::com
