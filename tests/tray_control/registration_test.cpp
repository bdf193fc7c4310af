// The control as regsvr32 registered it for this prefix, and unregistration in a scratch
// HKEY_CLASSES_ROOT.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/bitmap_ids.h"
#include "support/registry_sandbox.h"
#include "tray_test_support.h"

using namespace corvana::test;

namespace {

// The type library is registered for the platform of the library that registers it.
const std::string kTypeLibPlatform = sizeof(void*) == 8 ? "win64" : "win32";

const char kClassKey[] = "CLSID\\{B0923B5B-39FE-4BCE-AB87-7C9BBF8F09B5}";
const char kTypeLibKey[] = "TypeLib\\{D11F0AB2-6473-4435-961E-680B982D63DE}";
const char kInterfaceKey[] = "Interface\\{C437B0E6-7885-4191-9C6D-1B310D03850B}";
const char kProgId[] = "KW_TrayIcon.KW_TrayNotification";

bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// The text of a value below HKEY_CLASSES_ROOT, or "<missing>".
std::string ValueOf(const std::string& path, const char* name = nullptr) {
  char buffer[1024] = {};
  DWORD size = sizeof buffer - 1, type = 0;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return "<missing>";
  LONG rc = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS || type != REG_SZ) return "<missing>";
  return buffer;
}

std::string RegisteredServerPath() { return ValueOf(std::string(kClassKey) + "\\InprocServer32"); }

struct ExpectedValue {
  std::string key;
  const char* name;
  std::string value;
};

