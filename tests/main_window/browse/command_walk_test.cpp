// Every command of the main window once more, reached as the user reaches it in the finished
// program: each key of the list's key table, each entry of the list's two popup menus, of the
// tree's popup menu and each toolbar button, with the real keyboard and mouse. What each one did is
// read back from the window, the store, the message boxes, the dialogs it opened (closed again
// at once) and the stand-in programs it started.
#include <gmock/gmock.h>

#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "browse_fixture.h"
#include "core/global_options.h"
#include "core/message_box.h"
#include "core/plugin_list.h"
#include "core/registry_value.h"
#include "core/string_table.h"
#include "forms/form.h"
#include "popup_driver.h"
#include "resources/string_ids.h"
#include "rfb_probe_control/loopback_server.h"
#include "support/dialog_driver.h"
#include "support/own_desktop/stand_in_control.h"

using namespace corvana;
using namespace corvana::test;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

namespace {

// Closes the first shown top-level window of this process that Accept takes, after Look has seen
// it. It runs from a timer of the user-interface thread, so also inside the modal loop of the
// dialog it closes, and may look at that dialog's controls.
class WindowWatcher {
 public:
  explicit WindowWatcher(std::function<bool(HWND)> accept, std::function<void(HWND)> look = {})
      : accept_(std::move(accept)), look_(std::move(look)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 100, Tick);
  }
  ~WindowWatcher() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  WindowWatcher(const WindowWatcher&) = delete;
  WindowWatcher& operator=(const WindowWatcher&) = delete;
  bool seen() const { return seen_; }
  bool closed() const { return seen_ && !IsWindow(wnd_); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (WindowWatcher* w = current_) w->Step();
  }
  void Step() {
    if (seen_) return;
    HWND wnd = FindShownWindow(accept_);
    if (!wnd) return;
    seen_ = true;
    wnd_ = wnd;
    if (look_) look_(wnd);
    PostMessageA(wnd, WM_CLOSE, 0, 0);
  }
  static inline WindowWatcher* current_ = nullptr;
  std::function<bool(HWND)> accept_;
  std::function<void(HWND)> look_;
  UINT_PTR timer_ = 0;
  HWND wnd_ = nullptr;
  bool seen_ = false;
};

// What a key, an entry or a button is expected to do.
enum class Does {
  Nothing,        // nothing at all: no box, no window, no menu, no change
  SelectAll,      // every item selected, the count in the details text
  Copy,           // the selected items in the clipboard to copy
  Cut,            // ... to move
  Paste,          // the clipboard (alpha, copied first) pasted into "Other", which the list shows
  AskDelete,      // question 3031, answered No: nothing deleted
  Delete,         // question 3031, answered Yes: the selected items gone
  AskDeleteFolder,  // question 1022 for the selected folder, answered No: the folder-info text names it
  OpenFolder,     // the list shows the folder Detail
  Viewer,         // the stand-in viewer started for Detail (host:display) and given the password
  JavaRunner,     // the stand-in Java runner started; its command line holds Detail
  Browser,        // the stand-in browser started with the address Detail
  PcAnywhere,     // the stand-in pcAnywhere server opened the entry's file
  RfbVersion,     // message "RFB Version 3.8" from the loopback server
  Dialog,         // the form Detail (or the dialog of that caption) opened; Folder: its txtFolder
  ListPopup,      // mnuPopUp on the screen; Detail: its table as shown ('+' on, '-' off, 'h' hidden)
  FolderPopup,    // mnuPopUpFolderLV on the screen; Detail: "+" or "-" for its open entry
  PluginMenu,     // the owner-drawn plug-in menu on the screen
  LabelEdit,      // the in-place editing of the selected item's name
  Expand,         // the selected folder expanded
  LargeIcons,     // the list in large icons, sorted ascending by name
  NoProperties,   // the pcAnywhere entry's file gone: message 3047 titled with the entry's name
};

// The entries of the list popup's table, in the order of a ListPopup case's Detail.
const char* const kTableEntries[] = {"mnuRootConnect", "mnuConnect", "mnuConnectWithJava",
                                     "mnuConnectWithInternalBrowser", "mnuFileTransferWithVNCFS", "mnuTools",
                                     "mnuEdit", "mnuRename", "mnuCopyConnection", "mnuCutConnection",
                                     "mnuDelete", "mnuPasteConnection", "mnuNew"};

// How the command is reached.
enum class Via { Key, ListPopup, FolderPopup, TreePopup, Toolbar };

