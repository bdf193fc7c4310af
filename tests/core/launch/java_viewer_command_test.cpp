// The Java viewer's command line, the ports of a display and the quoting of an argument, the
// last checked against the C runtime of a started program (the stand-in runner).
#include "core/java_viewer_command.h"

#include <gmock/gmock.h>

#include <optional>
#include <string>
#include <vector>

#include "core/process_start.h"
#include "core/service_port.h"
#include "support/decimal_separator.h"
#include "support/own_desktop/stand_in_control.h"

using namespace corvana;
using namespace corvana::test;

namespace {

TEST(JavaViewerCommandLine, IsTheRunnerItsSwitchesAndTheTarget) {
  EXPECT_EQ(JavaViewerCommandLine("java", "-cp %CLASSPATH% %VNCVIEWER%", "C:\\VNCCLA~1", "srv", 5902, ""),
            "java -cp C:\\VNCCLA~1 vncviewer HOST srv PORT 5902 PASSWORD \"\"");
}

TEST(JavaViewerCommandLine, ReplacesOnlyThePlaceholdersAsWritten) {
  struct Case {
    const char* switches;
    const char* expected;
  } cases[] = {
      {"-jar viewer.jar", "-jar viewer.jar"},
      {"-cp %classpath% %VncViewer%", "-cp %classpath% %VncViewer%"},
      {"-cp %CLASSPATH%;%CLASSPATH%\\x %VNCVIEWER%", "-cp C:\\CL;C:\\CL\\x vncviewer"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.switches);
    EXPECT_EQ(JavaViewerCommandLine("jre", c.switches, "C:\\CL", "h", 5900, "pw"),
              std::string("jre ") + c.expected + " HOST h PORT 5900 PASSWORD \"pw\"");
  }
}

// The class folder is replaced first: a folder whose name holds the viewer placeholder has it
// replaced as well.
TEST(JavaViewerCommandLine, ReplacesTheViewerAfterTheClassPath) {
  EXPECT_EQ(JavaViewerCommandLine("j", "%CLASSPATH%", "C:\\%VNCVIEWER%", "h", 1, ""),
            "j C:\\vncviewer HOST h PORT 1 PASSWORD \"\"");
}

TEST(ShortPathName, GivesTheShortFormOfAnExistingFolderAndNothingForAMissingOne) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "VNC Viewer Classes " + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  std::optional<std::string> shortForm = ShortPathName(folder);
  ASSERT_TRUE(shortForm);
  EXPECT_EQ(shortForm->find(' '), std::string::npos) << *shortForm;
  char longForm[MAX_PATH] = {};
  ASSERT_NE(GetLongPathNameA(shortForm->c_str(), longForm, MAX_PATH), 0u);
  EXPECT_EQ(longForm, folder);
  RemoveDirectoryA(folder.c_str());
  EXPECT_EQ(ShortPathName(folder), std::nullopt);
}

TEST(DisplayPort16, AddsTheDisplayAsA16BitNumber) {
  const std::string dot = DecimalSeparator();
  struct Case {
    std::string display;
    int base;
    std::optional<int> port;
  } cases[] = {
      {"1", kJavaViewerPortBase, 5801},
      {"0", kJavaViewerPortBase, 5800},
      {"0", kVncPortBase, 5900},
      {" 2 ", kVncPortBase, 5902},
      {"26967", kJavaViewerPortBase, 32767},
      {"26867", kVncPortBase, 32767},
      {"-5799", kJavaViewerPortBase, 1},
      // A fraction rounds to the nearest whole number, a half to the even one, before the range
      // is checked.
      {"1" + dot + "4", kJavaViewerPortBase, 5801},
      {"1" + dot + "5", kJavaViewerPortBase, 5802},
      {"2" + dot + "5", kJavaViewerPortBase, 5802},
      {"-0" + dot + "5", kVncPortBase, 5900},
      {"26967" + dot + "4", kJavaViewerPortBase, 32767},
      {"26967" + dot + "5", kJavaViewerPortBase, std::nullopt},
      {"-5798" + dot + "5", kJavaViewerPortBase, 2},
      {"-5799" + dot + "5", kJavaViewerPortBase, std::nullopt},
      // No number, or no port.
      {"", kJavaViewerPortBase, std::nullopt},
      {"abc", kJavaViewerPortBase, std::nullopt},
      {"1a", kVncPortBase, std::nullopt},
      {"26968", kJavaViewerPortBase, std::nullopt},
      {"26868", kVncPortBase, std::nullopt},
      {"40000", kVncPortBase, std::nullopt},
      {"-5800", kJavaViewerPortBase, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("'" + c.display + "' + " + std::to_string(c.base));
    EXPECT_EQ(DisplayPort16(c.display, c.base), c.port);
  }
}

TEST(ProbePortText, AddsTheDisplayAsADouble) {
  EXPECT_EQ(ProbePortText("0"), "5900");
  EXPECT_EQ(ProbePortText("2"), "5902");
  // Beyond the 16-bit range of the other commands: the probe control decides.
  EXPECT_EQ(ProbePortText("40000"), "45900");
  EXPECT_EQ(ProbePortText("abc"), std::nullopt);
  EXPECT_EQ(ProbePortText(""), std::nullopt);
}

TEST(QuoteArgument, KeepsAPlainTextInQuotesAsItIs) {
  EXPECT_EQ(QuoteArgument(""), "\"\"");
  EXPECT_EQ(QuoteArgument("s3cret"), "\"s3cret\"");
  EXPECT_EQ(QuoteArgument("a\\b"), "\"a\\b\"");
}

// What the started program's C runtime makes of the quoted text is the text itself.
TEST(QuoteArgument, TheStartedProgramReceivesExactlyTheText) {
  const std::string texts[] = {"",          "plain",        "two words",  "a\"b",      "\"",    "ends\\",
                               "ends\\\\",  "a\\\"b",       "\\\\srv\\x", "x\\\\\"y",  "\" \"", "tab\there",
                               "%PATH% ^&|<>"};
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    const std::string record = FreshRecordBase();
    StandInSettings settings(record);
    const std::string runner = ProgramFolder() + "\\stand_in_java_runner.exe";
    ASSERT_TRUE(StartCommandLine(runner + " first " + QuoteArgument(text) + " last").started);
    ASSERT_TRUE(WaitForFile(record + ".cmd"));
    std::optional<std::string> args = WaitForFile(record + ".args");
    ASSERT_TRUE(args);
    EXPECT_EQ(*args, "first\n" + text + "\nlast\n");
  }
}

}  // namespace
