// The connect and tool commands chosen in the list's real popup menu with the mouse: the stand-ins
// record what the browser, the Java runner and the viewer were given, the pcAnywhere stand-in
// what it was asked to open, and the RFB version comes from loopback servers and a real Xvnc.
#include <gmock/gmock.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "browse_fixture.h"
#include "core/global_options.h"
#include "core/message_box.h"
#include "core/registry_value.h"
#include "core/string_table.h"
#include "core/vnc_viewer_launch.h"
#include "main_window/program_state.h"
#include "popup_driver.h"
#include "resources/string_ids.h"
#include "rfb_probe_control/loopback_server.h"
#include "support/own_desktop/stand_in_control.h"

using namespace corvana;
using namespace corvana::test;
using ::testing::ElementsAre;
using ::testing::EndsWith;

namespace {

const char kDisplayTitle[] = "VNC Corvana - Display";

std::string TempFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  return temp;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class ConnectTest : public BrowseTest {
 protected:
  void TearDown() override {
    CloseAllStandIns(kDefaultAuthWindowCaption);
    BrowseTest::TearDown();
    classes_.reset();
    if (!classDir_.empty()) RemoveDirectoryA(classDir_.c_str());
  }

  // Top holds the connections of the test; the window shows it.
  MainForm& StartOnTop(const std::function<void()>& store) {
    Folder("Top");
    store();
    MainForm& f = StartInFront();
    OpenFolder("Top");
    return f;
  }

  // The ".htm" association of a scratch HKEY_CLASSES_ROOT starts the stand-in browser.
  void UseStandInBrowser() {
    classes_.emplace(RegistrySandbox::ClassesRoot);
    ASSERT_TRUE(WriteSubKeyDefaultValue(HKEY_CLASSES_ROOT, ".htm", "CorvanaTest.htm"));
    ASSERT_TRUE(WriteSubKeyDefaultValue(HKEY_CLASSES_ROOT, "CorvanaTest.htm\\shell\\open\\command", BrowserCommand()));
  }
  static std::string BrowserCommand() { return StandInBrowserPath(); }
  static std::string JavaRunnerPath() { return ProgramFolder() + "\\stand_in_java_runner.exe"; }

  // A class folder whose name has blanks, so that its short form differs.
  std::string ClassFolder() {
    classDir_ = TempFolder() + "VNC Viewer Classes " + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(classDir_.c_str(), nullptr);
    return classDir_;
  }
  static std::string ShortForm(const std::string& path) {
    char buffer[MAX_PATH] = {};
    GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return buffer;
  }

  // Opens the popup (open) and clicks the entries of the path; returns once the last entry's
  // command has run.
  void ChooseWith(const std::function<void()>& open, const std::vector<const char*>& path) {
    std::vector<UINT> ids;
    for (const char* name : path) ids.push_back(form->GetMenu(name).id());
    forms::Menu& last = form->GetMenu(path.back());
    std::function<void()> command = last.Click;
    int ran = 0;
    last.Click = [&] {
      if (command) command();
      ++ran;
    };
    {
      PopupDriver driver(form->parts().mnuPopUp.popup(), ids);
      open();
      EXPECT_TRUE(PumpUntil([&] { return ran > 0; }, 30000)) << path.back() << " was not chosen";
    }
    last.Click = command;
  }
  // A right click on the item, then the entries of the path.
  void Choose(const std::string& item, const std::vector<const char*>& path) {
    ChooseWith([&] { RightClick(ItemPoint(ItemNamed(item))); }, path);
  }

  void ExpectOnlyMessage(const std::string& title, int textId, MessageIcon icon) {
    auto seen = boxes.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, title);
    EXPECT_EQ(seen[0].text, LoadResString(textId));
    EXPECT_EQ(seen[0].icon, icon);
    boxes.clear();
  }

  std::optional<RegistrySandbox> classes_;
  std::string classDir_;
};

const std::vector<const char*> kBrowser{"mnuRootConnect", "mnuConnectWithInternalBrowser"};
const std::vector<const char*> kJava{"mnuRootConnect", "mnuConnectWithJava"};
const std::vector<const char*> kViewer{"mnuRootConnect", "mnuConnect"};
const std::vector<const char*> kFileServer{"mnuRootConnect", "mnuFileTransferWithVNCFS"};
const std::vector<const char*> kPcAW{"mnuRootConnect", "mnuPcAW_Connect"};
const std::vector<const char*> kRfbVersion{"mnuTools", "mnuGetRFBVersion"};
const std::vector<const char*> kFtp{"mnuTools", "mnuFTP"};
const std::vector<const char*> kHttp{"mnuTools", "mnuHTTP"};

