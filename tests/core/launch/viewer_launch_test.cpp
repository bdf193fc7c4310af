#include <gmock/gmock.h>

#include <functional>
#include <thread>

#include "core/passwords.h"
#include "core/process_start.h"
#include "core/registry_store.h"
#include "launch_fixture.h"

using namespace corvana;
using namespace corvana::test;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

struct CommandLineCase {
  const char* label;
  bool defaultViewer;
  std::function<void(ConnectionRecord&)> configure;
  std::string expectedTail;  // after the viewer program
};

class ViewerCommandLine : public LaunchTest, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(ViewerCommandLine, IsBuiltFromTheConnection) {
  const auto& c = GetParam();
  // No window search: only the command line counts here.
  gOptions.AuthWindowRetries = -1;
  if (c.defaultViewer) gOptions.ViewerPath.clear();
  std::string path = MakeConfiguredConnection("Top", "Conn", [&](ConnectionRecord& r) {
    r.Password = "pw";
    c.configure(r);
  });
  std::string record = FreshRecordBase();
  StandInSettings settings(record);
  ConnectVncViewer(path, prompt_, mainWindow_);
  auto line = WaitForFile(record + ".cmd");
  ASSERT_TRUE(line);
  std::string program = c.defaultViewer ? "vncviewer.exe " : StandInViewerPath();
  EXPECT_EQ(*line, program + c.expectedTail);
  EXPECT_EQ(mainWindow_.minimized, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewerCommandLine,
    ::testing::Values(
        CommandLineCase{"NoSwitchDefaultViewer", true, [](ConnectionRecord&) {}, " / vnc.example:1"},
        CommandLineCase{"SharedOnly", true, [](ConnectionRecord& r) { r.SharedSession = kTrue; },
                        " /shared / vnc.example:1"},
        CommandLineCase{"AllSwitchesInOrder", false,
                        [](ConnectionRecord& r) {
                          r.AllowCopyRect = r.DisableClipboard = kTrue;  // not passed on
                          r.SharedSession = r.DeiconifyOnBell = r.Emulate3Buttons = kTrue;
                          r.SwapMouseButtons = r.Restrict8Bit = r.ViewOnly = r.FullScreen = kTrue;
                          r.Scale = kTrue;
                          r.Scale1 = "3";
                          r.Scale2 = "4";
                        },
                        " /8bit /swapmouse /shared /belldeiconify /fullscreen /viewonly /emulate3 /scale 3/4 / "
                        "vnc.example:1"},
        CommandLineCase{"ScaleWithAnEmptyPart", false,
                        [](ConnectionRecord& r) {
                          r.ViewOnly = kTrue;
                          r.Scale = kTrue;
                          r.Scale1 = "2";
                          r.Scale2 = "";
                        },
                        " /viewonly / vnc.example:1"},
        CommandLineCase{"HostAndDisplayAsStored", false,
                        [](ConnectionRecord& r) {
                          r.Host = "10.0.0.5";
                          r.Display = "07";
                        },
                        " / 10.0.0.5:07"}),
    [](const auto& info) { return std::string(info.param.label); });

// The stored password arrives in the authentication window exactly, notation characters and
// umlauts too, followed by Enter.
class StoredPassword : public LaunchTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(StoredPassword, IsTypedExactlyAndThenTheMainWindowIsMinimised) {
  const std::string password = GetParam();
  std::string path = MakeConnection("Top\\Sub", "Conn", password);
  std::string record = FreshRecordBase();
  StandInSettings settings(record, kDefaultAuthWindowCaption);
  ConnectVncViewer(path, prompt_, mainWindow_);
  auto typed = WaitForTyped(record);
  ASSERT_TRUE(typed);
  EXPECT_TRUE(typed->enter);
  EXPECT_EQ(typed->text, password);
  EXPECT_TRUE(prompt_.asked.empty());
  EXPECT_EQ(mainWindow_.minimized, 1);
  EXPECT_EQ(gLaunchPassword, password);
}

INSTANTIATE_TEST_SUITE_P(Passwords, StoredPassword,
                         ::testing::Values("secret", "+^%~(){}[]", "a{ENTER}b~c", "{TAB 3}",
                                           "\xE4\xF6\xFC\xC4\xD6\xDC\xDF\xA7", "P@ss w0rd!+(x)\"'"));

TEST_F(LaunchTest, NoMinimisingWhenTheOptionIsOff) {
  gOptions.MinimizeAfterConnect = kFalse;
  std::string path = MakeConnection("Top", "Conn", "pw");
  std::string record = FreshRecordBase();
  StandInSettings settings(record, kDefaultAuthWindowCaption);
  ConnectVncViewer(path, prompt_, mainWindow_);
  auto typed = WaitForTyped(record);
  ASSERT_TRUE(typed);
  EXPECT_EQ(typed->text, "pw");
  EXPECT_EQ(mainWindow_.minimized, 0);
}

TEST_F(LaunchTest, ListRoadLooksForTheConfiguredCaptionTrayRoadForTheStandardOne) {
  gOptions.AuthWindowCaption = UseCaption("Changed Caption");
  std::string path = MakeConnection("Top", "Conn", "pw");
  {
    // The list road finds the window of the configured caption.
    std::string record = FreshRecordBase();
    StandInSettings settings(record, "Changed Caption");
    ConnectVncViewer(path, prompt_, mainWindow_);
    auto typed = WaitForTyped(record);
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->text, "pw");
    EXPECT_TRUE(typed->enter);
  }
  {
    // The tray road keeps to "VNC Authentication" whatever the option says.
    std::string record = FreshRecordBase();
    StandInSettings settings(record, kDefaultAuthWindowCaption);
    ConnectVncViewerByKey(path, prompt_, mainWindow_);
    auto typed = WaitForTyped(record);
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->text, "pw");
    EXPECT_TRUE(typed->enter);
  }
  EXPECT_EQ(mainWindow_.minimized, 2);
  {
    // The list road does not take a window of the standard caption for the configured one.
    gOptions.AuthWindowRetries = 5;
    std::string record = FreshRecordBase();
    StandInSettings settings(record, kDefaultAuthWindowCaption);
    ConnectVncViewer(path, prompt_, mainWindow_);
    HWND dialog = WaitForDialog(kDefaultAuthWindowCaption);
    ASSERT_TRUE(dialog);
    CloseStandIn(dialog);
    auto typed = WaitForTyped(record);
    ASSERT_TRUE(typed);
    EXPECT_FALSE(typed->enter);
    EXPECT_EQ(typed->text, "");
    EXPECT_EQ(mainWindow_.minimized, 2);
  }
}

