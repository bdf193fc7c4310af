#include "com/server/dispatch.h"

#include <vector>

namespace corvana::com {
namespace {

bool IsPlainType(VARTYPE vt) {
  switch (vt) {
    case VT_I1: case VT_I2: case VT_I4: case VT_UI1: case VT_UI2: case VT_UI4: case VT_INT: case VT_UINT:
    case VT_R4: case VT_R8: case VT_CY: case VT_DATE: case VT_DECIMAL: case VT_BSTR: case VT_BOOL:
      return true;
    default:
      return false;
  }
}

// The description of the member a call reaches, or null.
FUNCDESC* FindFunction(ITypeInfo* info, DISPID id, WORD flags) {
  TYPEATTR* attr = nullptr;
  if (FAILED(info->GetTypeAttr(&attr))) return nullptr;
  const UINT count = attr->cFuncs;
  info->ReleaseTypeAttr(attr);
  for (UINT i = 0; i < count; ++i) {
    FUNCDESC* func = nullptr;
    if (FAILED(info->GetFuncDesc(i, &func))) continue;
    const bool put = func->invkind & (INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF);
    if (func->memid == id && put == ((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0)) return func;
    info->ReleaseFuncDesc(func);
  }
  return nullptr;
}

}  // namespace

HRESULT InvokeThroughTypeInfo(void* instance, ITypeInfo* info, DISPID id, WORD flags, DISPPARAMS* params,
                              VARIANT* result, EXCEPINFO* excep, UINT* argError) {
  if (!params || params->cArgs == 0)
    return DispInvoke(instance, info, id, flags, params, result, excep, argError);
  FUNCDESC* func = FindFunction(info, id, flags);
  if (!func) return DispInvoke(instance, info, id, flags, params, result, excep, argError);

  // Which parameter each argument is: positional ones come last-first; the value of a
  // property put is the last parameter.
  const UINT count = params->cArgs;
  const UINT named = params->cNamedArgs;
  auto parameterOf = [&](UINT arg) -> int {
    if (arg < named)
      return params->rgdispidNamedArgs[arg] == DISPID_PROPERTYPUT ? func->cParams - 1 : params->rgdispidNamedArgs[arg];
    return static_cast<int>(count - 1 - arg);
  };

  std::vector<VARIANTARG> args(params->rgvarg, params->rgvarg + count);
  std::vector<VARIANT> converted;
  converted.reserve(count);
  HRESULT hr = S_OK;
  for (UINT arg = 0; arg < count && SUCCEEDED(hr); ++arg) {
    const VARTYPE given = args[arg].vt;
    const int param = parameterOf(arg);
    if ((given != VT_DISPATCH && given != VT_UNKNOWN) || param < 0 || param >= func->cParams) continue;
    const TYPEDESC* type = &func->lprgelemdescParam[param].tdesc;
    if (type->vt == VT_PTR) type = type->lptdesc;
    if (!IsPlainType(type->vt)) continue;
    VARIANT value;
    VariantInit(&value);
    hr = VariantChangeType(&value, &args[arg], 0, type->vt);
    if (FAILED(hr)) {
      if (argError) *argError = arg;
      hr = DISP_E_TYPEMISMATCH;
      break;
    }
    converted.push_back(value);
    args[arg] = value;
  }
  info->ReleaseFuncDesc(func);
  if (SUCCEEDED(hr)) {
    DISPPARAMS adjusted{args.data(), params->rgdispidNamedArgs, count, named};
    hr = DispInvoke(instance, info, id, flags, &adjusted, result, excep, argError);
  }
  for (VARIANT& value : converted) VariantClear(&value);
  return hr;
}

}  // namespace corvana::com
