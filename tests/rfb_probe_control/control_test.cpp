// rfbControl as the prefix registered it: its registration, its type library, and the probe
// driven late-bound by name, as the program drives it.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "Pinglet.h"
#include "com/host/create_object.h"
#include "com/host/dispatch_call.h"
#include "com/host/event_sink.h"
#include "com/host/hosted_control.h"
#include "com/host/ole_init.h"
#include "loopback_server.h"
#include "resources/bitmap_ids.h"
#include "support/message_box_watcher.h"
#include "support/registry_sandbox.h"

using namespace corvana;
using com::ComPtr;
using test::LoopbackServer;
using test::ServerSide;

namespace {

// The type library is registered for the platform of the library that registers it.
const std::string kTypeLibPlatform = sizeof(void*) == 8 ? "win64" : "win32";

const char kProgId[] = "Pinglet.rfbControl";
const char kClsid[] = "{FBF3E9FC-7891-4B28-915A-24B7E8661177}";
const char kLibId[] = "{7A68ADCE-F909-45C8-9AC9-EDF1FD7C1B80}";
const std::string kClassKey = std::string("CLSID\\") + kClsid;
const std::string kTypeLibKey = std::string("TypeLib\\") + kLibId;
const std::string kInterfaceKey = "Interface\\{BDB8E04A-0CD2-4220-BEC5-A02806F5CFD5}";

bool KeyExists(const std::string& path) {
  RegKey key;
  return RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

std::string ValueOf(const std::string& path, const char* name = nullptr) {
  char buffer[1024] = {};
  DWORD size = sizeof buffer - 1, type = 0;
  RegKey key;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return "<missing>";
  LONG rc = RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  return rc == ERROR_SUCCESS && type == REG_SZ ? buffer : "<missing>";
}

std::string RegisteredServer() { return ValueOf(kClassKey + "\\InprocServer32"); }

TEST(PingletRegistration, ClassProgIdAndTypeLibraryAreRegistered) {
  const std::string server = RegisteredServer();
  ASSERT_NE(server, "<missing>");
  EXPECT_EQ(server.substr(server.find_last_of('\\') + 1), "Pinglet.ocx");
  struct Expected {
    std::string key;
    const char* name;
    std::string value;
  } expected[] = {
      {kClassKey + "\\InprocServer32", "ThreadingModel", "Apartment"},
      {kClassKey + "\\ProgID", nullptr, kProgId},
      {kClassKey + "\\MiscStatus\\1", nullptr, "148881"},  // 0x24591
      {kClassKey + "\\ToolboxBitmap32", nullptr, server + ", 30000"},  // the number, as a designer's toolbox reads it
      {kClassKey + "\\TypeLib", nullptr, kLibId},
      {kClassKey + "\\Version", nullptr, "2.0"},
      {std::string(kProgId) + "\\CLSID", nullptr, kClsid},
      {kTypeLibKey + "\\2.0", nullptr, "Pinglet"},
      {kTypeLibKey + "\\2.0\\409\\" + kTypeLibPlatform, nullptr, server},
  };
  for (const auto& e : expected) EXPECT_EQ(ValueOf(e.key, e.name), e.value) << e.key;
  EXPECT_TRUE(KeyExists(kClassKey + "\\Control"));
}

TEST(PingletRegistration, UnregistrationRemovesWhatRegistrationWrote) {
  const std::string server = RegisteredServer();
  ASSERT_NE(server, "<missing>");
  LibraryHandle library(LoadLibraryA(server.c_str()));
  ASSERT_TRUE(library);
  using Entry = HRESULT(STDAPICALLTYPE*)();
  auto registerServer = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library.get(), "DllRegisterServer")));
  auto unregisterServer = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library.get(), "DllUnregisterServer")));
  ASSERT_TRUE(registerServer && unregisterServer);
  const std::string keys[] = {kClassKey, kProgId, kTypeLibKey, kInterfaceKey};
  {
    test::RegistrySandbox sandbox(test::RegistrySandbox::ClassesRoot);
    for (const auto& key : keys) ASSERT_FALSE(KeyExists(key)) << key;
    EXPECT_EQ(registerServer(), S_OK);
    for (const auto& key : keys) EXPECT_TRUE(KeyExists(key)) << key;
    EXPECT_EQ(unregisterServer(), S_OK);
    for (const auto& key : keys) EXPECT_FALSE(KeyExists(key)) << key;
    EXPECT_EQ(unregisterServer(), S_OK);
  }
  EXPECT_EQ(RegisteredServer(), server);
}