TEST_F(ConnectTest, TheBrowserOpensTheJavaViewerPageOfTheDisplay) {
  MainForm& f = StartOnTop([] {
    Connection("Top", "one", "srv", "1");
    Connection("Top", "zero", "srv0", "0");
    Connection("Top", "top", "srvmax", "26967");
    Connection("Top", "word", "srvw", "abc");
    Connection("Top", "beyond", "srvb", "26968");
  });
  UseStandInBrowser();
  // A display that gives no port is refused, and nothing starts.
  std::vector<std::string> refusedRecords;
  for (const char* name : {"word", "beyond"}) {
    SCOPED_TRACE(name);
    refusedRecords.push_back(FreshRecordBase());
    StandInSettings settings(refusedRecords.back());
    Choose(name, kBrowser);
    ExpectOnlyMessage(kDisplayTitle, IDS_VALUE_NOT_NUMERIC, MessageIcon::Critical);
  }
  const std::pair<const char*, const char*> started[] = {
      {"one", "http://srv:5801"}, {"zero", "http://srv0:5800"}, {"top", "http://srvmax:32767"}};
  for (const auto& [name, address] : started) {
    SCOPED_TRACE(name);
    const std::string record = FreshRecordBase();
    StandInSettings settings(record);
    Choose(name, kBrowser);
    std::optional<std::string> line = WaitForFile(record + ".cmd");
    ASSERT_TRUE(line);
    EXPECT_EQ(*line, BrowserCommand() + " " + address);
  }
  // Started before the ones just seen, a refused one would have written by now.
  for (const std::string& record : refusedRecords) EXPECT_FALSE(FileExists(record + ".cmd")) << record;
  EXPECT_TRUE(boxes.seen().empty());
  EXPECT_EQ(f.WindowState(), forms::kNormal);
}

