#pragma once
// Creates a registered object by its ProgID (or "{CLSID}") for late-bound use.
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "win/com_ptr.h"

namespace corvana::com {

// The class identifier of a ProgID or of a braced CLSID text.
HRESULT ClassIdOf(const std::string& progId, CLSID& clsid);

// In-process or local server, whichever is registered; the object's IDispatch, or none with the
// reason in *hr.
ComPtr<IDispatch> CreateObject(const std::string& progId, HRESULT* hr = nullptr);

}  // namespace corvana::com
