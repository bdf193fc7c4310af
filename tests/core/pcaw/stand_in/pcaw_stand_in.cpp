// A stand-in for pcAnywhere's automation server, for tests only: an in-process server registered
// under the server's ProgID with a class identifier of our own.
//
// RetrieveObject(FileName, 0, "") reads a text file of lines "Name=Value" and returns an object
// with the connection properties by name, each in the server's type (text, Boolean, 16-bit
// integer). "Name:str=Value" delivers a value as text whatever its type, "-Name" takes the
// property away, and a first line "#nothing" makes it return Nothing. A file that cannot be
// opened raises an error, as the server does.
// Launch(FileName) writes FileName to HKCU\Software\Corvana pcAW stand-in, value "Launched"
// (the caller's redirected HKEY_CURRENT_USER, since it runs in the caller's process) and returns
// True when the file exists.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <olectl.h>

#include <fstream>
#include <map>
#include <memory>
#include <string>

namespace {

const CLSID kStandInClsid = {0x6C1E0F52, 0x3A77, 0x4B8E, {0x9D, 0x21, 0x5F, 0x0A, 0x7C, 0x3B, 0x9E, 0x14}};
const char kClsidText[] = "{6C1E0F52-3A77-4B8E-9D21-5F0A7C3B9E14}";
const char kProgId[] = "WINAWSVR.REMOTEDATAMANAGER";
const char kServerExe[] = "pcaw_stand_in_server.exe";

HMODULE g_module = nullptr;

std::wstring Wide(const std::string& s) {
  int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, w.data(), n);
  w.resize(static_cast<size_t>(n > 0 ? n - 1 : 0));
  return w;
}

std::string Ansi(const wchar_t* w) {
  if (!w) return {};
  int n = WideCharToMultiByte(CP_ACP, 0, w, -1, nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, w, -1, s.data(), n, nullptr, nullptr);
  s.resize(static_cast<size_t>(n > 0 ? n - 1 : 0));
  return s;
}

