// The control as a container and the program drive it: creation, the five methods and what
// reaches the shell, late-bound argument passing, and Enabled.
#include <windows.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "shell_notify_spy.h"
#include "tray_test_support.h"

using namespace corvana::test;

namespace {

class TrayControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(apartment_.result(), S_OK);
    ASSERT_EQ(CreateTrayControl(control_), S_OK);
    spy_ = std::make_unique<ShellNotifySpy>(TrayControlModule());
    ASSERT_TRUE(spy_->installed());
    icon_ = HandleAsLong(LoadIconA(nullptr, IDI_APPLICATION));
    otherIcon_ = HandleAsLong(LoadIconA(nullptr, IDI_INFORMATION));
  }
  void TearDown() override {
    // The host removes its icon before it ends; so does every test that added one.
    if (added_) CallBool(control_.get(), L"TrayIconDelete");
    spy_.reset();
    control_.reset();
  }
  bool Add(const wchar_t* tip = L"VNC Corvana") {
    added_ = true;
    return CallBool(control_.get(), L"TrayIconAdd", {Variant(icon_), Variant(tip)});
  }

  Apartment apartment_;
  ComPtr<IDispatch> control_;
  std::unique_ptr<ShellNotifySpy> spy_;
  LONG icon_ = 0;
  LONG otherIcon_ = 0;
  bool added_ = false;
};

TEST(TrayControlCreation, ByProgIdAndByClassIdWithTheContainerInterfaces) {
  Apartment apartment;
  for (bool byProgId : {true, false}) {
    ComPtr<IDispatch> control;
    ASSERT_EQ(CreateTrayControl(control, byProgId), S_OK) << byProgId;
    for (const IID* iid : {&IID__KW_TrayNotification, &IID_IConnectionPointContainer, &IID_IOleObject,
                           &IID_IPersistPropertyBag, &IID_IProvideClassInfo2}) {
      ComPtr<IUnknown> part;
      EXPECT_EQ(control->QueryInterface(*iid, part.putVoid()), S_OK);
    }
    ComPtr<IOleObject> ole;
    ASSERT_EQ(control->QueryInterface(IID_IOleObject, ole.putVoid()), S_OK);
    DWORD misc = 0;
    EXPECT_EQ(ole->GetMiscStatus(DVASPECT_CONTENT, &misc), S_OK);
    EXPECT_EQ(misc, 0x24591u);
    ComPtr<IProvideClassInfo2> info;
    ASSERT_EQ(control->QueryInterface(IID_IProvideClassInfo2, info.putVoid()), S_OK);
    GUID source{};
    EXPECT_EQ(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source), S_OK);
    EXPECT_EQ(source, DIID___KW_TrayNotification);
  }
}

TEST_F(TrayControlTest, MembersHaveTheirDispatchIds) {
  struct Member {
    const wchar_t* name;
    DISPID id;
  };
  const Member members[] = {{L"TrayIconAdd", 0x60030000},           {L"TrayIconChangeIcon", 0x60030001},
                            {L"TrayIconChangeToolTip", 0x60030002}, {L"TrayIconDelete", 0x60030003},
                            {L"TrayIconRefresh", 0x60030004},       {L"Enabled", 0x68030005}};
  for (const Member& m : members) {
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(m.name)};
    EXPECT_EQ(control_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
    EXPECT_EQ(id, m.id) << m.name;
  }
}