TEST_F(ConnectTest, FileServerFtpAndHttpOpenTheirAddressesInTheBrowser) {
  StartOnTop([] {
    Connection("Top", "files", "files.example", "1", "5999");
    Connection("Top", "noport", "bare.example", "1");
  });
  UseStandInBrowser();
  struct Case {
    const char* item;
    std::vector<const char*> path;
    const char* address;
  } cases[] = {{"files", kFileServer, "http://files.example:5999"},
               {"noport", kFileServer, "http://bare.example:"},
               {"files", kFtp, "ftp://files.example/"},
               {"files", kHttp, "http://files.example/"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    const std::string record = FreshRecordBase();
    StandInSettings settings(record);
    Choose(c.item, c.path);
    std::optional<std::string> line = WaitForFile(record + ".cmd");
    ASSERT_TRUE(line);
    EXPECT_EQ(*line, BrowserCommand() + " " + c.address);
  }
}

TEST_F(ConnectTest, TheJavaRunnerGetsTheClassFolderTheTargetAndExactlyThePassword) {
  struct Case {
    const char* name;
    const char* display;
    const char* password;
    const char* switches;
    std::string expectedSwitches;  // %S: the short class folder
  } cases[] = {
      {"example", "2", "", "-cp %CLASSPATH% %VNCVIEWER%", "-cp %S vncviewer"},
      {"display0", "0", "s3cret", "-cp %CLASSPATH% %VNCVIEWER%", "-cp %S vncviewer"},
      {"plain", "1", "pw", "-jar viewer.jar", "-jar viewer.jar"},
      {"lower", "1", "pw", "-cp %classpath% %VNCVIEWER%", "-cp %classpath% vncviewer"},
      {"quote", "1", "pa\"ss word", "-cp %CLASSPATH% %VNCVIEWER%", "-cp %S vncviewer"},
      {"backslash", "1", "pa\\", "-cp %CLASSPATH% %VNCVIEWER%", "-cp %S vncviewer"},
  };
  StartOnTop([&] {
    for (const Case& c : cases) Connection("Top", c.name, "srv", c.display, "", c.password);
  });
  gOptions.JavaClassDir = ClassFolder();
  gOptions.JavaRunner = JavaRunnerPath();
  const std::string shortDir = ShortForm(gOptions.JavaClassDir);
  ASSERT_EQ(shortDir.find(' '), std::string::npos) << shortDir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    gOptions.JavaRunnerSwitches = c.switches;
    std::string switches = c.expectedSwitches;
    if (size_t at = switches.find("%S"); at != std::string::npos) switches.replace(at, 2, shortDir);
    const std::string port = std::to_string(5900 + std::atoi(c.display));
    const std::string record = FreshRecordBase();
    StandInSettings settings(record);
    Choose(c.name, kJava);
    std::optional<std::string> line = WaitForFile(record + ".cmd");
    ASSERT_TRUE(line);
    const std::string head = JavaRunnerPath() + " " + switches + " HOST srv PORT " + port + " PASSWORD ";
    EXPECT_EQ(line->substr(0, head.size()), head);
    std::optional<std::string> args = WaitForFile(record + ".args");
    ASSERT_TRUE(args);
    std::vector<std::string> expected;
    std::istringstream words(switches);
    for (std::string w; words >> w;) expected.push_back(w);
    for (std::string w : {"HOST", "srv", "PORT"}) expected.push_back(w);
    expected.push_back(port);
    expected.push_back("PASSWORD");
    expected.push_back(c.password);
    EXPECT_EQ(Lines(*args), expected);
  }
  EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(ConnectTest, TheJavaExampleCommandLineLetterForLetter) {
  StartOnTop([] { Connection("Top", "srv", "srv", "2"); });
  gOptions.JavaClassDir = ClassFolder();
  gOptions.JavaRunner = JavaRunnerPath();
  gOptions.JavaRunnerSwitches = "-cp %CLASSPATH% %VNCVIEWER%";
  const std::string record = FreshRecordBase();
  StandInSettings settings(record);
  Choose("srv", kJava);
  std::optional<std::string> line = WaitForFile(record + ".cmd");
  ASSERT_TRUE(line);
  EXPECT_EQ(*line, JavaRunnerPath() + " -cp " + ShortForm(gOptions.JavaClassDir) +
                       " vncviewer HOST srv PORT 5902 PASSWORD \"\"");
}

TEST_F(ConnectTest, JavaRefusesWithoutClassFolderOrPortAndSaysWhyARunnerDidNotStart) {
  StartOnTop([] {
    Connection("Top", "good", "srv", "1", "", "pw");
    Connection("Top", "word", "srv", "abc");
  });
  gOptions.JavaRunner = JavaRunnerPath();
  gOptions.JavaRunnerSwitches = "-cp %CLASSPATH%";
  std::vector<std::string> refusedRecords;
  auto refused = [&](const char* item) {
    refusedRecords.push_back(FreshRecordBase());
    StandInSettings settings(refusedRecords.back());
    Choose(item, kJava);
  };
  gOptions.JavaClassDir = "";
  refused("good");
  ExpectOnlyMessage("VNC Corvana Java Viewer", IDS_JAVA_CLASSES_NOT_SET, MessageIcon::Exclamation);
  // A class folder that is not there: nothing at all.
  gOptions.JavaClassDir = TempFolder() + "no such classes " + std::to_string(GetCurrentProcessId());
  refused("good");
  EXPECT_TRUE(boxes.seen().empty());
  gOptions.JavaClassDir = ClassFolder();
  refused("word");
  ExpectOnlyMessage(kDisplayTitle, IDS_VALUE_NOT_NUMERIC, MessageIcon::Critical);

  // A runner that is not there: the reason, a line break and the command line.
  gOptions.JavaRunner = ProgramFolder() + "\\no_such_runner.exe";
  Choose("good", kJava);
  auto seen = boxes.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, "VNC Corvana Start Java Viewer");
  EXPECT_EQ(seen[0].icon, MessageIcon::Exclamation);
  const std::string command = gOptions.JavaRunner + " -cp " + ShortForm(gOptions.JavaClassDir) +
                              " HOST srv PORT 5901 PASSWORD \"pw\"";
  EXPECT_THAT(seen[0].text, EndsWith("\r\n" + command));
  EXPECT_GT(seen[0].text.size(), command.size() + 2) << "no reason given";
  boxes.clear();

  // A runner that starts: the refused ones above, started earlier, would have written by now.
  gOptions.JavaRunner = JavaRunnerPath();
  const std::string record = FreshRecordBase();
  StandInSettings settings(record);
  Choose("good", kJava);
  ASSERT_TRUE(WaitForFile(record + ".cmd"));
  for (const std::string& r : refusedRecords) EXPECT_FALSE(FileExists(r + ".cmd")) << r;
}

