// The plug-ins as the user reaches them: a right click on a list entry, "PlugIns..." in its popup,
// the owner-drawn plug-in menu chosen from with the keyboard. The stand-in plug-in records the
// command line it was started with and whether its window took the focus; it stays until the test
// ends, so that the stand-ins started can be counted.
#include <windows.h>
#include <tlhelp32.h>

#include <gmock/gmock.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include "browse/popup_driver.h"
#include "core/plugin_list.h"
#include "core/registry_value.h"
#include "core/string_table.h"
#include "main_window/systray_menu.h"
#include "resources/string_ids.h"
#include "support/own_desktop/stand_in_control.h"
#include "tray_menu/tray_menu_fixture.h"

using namespace corvana;
using namespace corvana::test;
using ::testing::IsEmpty;

namespace {

// How the stand-in's window came out, as it wrote it.
struct Shown {
  int show = -1;
  bool focus = true, visible = false, iconic = true;
};

std::optional<Shown> ReadShown(const std::string& record) {
  std::optional<std::string> text = WaitForFile(record + ".shown");
  if (!text) return std::nullopt;
  Shown s;
  std::istringstream lines(*text);
  for (std::string line; std::getline(lines, line);) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string name = line.substr(0, eq);
    const int value = std::atoi(line.c_str() + eq + 1);
    if (name == "show") s.show = value;
    if (name == "focus") s.focus = value != 0;
    if (name == "visible") s.visible = value != 0;
    if (name == "iconic") s.iconic = value != 0;
  }
  return s;
}

// The stand-in plug-ins that this process started and that are still running.
std::vector<DWORD> RunningStandIns() {
  std::vector<DWORD> found;
  KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry))
    if (entry.th32ParentProcessID == GetCurrentProcessId() && lstrcmpiA(entry.szExeFile, "stand_in_plugin.exe") == 0)
      found.push_back(entry.th32ProcessID);
  return found;
}

// The owner-drawn menu on the screen (the plug-in menu; the list's popup is not owner-drawn).
HMENU PluginMenuOnScreen() {
  for (HWND w : OpenMenuWindows()) {
    HMENU menu = MenuOfWindow(w);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    if (menu && GetMenuItemInfoA(menu, 0, TRUE, &info) && (info.fType & MFT_OWNERDRAW)) return menu;
  }
  return nullptr;
}

// The position of the highlighted item of an open menu; -1 for none.
int Highlighted(HMENU menu) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return i;
  return -1;
}

