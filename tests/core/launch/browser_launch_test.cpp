#include "core/browser_launch.h"

#include <gmock/gmock.h>

#include "core/registry_value.h"
#include "core/string_table.h"
#include "resources/string_ids.h"
#include "support/message_box_watcher.h"
#include "support/own_desktop/stand_in_control.h"
#include "support/registry_sandbox.h"

using namespace corvana;
using namespace corvana::test;

namespace {

class BrowserLaunch : public ::testing::Test {
 protected:
  static void Associate(const char* programId) {
    ASSERT_TRUE(WriteSubKeyDefaultValue(HKEY_CLASSES_ROOT, ".htm", programId));
  }
  static void SetOpenCommand(const std::string& programId, const std::string& command) {
    ASSERT_TRUE(WriteSubKeyDefaultValue(HKEY_CLASSES_ROOT, programId + "\\shell\\open\\command", command));
  }
  static void ExpectNotStartedMessage(const MessageBoxWatcher& watcher) {
    auto seen = watcher.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "VNC Corvana");
    EXPECT_EQ(seen[0].text, LoadResString(IDS_BROWSER_NOT_STARTED));
    EXPECT_EQ(seen[0].icon, MessageIcon::Critical);
  }
  RegistrySandbox sandbox_{RegistrySandbox::CurrentUser | RegistrySandbox::ClassesRoot};
};

TEST_F(BrowserLaunch, AppendsTheAddressToTheOpenCommandAsItIs) {
  const std::string commands[] = {"\"" + StandInBrowserPath() + "\" \"%1\"", StandInBrowserPath(),
                                  StandInBrowserPath() + " -nohome"};
  Associate("CorvanaTest.htm");
  for (const auto& command : commands) {
    SCOPED_TRACE(command);
    SetOpenCommand("CorvanaTest.htm", command);
    std::string record = FreshRecordBase();
    StandInSettings settings(record);
    MessageBoxWatcher watcher;
    LaunchDefaultBrowser("http://vnc.example:5801");
    auto line = WaitForFile(record + ".cmd");
    ASSERT_TRUE(line);
    EXPECT_EQ(*line, command + " http://vnc.example:5801");
    EXPECT_TRUE(watcher.seen().empty());
  }
}

TEST_F(BrowserLaunch, NoAssociationShowsTheMessage) {
  MessageBoxWatcher watcher;
  LaunchDefaultBrowser("http://vnc.example/");
  ExpectNotStartedMessage(watcher);
}

TEST_F(BrowserLaunch, EmptyAssociationShowsTheMessage) {
  Associate("");
  MessageBoxWatcher watcher;
  LaunchDefaultBrowser("http://vnc.example/");
  ExpectNotStartedMessage(watcher);
}

TEST_F(BrowserLaunch, MissingOrEmptyOpenCommandShowsTheMessage) {
  Associate("CorvanaTest.htm");
  ASSERT_TRUE(CreateKey(HKEY_CLASSES_ROOT, "CorvanaTest.htm\\shell\\open"));
  {
    MessageBoxWatcher watcher;
    LaunchDefaultBrowser("ftp://vnc.example/");
    ExpectNotStartedMessage(watcher);
  }
  SetOpenCommand("CorvanaTest.htm", "");
  {
    MessageBoxWatcher watcher;
    LaunchDefaultBrowser("ftp://vnc.example/");
    ExpectNotStartedMessage(watcher);
  }
}

// Cut to the buffer, the command would run with half its switches and the address behind them.
TEST_F(BrowserLaunch, AnOpenCommandThatDoesNotFitTheBufferStartsNothing) {
  Associate("CorvanaTest.htm");
  const std::string quoted = "\"" + StandInBrowserPath() + "\" ";
  for (size_t length : {259u, 260u, 400u}) {
    SCOPED_TRACE(length);
    const std::string command = quoted + std::string(length - quoted.size(), 'x');
    SetOpenCommand("CorvanaTest.htm", command);
    std::string record = FreshRecordBase();
    StandInSettings settings(record);
    MessageBoxWatcher watcher;
    LaunchDefaultBrowser("http://vnc.example/");
    if (length <= 259) {
      auto line = WaitForFile(record + ".cmd");
      ASSERT_TRUE(line);
      EXPECT_EQ(*line, command + " http://vnc.example/");
      EXPECT_TRUE(watcher.seen().empty());
    } else {
      ExpectNotStartedMessage(watcher);
      EXPECT_FALSE(WaitForFile(record + ".cmd", 1500));
    }
  }
}

TEST_F(BrowserLaunch, CommandThatCannotStartIsSilent) {
  Associate("CorvanaTest.htm");
  SetOpenCommand("CorvanaTest.htm", "\"C:\\no\\such\\browser.exe\" %1");
  MessageBoxWatcher watcher;
  LaunchDefaultBrowser("http://vnc.example/");
  EXPECT_TRUE(watcher.seen().empty());
}

}  // namespace