TEST(PingletTypeLibrary, MembersInSlotOrderWithTheirDispatchIds) {
  com::OleInitGuard ole;
  ComPtr<ITypeLib> lib;
  ASSERT_EQ(LoadRegTypeLib(LIBID_Pinglet, 2, 0, 0x409, lib.put()), S_OK);
  TLIBATTR* attr = nullptr;
  ASSERT_EQ(lib->GetLibAttr(&attr), S_OK);
  EXPECT_EQ(attr->wMajorVerNum, 2);
  EXPECT_EQ(attr->wMinorVerNum, 0);
  EXPECT_EQ(attr->lcid, 0x409u);
  lib->ReleaseTLibAttr(attr);
  BSTR name = nullptr;
  ASSERT_EQ(lib->GetDocumentation(-1, &name, nullptr, nullptr, nullptr), S_OK);
  EXPECT_STREQ(name, L"Pinglet");
  SysFreeString(name);

  // The dual interface's vtable half: after IDispatch's seven slots, the members in this order.
  ComPtr<ITypeInfo> dispatchPart;
  ASSERT_EQ(lib->GetTypeInfoOfGuid(IID__rfbControl, dispatchPart.put()), S_OK);
  TYPEATTR* type = nullptr;
  ASSERT_EQ(dispatchPart->GetTypeAttr(&type), S_OK);
  EXPECT_TRUE(type->wTypeFlags & TYPEFLAG_FHIDDEN);
  EXPECT_TRUE(type->wTypeFlags & TYPEFLAG_FDUAL);
  dispatchPart->ReleaseTypeAttr(type);
  HREFTYPE ref = 0;
  ComPtr<ITypeInfo> vtablePart;
  ASSERT_EQ(dispatchPart->GetRefTypeOfImplType(-1, &ref), S_OK);
  ASSERT_EQ(dispatchPart->GetRefTypeInfo(ref, vtablePart.put()), S_OK);
  struct Member {
    const wchar_t* name;
    MEMBERID id;
    INVOKEKIND kind;
    SHORT params;  // without the result
  } members[] = {
      {L"VNC_Authentication", 0x68030006, INVOKE_PROPERTYGET, 0},
      {L"RemoteHost", 0x68030005, INVOKE_PROPERTYPUT, 1},
      {L"RemotePort", 0x68030004, INVOKE_PROPERTYPUT, 1},
      {L"VNC_ServerVersionMajor", 0x68030003, INVOKE_PROPERTYGET, 0},
      {L"VNC_ServerVersionMinor", 0x68030002, INVOKE_PROPERTYGET, 0},
      {L"VNC_ServerVersion", 0x68030001, INVOKE_PROPERTYGET, 0},
      {L"State", 0x68030000, INVOKE_PROPERTYGET, 0},
      {L"DisConnect", 0x60030007, INVOKE_FUNC, 0},
      {L"GetServerVersion", 0x6003000C, INVOKE_FUNC, 2},
  };
  for (UINT i = 0; i < std::size(members); ++i) {
    FUNCDESC* f = nullptr;
    ASSERT_EQ(vtablePart->GetFuncDesc(i, &f), S_OK);
    EXPECT_EQ(f->memid, members[i].id) << i;
    EXPECT_EQ(f->invkind, members[i].kind) << i;
    EXPECT_EQ(f->oVft, static_cast<SHORT>((7 + i) * sizeof(void*))) << i;
    const SHORT withResult = members[i].params + (members[i].kind == INVOKE_PROPERTYPUT ? 0 : 1);
    EXPECT_EQ(f->cParams, withResult) << i;
    // Parameters by reference.
    for (SHORT p = 0; p < members[i].params; ++p) EXPECT_EQ(f->lprgelemdescParam[p].tdesc.vt, VT_PTR) << i;
    BSTR memberName = nullptr;
    UINT got = 0;
    vtablePart->GetNames(f->memid, &memberName, 1, &got);
    EXPECT_STREQ(memberName, members[i].name);
    SysFreeString(memberName);
    vtablePart->ReleaseFuncDesc(f);
  }

  ComPtr<ITypeInfo> events;
  ASSERT_EQ(lib->GetTypeInfoOfGuid(DIID___rfbControl, events.put()), S_OK);
  for (auto [eventName, id] : {std::pair{L"VNCClose", 1}, std::pair{L"VNCConnect", 2}}) {
    MEMBERID found = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(eventName)};
    EXPECT_EQ(events->GetIDsOfNames(names, 1, &found), S_OK);
    EXPECT_EQ(found, id);
  }
}