struct WalkCase {
  const char* label;
  Via via;
  std::vector<const char*> selected;  // items of the folder shown, selected first (none: none)
  const char* target;                 // popup: the item right-clicked ("" empty space) or the node
  std::vector<const char*> path;      // popup: the entries clicked; toolbar: the button's Key
  WORD key = 0;                       // key: the key, with the modifiers
  std::vector<WORD> modifiers = {};
  Does does = Does::Nothing;
  std::string detail = {};
  const char* folder = "Top";  // the folder the list shows
  bool noNode = false;         // no folder node selected when the key comes
  std::string dialogFolder = {};  // Dialog: the txtFolder text it opened with
};

std::string TempFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  return temp;
}

bool IsDialogOfThisProgram(HWND w, HWND main) {
  if (w == main) return false;
  if (forms::FormFromWindow(w)) return true;
  return ClassOf(w) == "#32770";
}

class CommandWalk : public BrowseTest, public ::testing::WithParamInterface<WalkCase> {
 protected:
  void SetUp() override {
    BrowseTest::SetUp();
    pcawFile_ = TempFolder() + "corvana-walk-" + std::to_string(GetCurrentProcessId()) + ".chf";
    std::ofstream(pcawFile_) << "ConnectionType=TCP/IP\nComputerName=KASSE\n";
  }
  void TearDown() override {
    CloseAllStandIns(kDefaultAuthWindowCaption);
    BrowseTest::TearDown();
    classes_.reset();
    DeleteFileA(pcawFile_.c_str());
  }

  // Top: the connections alpha and beta, the pcAnywhere entry kasse and the folder Sub (holding
  // inner); the empty folder Other; the connection probe reaching the loopback server.
  MainForm& StartForWalk(unsigned short probePort) {
    Folder("Top");
    Connection("Top", "alpha", "a.example", "1", "6010", "pw");
    Connection("Top", "beta", "b.example", "2");
    Connection("Top", "probe", "127.0.0.1", std::to_string(static_cast<int>(probePort) - 5900));
    EXPECT_TRUE(SetPcAWFile("Top\\kasse", pcawFile_));
    Folder("Top\\Sub");
    Connection("Top\\Sub", "inner");
    Folder("Other");
    {
      RegKey plugins = CreatePluginList();
      WriteStringValue(plugins.get(), "Echo", "echo %1");
    }
    // The ".htm" association of a scratch HKEY_CLASSES_ROOT starts the stand-in browser.
    classes_.emplace(RegistrySandbox::ClassesRoot);
    WriteSubKeyDefaultValue(HKEY_CLASSES_ROOT, ".htm", "CorvanaTest.htm");
    WriteSubKeyDefaultValue(HKEY_CLASSES_ROOT, "CorvanaTest.htm\\shell\\open\\command", StandInBrowserPath());
    MainForm& f = StartInFront();
    gOptions.ViewerPath = StandInViewerPath();
    gOptions.JavaRunner = ProgramFolder() + "\\stand_in_java_runner.exe";
    gOptions.JavaClassDir = TempFolder();
    gOptions.JavaRunnerSwitches = "-cp %CLASSPATH% %VNCVIEWER%";
    gOptions.MinimizeAfterConnect = kFalse;
    gOptions.PreferredViewer = "vncviewer";
    gOptions.AuthWindowRetries = 100;
    gOptions.AuthWindowCaption = kDefaultAuthWindowCaption;
    return f;
  }