// An authentication window that is already open when the viewer starts.
class OpenWindowTest : public LaunchTest {
 protected:
  void SetUp() override {
    LaunchTest::SetUp();
    early_ = FreshRecordBase();
    {
      StandInSettings settings(early_, kDefaultAuthWindowCaption);
      ASSERT_TRUE(StartCommandLine(StandInViewerPath()).started);
    }
    ASSERT_TRUE(WaitForDialog(kDefaultAuthWindowCaption));
  }
  std::string early_;
};

TEST_F(OpenWindowTest, NegativeRetryCountMakesNoAttempt) {
  gOptions.AuthWindowRetries = -1;
  std::string path = MakeConnection("Top", "Conn", "pw");
  std::string record = FreshRecordBase();
  StandInSettings settings(record);
  ConnectVncViewer(path, prompt_, mainWindow_);
  EXPECT_TRUE(WaitForFile(record + ".cmd"));  // the viewer was started
  CloseAllStandIns(kDefaultAuthWindowCaption);
  auto typed = WaitForTyped(early_);
  ASSERT_TRUE(typed);
  EXPECT_FALSE(typed->enter);
  EXPECT_EQ(typed->text, "");
  EXPECT_EQ(mainWindow_.minimized, 0);
}

// The count as the user stores it, through the options reader.
TEST_F(OpenWindowTest, StoredNegativeRetryCountMakesNoAttempt) {
  struct NoBackground : MainWindowBackground {
    void SetShowBackgroundChecked(bool) override {}
    void ClearListPicture() override {}
    bool SetListPictureFromFile(const std::string&) override { return true; }
    void SetListPictureFromResource(int) override {}
  } window;
  WriteRootSetting(kAuthWindowRetryValue, "-1");
  ReadGlobalOptions(window);
  std::string path = MakeConnection("Top", "Conn", "pw");
  std::string record = FreshRecordBase();
  StandInSettings settings(record);
  ConnectVncViewer(path, prompt_, mainWindow_);
  EXPECT_TRUE(WaitForFile(record + ".cmd"));
  CloseAllStandIns(kDefaultAuthWindowCaption);
  auto typed = WaitForTyped(early_);
  ASSERT_TRUE(typed);
  EXPECT_FALSE(typed->enter);
  EXPECT_EQ(typed->text, "");
}