// What a host sees of one control: its events, in order.
struct ProbeHost {
  ProbeHost() {
    EXPECT_EQ(control.create(kProgId), S_OK);
    sink = control.connectEvents();
    EXPECT_NE(sink, nullptr);
    if (sink) sink->on("VNCClose", [this](com::EventArgs& args) { closes.push_back(args.get(0).toBool()); });
  }
  com::OleInitGuard ole;
  com::HostedControl control;
  com::EventSink* sink = nullptr;
  std::vector<bool> closes;
};

LoopbackServer::Script Greets(std::string greeting) {
  return [greeting](ServerSide& side) {
    side.Send(greeting);
    side.ReadUntilPeerCloses();
  };
}

TEST(RfbControl, ProbesAServerLateBoundAndRaisesVNCClose) {
  ProbeHost host;
  LoopbackServer server(Greets("RFB 003.008\n"));
  auto result = host.control.call("GetServerVersion", "127.0.0.1", server.portText());
  ASSERT_TRUE(result) << result.error;
  EXPECT_EQ(result.value.toString(), "3.8");
  EXPECT_EQ(server.Finish(), "RFB 003.008\n");
  EXPECT_EQ(host.closes, std::vector<bool>{true});
  EXPECT_EQ(host.control.get("VNC_ServerVersion").value.toString(), "3.8");
  EXPECT_EQ(host.control.get("VNC_ServerVersionMajor").value.toLong(-1), 3);
  EXPECT_EQ(host.control.get("VNC_ServerVersionMinor").value.toLong(-1), 8);
  EXPECT_EQ(host.control.get("VNC_Authentication").value.toLong(-1), 0);
  EXPECT_EQ(host.control.get("State").value.toLong(-1), 0);
}

TEST(RfbControl, StartsEmptyAndDisConnectRaisesVNCCloseTrue) {
  ProbeHost host;
  EXPECT_EQ(host.control.get("VNC_ServerVersion").value.toString("x"), "");
  EXPECT_EQ(host.control.get("VNC_ServerVersionMajor").value.toLong(-1), 0);
  EXPECT_EQ(host.control.get("VNC_ServerVersionMinor").value.toLong(-1), 0);
  EXPECT_EQ(host.control.get("State").value.toLong(-1), 0);
  auto result = host.control.call("DisConnect");
  ASSERT_TRUE(result) << result.error;
  EXPECT_TRUE(result.value.isEmpty());
  EXPECT_EQ(host.closes, std::vector<bool>{true});
}

TEST(RfbControl, ARefusedConnectionRaisesFalseThenTrueAndKeepsTheEarlierVersion) {
  ProbeHost host;
  {
    LoopbackServer server(Greets("RFB 004.001\n"));
    ASSERT_EQ(host.control.call("GetServerVersion", "127.0.0.1", server.portText()).value.toString(), "4.1");
  }
  host.closes.clear();
  auto result = host.control.call("GetServerVersion", "127.0.0.1", std::to_string(test::RefusingPort()));
  ASSERT_TRUE(result) << result.error;
  EXPECT_EQ(result.value.toString(), "4.1");
  EXPECT_EQ(host.closes, (std::vector<bool>{false, true}));
}

TEST(RfbControl, APortThatIsNoNumberIsATypeMismatchForTheCaller) {
  ProbeHost host;
  auto put = host.control.put("RemotePort", "port");
  EXPECT_EQ(put.hr, DISP_E_TYPEMISMATCH);
  auto call = host.control.call("GetServerVersion", "127.0.0.1", "port");
  EXPECT_EQ(call.hr, DISP_E_TYPEMISMATCH);
  EXPECT_TRUE(host.closes.empty());
  EXPECT_TRUE(host.control.put("RemotePort", "5900"));
  EXPECT_TRUE(host.control.put("RemoteHost", "127.0.0.1"));
}

TEST(RfbControl, ShowsTheMessageForAChunkThatIsNoGreeting) {
  test::MessageBoxWatcher watcher;
  ProbeHost host;
  LoopbackServer server([](ServerSide& side) {
    side.Send("SSH-2.0-x");
    side.ShutdownSend();
    side.ReadUntilPeerCloses();
  });
  EXPECT_EQ(host.control.call("GetServerVersion", "127.0.0.1", server.portText()).value.toString("x"), "");
  auto seen = watcher.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "Server is not an RFB Server !");
}

// A server that accepts and then says nothing must not hold the program.
TEST(RfbControl, GivesUpOnASilentServerAfterTenSeconds) {
  ProbeHost host;
  LoopbackServer server([](ServerSide& side) { side.ReadUntilPeerCloses(30000); });
  ULONGLONG started = GetTickCount64();
  auto result = host.control.call("GetServerVersion", "127.0.0.1", server.portText());
  ULONGLONG took = GetTickCount64() - started;
  ASSERT_TRUE(result) << result.error;
  EXPECT_EQ(result.value.toString("x"), "");
  EXPECT_GE(took, 9900u);
  EXPECT_EQ(host.closes, std::vector<bool>{true});
  EXPECT_EQ(server.Finish(), "");
}

