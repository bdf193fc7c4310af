#include "core/global_options.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "fakes.h"
#include "records_fixture.h"
#include "resources/bitmap_ids.h"

using namespace corvana;
using corvana::test::RecordingBackground;
using corvana::test::RecordsTest;
using ::testing::ElementsAre;

namespace {

class GlobalOptionsTest : public RecordsTest {
 protected:
  RecordingBackground window_;
  void SetUp() override {
    RecordsTest::SetUp();
    WriteRootSetting("top", "0");  // the store exists
  }
};

// One row read alone: the variable before, the stored text (nullptr: absent) and what it must hold.
struct RowCase {
  const char* value;
  const char* text;
  std::function<void(GlobalOptions&)> before;
  std::function<void(const GlobalOptions&)> check;
};

template <class T>
std::function<void(GlobalOptions&)> Preset(T GlobalOptions::*member, T v) {
  return [=](GlobalOptions& o) { o.*member = v; };
}
template <class T>
std::function<void(const GlobalOptions&)> Expect(T GlobalOptions::*member, T v) {
  return [=](const GlobalOptions& o) { EXPECT_EQ(o.*member, v); };
}
std::function<void(GlobalOptions&)> PresetText(std::string GlobalOptions::*member, const char* v) {
  return Preset<std::string>(member, v);
}
std::function<void(const GlobalOptions&)> ExpectText(std::string GlobalOptions::*member, const char* v) {
  return Expect<std::string>(member, v);
}

std::vector<RowCase> TextRow(const char* value, std::string GlobalOptions::*member) {
  return {{value, nullptr, PresetText(member, "former"), ExpectText(member, "former")},
          {value, "C:\\Programme\\x y\\z.exe", PresetText(member, "former"),
           ExpectText(member, "C:\\Programme\\x y\\z.exe")}};
}

std::vector<RowCase> DefaultFlagRow(const char* value, Flag GlobalOptions::*member) {
  return {{value, nullptr, Preset(member, kTrue), Expect(member, kTrue)},
          {value, "0", Preset(member, kTrue), Expect(member, kFalse)},
          {value, "1", Preset(member, kFalse), Expect(member, kTrue)},
          {value, "7", Preset(member, kFalse), Expect(member, kTrue)},
          {value, "9x", Preset(member, kFalse), Expect(member, kTrue)},
          {value, "x", Preset(member, kTrue), Expect(member, kTrue)},
          {value, "x", Preset(member, kFalse), Expect(member, kFalse)},
          {value, "-1", Preset(member, kTrue), Expect(member, kTrue)}};
}

std::vector<RowCase> SwitchRow(const char* value, Flag GlobalOptions::*member) {
  return {{value, nullptr, Preset(member, kTrue), Expect(member, kFalse)},
          {value, "0", Preset(member, kTrue), Expect(member, kFalse)},
          {value, "7", Preset(member, kTrue), Expect(member, kFalse)},
          {value, "1", Preset(member, kFalse), Expect(member, kTrue)},
          {value, "1x", Preset(member, kFalse), Expect(member, kTrue)}};
}

std::vector<RowCase> AllRows() {
  using O = GlobalOptions;
  std::vector<RowCase> rows = {
      {"Prefered Encoding", nullptr, PresetText(&O::DefaultEncoding, "rre"), ExpectText(&O::DefaultEncoding, "rre")},
      {"Prefered Encoding", "HEXTILE", PresetText(&O::DefaultEncoding, "rre"),
       ExpectText(&O::DefaultEncoding, "hextile")},
      {"Prefered Encoding", "CoRRE", PresetText(&O::DefaultEncoding, "rre"), ExpectText(&O::DefaultEncoding, "corre")},
      {"Prefered Encoding", "raw", PresetText(&O::DefaultEncoding, "rre"), ExpectText(&O::DefaultEncoding, "raw")},
      {"Prefered Encoding", "RrE", PresetText(&O::DefaultEncoding, "raw"), ExpectText(&O::DefaultEncoding, "rre")},
      {"Prefered Encoding", "tight", PresetText(&O::DefaultEncoding, "rre"), ExpectText(&O::DefaultEncoding, "rre")},
      {"FindAuthenticationWindowRetry", nullptr, Preset(&O::AuthWindowRetries, 7), Expect(&O::AuthWindowRetries, 20)},
      {"FindAuthenticationWindowRetry", "5", Preset(&O::AuthWindowRetries, 7), Expect(&O::AuthWindowRetries, 5)},
      {"FindAuthenticationWindowRetry", "0", Preset(&O::AuthWindowRetries, 7), Expect(&O::AuthWindowRetries, 0)},
      {"FindAuthenticationWindowRetry", "150", Preset(&O::AuthWindowRetries, 7), Expect(&O::AuthWindowRetries, 150)},
      {"FindAuthenticationWindowRetry", "zehn", Preset(&O::AuthWindowRetries, 7), Expect(&O::AuthWindowRetries, 20)},
      {"FindAuthenticationWindowRetry", "2.5", Preset(&O::AuthWindowRetries, 7), Expect(&O::AuthWindowRetries, 20)},
      {"FindAuthenticationWindowRetry", "-3", Preset(&O::AuthWindowRetries, 7), Expect(&O::AuthWindowRetries, -3)},
      {"FindAuthenticationWindowRetry", "99999999999", Preset(&O::AuthWindowRetries, 7),
       Expect(&O::AuthWindowRetries, 20)},
      {"FindAuthenticationWindowCaption", nullptr, PresetText(&O::AuthWindowCaption, "former"),
       ExpectText(&O::AuthWindowCaption, "VNC Authentication")},
      {"FindAuthenticationWindowCaption", "VNC Kennwort", PresetText(&O::AuthWindowCaption, "former"),
       ExpectText(&O::AuthWindowCaption, "VNC Kennwort")},
      {"BackGroundImage", nullptr, PresetText(&O::BackgroundImage, "former"), ExpectText(&O::BackgroundImage, "")},
      {"BackGroundImage", "C:\\bild.bmp", PresetText(&O::BackgroundImage, "former"),
       ExpectText(&O::BackgroundImage, "C:\\bild.bmp")},
      {"Scale-1", "5", PresetText(&O::DefaultScale1, "1"), ExpectText(&O::DefaultScale1, "1")},  // scaling off
      {"Scale-2", "5", PresetText(&O::DefaultScale2, "1"), ExpectText(&O::DefaultScale2, "1")},
      {"PreferredViewer", nullptr, PresetText(&O::PreferredViewer, "Java"), ExpectText(&O::PreferredViewer, "Java")},
      {"PreferredViewer", "browser", PresetText(&O::PreferredViewer, "Java"),
       ExpectText(&O::PreferredViewer, "Browser")},
      {"PreferredViewer", "VNCVIEWER", PresetText(&O::PreferredViewer, ""),
       ExpectText(&O::PreferredViewer, "VNCviewer")},
      {"PreferredViewer", "jAvA", PresetText(&O::PreferredViewer, ""), ExpectText(&O::PreferredViewer, "Java")},
      {"PreferredViewer", "Opera", PresetText(&O::PreferredViewer, "Java"), ExpectText(&O::PreferredViewer, "Java")},
  };
  auto add = [&](std::vector<RowCase> more) { rows.insert(rows.end(), more.begin(), more.end()); };
  add(SwitchRow("MinimizeAfterConnect", &O::MinimizeAfterConnect));
  add(SwitchRow("SystrayIfMinimized", &O::SystrayIfMinimized));
  add(DefaultFlagRow("Allow CopyRect encoding", &O::DefaultAllowCopyRect));
  add(DefaultFlagRow("Request shared session", &O::DefaultSharedSession));
  add(DefaultFlagRow("Deiconify on bell", &O::DefaultDeiconifyOnBell));
  add(DefaultFlagRow("Disable clipboard transfer", &O::DefaultDisableClipboard));
  add(DefaultFlagRow("Emulate 3 Buttons", &O::DefaultEmulate3Buttons));
  add(DefaultFlagRow("Swap mouse buttons", &O::DefaultSwapMouseButtons));
  add(DefaultFlagRow("Restrict pixtel to 8bit", &O::DefaultRestrict8Bit));
  add(DefaultFlagRow("ViewOnly", &O::DefaultViewOnly));
  add(DefaultFlagRow("Full-Screen mode", &O::DefaultFullScreen));
  add(DefaultFlagRow("Scale", &O::DefaultScale));
  add(TextRow("vncviewer", &O::ViewerPath));
  add(TextRow("vncviewerClasses", &O::JavaClassDir));
  add(TextRow("JavaRunner", &O::JavaRunner));
  add(TextRow("JavaRunnerSwitchOther", &O::JavaRunnerSwitches));
  return rows;
}

TEST_F(GlobalOptionsTest, EveryRowFollowsItsAbsentAndPresentRule) {
  for (const RowCase& row : AllRows()) {
    SCOPED_TRACE(std::string(row.value) + " = " + (row.text ? std::string("\"") + row.text + "\"" : "absent"));
    RegKey root = OpenStoreKey("");
    RegDeleteValueA(root.get(), row.value);
    if (row.text) Set("", row.value, row.text);
    gOptions = GlobalOptions{};
    row.before(gOptions);
    ReadGlobalOptions(window_);
    row.check(gOptions);
    RegDeleteValueA(root.get(), row.value);
  }
}

TEST_F(GlobalOptionsTest, ScalePartsAreReadOnlyWhileScalingIsOn) {
  Set("", "Scale-1", "3");
  Set("", "Scale-2", "4");
  struct Case {
    const char* scale;  // nullptr: absent
    Flag before;
    const char* expect1;
    const char* expect2;
  };
  const Case cases[] = {{"0", kTrue, "1", "1"}, {"1", kFalse, "3", "4"}, {nullptr, kTrue, "3", "4"},
                        {nullptr, kFalse, "1", "1"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scale ? c.scale : "absent");
    RegKey root = OpenStoreKey("");
    RegDeleteValueA(root.get(), "Scale");
    if (c.scale) Set("", "Scale", c.scale);
    gOptions.DefaultScale = c.before;
    gOptions.DefaultScale1 = "1";
    gOptions.DefaultScale2 = "1";
    ReadGlobalOptions(window_);
    EXPECT_EQ(gOptions.DefaultScale1, c.expect1);
    EXPECT_EQ(gOptions.DefaultScale2, c.expect2);
  }
  // An empty part reads as absent and keeps the former text.
  Set("", "Scale", "1");
  Set("", "Scale-2", "");
  gOptions.DefaultScale2 = "1";
  ReadGlobalOptions(window_);
  EXPECT_EQ(gOptions.DefaultScale2, "1");
}

TEST_F(GlobalOptionsTest, RetryCountIsReadAsAWholeNumberOrCountsAsAbsent) {
  struct Case {
    const char* text;
    std::int32_t expect;
  };
  const Case cases[] = {
      {"-1", -1}, {"+3", 3}, {" 5", 5}, {"5 ", 5}, {"  -7  ", -7}, {"\t4\t", 4}, {"007", 7}, {"-0", 0},
      {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN},
      // Not whole numbers: the default.
      {"2147483648", 20}, {"-2147483649", 20}, {"2.5", 20}, {"-1.0", 20}, {"2,5", 20}, {"1e3", 20},
      {"&H10", 20}, {"5x", 20}, {"x5", 20}, {"5 5", 20}, {"- 5", 20}, {"+-5", 20}, {"--5", 20},
      {"+", 20}, {"-", 20}, {"   ", 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.text + "\"");
    Set("", "FindAuthenticationWindowRetry", c.text);
    gOptions.AuthWindowRetries = 7;
    ReadGlobalOptions(window_);
    EXPECT_EQ(gOptions.AuthWindowRetries, c.expect);
  }
}

TEST_F(GlobalOptionsTest, WithoutStoreOnlyTheAuthenticationWindowIsSet) {
  ASSERT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, ProductKey), ERROR_SUCCESS);
  gOptions.AuthWindowRetries = 3;
  gOptions.AuthWindowCaption = "former";
  gOptions.DefaultEncoding = "raw";
  gOptions.DefaultViewOnly = kTrue;
  gOptions.BackgroundImage = "former";
  ReadGlobalOptions(window_);
  EXPECT_EQ(gOptions.AuthWindowRetries, 20);
  EXPECT_EQ(gOptions.AuthWindowCaption, "VNC Authentication");
  EXPECT_EQ(gOptions.DefaultEncoding, "raw");
  EXPECT_EQ(gOptions.DefaultViewOnly, kTrue);
  EXPECT_EQ(gOptions.BackgroundImage, "former");
  EXPECT_TRUE(window_.calls.empty());
}