TEST_F(OpenWindowTest, RetryCountZeroMakesOneAttempt) {
  gOptions.AuthWindowRetries = 0;
  std::string path = MakeConnection("Top", "Conn", "pw");
  std::string record = FreshRecordBase();
  StandInSettings settings(record);
  ConnectVncViewer(path, prompt_, mainWindow_);
  auto typed = WaitForTyped(early_);
  ASSERT_TRUE(typed);
  EXPECT_TRUE(typed->enter);
  EXPECT_EQ(typed->text, "pw");
  EXPECT_EQ(mainWindow_.minimized, 1);
}

// A window that appears only later: found while attempts remain, missed when they are used up.
class LateWindowTest : public LaunchTest {
 protected:
  void SetUp() override {
    LaunchTest::SetUp();
    gate_name_ = "CorvanaLaunchGate-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
    gate_ = CreateEventA(nullptr, TRUE, FALSE, gate_name_.c_str());
    ASSERT_TRUE(gate_);
  }
  void TearDown() override {
    SetEvent(gate_);
    LaunchTest::TearDown();
    CloseHandle(gate_);
  }
  std::string gate_name_;
  HANDLE gate_ = nullptr;
};

TEST_F(LateWindowTest, RetryCountZeroDoesNotWaitForIt) {
  gOptions.AuthWindowRetries = 0;
  std::string path = MakeConnection("Top", "Conn", "pw");
  std::string record = FreshRecordBase();
  StandInSettings settings(record, kDefaultAuthWindowCaption, gate_name_);
  ConnectVncViewer(path, prompt_, mainWindow_);
  // The launch is over before the window exists.
  SetEvent(gate_);
  HWND dialog = WaitForDialog(kDefaultAuthWindowCaption);
  ASSERT_TRUE(dialog);
  CloseStandIn(dialog);
  auto typed = WaitForTyped(record);
  ASSERT_TRUE(typed);
  EXPECT_FALSE(typed->enter);
  EXPECT_EQ(typed->text, "");
  EXPECT_EQ(mainWindow_.minimized, 0);
}

TEST_F(LateWindowTest, RemainingAttemptsFindIt) {
  std::string path = MakeConnection("Top", "Conn", "pw");
  std::string record = FreshRecordBase();
  StandInSettings settings(record, kDefaultAuthWindowCaption, gate_name_);
  // The window appears once the viewer runs, while the launch is searching.
  std::thread opener([&] {
    if (WaitForFile(record + ".cmd")) SetEvent(gate_);
  });
  ConnectVncViewer(path, prompt_, mainWindow_);
  opener.join();
  auto typed = WaitForTyped(record);
  ASSERT_TRUE(typed);
  EXPECT_TRUE(typed->enter);
  EXPECT_EQ(typed->text, "pw");
}