std::string Upper(std::string s) {
  CharUpperBuffA(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

// A text argument, by value or by reference.
bool TextArg(DISPPARAMS* p, UINT indexFromFirst, std::string& out) {
  if (indexFromFirst >= p->cArgs) return false;
  VARIANT v;
  VariantInit(&v);
  if (FAILED(VariantChangeType(&v, &p->rgvarg[p->cArgs - 1 - indexFromFirst], 0, VT_BSTR))) return false;
  out = Ansi(v.bstrVal);
  VariantClear(&v);
  return true;
}

HRESULT Raise(EXCEPINFO* info, const wchar_t* text) {
  if (info) {
    *info = EXCEPINFO{};
    info->scode = E_FAIL;
    info->bstrSource = SysAllocString(L"WINAWSVR");
    info->bstrDescription = SysAllocString(text);
  }
  return DISP_E_EXCEPTION;
}

// IDispatch by a table of member names; members are numbered from 1 in table order.
class NamedDispatch : public IDispatch {
 public:
  virtual ~NamedDispatch() = default;
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG n = InterlockedDecrement(&refs_);
    if (n == 0) delete this;
    return static_cast<ULONG>(n);
  }
  STDMETHODIMP GetTypeInfoCount(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** t) override {
    *t = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
      auto it = ids_.find(Upper(Ansi(names[i])));
      ids[i] = it == ids_.end() ? DISPID_UNKNOWN : it->second;
      if (it == ids_.end()) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
  }

 protected:
  void addName(const std::string& name, DISPID id) { ids_[Upper(name)] = id; }

 private:
  LONG refs_ = 1;
  std::map<std::string, DISPID> ids_;
};

enum class Kind { Text, Boolean, Short };

const struct {
  const char* name;
  Kind kind;
} kProperties[] = {
    {"ConnectionType", Kind::Text},     {"AutoXferFile", Kind::Text},         {"ScriptFile", Kind::Text},
    {"RecordFile", Kind::Text},         {"RunOnConnect", Kind::Boolean},      {"LogSession", Kind::Boolean},
    {"WriteProtection", Kind::Boolean}, {"ReadProtection", Kind::Boolean},    {"ExecuteProtection", Kind::Boolean},
    {"Password", Kind::Text},           {"AutoLoginPassword", Kind::Text},    {"AutoLoginName", Kind::Text},
    {"RedialDelay", Kind::Short},       {"RedialCount", Kind::Short},         {"CountryCode", Kind::Text},
    {"AreaCode", Kind::Text},           {"UseDialingProperties", Kind::Boolean}, {"PhoneNumber", Kind::Text},
    {"ComputerName", Kind::Text},
};

class ConnectionObject : public NamedDispatch {
 public:
  ConnectionObject() {
    for (size_t i = 0; i < std::size(kProperties); ++i) {
      VARIANT v;
      VariantInit(&v);
      values_[static_cast<DISPID>(i + 1)] = v;
      addName(kProperties[i].name, static_cast<DISPID>(i + 1));
    }
  }
  ~ConnectionObject() override {
    for (auto& [id, v] : values_) VariantClear(&v);
  }
  // Sets one property from a line of the file; false for a name the server does not know.
  bool set(const std::string& name, const std::string& value, bool asText) {
    for (size_t i = 0; i < std::size(kProperties); ++i) {
      if (Upper(name) != Upper(kProperties[i].name)) continue;
      VARIANT& slot = values_[static_cast<DISPID>(i + 1)];
      VariantClear(&slot);
      VARIANT text;
      VariantInit(&text);
      text.vt = VT_BSTR;
      text.bstrVal = SysAllocString(Wide(value).c_str());
      VARTYPE to = asText ? VT_BSTR : kProperties[i].kind == Kind::Boolean ? VT_BOOL
                                    : kProperties[i].kind == Kind::Short   ? VT_I2
                                                                           : VT_BSTR;
      HRESULT hr = VariantChangeType(&slot, &text, 0, to);
      VariantClear(&text);
      return SUCCEEDED(hr);
    }
    return false;
  }
  void remove(const std::string& name) {
    for (size_t i = 0; i < std::size(kProperties); ++i)
      if (Upper(name) == Upper(kProperties[i].name)) values_.erase(static_cast<DISPID>(i + 1));
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO* info,
                      UINT*) override {
    auto it = values_.find(id);
    if (it == values_.end()) return DISP_E_MEMBERNOTFOUND;
    if (!(flags & DISPATCH_PROPERTYGET)) return Raise(info, L"read-only property");
    return result ? VariantCopy(result, &it->second) : S_OK;
  }

 private:
  std::map<DISPID, VARIANT> values_;
};

enum : DISPID { kRetrieveObject = 1, kLaunch = 2 };

class RemoteDataManager : public NamedDispatch {
 public:
  RemoteDataManager() {
    addName("RetrieveObject", kRetrieveObject);
    addName("Launch", kLaunch);
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT* result, EXCEPINFO* info,
                      UINT*) override {
    if (result) VariantInit(result);
    std::string file;
    if (id == kRetrieveObject) {
      if (p->cArgs != 3 || !TextArg(p, 0, file)) return DISP_E_BADPARAMCOUNT;
      return retrieve(file, result, info);
    }
    if (id == kLaunch) {
      if (p->cArgs != 1 || !TextArg(p, 0, file)) return DISP_E_BADPARAMCOUNT;
      HKEY key = nullptr;
      if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Corvana pcAW stand-in", &key) == ERROR_SUCCESS) {
        RegSetValueExA(key, "Launched", 0, REG_SZ, reinterpret_cast<const BYTE*>(file.c_str()),
                       static_cast<DWORD>(file.size() + 1));
        RegCloseKey(key);
      }
      if (result) {
        result->vt = VT_BOOL;
        result->boolVal = GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES ? VARIANT_TRUE : VARIANT_FALSE;
      }
      return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  HRESULT retrieve(const std::string& file, VARIANT* result, EXCEPINFO* info) {
    std::ifstream in(file);
    if (!in) return Raise(info, L"connection file not found");
    auto object = std::make_unique<ConnectionObject>();
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (first && line == "#nothing") {
        if (result) {
          result->vt = VT_DISPATCH;
          result->pdispVal = nullptr;
        }
        return S_OK;
      }
      first = false;
      if (line.empty()) continue;
      if (line[0] == '-') {
        object->remove(line.substr(1));
        continue;
      }
      auto eq = line.find('=');
      if (eq == std::string::npos) return Raise(info, L"connection file damaged");
      std::string name = line.substr(0, eq);
      bool asText = false;
      if (auto colon = name.find(":str"); colon != std::string::npos) {
        name.resize(colon);
        asText = true;
      }
      if (!object->set(name, line.substr(eq + 1), asText)) return Raise(info, L"connection file damaged");
    }
    if (result) {
      result->vt = VT_DISPATCH;
      result->pdispVal = object.release();
    }
    return S_OK;
  }
};

class Factory : public IClassFactory {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
      *out = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto object = std::make_unique<RemoteDataManager>();
    HRESULT hr = object->QueryInterface(riid, out);
    object.release()->Release();  // the QueryInterface reference keeps it, or it ends here
    return hr;
  }
  STDMETHODIMP LockServer(BOOL) override { return S_OK; }
};

Factory g_factory;

bool SetDefault(const std::string& key, const std::string& value, const char* name = nullptr) {
  HKEY h = nullptr;
  if (RegCreateKeyA(HKEY_CLASSES_ROOT, key.c_str(), &h) != ERROR_SUCCESS) return false;
  LONG rc = RegSetValueExA(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>(value.size() + 1));
  RegCloseKey(h);
  return rc == ERROR_SUCCESS;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_module = instance;
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, void** out) {
  if (!IsEqualCLSID(clsid, kStandInClsid)) {
    *out = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
  }
  return g_factory.QueryInterface(riid, out);
}

STDAPI DllCanUnloadNow() { return S_FALSE; }

STDAPI DllRegisterServer() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(g_module, path, MAX_PATH);
  std::string dll = path;
  std::string exe = dll.substr(0, dll.find_last_of('\\') + 1) + kServerExe;
  std::string clsidKey = std::string("CLSID\\") + kClsidText;
  bool ok = SetDefault(kProgId, "pcAnywhere stand-in") && SetDefault(std::string(kProgId) + "\\CLSID", kClsidText) &&
            SetDefault(clsidKey, "pcAnywhere stand-in") && SetDefault(clsidKey + "\\ProgID", kProgId) &&
            SetDefault(clsidKey + "\\InprocServer32", dll) &&
            SetDefault(clsidKey + "\\InprocServer32", "Apartment", "ThreadingModel") &&
            SetDefault(clsidKey + "\\LocalServer32", exe);
  return ok ? S_OK : SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer() {
  RegDeleteTreeA(HKEY_CLASSES_ROOT, kProgId);
  RegDeleteTreeA(HKEY_CLASSES_ROOT, (std::string("CLSID\\") + kClsidText).c_str());
  return S_OK;
}