// In the top-level view the list's Tag is empty and the password is read by the name alone.
TEST_F(ConnectTest, JavaReadsThePasswordOfATopLevelConnectionByItsName) {
  MainForm& f = StartInFront();
  // Stored after Load, whose layout upgrade would take a connection at the top level for an old one.
  Connection("", "lonely", "srv", "3", "", "alone");
  f.lstItems().ClearItems();
  f.lstItems().SetTag("");
  ShowFolderContents(f, "");
  ASSERT_TRUE(f.lstItems().ItemByKey("\\lonely"));
  gOptions.JavaClassDir = ClassFolder();
  gOptions.JavaRunner = JavaRunnerPath();
  gOptions.JavaRunnerSwitches = "-cp %CLASSPATH%";
  const std::string record = FreshRecordBase();
  StandInSettings settings(record);
  Choose("lonely", kJava);
  ASSERT_TRUE(WaitForFile(record + ".cmd"));
  std::optional<std::string> args = WaitForFile(record + ".args");
  ASSERT_TRUE(args);
  EXPECT_THAT(Lines(*args), ElementsAre("-cp", ShortForm(gOptions.JavaClassDir), "HOST", "srv", "PORT", "5903",
                                        "PASSWORD", "alone"));
}

TEST_F(ConnectTest, TheViewerEntryStartsTheViewerWhateverThePreferredViewerSays) {
  MainForm& f = StartOnTop([] {
    Connection("Top", "alpha", "vnc-a.example", "1", "", "s3cret");
    Connection("Top", "beta", "vnc-b.example", "2", "", "other");
  });
  gOptions.ViewerPath = StandInViewerPath();
  gOptions.PreferredViewer = "";
  gOptions.AuthWindowRetries = 100;
  gOptions.AuthWindowCaption = kDefaultAuthWindowCaption;
  gOptions.MinimizeAfterConnect = kFalse;
  const std::string record = FreshRecordBase();
  StandInSettings settings(record, kDefaultAuthWindowCaption);
  Choose("alpha", kViewer);
  std::optional<TypedResult> typed = WaitForTyped(record);
  ASSERT_TRUE(typed);
  EXPECT_EQ(typed->text, "s3cret");
  std::optional<std::string> line = WaitForFile(record + ".cmd");
  ASSERT_TRUE(line);
  EXPECT_THAT(*line, EndsWith("vnc-a.example:1"));
  EXPECT_EQ(f.WindowState(), forms::kNormal);
}

// The context-menu key opens the popup for the selected connection; the mouse, resting on
// another one, does not choose the connection the viewer opens.
TEST_F(ConnectTest, TheViewerEntryOfTheKeyboardsPopupConnectsTheSelectedItem) {
  MainForm& f = StartOnTop([] {
    Connection("Top", "alpha", "vnc-a.example", "1", "", "s3cret");
    Connection("Top", "beta", "vnc-b.example", "2", "", "other");
  });
  gOptions.ViewerPath = StandInViewerPath();
  gOptions.AuthWindowRetries = 100;
  gOptions.AuthWindowCaption = kDefaultAuthWindowCaption;
  Click(ItemPoint(ItemNamed("beta")));
  ASSERT_TRUE(PumpUntil([&] { return f.lstItems().SelectedItem() == ItemNamed("beta"); }));
  forms::ListItemRef alpha = ItemNamed("alpha");
  ASSERT_TRUE(MoveMouseUntil(ItemPoint(alpha), [&] {
    return f.lstItems().HitTest(static_cast<int>(gLastMouseX), static_cast<int>(gLastMouseY)) == alpha;
  }));
  const std::string record = FreshRecordBase();
  StandInSettings settings(record, kDefaultAuthWindowCaption);
  ChooseWith([] { PressKey(VK_APPS); }, kViewer);
  std::optional<TypedResult> typed = WaitForTyped(record);
  ASSERT_TRUE(typed);
  EXPECT_EQ(typed->text, "other");
  std::optional<std::string> line = WaitForFile(record + ".cmd");
  ASSERT_TRUE(line);
  EXPECT_THAT(*line, EndsWith("vnc-b.example:2"));
}

TEST_F(ConnectTest, ThePcAnywhereEntryOpensTheFileAndMinimisesOnlyAfterASuccess) {
  const std::string file = TempFolder() + "corvana-kasse-" + std::to_string(GetCurrentProcessId()) + ".chf";
  auto writeFile = [&] { std::ofstream(file) << "ConnectionType=TCP/IP\nComputerName=KASSE\n"; };
  writeFile();
  MainForm& f = StartOnTop([&] { ASSERT_TRUE(SetPcAWFile("Top\\kasse", file)); });
  auto launched = [] {
    RegKey key = OpenKey(HKEY_CURRENT_USER, "Software\\Corvana pcAW stand-in");
    return ReadStringValue(key.get(), "Launched");
  };
  // Opened, and not minimised when the option is off.
  gOptions.MinimizeAfterConnect = kFalse;
  Choose("kasse", kPcAW);
  EXPECT_EQ(launched(), file);
  EXPECT_EQ(f.WindowState(), forms::kNormal);
  // The file is gone: the server answers False, and the window stays.
  gOptions.MinimizeAfterConnect = kTrue;
  DeleteFileA(file.c_str());
  RegKey key = CreateKey(HKEY_CURRENT_USER, "Software\\Corvana pcAW stand-in");
  ASSERT_TRUE(WriteStringValue(key.get(), "Launched", ""));
  Choose("kasse", kPcAW);
  EXPECT_EQ(launched(), file);
  EXPECT_EQ(f.WindowState(), forms::kNormal);
  // Back again: opened and minimised.
  writeFile();
  Choose("kasse", kPcAW);
  EXPECT_TRUE(PumpUntil([&] { return f.WindowState() == forms::kMinimized; }));
  DeleteFileA(file.c_str());
}

