#include "com/server/type_library.h"

#include <string>

#include "com/server/module.h"

namespace corvana::com {

HRESULT LoadModuleTypeLib(ComPtr<ITypeLib>& lib) {
  wchar_t path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameW(ThisModule(), path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return HRESULT_FROM_WIN32(GetLastError());
  return LoadTypeLibEx(path, REGKIND_NONE, lib.ReleaseAndGetAddressOf());
}

HRESULT LoadModuleTypeInfo(REFGUID guid, ComPtr<ITypeInfo>& info) {
  ComPtr<ITypeLib> lib;
  HRESULT hr = LoadModuleTypeLib(lib);
  if (FAILED(hr)) return hr;
  ComPtr<ITypeInfo> found;
  hr = lib->GetTypeInfoOfGuid(guid, &found);
  if (FAILED(hr)) return hr;
  TYPEATTR* attr = nullptr;
  hr = found->GetTypeAttr(&attr);
  if (FAILED(hr)) return hr;
  bool dual = attr->typekind == TKIND_DISPATCH && (attr->wTypeFlags & TYPEFLAG_FDUAL);
  found->ReleaseTypeAttr(attr);
  if (dual) {
    HREFTYPE ref = 0;
    ComPtr<ITypeInfo> vtablePart;
    if (SUCCEEDED(found->GetRefTypeOfImplType(-1, &ref)) && SUCCEEDED(found->GetRefTypeInfo(ref, &vtablePart)))
      found = vtablePart;
  }
  info = found;
  return S_OK;
}

HRESULT CopyClassInfo(const ComPtr<ITypeInfo>& classInfo, ITypeInfo** out) {
  if (!out) return E_POINTER;
  return classInfo.CopyTo(out);
}

HRESULT DefaultSourceGuid(DWORD kind, REFIID eventInterface, GUID* out) {
  if (!out) return E_POINTER;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
    *out = GUID_NULL;
    return E_INVALIDARG;
  }
  *out = eventInterface;
  return S_OK;
}

}  // namespace corvana::com
