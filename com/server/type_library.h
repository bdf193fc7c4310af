#pragma once
// The type library embedded in this module (resource TYPELIB 1), loaded without registering it.
#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>
#include <olectl.h>

#include "win/com_ptr.h"

namespace corvana::com {

HRESULT LoadModuleTypeLib(ComPtr<ITypeLib>& lib);
// The type info of guid; for a dual interface the interface half, so that DispInvoke calls
// through the vtable with the dispatch ids of the library.
HRESULT LoadModuleTypeInfo(REFGUID guid, ComPtr<ITypeInfo>& info);

}  // namespace corvana::com
