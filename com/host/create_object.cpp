#include "com/host/create_object.h"

#include <objbase.h>

#include "win/com_text.h"

namespace corvana::com {

HRESULT ClassIdOf(const std::string& progId, CLSID& clsid) {
  if (progId.empty()) return CO_E_CLASSSTRING;
  std::wstring wide = ToWide(progId);
  if (wide.front() == L'{') return CLSIDFromString(wide.c_str(), &clsid);
  return CLSIDFromProgID(wide.c_str(), &clsid);
}

ComPtr<IDispatch> CreateObject(const std::string& progId, HRESULT* hr) {
  HRESULT rc = E_FAIL;
  ComPtr<IDispatch> out;
  try {
    CLSID clsid;
    rc = ClassIdOf(progId, clsid);
    if (SUCCEEDED(rc))
      rc = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch, out.putVoid());
  } catch (...) {
    rc = E_OUTOFMEMORY;
  }
  if (FAILED(rc)) out.reset();
  if (hr) *hr = rc;
  return out;
}

}  // namespace corvana::com