  UINT Id(const char* name) const { return form->GetMenu(name).id(); }
  int Selected() const { return static_cast<int>(CountSelected(form->lstItems())); }
  std::vector<std::string> ClipKeys() const {
    std::vector<std::string> keys;
    for (const auto& item : form->lvCopy().Items()) keys.push_back(item->Key());
    return keys;
  }
  POINT ToolbarButtonPoint(const char* key) const {
    RECT r{};
    const int index = form->Toolbar1().ButtonByKey(key)->Index() - 1;
    SendMessageA(form->Toolbar1().hWnd(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    return ScreenPoint(form->Toolbar1().hWnd(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }

  // The selection of the case, made with the mouse; with none the list still has the keys.
  void Select(const std::vector<const char*>& names) {
    if (names.empty()) {
      Click(EmptyListPoint());
      ASSERT_TRUE(PumpUntil([&] { return Selected() == 0 && GetFocus() == form->lstItems().hWnd(); }));
      return;
    }
    for (size_t i = 0; i < names.size(); ++i) {
      std::vector<WORD> modifiers;
      if (i > 0) modifiers.push_back(VK_CONTROL);
      Click(ItemPoint(ItemNamed(names[i])), modifiers);
    }
    ASSERT_TRUE(PumpUntil([&] { return Selected() == static_cast<int>(names.size()); }));
  }

  // Alpha copied with Ctrl+C, then "Other" opened: the paste cases start from there.
  void CopyAlphaAndOpenOther() {
    OpenFolder("Top");
    Select({"alpha"});
    PressKey('C', {VK_CONTROL});
    ASSERT_TRUE(PumpUntil([&] { return form->HasClip; }));
    OpenFolder("Other");
    Click(EmptyListPoint());
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == form->lstItems().hWnd(); }));
  }

  // Does the case's way to the command; Ran: the popup entry's or the button's command ran (or
  // the key went in).
  void Reach(const WalkCase& c, const std::function<void()>& whileOpen = {}) {
    MainForm& f = *form;
    switch (c.via) {
      case Via::Key:
        PressKey(c.key, c.modifiers);
        break;
      case Via::Toolbar:
        Click(ToolbarButtonPoint(c.path.front()));
        break;
      case Via::ListPopup:
      case Via::FolderPopup:
      case Via::TreePopup: {
        const char* popup = c.via == Via::ListPopup ? "mnuPopUp" : c.via == Via::FolderPopup ? "mnuPopUpFolderLV" : "mnuPopUpFolder";
        std::vector<UINT> ids;
        for (const char* name : c.path) ids.push_back(Id(name));
        forms::Menu& last = f.GetMenu(c.path.back());
        std::function<void()> command = last.Click;
        bool ran = false;
        last.Click = [&] {
          ran = true;
          if (whileOpen) whileOpen();
          if (command) command();
        };
        {
          PopupDriver driver(f.GetMenu(popup).popup(), ids);
          const std::string target = c.target;
          if (c.via == Via::TreePopup)
            RightClick(NodePoint(f.tvMain().NodeByKey(target)));
          else
            RightClick(target.empty() ? EmptyListPoint() : ItemPoint(ItemNamed(target)));
          EXPECT_TRUE(PumpUntil([&] { return ran; }, 20000)) << c.path.back() << " was not chosen";
        }
        last.Click = command;
        break;
      }
    }
  }

  std::string pcawFile_;
  std::optional<RegistrySandbox> classes_;
};

// What the list popup's table shows, one character per entry of kTableEntries.
std::string TableShown(HMENU menu, const MainForm& f) {
  std::string text;
  for (const char* entry : kTableEntries) {
    const Shown s = EntryState(menu, f.GetMenu(entry).id());
    text += s == Shown::Hidden ? 'h' : s == Shown::Off ? '-' : '+';
  }
  return text;
}

TEST_P(CommandWalk, DoesWhatItsRowSays) {
  const WalkCase& c = GetParam();
  LoopbackServer server([](ServerSide& side) {
    side.Send("RFB 003.008\n");
    side.ReadUntilPeerCloses();
  }, c.does == Does::RfbVersion ? 10000 : 1);
  MainForm& f = StartForWalk(server.port());
  if (c.does == Does::Paste) {
    ASSERT_NO_FATAL_FAILURE(CopyAlphaAndOpenOther());
  } else {
    if (c.via != Via::TreePopup) OpenFolder(c.folder);
    if (c.via == Via::Key || c.via == Via::Toolbar || !c.selected.empty()) ASSERT_NO_FATAL_FAILURE(Select(c.selected));
  }
  if (c.does == Does::LargeIcons) {
    // Sorted descending by the host column first: two clicks on its header.
    Click(HeaderPoint(2));
    Click(HeaderPoint(2));
    ASSERT_TRUE(PumpUntil([&] { return f.lstItems().SortKey() == 1 && f.lstItems().SortOrder() == 1; }));
  }
  if (c.noNode) {
    f.tvMain().SelectedItem()->SetSelected(false);
    ASSERT_EQ(f.tvMain().SelectedItem(), nullptr);
  }
  if (c.does == Does::NoProperties) DeleteFileA(pcawFile_.c_str());
  boxes.setButton(c.does == Does::Delete ? IDYES : IDNO);
  boxes.clear();

  const std::string shownBefore = f.lstItems().Tag();
  const std::string infoBefore = f.txtConnInfo().Text();
  const int selectedBefore = Selected();
  const int nodesBefore = f.tvMain().NodeCount();
  const std::string record = FreshRecordBase();
  StandInSettings settings(record, kDefaultAuthWindowCaption);

  // The windows, dialogs and menus that may come, watched while the command runs.
  std::string dialogFolder;
  std::optional<WindowWatcher> dialog;
  if (c.does == Does::Dialog) {
    dialog.emplace(
        [&](HWND w) {
          if (!IsDialogOfThisProgram(w, f.hWnd())) return false;
          forms::Form* form = forms::FormFromWindow(w);
          return form ? form->Name() == c.detail : CaptionOf(w) == c.detail;
        },
        [&](HWND w) {
          if (forms::Form* form = forms::FormFromWindow(w))
            if (auto* folder = form->Find<forms::TextBox>("txtFolder")) dialogFolder = folder->Text();
        });
  } else if (c.does == Does::Nothing) {
    dialog.emplace([&](HWND w) { return IsDialogOfThisProgram(w, f.hWnd()); });
  }
  std::string popupTable;
  UINT popupDefault = 0;
  Shown folderOpen = Shown::Hidden;
  std::optional<PopupDriver> menu;
  if (c.does == Does::ListPopup)
    menu.emplace(f.parts().mnuPopUp.popup(), std::vector<UINT>{}, [&](HMENU m) { popupTable = TableShown(m, f); });
  else if (c.does == Does::FolderPopup)
    menu.emplace(f.parts().mnuPopUpFolderLV.popup(), std::vector<UINT>{}, [&](HMENU m) {
      popupDefault = GetMenuDefaultItem(m, FALSE, GMDI_USEDISABLED);
      folderOpen = EntryState(m, Id("mnuPopUpFolderLV_open"));
    });
  else if (c.does == Does::Nothing && c.via == Via::Key)
    menu.emplace(nullptr, std::vector<UINT>{});
  std::optional<PopupDriver> pluginMenu;
  Reach(c, [&] {
    if (c.does == Does::PluginMenu) pluginMenu.emplace(nullptr, std::vector<UINT>{});
  });

  switch (c.does) {
    case Does::Nothing:
      Pump();
      PumpUntil([] { return false; }, 400);
      EXPECT_TRUE(boxes.seen().empty());
      EXPECT_FALSE(dialog->seen());
      if (menu) EXPECT_FALSE(menu->seen());
      EXPECT_EQ(f.lstItems().Tag(), shownBefore);
      EXPECT_EQ(Selected(), selectedBefore);
      EXPECT_EQ(f.txtConnInfo().Text(), infoBefore);
      EXPECT_FALSE(f.HasClip);
      EXPECT_EQ(ListView_GetEditControl(f.lstItems().hWnd()), nullptr);
      EXPECT_EQ(f.tvMain().NodeCount(), nodesBefore);
      for (const char* path : {"Top\\alpha", "Top\\beta", "Top\\kasse", "Top\\Sub", "Other"}) EXPECT_TRUE(PathExists(path));
      EXPECT_FALSE(HasSubFolders("Other"));
      break;
    case Does::SelectAll:
      ASSERT_TRUE(PumpUntil([&] { return Selected() == f.lstItems().ItemCount(); }));
      EXPECT_EQ(f.txtConnInfo().Text(), std::to_string(f.lstItems().ItemCount()) + " " + LoadResString(IDS_OBJECTS_SELECTED));
      break;
    case Does::Copy:
    case Does::Cut: {
      ASSERT_TRUE(PumpUntil([&] { return f.HasClip; }));
      EXPECT_EQ(f.CutMode, c.does == Does::Cut);
      std::vector<std::string> expected;
      for (const char* name : c.selected) expected.push_back(std::string(c.folder) + "\\" + name);
      if (c.selected.empty()) expected.push_back(std::string(c.folder) + "\\" + c.target);
      EXPECT_THAT(ClipKeys(), ::testing::UnorderedElementsAreArray(expected));
      break;
    }
    case Does::Paste:
      ASSERT_TRUE(PumpUntil([&] { return PathExists("Other\\alpha") && f.lstItems().ItemByKey("Other\\alpha"); }, 20000));
      EXPECT_TRUE(PathExists("Top\\alpha")) << "a copy leaves its source";
      EXPECT_TRUE(boxes.seen().empty());
      break;
    case Does::AskDelete:
    case Does::Delete: {
      ASSERT_TRUE(PumpUntil([&] { return !boxes.seen().empty(); }));
      const auto seen = boxes.seen();
      EXPECT_EQ(seen[0].text, LoadResString(IDS_CONFIRM_DELETE_SELECTED));
      EXPECT_EQ(seen[0].title, kApplicationTitle) << "the question has no title of its own";
      std::vector<std::string> asked;
      for (const char* name : c.selected) asked.push_back(std::string(c.folder) + "\\" + name);
      if (c.selected.empty()) asked.push_back(std::string(c.folder) + "\\" + c.target);
      if (c.does == Does::Delete) {
        ASSERT_TRUE(PumpUntil([&] {
          for (const std::string& p : asked)
            if (PathExists(p) || f.lstItems().ItemByKey(p)) return false;
          return true;
        }, 20000));
      } else {
        Pump();
        for (const std::string& p : asked) EXPECT_TRUE(PathExists(p) && f.lstItems().ItemByKey(p)) << p;
      }
      break;
    }
    case Does::AskDeleteFolder: {
      ASSERT_TRUE(PumpUntil([&] { return !boxes.seen().empty(); }));
      EXPECT_EQ(boxes.seen()[0].text, LoadResString(IDS_CONFIRM_DELETE_FOLDER));
      EXPECT_EQ(boxes.seen()[0].title, "VNC Corvana");
      Pump();
      EXPECT_TRUE(PathExists(c.target));
      EXPECT_TRUE(f.tvMain().NodeByKey(c.target));
      EXPECT_EQ(f.txtFolderInfo().Text(), f.tvMain().NodeByKey(c.target)->Text());
      break;
    }
    case Does::OpenFolder:
      ASSERT_TRUE(PumpUntil([&] { return f.lstItems().Tag() == c.detail; })) << f.lstItems().Tag();
      EXPECT_TRUE(boxes.seen().empty());
      break;
    case Does::Viewer: {
      // The launch runs in the window's own handler: its messages must go on meanwhile.
      PumpUntil([&] { return GetFileAttributesA((record + ".typed").c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000);
      std::optional<TypedResult> typed = WaitForTyped(record, 1000);
      ASSERT_TRUE(typed) << "no viewer came";
      EXPECT_EQ(typed->text, "pw");
      EXPECT_TRUE(typed->enter);
      std::optional<std::string> line = WaitForFile(record + ".cmd");
      ASSERT_TRUE(line);
      EXPECT_THAT(*line, EndsWith(c.detail));
      break;
    }
    case Does::JavaRunner:
    case Does::Browser: {
      std::optional<std::string> line = WaitForFile(record + ".cmd");
      ASSERT_TRUE(line) << "nothing was started";
      if (c.does == Does::Browser)
        EXPECT_EQ(*line, StandInBrowserPath() + " " + c.detail);
      else
        EXPECT_THAT(*line, HasSubstr(c.detail));
      break;
    }
    case Does::PcAnywhere: {
      auto launched = [] {
        RegKey key = OpenKey(HKEY_CURRENT_USER, "Software\\Corvana pcAW stand-in");
        return ReadStringValue(key.get(), "Launched");
      };
      EXPECT_TRUE(PumpUntil([&] { return launched() == pcawFile_; }));
      break;
    }
    case Does::RfbVersion:
      ASSERT_TRUE(PumpUntil([&] { return !boxes.seen().empty(); }, 20000));
      EXPECT_EQ(boxes.seen()[0].text, c.detail);
      break;
    case Does::Dialog:
      ASSERT_TRUE(PumpUntil([&] { return dialog->closed(); }, 20000)) << c.detail << " did not open";
      EXPECT_EQ(dialogFolder, c.dialogFolder);
      EXPECT_EQ(f.tvMain().NodeCount(), nodesBefore) << "no folder was made";
      break;
    case Does::ListPopup:
      ASSERT_TRUE(PumpUntil([&] { return menu->done(); }, 20000));
      EXPECT_EQ(popupTable, c.detail)
          << "entries: root connect, viewer, java, browser, file server, tools, edit, rename, copy, cut, delete, paste, new";
      break;
    case Does::FolderPopup:
      ASSERT_TRUE(PumpUntil([&] { return menu->done(); }, 20000));
      EXPECT_EQ(popupDefault, Id("mnuPopUpFolderLV_open"));
      EXPECT_EQ(folderOpen, c.detail == "+" ? Shown::On : Shown::Off);
      break;
    case Does::PluginMenu:
      ASSERT_TRUE(pluginMenu);
      EXPECT_TRUE(PumpUntil([&] { return pluginMenu->seen() && pluginMenu->done(); }, 20000));
      break;
    case Does::LabelEdit:
      ASSERT_TRUE(PumpUntil([&] { return ListView_GetEditControl(f.lstItems().hWnd()) != nullptr; }));
      PressKey(VK_ESCAPE);
      ASSERT_TRUE(PumpUntil([&] { return ListView_GetEditControl(f.lstItems().hWnd()) == nullptr; }));
      break;
    case Does::Expand:
      ASSERT_TRUE(PumpUntil([&] { return f.tvMain().NodeByKey(c.target)->Expanded(); }));
      break;
    case Does::NoProperties:
      ASSERT_TRUE(PumpUntil([&] { return !boxes.seen().empty(); }, 10000));
      EXPECT_EQ(boxes.seen()[0].title, std::string(kProductTitle) + " - kasse");
      EXPECT_EQ(boxes.seen()[0].text, LoadResString(IDS_PCAW_PROPERTIES_FAILED));
      break;
    case Does::LargeIcons:
      ASSERT_TRUE(PumpUntil([&] { return f.lstItems().View() == forms::kIconView; }));
      EXPECT_EQ(f.lstItems().SortKey(), 0);
      EXPECT_EQ(f.lstItems().SortOrder(), 0);
      EXPECT_THAT(ListTexts(), ::testing::ElementsAre("alpha", "beta", "kasse", "probe", "Sub"));
      break;
  }
  if (c.does != Does::AskDelete && c.does != Does::Delete && c.does != Does::AskDeleteFolder &&
      c.does != Does::RfbVersion && c.does != Does::NoProperties)
    EXPECT_TRUE(boxes.seen().empty());
}

// F5 reads the folder again: an entry stored behind the list's back appears.
TEST_F(CommandWalk, F5ReadsTheFolderAgain) {
  MainForm& f = StartForWalk(RefusingPort());
  OpenFolder("Top");
  Select({"alpha"});
  Connection("Top", "gamma");
  ASSERT_FALSE(f.lstItems().ItemByKey("Top\\gamma"));
  PressKey(VK_F5);
  ASSERT_TRUE(PumpUntil([&] { return f.lstItems().ItemByKey("Top\\gamma") != nullptr; }));
  EXPECT_TRUE(boxes.seen().empty());
}

const std::vector<const char*> kNone{};
const std::vector<const char*> kAlpha{"alpha"};

// The list's key table: Ctrl alone, then every other modifier state.
INSTANTIATE_TEST_SUITE_P(
    Keys, CommandWalk,
    ::testing::Values(
        WalkCase{"CtrlA", Via::Key, kAlpha, "", {}, 'A', {VK_CONTROL}, Does::SelectAll},
        WalkCase{"CtrlAOnAnEmptyList", Via::Key, kNone, "", {}, 'A', {VK_CONTROL}, Does::Nothing, "", "Other"},
        WalkCase{"CtrlC", Via::Key, {"alpha", "Sub"}, "", {}, 'C', {VK_CONTROL}, Does::Copy},
        WalkCase{"CtrlX", Via::Key, kAlpha, "", {}, 'X', {VK_CONTROL}, Does::Cut},
        WalkCase{"CtrlV", Via::Key, kNone, "", {}, 'V', {VK_CONTROL}, Does::Paste},
        WalkCase{"CtrlD", Via::Key, kAlpha, "", {}, 'D', {VK_CONTROL}, Does::AskDelete},
        WalkCase{"CtrlDWithNothingSelected", Via::Key, kNone, "", {}, 'D', {VK_CONTROL}, Does::Nothing},
        WalkCase{"CtrlEOnAConnection", Via::Key, kAlpha, "", {}, 'E', {VK_CONTROL}, Does::Dialog, "dlgEditConnection", "Top", false, "Top"},
        WalkCase{"CtrlEOnAPcAnywhereEntryWithoutItsFile", Via::Key, {"kasse"}, "", {}, 'E', {VK_CONTROL}, Does::NoProperties},
        WalkCase{"CtrlEOnAFolder", Via::Key, {"Sub"}, "", {}, 'E', {VK_CONTROL}, Does::Nothing},
        WalkCase{"CtrlEWithTwoSelected", Via::Key, {"alpha", "beta"}, "", {}, 'E', {VK_CONTROL}, Does::Nothing},
        WalkCase{"CtrlI", Via::Key, kNone, "", {}, 'I', {VK_CONTROL}, Does::Dialog, LoadResString(IDS_CHOOSE_VNC_FILE)},
        WalkCase{"CtrlN", Via::Key, kNone, "", {}, 'N', {VK_CONTROL}, Does::Dialog, "dlgNewConnection", "Top", false, "Top"},
        WalkCase{"CtrlNWithNoFolder", Via::Key, kNone, "", {}, 'N', {VK_CONTROL}, Does::Dialog, "dlgNewConnection", "Top", true, ""},
        WalkCase{"CtrlO", Via::Key, kNone, "", {}, 'O', {VK_CONTROL}, Does::Dialog, "dlgOptions"},
        WalkCase{"CtrlEnter", Via::Key, {"Sub"}, "", {}, VK_RETURN, {VK_CONTROL}, Does::Nothing},
        WalkCase{"CtrlShiftC", Via::Key, kAlpha, "", {}, 'C', {VK_CONTROL, VK_SHIFT}, Does::Nothing},
        WalkCase{"CtrlB", Via::Key, kAlpha, "", {}, 'B', {VK_CONTROL}, Does::Nothing},
        WalkCase{"EnterOnAFolder", Via::Key, {"Sub"}, "", {}, VK_RETURN, {}, Does::OpenFolder, "Top\\Sub"},
        WalkCase{"ShiftEnter", Via::Key, {"Sub"}, "", {}, VK_RETURN, {VK_SHIFT}, Does::OpenFolder, "Top\\Sub"},
        WalkCase{"AltEnter", Via::Key, {"Sub"}, "", {}, VK_RETURN, {VK_MENU}, Does::OpenFolder, "Top\\Sub"},
        WalkCase{"EnterOnAConnection", Via::Key, kAlpha, "", {}, VK_RETURN, {}, Does::Viewer, "a.example:1"},
        WalkCase{"Del", Via::Key, {"alpha", "beta"}, "", {}, VK_DELETE, {}, Does::Delete},
        WalkCase{"DelWithNothingSelected", Via::Key, kNone, "", {}, VK_DELETE, {}, Does::Nothing},
        WalkCase{"ContextMenuKeyWithNothingSelected", Via::Key, kNone, "", {}, VK_APPS, {}, Does::ListPopup, "------------+"},
        WalkCase{"ContextMenuKeyOnAConnection", Via::Key, kAlpha, "", {}, VK_APPS, {}, Does::ListPopup, "+++++++++++h-"},
        WalkCase{"ContextMenuKeyOnAFolder", Via::Key, {"Sub"}, "", {}, VK_APPS, {}, Does::FolderPopup, "+"},
        WalkCase{"F2", Via::Key, kAlpha, "", {}, VK_F2, {}, Does::LabelEdit},
        WalkCase{"F3", Via::Key, kAlpha, "", {}, VK_F3, {}, Does::Nothing}),
    [](const auto& info) { return std::string(info.param.label); });

// Each entry of the list's two popup menus, chosen with the mouse.
INSTANTIATE_TEST_SUITE_P(
    ListPopups, CommandWalk,
    ::testing::Values(
        WalkCase{"Copy", Via::ListPopup, kNone, "alpha", {"mnuCopyConnection"}, 0, {}, Does::Copy},
        WalkCase{"Cut", Via::ListPopup, kNone, "beta", {"mnuCutConnection"}, 0, {}, Does::Cut},
        WalkCase{"PasteOnEmptySpace", Via::ListPopup, kNone, "", {"mnuPasteConnection"}, 0, {}, Does::Paste},
        WalkCase{"Viewer", Via::ListPopup, kNone, "alpha", {"mnuRootConnect", "mnuConnect"}, 0, {}, Does::Viewer, "a.example:1"},
        WalkCase{"Java", Via::ListPopup, kNone, "alpha", {"mnuRootConnect", "mnuConnectWithJava"}, 0, {}, Does::JavaRunner, " HOST a.example PORT 5901 PASSWORD "},
        WalkCase{"Browser", Via::ListPopup, kNone, "alpha", {"mnuRootConnect", "mnuConnectWithInternalBrowser"}, 0, {}, Does::Browser, "http://a.example:5801"},
        WalkCase{"FileServer", Via::ListPopup, kNone, "alpha", {"mnuRootConnect", "mnuFileTransferWithVNCFS"}, 0, {}, Does::Browser, "http://a.example:6010"},
        WalkCase{"PcAnywhere", Via::ListPopup, kNone, "kasse", {"mnuRootConnect", "mnuPcAW_Connect"}, 0, {}, Does::PcAnywhere},
        WalkCase{"RfbVersion", Via::ListPopup, kNone, "probe", {"mnuTools", "mnuGetRFBVersion"}, 0, {}, Does::RfbVersion, "RFB Version 3.8"},
        WalkCase{"Ftp", Via::ListPopup, kNone, "alpha", {"mnuTools", "mnuFTP"}, 0, {}, Does::Browser, "ftp://a.example/"},
        WalkCase{"Http", Via::ListPopup, kNone, "alpha", {"mnuTools", "mnuHTTP"}, 0, {}, Does::Browser, "http://a.example/"},
        WalkCase{"Edit", Via::ListPopup, kNone, "alpha", {"mnuEdit"}, 0, {}, Does::Dialog, "dlgEditConnection", "Top", false, "Top"},
        WalkCase{"Delete", Via::ListPopup, kNone, "alpha", {"mnuDelete"}, 0, {}, Does::AskDelete},
        WalkCase{"Rename", Via::ListPopup, kNone, "alpha", {"mnuRename"}, 0, {}, Does::LabelEdit},
        WalkCase{"NewOnEmptySpace", Via::ListPopup, kNone, "", {"mnuNew"}, 0, {}, Does::Dialog, "dlgNewConnection", "Top", false, "Top"},
        WalkCase{"PlugIns", Via::ListPopup, kNone, "alpha", {"mnuPlugin"}, 0, {}, Does::PluginMenu},
        WalkCase{"FolderOpen", Via::FolderPopup, kNone, "Sub", {"mnuPopUpFolderLV_open"}, 0, {}, Does::OpenFolder, "Top\\Sub"},
        WalkCase{"FolderDelete", Via::FolderPopup, kNone, "Sub", {"mnuPopUpFolderLV_delete"}, 0, {}, Does::AskDelete},
        WalkCase{"FolderCopy", Via::FolderPopup, kNone, "Sub", {"mnuPopUpFolderLV_copy"}, 0, {}, Does::Copy},
        WalkCase{"FolderCut", Via::FolderPopup, kNone, "Sub", {"mnuPopUpFolderLV_cut"}, 0, {}, Does::Cut}),
    [](const auto& info) { return std::string(info.param.label); });

// The tree's popup entries that are not the new folder and the rename (commands_test.cpp).
INSTANTIATE_TEST_SUITE_P(
    TreePopup, CommandWalk,
    ::testing::Values(
        WalkCase{"DeleteFolderAnsweredNo", Via::TreePopup, kNone, "Other", {"mnuDeleteFolder"}, 0, {}, Does::AskDeleteFolder},
        WalkCase{"ExpandFolder", Via::TreePopup, kNone, "Top", {"mnuFolderExpand"}, 0, {}, Does::Expand}),
    [](const auto& info) { return std::string(info.param.label); });

// The toolbar's buttons (the view buttons: list_keys_test.cpp; largeicons once more after a
// descending sort).
INSTANTIATE_TEST_SUITE_P(
    Toolbar, CommandWalk,
    ::testing::Values(
        WalkCase{"New", Via::Toolbar, kNone, "", {"new"}, 0, {}, Does::Dialog, "dlgNewConnection", "Top", false, "Top"},
        WalkCase{"DeleteWithNothingSelected", Via::Toolbar, kNone, "", {"delete"}, 0, {}, Does::Nothing},
        WalkCase{"Delete", Via::Toolbar, kAlpha, "", {"delete"}, 0, {}, Does::AskDelete},
        WalkCase{"Edit", Via::Toolbar, kAlpha, "", {"edit"}, 0, {}, Does::Dialog, "dlgEditConnection", "Top", false, "Top"},
        WalkCase{"Options", Via::Toolbar, kNone, "", {"options"}, 0, {}, Does::Dialog, "dlgOptions"},
        WalkCase{"LargeIconsAfterADescendingSort", Via::Toolbar, kNone, "", {"largeicons"}, 0, {}, Does::LargeIcons},
        WalkCase{"Import", Via::Toolbar, kNone, "", {"import"}, 0, {}, Does::Dialog, LoadResString(IDS_CHOOSE_VNC_FILE)},
        WalkCase{"Info", Via::Toolbar, kNone, "", {"info"}, 0, {}, Does::Dialog, "frmAbout"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