TEST_F(TrayControlTest, BeforeTheFirstAddEveryOtherMethodIsFalse) {
  EXPECT_FALSE(CallBool(control_.get(), L"TrayIconChangeIcon", {Variant(icon_)}));
  EXPECT_FALSE(CallBool(control_.get(), L"TrayIconChangeToolTip", {Variant(L"tip")}));
  EXPECT_FALSE(CallBool(control_.get(), L"TrayIconRefresh"));
  EXPECT_FALSE(CallBool(control_.get(), L"TrayIconDelete"));
  // One shell call each, with a record that only the change of icon has written to.
  ASSERT_EQ(spy_->calls().size(), 4u);
  EXPECT_EQ(spy_->last().message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_EQ(spy_->last().window, nullptr);
  EXPECT_EQ(spy_->last().cbSize, 0u);
}

TEST_F(TrayControlTest, AddFillsTheWholeRecord) {
  ASSERT_TRUE(Add());
  ASSERT_EQ(spy_->calls().size(), 1u);
  const ShellCall& call = spy_->last();
  EXPECT_EQ(call.message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(call.cbSize, NOTIFYICONDATAA_V1_SIZE);  // 88 in the 32-bit program
  EXPECT_TRUE(IsWindow(call.window));
  EXPECT_EQ(GetWindowThreadProcessId(call.window, nullptr), GetCurrentThreadId());
  EXPECT_EQ(call.id, 1u);
  EXPECT_EQ(call.flags, 7u);
  EXPECT_EQ(call.callbackMessage, 0x0200u);
  EXPECT_EQ(call.icon, reinterpret_cast<HICON>(icon_));
  EXPECT_EQ(call.tip, "VNC Corvana");
}

TEST_F(TrayControlTest, LifecycleOfOneIcon) {
  ASSERT_TRUE(Add());
  EXPECT_TRUE(CallBool(control_.get(), L"TrayIconChangeIcon", {Variant(otherIcon_)}));
  EXPECT_EQ(spy_->last().message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(spy_->last().icon, reinterpret_cast<HICON>(otherIcon_));
  EXPECT_TRUE(CallBool(control_.get(), L"TrayIconChangeToolTip", {Variant(L"VNC Corvana")}));
  EXPECT_EQ(spy_->last().icon, reinterpret_cast<HICON>(otherIcon_));
  EXPECT_TRUE(CallBool(control_.get(), L"TrayIconRefresh"));
  EXPECT_TRUE(CallBool(control_.get(), L"TrayIconDelete"));
  EXPECT_EQ(spy_->last().message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_FALSE(CallBool(control_.get(), L"TrayIconRefresh"));
  EXPECT_TRUE(Add());
  EXPECT_TRUE(CallBool(control_.get(), L"TrayIconRefresh"));
}

TEST_F(TrayControlTest, TooltipArrivesCutToItsFieldInTheAnsiCodePage) {
  const std::wstring seventy(70, L'x');
  struct Case {
    std::wstring tip;
    std::string arrives;
  };
  const Case cases[] = {
      {seventy, std::string(63, 'x')},
      {std::wstring(63, L'y'), std::string(63, 'y')},
      {L"", ""},
      {L"Men\u00fc", "Men\xfc"},
  };
  ASSERT_TRUE(Add(L"first"));
  for (const Case& c : cases) {
    EXPECT_TRUE(CallBool(control_.get(), L"TrayIconChangeToolTip", {Variant(c.tip)}));
    EXPECT_EQ(spy_->last().tip, c.arrives);
    EXPECT_EQ(spy_->last().record[offsetof(NOTIFYICONDATAA, szTip) + c.arrives.size()], 0) << "the tip ends in a NUL";
  }
  ASSERT_TRUE(CallBool(control_.get(), L"TrayIconDelete"));
  EXPECT_TRUE(Add(seventy.c_str()));
  EXPECT_EQ(spy_->last().tip, std::string(63, 'x'));
}

TEST_F(TrayControlTest, ARefusingShellGivesFalseAndTheRecordKeepsWhatWasWritten) {
  ASSERT_TRUE(Add());
  spy_->forceResult(FALSE);
  EXPECT_FALSE(CallBool(control_.get(), L"TrayIconChangeIcon", {Variant(otherIcon_)}));
  EXPECT_FALSE(CallBool(control_.get(), L"TrayIconChangeToolTip", {Variant(L"changed")}));
  EXPECT_FALSE(CallBool(control_.get(), L"TrayIconRefresh"));
  EXPECT_EQ(spy_->last().icon, reinterpret_cast<HICON>(otherIcon_));
  EXPECT_EQ(spy_->last().tip, "changed");
  spy_->forceResult(std::nullopt);
  EXPECT_TRUE(CallBool(control_.get(), L"TrayIconRefresh"));
}

TEST_F(TrayControlTest, ArgumentsByValueByReferenceAndAsAPicture) {
  // The program passes by value; a typed container passes references; a picture gives its handle.
  LONG byRef = icon_;
  BSTR tip = SysAllocString(L"by reference");
  Variant refIcon, refTip;
  refIcon.get()->vt = VT_I4 | VT_BYREF, refIcon.get()->plVal = &byRef;
  refTip.get()->vt = VT_BSTR | VT_BYREF, refTip.get()->pbstrVal = &tip;
  added_ = true;
  EXPECT_TRUE(CallBool(control_.get(), L"TrayIconAdd", {refIcon, refTip}));
  EXPECT_EQ(spy_->last().tip, "by reference");
  SysFreeString(tip);

  PICTDESC desc{};
  desc.cbSizeofstruct = sizeof desc;
  desc.picType = PICTYPE_ICON;
  desc.icon.hicon = reinterpret_cast<HICON>(otherIcon_);
  ComPtr<IDispatch> picture;
  ASSERT_EQ(OleCreatePictureIndirect(&desc, IID_IDispatch, FALSE, picture.putVoid()), S_OK);
  Variant pictureArg;
  pictureArg.get()->vt = VT_DISPATCH, pictureArg.get()->pdispVal = picture.get();
  picture->AddRef();
  EXPECT_TRUE(CallBool(control_.get(), L"TrayIconChangeIcon", {pictureArg}));
  EXPECT_EQ(spy_->last().icon, reinterpret_cast<HICON>(otherIcon_));

  // What does not convert is the caller's error, and reaches no shell.
  const size_t before = spy_->calls().size();
  Variant result;
  EXPECT_EQ(CallByName(control_.get(), L"TrayIconChangeIcon", {Variant(L"no number")}, result.get()),
            DISP_E_TYPEMISMATCH);
  EXPECT_EQ(spy_->calls().size(), before);
}

TEST_F(TrayControlTest, EnabledIsTrueUntilSetAndNotifiesTheContainer) {
  struct NotifySink final : IPropertyNotifySink {
    std::vector<DISPID> changed;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
      *out = (iid == IID_IUnknown || iid == IID_IPropertyNotifySink) ? this : nullptr;
      return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override {
      changed.push_back(id);
      return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }
  } sink;
  ComPtr<IConnectionPointContainer> container;
  ASSERT_EQ(control_->QueryInterface(IID_IConnectionPointContainer, container.putVoid()), S_OK);
  ComPtr<IConnectionPoint> point;
  ASSERT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, point.put()), S_OK);
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);

  EXPECT_TRUE(GetBoolProperty(control_.get(), L"Enabled"));
  EXPECT_EQ(PutProperty(control_.get(), L"Enabled", Variant::Bool(false)), S_OK);
  EXPECT_FALSE(GetBoolProperty(control_.get(), L"Enabled"));
  EXPECT_EQ(PutProperty(control_.get(), L"Enabled", Variant(LONG{-1})), S_OK);
  EXPECT_TRUE(GetBoolProperty(control_.get(), L"Enabled"));
  EXPECT_EQ(sink.changed, (std::vector<DISPID>{0x68030005, 0x68030005}));
  EXPECT_EQ(point->Unadvise(cookie), S_OK);
  EXPECT_EQ(point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
}

TEST(TrayModule, CanUnloadOnceEveryObjectAndLockIsGone) {
  Apartment apartment;
  ComPtr<IDispatch> control;
  ASSERT_EQ(CreateTrayControl(control), S_OK);
  HMODULE module = LoadLibraryA("KW_TrayIcon.ocx");  // held, so the library stays while it is asked
  ASSERT_NE(module, nullptr);
  auto canUnload = Export<HRESULT(STDAPICALLTYPE*)()>(module, "DllCanUnloadNow");
  auto getClassObject =
      Export<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(module, "DllGetClassObject");
  ASSERT_NE(canUnload, nullptr);
  ASSERT_NE(getClassObject, nullptr);
  EXPECT_EQ(canUnload(), S_FALSE);

  ComPtr<IConnectionPointContainer> container;
  ASSERT_EQ(control->QueryInterface(IID_IConnectionPointContainer, container.putVoid()), S_OK);
  ComPtr<IEnumConnectionPoints> points;
  ASSERT_EQ(container->EnumConnectionPoints(points.put()), S_OK);
  container.reset();
  control.reset();
  EXPECT_EQ(canUnload(), S_FALSE) << "the enumerator still needs the library";
  points.reset();
  EXPECT_EQ(canUnload(), S_OK);

  ComPtr<IClassFactory> factory;
  ASSERT_EQ(getClassObject(CLSID_KW_TrayNotification, IID_IClassFactory, factory.putVoid()), S_OK);
  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  factory.reset();
  EXPECT_EQ(canUnload(), S_FALSE);
  ComPtr<IClassFactory> again;
  ASSERT_EQ(getClassObject(CLSID_KW_TrayNotification, IID_IClassFactory, again.putVoid()), S_OK);
  EXPECT_EQ(again->LockServer(FALSE), S_OK);
  again.reset();
  EXPECT_EQ(canUnload(), S_OK);
  ComPtr<IClassFactory> none;
  EXPECT_EQ(getClassObject(GUID_NULL, IID_IClassFactory, none.putVoid()), CLASS_E_CLASSNOTAVAILABLE);
  FreeLibrary(module);
}

}  // namespace
