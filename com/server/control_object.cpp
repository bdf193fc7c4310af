#include "com/server/control_object.h"

#include "com/server/type_library.h"

namespace corvana::com {

HRESULT LoadControlTypeInfo(const ControlClass& control, ControlTypeInfo& info) {
  HRESULT hr = LoadModuleTypeInfo(control.dispatchInterface, info.dispatch);
  if (SUCCEEDED(hr)) hr = LoadModuleTypeInfo(control.clsid, info.coclass);
  return hr;
}

}  // namespace corvana::com
