// Enabled in the container's property bag: only False is written, a missing value loads as True.
#include <windows.h>
#include <ocidl.h>

#include <gtest/gtest.h>

#include "tray_test_support.h"

using namespace corvana::test;

namespace {

class TrayPersistenceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(apartment_.result(), S_OK);
    ASSERT_EQ(CreateTrayControl(control_), S_OK);
    ASSERT_EQ(control_->QueryInterface(IID_IPersistPropertyBag, persist_.putVoid()), S_OK);
  }
  Apartment apartment_;
  ComPtr<IDispatch> control_;
  ComPtr<IPersistPropertyBag> persist_;
};

TEST_F(TrayPersistenceTest, SavesOnlyFalse) {
  PropertyBag bag;
  ASSERT_EQ(persist_->InitNew(), S_OK);
  EXPECT_EQ(persist_->Save(&bag, TRUE, TRUE), S_OK);
  EXPECT_TRUE(bag.values.empty());

  ASSERT_EQ(PutProperty(control_.get(), L"Enabled", Variant::Bool(false)), S_OK);
  EXPECT_EQ(persist_->Save(&bag, TRUE, TRUE), S_OK);
  ASSERT_EQ(bag.values.size(), 1u);
  const VARIANT& saved = *bag.values.at(L"Enabled");
  EXPECT_EQ(saved.vt, VT_BOOL);
  EXPECT_EQ(saved.boolVal, VARIANT_FALSE);
}

TEST_F(TrayPersistenceTest, LoadsWhatTheBagHoldsWithTrueAsDefault) {
  struct Case {
    const char* what;
    bool hasValue;
    Variant stored;
    bool enabled;
  };
  const Case cases[] = {
      {"no value", false, Variant(), true},
      {"False", true, Variant::Bool(false), false},
      {"True", true, Variant::Bool(true), true},
      {"0 as a number", true, Variant(LONG{0}), false},
      {"text that is no Boolean", true, Variant(L"maybe"), true},
  };
  for (const Case& c : cases) {
    // Each load starts from a disabled control, so the default must come from the load itself.
    ASSERT_EQ(PutProperty(control_.get(), L"Enabled", Variant::Bool(false)), S_OK);
    PropertyBag bag;
    if (c.hasValue) bag.values[L"Enabled"] = c.stored;
    EXPECT_EQ(persist_->Load(&bag, nullptr), S_OK) << c.what;
    EXPECT_EQ(GetBoolProperty(control_.get(), L"Enabled"), c.enabled) << c.what;
  }
}

TEST_F(TrayPersistenceTest, SavedFalseLoadsIntoANewControlAsFalse) {
  PropertyBag bag;
  ASSERT_EQ(PutProperty(control_.get(), L"Enabled", Variant::Bool(false)), S_OK);
  ASSERT_EQ(persist_->Save(&bag, TRUE, FALSE), S_OK);
  ComPtr<IDispatch> other;
  ASSERT_EQ(CreateTrayControl(other), S_OK);
  ComPtr<IPersistPropertyBag> otherPersist;
  ASSERT_EQ(other->QueryInterface(IID_IPersistPropertyBag, otherPersist.putVoid()), S_OK);
  ASSERT_EQ(otherPersist->Load(&bag, nullptr), S_OK);
  EXPECT_FALSE(GetBoolProperty(other.get(), L"Enabled"));
  CLSID clsid{};
  EXPECT_EQ(otherPersist->GetClassID(&clsid), S_OK);
  EXPECT_EQ(clsid, CLSID_KW_TrayNotification);
}

}  // namespace