TEST_F(LaunchTest, MissingPasswordIsAskedForTheFullNestedPathAndTyped) {
  std::string path = MakeConnection("Top\\Middle\\Inner", "Conn");
  prompt_.answer = "fromPrompt+1";
  std::string record = FreshRecordBase();
  StandInSettings settings(record, kDefaultAuthWindowCaption);
  ConnectVncViewer(path, prompt_, mainWindow_);
  ASSERT_EQ(prompt_.asked.size(), 1u);
  EXPECT_EQ(prompt_.asked[0].first, "Top\\Middle\\Inner\\Conn");
  EXPECT_EQ(prompt_.asked[0].second, "Conn");
  auto typed = WaitForTyped(record);
  ASSERT_TRUE(typed);
  EXPECT_EQ(typed->text, "fromPrompt+1");
  EXPECT_TRUE(typed->enter);
  EXPECT_EQ(mainWindow_.minimized, 1);
}

TEST_F(LaunchTest, CancelledPromptStartsNothing) {
  // A viewer that cannot start would say so at once: silence means no start was tried.
  gOptions.ViewerPath = ProgramFolder() + "\\no_such_viewer.exe";
  std::string path = MakeConnection("Top", "Conn");
  prompt_.cancel = true;
  ConnectVncViewer(path, prompt_, mainWindow_);
  EXPECT_EQ(prompt_.asked.size(), 1u);
  EXPECT_TRUE(gPasswordCancelled);
  EXPECT_TRUE(watcher_.seen().empty());
  EXPECT_EQ(mainWindow_.minimized, 0);
}

TEST_F(LaunchTest, PromptConfirmedEmptyStartsTheViewerAndTypesNothing) {
  std::string path = MakeConnection("Top", "Conn");
  prompt_.answer = "";
  std::string record = FreshRecordBase();
  StandInSettings settings(record, kDefaultAuthWindowCaption);
  ConnectVncViewer(path, prompt_, mainWindow_);
  EXPECT_TRUE(WaitForFile(record + ".cmd"));
  HWND dialog = WaitForDialog(kDefaultAuthWindowCaption);
  ASSERT_TRUE(dialog);
  CloseStandIn(dialog);
  auto typed = WaitForTyped(record);
  ASSERT_TRUE(typed);
  EXPECT_FALSE(typed->enter);
  EXPECT_EQ(typed->text, "");
  EXPECT_EQ(mainWindow_.minimized, 0);
}

TEST_F(LaunchTest, EveryLaunchStartsUncancelled) {
  gPasswordCancelled = true;
  ConnectVncViewer(std::nullopt, prompt_, mainWindow_);
  EXPECT_FALSE(gPasswordCancelled);
  EXPECT_TRUE(prompt_.asked.empty());
  gPasswordCancelled = true;
  gOptions.AuthWindowRetries = -1;
  std::string record = FreshRecordBase();
  StandInSettings settings(record);
  ConnectVncViewerByKey(MakeConnection("Top", "Conn", "pw"), prompt_, mainWindow_);
  EXPECT_FALSE(gPasswordCancelled);
  EXPECT_TRUE(WaitForFile(record + ".cmd"));
}

TEST_F(LaunchTest, ViewerThatCannotStartIsReportedByItsPath) {
  const std::string missing = ProgramFolder() + "\\no_such_viewer.exe";
  gOptions.ViewerPath = missing;
  std::string path = MakeConnection("Top", "Conn", "pw");
  ConnectVncViewer(path, prompt_, mainWindow_);
  auto seen = watcher_.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, "VNC Corvana");
  EXPECT_THAT(seen[0].text, StartsWith("Error on executing " + missing + " ("));
  EXPECT_EQ(seen[0].text.back(), ')');
  EXPECT_GT(seen[0].text.size(), ("Error on executing " + missing + " ()").size());
  EXPECT_EQ(mainWindow_.minimized, 0);
  watcher_.clear();
}

}  // namespace