class PluginMenuTest : public BrowseTest {
 protected:
  void SetUp() override {
    BrowseTest::SetUp();
    gate_.reset(CreateEventA(nullptr, TRUE, FALSE, gateName_.c_str()));
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    files_ = std::string(temp) + "corvana-plugins-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(files_.c_str(), nullptr);
  }
  void TearDown() override {
    SetEvent(gate_.get());
    for (DWORD pid : RunningStandIns()) {
      KernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, pid));
      if (process) WaitForSingleObject(process.get(), 20000);
    }
    BrowseTest::TearDown();
    for (const std::string& f : written_) DeleteFileA(f.c_str());
    RemoveDirectoryA(files_.c_str());
  }

  // The menu lists the plug-ins in the store's order, which is the registry's own (by name under
  // Wine, as written under Windows).
  static int MenuPosition(const std::string& name) {
    RegKey key = OpenPluginList();
    const std::vector<PluginEntry> stored = key ? ReadPlugins(key.get()) : std::vector<PluginEntry>();
    for (size_t i = 0; i < stored.size(); ++i)
      if (stored[i].Name == name) return static_cast<int>(i);
    ADD_FAILURE() << "no plug-in " << name;
    return 0;
  }
  // The keys that choose the plug-in Name in the menu.
  static std::vector<WORD> Choose(const std::string& name) {
    std::vector<WORD> keys(static_cast<size_t>(MenuPosition(name)) + 1, VK_DOWN);
    keys.push_back(VK_RETURN);
    return keys;
  }
  static std::string StandIn() { return "\"" + ProgramFolder() + "\\stand_in_plugin.exe\""; }
  static void Plugin(const std::string& name, const std::string& commandTemplate) {
    RegKey key = CreatePluginList();
    ASSERT_TRUE(WriteStringValue(key.get(), name, commandTemplate)) << name;
  }
  // A pcAnywhere entry whose connection file the stand-in server reads.
  void PcAWEntry(const std::string& folder, const std::string& name, const std::string& computer) {
    const std::string file = files_ + "\\" + name + ".chf";
    std::ofstream(file) << "ConnectionType=TCP/IP\nComputerName=" << computer << "\n";
    written_.push_back(file);
    ASSERT_TRUE(SetPcAWFile(folder + "\\" + name, file));
  }

  // Folder Kunden: the connections alpha (a.example:1) and beta, the pcAnywhere entry kasse.
  MainForm& StartOnKunden() {
    Folder("Kunden");
    Connection("Kunden", "alpha", "a.example", "1");
    Connection("Kunden", "beta", "b%2.example", "7");
    PcAWEntry("Kunden", "kasse", "KASSE-PC");
    MainForm& f = StartInFront();
    OpenFolder("Kunden");
    return f;
  }

  struct Seen {
    bool menu = false;
    int items = -1;  // the plug-ins and the closing item
  };
  // Right-clicks the item, chooses "PlugIns..." in its popup and, once the plug-in menu is on the
  // screen, presses the keys there (and Look sees it first); returns once the command is done.
  Seen RunFromPopup(const std::string& item, const std::vector<WORD>& keys,
                    const std::function<void(HMENU)>& look = {}) {
    MainForm& f = *form;
    forms::Menu& entry = f.parts().mnuPlugin;
    std::atomic<bool> handled{false};
    const std::function<void()> command = entry.Click;
    entry.Click = [&] {
      command();
      handled = true;
    };
    Seen seen;
    {
      MenuHand hand(
          [&] {
            HMENU menu = nullptr;
            WaitFor([&] { return handled || (menu = PluginMenuOnScreen()) != nullptr; }, 20000);
            if (!menu) return;
            seen.menu = true;
            seen.items = GetMenuItemCount(menu);
            if (look) look(menu);
            for (WORD key : keys) {
              const int before = Highlighted(menu);
              PressKey(key);
              // The next key only once the menu has moved its highlight.
              if (key == VK_DOWN || key == VK_UP) WaitFor([&] { return Highlighted(menu) != before; });
            }
          },
          f.hWnd());
      PopupDriver driver(f.parts().mnuPopUp.popup(), {entry.id()});
      RightClick(ItemPoint(ItemNamed(item)));
      EXPECT_TRUE(PumpUntil([&] { return handled.load(); }, 30000)) << "the plug-in command did not end";
      EXPECT_TRUE(driver.done());
      PumpUntil([&] { return hand.done.load(); }, 20000);
    }
    entry.Click = command;
    return seen;
  }

  // The command line of the stand-in started now, and how its window came out.
  struct Started {
    std::string commandLine;
    Shown shown;
  };
  std::optional<Started> WaitForStart(const std::string& record) {
    std::optional<std::string> line = WaitForFile(record + ".cmd");
    std::optional<Shown> shown = ReadShown(record);
    if (!line || !shown) return std::nullopt;
    return Started{*line, *shown};
  }

  const std::string gateName_ = "CorvanaPluginGate-" + std::to_string(GetCurrentProcessId());
  KernelHandle gate_;
  std::string files_;
  std::vector<std::string> written_;
};

struct RunCase {
  const char* label;
  const char* item;
  std::vector<std::pair<std::string, std::string>> plugins;  // name, template after the stand-in
  const char* choose;                                        // by name
  const char* expectedArguments;
};

