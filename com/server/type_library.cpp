#include "com/server/type_library.h"

#include "com/server/module.h"

namespace corvana::com {

HRESULT LoadModuleTypeLib(ComPtr<ITypeLib>& lib) {
  wchar_t path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameW(ThisModule(), path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return HRESULT_FROM_WIN32(GetLastError());
  return LoadTypeLibEx(path, REGKIND_NONE, lib.put());
}

HRESULT LoadModuleTypeInfo(REFGUID guid, ComPtr<ITypeInfo>& info) {
  ComPtr<ITypeLib> lib;
  HRESULT hr = LoadModuleTypeLib(lib);
  if (FAILED(hr)) return hr;
  ComPtr<ITypeInfo> found;
  hr = lib->GetTypeInfoOfGuid(guid, found.put());
  if (FAILED(hr)) return hr;
  TYPEATTR* attr = nullptr;
  hr = found->GetTypeAttr(&attr);
  if (FAILED(hr)) return hr;
  bool dual = attr->typekind == TKIND_DISPATCH && (attr->wTypeFlags & TYPEFLAG_FDUAL);
  found->ReleaseTypeAttr(attr);
  if (dual) {
    HREFTYPE ref = 0;
    ComPtr<ITypeInfo> vtablePart;
    if (SUCCEEDED(found->GetRefTypeOfImplType(-1, &ref)) && SUCCEEDED(found->GetRefTypeInfo(ref, vtablePart.put())))
      found = std::move(vtablePart);
  }
  info = std::move(found);
  return S_OK;
}

}  // namespace corvana::com