TEST(TrayRegistration, ClassProgIdAndTypeLibraryAreRegistered) {
  const std::string server = RegisteredServerPath();
  ASSERT_NE(server, "<missing>");
  EXPECT_NE(GetFileAttributesA(server.c_str()), INVALID_FILE_ATTRIBUTES) << server;
  const std::string cls = kClassKey;
  const ExpectedValue expected[] = {
      {cls + "\\InprocServer32", "ThreadingModel", "Apartment"},
      {cls + "\\ProgID", nullptr, kProgId},
      {cls + "\\MiscStatus\\1", nullptr, "148881"},  // 0x24591
      {cls + "\\ToolboxBitmap32", nullptr, server + ", 30000"},  // the number, as a designer's toolbox reads it
      {cls + "\\TypeLib", nullptr, "{D11F0AB2-6473-4435-961E-680B982D63DE}"},
      {cls + "\\Version", nullptr, "2.2"},
      {std::string(kProgId) + "\\CLSID", nullptr, "{B0923B5B-39FE-4BCE-AB87-7C9BBF8F09B5}"},
      {std::string(kTypeLibKey) + "\\2.2", nullptr, "KW_TrayIcon"},
      {std::string(kTypeLibKey) + "\\2.2\\409\\" + kTypeLibPlatform, nullptr, server},
  };
  for (const auto& e : expected) EXPECT_EQ(ValueOf(e.key, e.name), e.value) << e.key;
  EXPECT_TRUE(KeyExists(cls + "\\Control"));
  const size_t slash = server.find_last_of('\\');
  EXPECT_EQ(server.substr(slash + 1), "KW_TrayIcon.ocx");

  // The toolbox picture the registration names is in the library, and so is the type library.
  HMODULE image = LoadLibraryExA(server.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(image, nullptr);
  EXPECT_NE(FindResourceA(image, MAKEINTRESOURCEA(IDB_TOOLBOX), MAKEINTRESOURCEA(2)), nullptr);  // RT_BITMAP
  EXPECT_NE(FindResourceA(image, MAKEINTRESOURCEA(1), "TYPELIB"), nullptr);
  FreeLibrary(image);
}

TEST(TrayRegistration, UnregistrationRemovesEverythingItRegistered) {
  const std::string server = RegisteredServerPath();
  ASSERT_NE(server, "<missing>");
  HMODULE library = LoadLibraryA(server.c_str());
  ASSERT_NE(library, nullptr);
  auto registerServer = Export<HRESULT(STDAPICALLTYPE*)()>(library, "DllRegisterServer");
  auto unregisterServer = Export<HRESULT(STDAPICALLTYPE*)()>(library, "DllUnregisterServer");
  ASSERT_NE(registerServer, nullptr);
  ASSERT_NE(unregisterServer, nullptr);
  const std::string removed[] = {kClassKey, kProgId, kTypeLibKey, kInterfaceKey};
  {
    RegistrySandbox sandbox(RegistrySandbox::ClassesRoot);
    for (const auto& key : removed) ASSERT_FALSE(KeyExists(key)) << "sandbox not empty: " << key;
    EXPECT_EQ(registerServer(), S_OK);
    for (const auto& key : removed) EXPECT_TRUE(KeyExists(key)) << key;
    EXPECT_EQ(unregisterServer(), S_OK);
    for (const auto& key : removed) EXPECT_FALSE(KeyExists(key)) << key;
    // Removing what is not there is no failure.
    EXPECT_EQ(unregisterServer(), S_OK);
  }
  FreeLibrary(library);
  // The prefix's own registration is untouched.
  EXPECT_EQ(RegisteredServerPath(), server);
  for (const auto& key : removed) EXPECT_TRUE(KeyExists(key)) << key;
}

TEST(TrayTypeLibrary, NameVersionLocaleAndHelpString) {
  Apartment apartment;
  ComPtr<ITypeLib> lib;
  ASSERT_EQ(LoadRegTypeLib(LIBID_KW_TrayIcon, 2, 2, 0x409, lib.put()), S_OK);
  TLIBATTR* attr = nullptr;
  ASSERT_EQ(lib->GetLibAttr(&attr), S_OK);
  EXPECT_EQ(attr->wMajorVerNum, 2);
  EXPECT_EQ(attr->wMinorVerNum, 2);
  EXPECT_EQ(attr->lcid, 0x409u);
  lib->ReleaseTLibAttr(attr);
  BSTR name = nullptr, help = nullptr;
  ASSERT_EQ(lib->GetDocumentation(-1, &name, &help, nullptr, nullptr), S_OK);
  EXPECT_STREQ(name, L"KW_TrayIcon");
  EXPECT_STREQ(help, L"KW_TrayIcon");
  SysFreeString(name);
  SysFreeString(help);

  ComPtr<ITypeInfo> iface;
  ASSERT_EQ(lib->GetTypeInfoOfGuid(IID__KW_TrayNotification, iface.put()), S_OK);
  TYPEATTR* type = nullptr;
  ASSERT_EQ(iface->GetTypeAttr(&type), S_OK);
  EXPECT_TRUE(type->wTypeFlags & TYPEFLAG_FHIDDEN);
  EXPECT_TRUE(type->wTypeFlags & TYPEFLAG_FDUAL);
  iface->ReleaseTypeAttr(type);
  BSTR enabledHelp = nullptr;
  ASSERT_EQ(iface->GetDocumentation(0x68030005, nullptr, &enabledHelp, nullptr, nullptr), S_OK);
  EXPECT_STREQ(enabledHelp,
               L"Gibt einen Wert zur\u00fcck, der bestimmt, ob ein Objekt auf vom Benutzer erzeugte Ereignisse "
               L"reagieren kann, oder legt diesen fest.");
  SysFreeString(enabledHelp);

  ComPtr<ITypeInfo> events;
  ASSERT_EQ(lib->GetTypeInfoOfGuid(DIID___KW_TrayNotification, events.put()), S_OK);
  struct Member {
    const wchar_t* name;
    MEMBERID id;
  };
  for (Member m : {Member{L"TrayIconClick", 1}, Member{L"TrayIconClickEx", 2}}) {
    MEMBERID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(m.name)};
    EXPECT_EQ(events->GetIDsOfNames(names, 1, &id), S_OK);
    EXPECT_EQ(id, m.id) << m.name;
  }
}

}  // namespace