TEST_F(GlobalOptionsTest, BackgroundFollowsShowBackground) {
  struct Case {
    const char* show;   // nullptr: absent
    const char* image;  // nullptr: absent
    std::vector<std::string> calls;
  };
  const std::string defaultPicture = "resource " + std::to_string(IDB_LIST_BACKGROUND);
  const Case cases[] = {
      {nullptr, "C:\\bild.bmp", {"uncheck", "clear"}},
      {"0", "C:\\bild.bmp", {"uncheck", "clear"}},
      {"7", nullptr, {"uncheck", "clear"}},
      {"1", "C:\\bild.bmp", {"check", "file C:\\bild.bmp"}},
      {"1", nullptr, {"check", defaultPicture}},
      {"1", "", {"check", defaultPicture}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.show ? c.show : "absent") + " / " + (c.image ? c.image : "absent"));
    RegKey root = OpenStoreKey("");
    RegDeleteValueA(root.get(), "ShowBackground");
    RegDeleteValueA(root.get(), "BackGroundImage");
    if (c.show) Set("", "ShowBackground", c.show);
    if (c.image) Set("", "BackGroundImage", c.image);
    window_.calls.clear();
    ReadGlobalOptions(window_);
    EXPECT_EQ(window_.calls, c.calls);
  }
}