TEST_F(ConnectTest, TheOpenActionReachesTheBrowserAndTheJavaViewer) {
  MainForm& f = StartOnTop([] { Connection("Top", "alpha", "vnc.example", "1", "", "pw"); });
  UseStandInBrowser();
  gOptions.JavaClassDir = ClassFolder();
  gOptions.JavaRunner = JavaRunnerPath();
  gOptions.JavaRunnerSwitches = "-cp %CLASSPATH% %VNCVIEWER%";
  struct Case {
    const char* preferred;
    std::string program;
    const char* rest;
  } cases[] = {{"browser", BrowserCommand(), " http://vnc.example:5801"},
               {"JAVA", JavaRunnerPath(), " vncviewer HOST vnc.example PORT 5901 PASSWORD \"pw\""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.preferred);
    gOptions.PreferredViewer = c.preferred;
    const std::string record = FreshRecordBase();
    StandInSettings settings(record);
    DoubleClick(ItemPoint(ItemNamed("alpha")));
    std::optional<std::string> line = WaitForFile(record + ".cmd");
    ASSERT_TRUE(line);
    EXPECT_THAT(*line, ::testing::StartsWith(c.program + " "));
    EXPECT_THAT(*line, EndsWith(c.rest));
  }
  EXPECT_EQ(f.WindowState(), forms::kNormal);
}

// The display that reaches a loopback port.
std::string DisplayFor(unsigned short port) { return std::to_string(static_cast<int>(port) - 5900); }

TEST_F(ConnectTest, TheRfbVersionOfAServerAndOfARefusedPortEachFromAFreshForm) {
  LoopbackServer server([](ServerSide& side) {
    side.Send("RFB 003.008\n");
    side.ReadUntilPeerCloses();
  });
  const unsigned short refused = RefusingPort();
  StartOnTop([&] {
    Connection("Top", "server", "127.0.0.1", DisplayFor(server.port()));
    Connection("Top", "refused", "127.0.0.1", DisplayFor(refused));
    Connection("Top", "word", "127.0.0.1", "abc");
  });
  Choose("server", kRfbVersion);
  // The control answered with the greeting it read.
  EXPECT_EQ(server.Finish(), "RFB 003.008\n");
  auto seen = boxes.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, kApplicationTitle);
  EXPECT_EQ(seen[0].text, "RFB Version 3.8");
  EXPECT_EQ(seen[0].icon, MessageIcon::Information);
  EXPECT_EQ(FindWindowA(nullptr, "frmViewer"), nullptr);
  boxes.clear();
  // A control that read a version keeps it; a fresh one has none for a port that refuses.
  Choose("refused", kRfbVersion);
  seen = boxes.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, kApplicationTitle);
  EXPECT_EQ(seen[0].text, "Can not get Information");
  EXPECT_EQ(seen[0].icon, MessageIcon::Information);
  EXPECT_EQ(FindWindowA(nullptr, "frmViewer"), nullptr);
  boxes.clear();
  Choose("word", kRfbVersion);
  ExpectOnlyMessage(kDisplayTitle, IDS_VALUE_NOT_NUMERIC, MessageIcon::Critical);
}

// The real server that the test command starts (tests/rfb_probe_control/xvnc_fixture.sh).
TEST_F(ConnectTest, TigerVncAnswersWithItsRfbVersion) {
  const char* state = std::getenv("PINGLET_XVNC_STATE");
  if (!state) GTEST_SKIP() << "run by the TigerVNC fixture";
  unsigned port = 0;
  std::ifstream(state) >> port;
  ASSERT_NE(port, 0u) << "no port in " << state;
  StartOnTop([&] { Connection("Top", "xvnc", "127.0.0.1", DisplayFor(static_cast<unsigned short>(port))); });
  Choose("xvnc", kRfbVersion);
  auto seen = boxes.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "RFB Version 3.8");
  EXPECT_EQ(seen[0].icon, MessageIcon::Information);
}

}  // namespace