class RunningAPlugin : public PluginMenuTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(RunningAPlugin, StartsTheChosenTemplateForTheEntryWithoutTakingTheFocus) {
  const RunCase& c = GetParam();
  for (const auto& [name, arguments] : c.plugins) Plugin(name, StandIn() + arguments);
  MainForm& f = StartOnKunden();
  const std::string record = FreshRecordBase();
  StandInSettings settings(record, "", gateName_);
  const Seen seen = RunFromPopup(c.item, Choose(c.choose));
  EXPECT_TRUE(seen.menu);
  EXPECT_EQ(seen.items, static_cast<int>(c.plugins.size()) + 1);
  std::optional<Started> started = WaitForStart(record);
  ASSERT_TRUE(started) << "the stand-in plug-in was not started";
  EXPECT_EQ(started->commandLine, StandIn() + c.expectedArguments);
  EXPECT_EQ(started->shown.show, SW_SHOWNOACTIVATE);
  EXPECT_FALSE(started->shown.focus) << "the plug-in's window took the focus";
  EXPECT_TRUE(started->shown.visible);
  EXPECT_FALSE(started->shown.iconic);
  EXPECT_EQ(GetForegroundWindow(), f.hWnd());
  EXPECT_EQ(RunningStandIns().size(), 1u);
  EXPECT_THAT(boxes.seen(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunningAPlugin,
    ::testing::Values(
        RunCase{"ATemplateWithoutPlaceholdersRunsUnchanged", "alpha", {{"Fest", " /fest %3 100%"}}, "Fest", " /fest %3 100%"},
        RunCase{"TheAddressIsTheHostWithoutTheDisplay", "alpha", {{"Ping", " -n 1 %1"}}, "Ping", " -n 1 a.example"},
        RunCase{"EveryPlaceholderLeftToRight",
                "alpha",
                {{"Ping", " %1"}, {"Beide", " %2@%1 %1 %%2 %1%2"}, {"Trace", " %2"}},
                "Beide",
                " alpha@a.example a.example %alpha a.examplealpha"},
        RunCase{"APercentTwoInTheHostIsReplacedAgain", "beta", {{"Host", " %1 %2"}}, "Host", " bbeta.example beta"},
        RunCase{"APcAnywhereEntryGivesItsComputerName", "kasse", {{"Ziel", " %1 %2"}}, "Ziel", " KASSE-PC kasse"},
        RunCase{"PlaceholdersAreCaseAndSpellingExact", "alpha", {{"Roh", " %10 %l %21"}}, "Roh", " a.example0 %l alpha1"}),
    [](const auto& info) { return std::string(info.param.label); });

// A host that a command interpreter would read as two commands reaches the plug-in whole.
TEST_F(PluginMenuTest, NoShellReadsTheHostOrTheName) {
  Plugin("Ping", StandIn() + " %1 %2");
  Folder("Kunden");
  Connection("Kunden", "x & echo y", "a.example&calc|more>out", "1");
  StartInFront();
  OpenFolder("Kunden");
  const std::string record = FreshRecordBase();
  StandInSettings settings(record, "", gateName_);
  RunFromPopup("x & echo y", {VK_DOWN, VK_RETURN});
  std::optional<Started> started = WaitForStart(record);
  ASSERT_TRUE(started);
  EXPECT_EQ(started->commandLine, StandIn() + " a.example&calc|more>out x & echo y");
}

struct NothingCase {
  const char* label;
  bool pluginKey;  // the key is there, with the plug-ins below
  std::vector<std::pair<std::string, std::string>> plugins;
  std::vector<WORD> keys;  // none: the keys that choose the plug-in Choose
  const char* choose;
  bool menu;
};

class RunningNothing : public PluginMenuTest, public ::testing::WithParamInterface<NothingCase> {};

TEST_P(RunningNothing, StartsNoProgram) {
  const NothingCase& c = GetParam();
  if (c.pluginKey) {
    ASSERT_TRUE(CreatePluginList());
  }
  for (const auto& [name, arguments] : c.plugins) Plugin(name, arguments.empty() ? "" : StandIn() + arguments);
  MainForm& f = StartOnKunden();
  const Seen seen = RunFromPopup("alpha", c.keys.empty() && c.choose ? Choose(c.choose) : c.keys);
  EXPECT_EQ(seen.menu, c.menu);
  if (c.menu) {
    EXPECT_EQ(seen.items, static_cast<int>(c.plugins.size()) + 1);
  }
  // A plug-in is started before the command returns: it would be running now.
  EXPECT_THAT(RunningStandIns(), IsEmpty());
  EXPECT_THAT(boxes.seen(), IsEmpty());
  EXPECT_TRUE(f.Loaded());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunningNothing,
    ::testing::Values(
        NothingCase{"NoPluginKeyShowsNoMenu", false, {}, {}, nullptr, false},
        NothingCase{"AnEmptyPluginKeyShowsNoMenu", true, {}, {}, nullptr, false},
        NothingCase{"Escape", true, {{"Ping", " %1"}}, {VK_DOWN, VK_ESCAPE}, nullptr, true},
        NothingCase{"TheClosingItem", true, {{"Ping", " %1"}, {"Trace", " %2"}}, {VK_UP, VK_RETURN}, nullptr, true},
        NothingCase{"AnEmptyTemplate", true, {{"Ping", " %1"}, {"Leer", ""}, {"Trace", " %2"}}, {}, "Leer", true}),
    [](const auto& info) { return std::string(info.param.label); });

// An entry whose store key went away after the list was shown: a cancelled menu says nothing; a
// chosen plug-in gets the record's message and runs with its template unreplaced.
TEST_F(PluginMenuTest, AConnectionThatCannotBeReadRunsTheTemplateUnchanged) {
  Plugin("Ping", StandIn() + " %1 %2");
  StartOnKunden();
  DeleteKeyTree("Kunden\\alpha");
  RunFromPopup("alpha", {VK_ESCAPE});
  EXPECT_THAT(boxes.seen(), IsEmpty());

  const std::string record = FreshRecordBase();
  StandInSettings settings(record, "", gateName_);
  RunFromPopup("alpha", {VK_DOWN, VK_RETURN});
  std::optional<Started> started = WaitForStart(record);
  ASSERT_TRUE(started);
  EXPECT_EQ(started->commandLine, StandIn() + " %1 %2");
  const auto seen = boxes.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, LoadResString(IDS_KEY_NOT_OPENED) + "\r\nKunden\\alpha");
}

// A pcAnywhere entry whose connection file is gone: the server reads nothing, the template runs as it is.
TEST_F(PluginMenuTest, APcAnywhereEntryWithoutItsFileRunsTheTemplateUnchanged) {
  Plugin("Ziel", StandIn() + " %1 %2");
  StartOnKunden();
  for (const std::string& file : written_) DeleteFileA(file.c_str());
  const std::string record = FreshRecordBase();
  StandInSettings settings(record, "", gateName_);
  RunFromPopup("kasse", {VK_DOWN, VK_RETURN});
  std::optional<Started> started = WaitForStart(record);
  ASSERT_TRUE(started);
  EXPECT_EQ(started->commandLine, StandIn() + " %1 %2");
}

// A program that cannot be started is passed over without a word; the next plug-in runs.
TEST_F(PluginMenuTest, AProgramThatCannotBeStartedIsPassedOver) {
  Plugin("Fehlt", "\"" + ProgramFolder() + "\\no_such_plugin.exe\" %1");
  Plugin("Ping", StandIn() + " %1");
  StartOnKunden();
  RunFromPopup("alpha", Choose("Fehlt"));
  EXPECT_THAT(RunningStandIns(), IsEmpty());
  EXPECT_THAT(boxes.seen(), IsEmpty());
  const std::string record = FreshRecordBase();
  StandInSettings settings(record, "", gateName_);
  RunFromPopup("alpha", Choose("Ping"));
  std::optional<Started> started = WaitForStart(record);
  ASSERT_TRUE(started);
  EXPECT_EQ(started->commandLine, StandIn() + " a.example");
}

// The open plug-in menu with its pictures and the first plug-in highlighted.
TEST_F(PluginMenuTest, Screenshot) {
  Plugin("Ping", "ping -n 1 %1");
  Plugin("Traceroute", "tracert %1");
  Plugin("Telnet zur Konsole", "telnet %1 23");
  StartOnKunden();
  std::atomic<bool> saved{false};
  const Seen seen = RunFromPopup("alpha", {}, [&](HMENU) {
    PressKey(VK_DOWN);
    HWND window = nullptr;
    RECT r{};
    WaitFor([&] {
      for (HWND w : OpenMenuWindows())
        if (MenuOfWindow(w) == PluginMenuOnScreen()) window = w;
      if (!window || !GetWindowRect(window, &r)) return false;
      WindowDc screen(nullptr);
      return GetPixel(screen.get(), r.left + 40, r.top + 3 + kMenuItemHeight / 2) == GetSysColor(COLOR_HIGHLIGHT);
    });
    InflateRect(&r, 8, 8);
    saved = SaveScreenPicture(r, CORVANA_PLUGIN_MENU_SCREENSHOT_PATH);
    PressKey(VK_ESCAPE);
  });
  EXPECT_TRUE(seen.menu);
  EXPECT_TRUE(saved);
  std::printf("screenshot: %s\n", CORVANA_PLUGIN_MENU_SCREENSHOT_PATH);
}

}  // namespace
