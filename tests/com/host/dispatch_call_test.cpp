// Late-bound calls against objects Wine registers (Scripting.Dictionary, Shell.Application) and
// against the test's own object, whose methods change their by-reference arguments.
#include <gtest/gtest.h>

#include "com/host/create_object.h"
#include "com/host/dispatch_call.h"
#include "com/host/hosted_control.h"
#include "com/host/ole_init.h"
#include "event_source.h"

namespace corvana::com {
namespace {

class DispatchCall : public ::testing::Test {
 protected:
  OleInitGuard ole_;
};

TEST_F(DispatchCall, CreatesByProgIdAndByBracedClassId) {
  ASSERT_TRUE(ole_);
  HRESULT hr = E_FAIL;
  EXPECT_TRUE(CreateObject("Scripting.Dictionary", &hr));
  EXPECT_EQ(hr, S_OK);
  EXPECT_TRUE(CreateObject("{EE09B103-97E0-11CF-978F-00A02463E06F}", &hr));
  EXPECT_EQ(hr, S_OK);
}

TEST_F(DispatchCall, UnknownProgIdGivesNoObjectAndAFailure) {
  for (const char* progId : {"Corvana.NoSuchClass", "", "{00000000-0000-0000-0000-0000000000AB}", "{broken"}) {
    HRESULT hr = S_OK;
    EXPECT_FALSE(CreateObject(progId, &hr)) << progId;
    EXPECT_TRUE(FAILED(hr)) << progId;
  }
}

TEST_F(DispatchCall, DictionaryMethodsAndPropertiesByValue) {
  auto dict = CreateObject("Scripting.Dictionary");
  ASSERT_TRUE(dict);
  // The compare mode can change only while the dictionary is empty.
  EXPECT_TRUE(PutProperty(dict.get(), "CompareMode", 1L));
  EXPECT_EQ(GetProperty(dict.get(), "CompareMode").value.asLong(), 1);
  EXPECT_TRUE(CallMethod(dict.get(), "Add", "Filiale", 7L));
  EXPECT_TRUE(CallMethod(dict.get(), "Add", std::string("Kasse"), true));
  EXPECT_EQ(GetProperty(dict.get(), "Count").value.toLong(), 2);
  EXPECT_EQ(CallMethod(dict.get(), "Exists", "Filiale").value.asBool(), true);
  EXPECT_EQ(CallMethod(dict.get(), "exists", "Nirgends").value.asBool(), false);  // names without case
  EXPECT_EQ(GetProperty(dict.get(), "Item", "Filiale").value.asLong(), 7);
  EXPECT_EQ(GetProperty(dict.get(), "Item", "Kasse").value.asString(), "True");

  // obj.Item(key) = value
  EXPECT_TRUE(PutProperty(dict.get(), "Item", "Filiale", "sieben"));
  EXPECT_EQ(GetProperty(dict.get(), "Item", "FILIALE").value.asString(), "sieben");  // text compare mode
  EXPECT_FALSE(PutProperty(dict.get(), "CompareMode", 0L));
}

TEST_F(DispatchCall, ArgumentsByReferenceReachTheDictionaryUnchanged) {
  auto dict = CreateObject("Scripting.Dictionary");
  ASSERT_TRUE(dict);
  std::string key = "Schluessel";
  long number = 42;
  ASSERT_TRUE(CallMethod(dict.get(), "Add", ByRef(key), ByRef(number)));
  EXPECT_EQ(key, "Schluessel");
  EXPECT_EQ(number, 42);
  EXPECT_EQ(GetProperty(dict.get(), "Item", ByRef(key)).value.asLong(), 42);
}

TEST_F(DispatchCall, ErrorsBecomeResults) {
  auto dict = CreateObject("Scripting.Dictionary");
  ASSERT_TRUE(dict);
  ASSERT_TRUE(CallMethod(dict.get(), "Add", "a", 1L));
  CallResult twice = CallMethod(dict.get(), "Add", "a", 2L);  // the key exists
  EXPECT_FALSE(twice);
  EXPECT_FALSE(twice.error.empty());
  EXPECT_TRUE(twice.value.isEmpty());

  CallResult unknown = CallMethod(dict.get(), "NoSuchMember");
  EXPECT_EQ(unknown.hr, DISP_E_UNKNOWNNAME);
  EXPECT_NE(unknown.error.find("NoSuchMember"), std::string::npos);

  EXPECT_EQ(CallMethod(nullptr, "Add", "a", 1L).hr, E_POINTER);
}

TEST_F(DispatchCall, RaisedErrorCarriesTheObjectsDescription) {
  test::EventSource source;
  CallResult r = CallMethod(source.dispatch(), "Fail");
  EXPECT_EQ(r.hr, E_INVALIDARG);
  EXPECT_EQ(r.error, "broken on purpose");
}

TEST_F(DispatchCall, ChangesToByReferenceArgumentsAreReadBack) {
  test::EventSource source;
  IDispatch* obj = source.dispatch();
  long n = 21;
  ASSERT_TRUE(CallMethod(obj, "Twice", ByRef(n)));
  EXPECT_EQ(n, 42);
  short s = -300;
  ASSERT_TRUE(CallMethod(obj, "TwiceShort", ByRef(s)));
  EXPECT_EQ(s, -600);
  std::string text = "Hallo";
  ASSERT_TRUE(CallMethod(obj, "Append", ByRef(text)));
  EXPECT_EQ(text, "Hallo!");
  std::string empty;
  ASSERT_TRUE(CallMethod(obj, "Append", ByRef(empty)));
  EXPECT_EQ(empty, "!");
  bool flag = true;
  ASSERT_TRUE(CallMethod(obj, "Flip", ByRef(flag)));
  EXPECT_FALSE(flag);
  Variant any(5L);
  ASSERT_TRUE(CallMethod(obj, "Touch", ByRef(any)));
  EXPECT_EQ(any.asString(), "touched");

  // By value, the callee sees no reference and the caller's variable cannot change.
  EXPECT_EQ(CallMethod(obj, "Twice", n).hr, DISP_E_TYPEMISMATCH);
  EXPECT_EQ(source.refs(), 1);
}

TEST_F(DispatchCall, PropertyPutThenGetOnOwnObject) {
  test::EventSource source;
  ASSERT_TRUE(PutProperty(source.dispatch(), "Value", 12.5));
  EXPECT_EQ(GetProperty(source.dispatch(), "Value").value.asDouble(), 12.5);
  EXPECT_EQ(CallMethod(source.dispatch(), "Echo", "x").value.asString(), "x");
}

TEST_F(DispatchCall, ShellApplicationHandsBackObjects) {
  auto shell = CreateObject("Shell.Application");
  ASSERT_TRUE(shell);
  CallResult folder = CallMethod(shell.get(), "NameSpace", "C:\\windows");
  ASSERT_TRUE(folder) << folder.error;
  ComPtr<IDispatch> f = folder.value.asDispatch();
  ASSERT_TRUE(f);
  CallResult items = CallMethod(f.get(), "Items");
  ASSERT_TRUE(items) << items.error;
  EXPECT_GT(GetProperty(items.value.asDispatch().get(), "Count").value.toLong(), 0);

  // A folder that does not exist gives no object.
  CallResult none = CallMethod(shell.get(), "NameSpace", "C:\\Corvana\\nicht da");
  EXPECT_TRUE(none.value.isNothing());
  EXPECT_FALSE(none.value.asDispatch());
}

TEST_F(DispatchCall, HostedControlOwnsTheObjectUntilReset) {
  HostedControl control;
  ASSERT_EQ(control.create("Scripting.Dictionary"), S_OK);
  EXPECT_TRUE(control.call("Add", "k", "v"));
  EXPECT_EQ(control.get("Item", "k").value.asString(), "v");
  control.reset();
  EXPECT_FALSE(control);
  EXPECT_EQ(control.call("Add", "k", "v").hr, E_POINTER);
  EXPECT_TRUE(FAILED(control.create("Corvana.NoSuchClass")));
  EXPECT_FALSE(control);
}

}  // namespace
}  // namespace corvana::com
