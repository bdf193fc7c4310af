#pragma once
// DllGetClassObject for a library's classes: one factory per request, no aggregation.
#include <windows.h>
#include <unknwn.h>

#include <span>

namespace corvana::com {

// Makes a new instance and hands out the interface asked for.
using CreateInstanceFunction = HRESULT (*)(REFIID iid, void** out);

struct ServerClass {
  const CLSID* clsid;
  CreateInstanceFunction create;
};

HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** out, std::span<const ServerClass> classes);

}  // namespace corvana::com
