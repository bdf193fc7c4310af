#include "com/server/registration.h"

#include <oleauto.h>
#include <olectl.h>

#include "com/server/module.h"
#include "com/server/type_library.h"
#include "win/handles.h"

namespace corvana::com {
namespace {

std::string GuidText(const GUID& guid) {
  wchar_t wide[40] = {};
  StringFromGUID2(guid, wide, 40);
  char text[40] = {};
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

// Creates HKEY_CLASSES_ROOT\path and sets its default value (when given) and one named value.
bool SetKey(const std::string& path, const std::string* value, const char* name = nullptr,
            const std::string* named = nullptr) {
  RegKey key;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.put(), nullptr) !=
      ERROR_SUCCESS)
    return false;
  auto set = [&](const char* valueName, const std::string& data) {
    return RegSetValueExA(key.get(), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
  };
  if (value && !set(nullptr, *value)) return false;
  if (name && named && !set(name, *named)) return false;
  return true;
}

bool DeleteTree(const std::string& path) {
  LONG rc = RegDeleteTreeA(HKEY_CLASSES_ROOT, path.c_str());
  if (rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND) {
    RegDeleteKeyA(HKEY_CLASSES_ROOT, path.c_str());  // RegDeleteTree empties a key but may leave it
    return true;
  }
  return false;
}

}  // namespace

HRESULT RegisterControl(const ControlClass& control) {
  std::string path = ThisModulePath();
  if (path.empty()) return E_UNEXPECTED;

  ComPtr<ITypeLib> lib;
  HRESULT hr = LoadModuleTypeLib(lib);
  if (FAILED(hr)) return hr;
  std::wstring widePath(MAX_PATH, L'\0');
  widePath.resize(GetModuleFileNameW(ThisModule(), widePath.data(), MAX_PATH));
  hr = RegisterTypeLib(lib.get(), widePath.data(), nullptr);
  if (FAILED(hr)) return hr;

  const std::string progId = control.progId;
  const std::string clsKey = "CLSID\\" + GuidText(control.clsid);
  const std::string clsid = GuidText(control.clsid);
  const std::string apartment = "Apartment";
  const std::string version = std::to_string(control.typeLib.major) + "." + std::to_string(control.typeLib.minor);
  const std::string misc = std::to_string(control.miscStatus);
  const std::string zero = "0";
  const std::string bitmap = path + ", " + std::to_string(control.toolboxBitmapId);
  const std::string typeLib = GuidText(control.typeLib.id);
  bool ok = SetKey(progId, &progId) && SetKey(progId + "\\CLSID", &clsid) && SetKey(clsKey, &progId) &&
            SetKey(clsKey + "\\ProgID", &progId) &&
            SetKey(clsKey + "\\InprocServer32", &path, "ThreadingModel", &apartment) &&
            SetKey(clsKey + "\\Control", nullptr) && SetKey(clsKey + "\\MiscStatus", &zero) &&
            SetKey(clsKey + "\\MiscStatus\\1", &misc) && SetKey(clsKey + "\\ToolboxBitmap32", &bitmap) &&
            SetKey(clsKey + "\\TypeLib", &typeLib) && SetKey(clsKey + "\\Version", &version);
  if (!ok) {
    UnregisterControl(control);
    return SELFREG_E_CLASS;
  }
  return S_OK;
}

HRESULT UnregisterControl(const ControlClass& control) {
  bool ok = DeleteTree("CLSID\\" + GuidText(control.clsid)) && DeleteTree(control.progId);
  // A library that is not registered (any more) is what unregistration wants.
  BSTR registeredPath = nullptr;
  const TypeLibVersion& lib = control.typeLib;
  if (SUCCEEDED(QueryPathOfRegTypeLib(lib.id, lib.major, lib.minor, lib.locale, &registeredPath))) {
    SysFreeString(registeredPath);
    const SYSKIND platform = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
    HRESULT hr = UnRegisterTypeLib(lib.id, lib.major, lib.minor, lib.locale, platform);
    if (FAILED(hr)) return hr;
  }
  return ok ? S_OK : SELFREG_E_CLASS;
}

}  // namespace corvana::com
