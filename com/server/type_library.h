#pragma once
// The type library embedded in this module (resource TYPELIB 1), loaded without registering it.
#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>
#include <olectl.h>
#include <wrl/client.h>

namespace corvana::com {

using Microsoft::WRL::ComPtr;

HRESULT LoadModuleTypeLib(ComPtr<ITypeLib>& lib);
// The type info of guid; for a dual interface the interface half, so that DispInvoke calls
// through the vtable with the dispatch ids of the library.
HRESULT LoadModuleTypeInfo(REFGUID guid, ComPtr<ITypeInfo>& info);

// IProvideClassInfo2 of a control: its coclass type info, and its default event interface.
HRESULT CopyClassInfo(const ComPtr<ITypeInfo>& classInfo, ITypeInfo** out);
HRESULT DefaultSourceGuid(DWORD kind, REFIID eventInterface, GUID* out);

}  // namespace corvana::com