// The program unloads the hidden form from VNCClose; the control must survive its own event.
TEST(RfbControl, AHostThatLetsGoInsideVNCCloseDoesNotPullTheControlAway) {
  com::OleInitGuard ole;
  HRESULT hr = E_FAIL;
  ComPtr<IDispatch> control = com::CreateObject(kProgId, &hr);
  ASSERT_TRUE(control) << hr;
  IDispatch* raw = control.get();
  com::EventSink sink;
  std::vector<bool> closes;
  sink.on("VNCClose", [&](com::EventArgs& args) {
    closes.push_back(args.get(0).toBool());
    sink.disconnect();
    control.reset();
  });
  ASSERT_EQ(sink.connect(raw), S_OK);
  auto result = com::CallMethod(raw, "GetServerVersion", "127.0.0.1", std::to_string(test::RefusingPort()));
  EXPECT_TRUE(result) << result.error;
  EXPECT_EQ(result.value.toString("x"), "");
  EXPECT_EQ(closes, std::vector<bool>{false});  // the sink was gone for the second
  EXPECT_FALSE(control);
}

TEST(RfbControl, InvisibleAtRunTimeAndSizedToItsPicture) {
  com::OleInitGuard ole;
  ComPtr<IDispatch> control = com::CreateObject(kProgId);
  ASSERT_TRUE(control);
  auto ole_object = control.as<IOleObject>(IID_IOleObject);
  ASSERT_TRUE(ole_object);
  DWORD misc = 0;
  ASSERT_EQ(ole_object->GetMiscStatus(DVASPECT_CONTENT, &misc), S_OK);
  EXPECT_EQ(misc, 0x24591u);
  EXPECT_TRUE(misc & OLEMISC_INVISIBLEATRUNTIME);
  // Its picture is the toolbox bitmap: 16 x 15 pixels, in HIMETRIC at the screen's resolution.
  LibraryHandle library(LoadLibraryExA(RegisteredServer().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_TRUE(library);
  GdiObject bitmap(LoadImageA(library.get(), MAKEINTRESOURCEA(IDB_TOOLBOX), IMAGE_BITMAP, 0, 0, 0));
  ASSERT_TRUE(bitmap);
  BITMAP picture{};
  ASSERT_TRUE(GetObjectA(bitmap.get(), sizeof picture, &picture));
  EXPECT_EQ(picture.bmWidth, 16);
  EXPECT_EQ(picture.bmHeight, 15);
  WindowDc screen(nullptr);
  SIZEL size{};
  ASSERT_EQ(ole_object->GetExtent(DVASPECT_CONTENT, &size), S_OK);
  EXPECT_EQ(size.cx, MulDiv(16, 2540, GetDeviceCaps(screen.get(), LOGPIXELSX)));
  EXPECT_EQ(size.cy, MulDiv(15, 2540, GetDeviceCaps(screen.get(), LOGPIXELSY)));
  SIZEL other{5000, 5000};
  EXPECT_EQ(ole_object->SetExtent(DVASPECT_CONTENT, &other), S_OK);
  SIZEL after{};
  ole_object->GetExtent(DVASPECT_CONTENT, &after);
  EXPECT_EQ(after.cx, size.cx);
  EXPECT_EQ(after.cy, size.cy);
}

// The port of the TigerVNC server the fixture started, from the state file it wrote.
unsigned short TigerVncPort() {
  const char* state = getenv("PINGLET_XVNC_STATE");
  if (!state) return 0;
  std::ifstream in(state);
  unsigned port = 0;
  in >> port;
  return static_cast<unsigned short>(port);
}

TEST(TigerVnc, TheRealServerGreetsWith38) {
  const unsigned short port = TigerVncPort();
  if (!getenv("PINGLET_XVNC_STATE")) GTEST_SKIP() << "run by the TigerVNC fixture";
  ASSERT_NE(port, 0) << "no port in " << getenv("PINGLET_XVNC_STATE");
  ProbeHost host;
  auto result = host.control.call("GetServerVersion", "127.0.0.1", std::to_string(port));
  ASSERT_TRUE(result) << result.error;
  EXPECT_EQ(result.value.toString(), "3.8");
  EXPECT_EQ(host.closes, std::vector<bool>{true});
  // Answered and hung up: the server takes the next probe as readily.
  EXPECT_EQ(host.control.call("GetServerVersion", "localhost", std::to_string(port)).value.toString(), "3.8");
}

}  // namespace