TEST_F(GlobalOptionsTest, PictureThatWillNotLoadIsLeftToTheWindow) {
  Set("", "ShowBackground", "1");
  Set("", "BackGroundImage", "C:\\fehlt.bmp");
  window_.fileLoads = false;
  ReadGlobalOptions(window_);
  // No fallback to the default bitmap: the list keeps the picture it had.
  EXPECT_THAT(window_.calls, ElementsAre("check", "file C:\\fehlt.bmp"));
}

TEST_F(GlobalOptionsTest, ValuesThatStopBeingStoredKeepTheirFormerSetting) {
  Set("", "vncviewer", "C:\\vnc\\vncviewer.exe");
  Set("", "ViewOnly", "1");
  ReadGlobalOptions(window_);
  RegKey root = OpenStoreKey("");
  RegDeleteValueA(root.get(), "vncviewer");
  RegDeleteValueA(root.get(), "ViewOnly");
  ReadGlobalOptions(window_);
  EXPECT_EQ(gOptions.ViewerPath, "C:\\vnc\\vncviewer.exe");
  EXPECT_EQ(gOptions.DefaultViewOnly, kTrue);
}

TEST_F(GlobalOptionsTest, ResetSetsTheLoadDefaultsAndKeepsTheJavaRunner) {
  gOptions.ViewerPath = "v";
  gOptions.DefaultEncoding = "raw";
  gOptions.PreferredViewer = "Java";
  gOptions.JavaClassDir = "c";
  gOptions.JavaRunner = "jview";
  gOptions.JavaRunnerSwitches = "/cp";
  gOptions.DefaultViewOnly = kTrue;
  gOptions.DefaultScale = kTrue;
  gOptions.DefaultScale1 = "3";
  gOptions.MinimizeAfterConnect = kTrue;
  ResetGlobalOptions();
  EXPECT_EQ(gOptions.ViewerPath, "");
  EXPECT_EQ(gOptions.DefaultEncoding, "");
  EXPECT_EQ(gOptions.PreferredViewer, "");
  EXPECT_EQ(gOptions.JavaClassDir, "");
  EXPECT_EQ(gOptions.JavaRunner, "jview");
  EXPECT_EQ(gOptions.JavaRunnerSwitches, "/cp");
  EXPECT_EQ(gOptions.DefaultViewOnly, kFalse);
  EXPECT_EQ(gOptions.DefaultScale, kFalse);
  EXPECT_EQ(gOptions.DefaultScale1, "1");
  EXPECT_EQ(gOptions.DefaultScale2, "1");
  EXPECT_EQ(gOptions.MinimizeAfterConnect, kTrue);  // read from the store, not reset
}

TEST(GlobalOptionsStart, TextsEmptyFlagsFalseRetriesZero) {
  const GlobalOptions o;
  EXPECT_EQ(o.AuthWindowRetries, 0);
  EXPECT_EQ(o.AuthWindowCaption, "");
  EXPECT_EQ(o.DefaultScale1, "");
  EXPECT_EQ(o.DefaultViewOnly, kFalse);
  EXPECT_EQ(o.MinimizeAfterConnect, kFalse);
}

}  // namespace
