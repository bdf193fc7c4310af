// New, edited and imported connections as the user reaches them in the main window: the toolbar's
// new, edit and import buttons, Ctrl+N, Ctrl+E, Ctrl+I, the list popup's "Bearbeiten" and "Neue
// Verbindung", the File menu's "Verbindung". Each dialog runs modally on the test's thread and is
// worked with the real keyboard from a thread of its own; the results are read from the list and
// the store.
#include <fstream>

#include "browse_fixture.h"
#include "core/connection_record.h"
#include "core/message_box.h"
#include "core/string_table.h"
#include "popup_driver.h"
#include "resources/string_ids.h"
#include "support/dialog_driver.h"

using namespace corvana;
using namespace corvana::test;

namespace {

// Empties the field that has the focus and types Text into it, from the driver's thread.
void ReplaceFocused(DWORD ui, const std::string& text) {
  HWND field = FocusOf(ui);
  PressKey(VK_END);
  PressKey(VK_HOME, {VK_SHIFT});
  PressKey(VK_DELETE);
  WaitFor([&] { return WindowTextOf(field).empty(); });
  TypeText(text);
  WaitFor([&] { return WindowTextOf(field) == text; });
}

// Moves the focus on with Tab, and waits until it has moved.
void NextField(DWORD ui) {
  HWND before = FocusOf(ui);
  PressKey(VK_TAB);
  WaitFor([&] { return FocusOf(ui) != before; });
}

class ConnectionCommandsTest : public BrowseTest {
 protected:
  // Top: the connection alpha and the folder Sub; Top open in the list.
  MainForm& StartOnTop() {
    Folder("Top");
    Connection("Top", "alpha", "a.example", "1", "6010");
    Folder("Top\\Sub");
    MainForm& f = StartInFront();
    OpenFolder("Top");
    return f;
  }

  // Open (on this thread) opens a dialog with the caption; Work handles it from another thread,
  // with the keyboard focus in its first field. The dialog is closed in any case. Whether it came.
  bool WhileDialog(int captionId, const std::function<void()>& open, const std::function<void(DWORD ui)>& work) {
    bool came = false;
    const DWORD ui = GetCurrentThreadId();
    const std::string caption = LoadResString(captionId);
    WhileDriven(open, [&] {
      HWND dialog = WaitForShownWindow([&](HWND w) { return CaptionOf(w) == caption; });
      if (!dialog) return;
      came = true;
      BringToFront(dialog);
      WaitFor([&] { return FocusOf(ui) && IsChild(dialog, FocusOf(ui)); });
      work(ui);
      if (!WaitFor([&] { return !IsWindow(dialog); })) PostMessageA(dialog, WM_CLOSE, 0, 0);
    }, 30000);
    return came;
  }

  // The new-connection dialog filled from its first field on and confirmed with Enter.
  static std::function<void(DWORD)> NewConnectionTyped(const std::string& name, const std::string& host,
                                                      const std::string& display) {
    return [=](DWORD ui) {
      ReplaceFocused(ui, name);
      NextField(ui);
      ReplaceFocused(ui, host);
      NextField(ui);
      ReplaceFocused(ui, display);
      PressKey(VK_RETURN);
    };
  }

  void ClickToolbarButton(const char* key) {
    RECT r{};
    const int index = form->Toolbar1().ButtonByKey(key)->Index() - 1;
    SendMessageA(form->Toolbar1().hWnd(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    Click(ScreenPoint(form->Toolbar1().hWnd(), (r.left + r.right) / 2, (r.top + r.bottom) / 2));
  }
  void FocusList() {
    Click(ItemPoint(ItemNamed("alpha")));
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == form->lstItems().hWnd() && CountSelected(form->lstItems()) == 1; }));
  }
  // Right click on the item (or the list's empty space), then the entry.
  void ChooseFromPopup(const std::string& item, const char* entry) {
    PopupDriver driver(form->parts().mnuPopUp.popup(), {form->GetMenu(entry).id()});
    RightClick(item.empty() ? EmptyListPoint() : ItemPoint(ItemNamed(item)));
    EXPECT_TRUE(PumpUntil([&] { return driver.done(); }, 30000)) << entry;
  }

  void ExpectStored(const std::string& path, const std::string& host, const std::string& display) {
    ConnectionRecord r;
    ASSERT_TRUE(ReadConnection(path, r)) << path;
    EXPECT_EQ(r.Host, host);
    EXPECT_EQ(r.Display, display);
  }
  forms::ListItemRef ListItem(const std::string& key) { return form->lstItems().ItemByKey(key); }
};

TEST_F(ConnectionCommandsTest, TheNewButtonStoresTheConnectionInTheSelectedFolderAndTheList) {
  StartOnTop();
  ASSERT_TRUE(WhileDialog(IDS_NEW_CONNECTION_TITLE, [&] { ClickToolbarButton("new"); },
                          NewConnectionTyped("beta", "b.example", "2")));
  EXPECT_TRUE(boxes.seen().empty());
  ExpectStored("Top\\beta", "b.example", "2");
  forms::ListItemRef item = ListItem("Top\\beta");
  ASSERT_TRUE(item);
  EXPECT_EQ(item->Text(), "beta");
  EXPECT_EQ(item->SubItem(1), "b.example");
  EXPECT_EQ(item->SubItem(3), "6010");
}

TEST_F(ConnectionCommandsTest, CtrlNAndTheFileMenuAndThePopupOpenTheNewDialog) {
  StartOnTop();
  FocusList();
  ASSERT_TRUE(WhileDialog(IDS_NEW_CONNECTION_TITLE, [] { PressKey('N', {VK_CONTROL}); },
                          NewConnectionTyped("by key", "k.example", "3")));
  ExpectStored("Top\\by key", "k.example", "3");
  // Alt+D opens "&Datei", N its "&Neu", V the "&Verbindung".
  ASSERT_TRUE(WhileDialog(IDS_NEW_CONNECTION_TITLE, [] {
    PressKey('D', {VK_MENU});
    PressKey('N');
    PressKey('V');
  }, NewConnectionTyped("by menu", "m.example", "4")));
  ExpectStored("Top\\by menu", "m.example", "4");
  ASSERT_TRUE(WhileDialog(IDS_NEW_CONNECTION_TITLE, [&] { ChooseFromPopup("", "mnuNew"); },
                          NewConnectionTyped("by popup", "p.example", "5")));
  ExpectStored("Top\\by popup", "p.example", "5");
  for (const char* key : {"Top\\by key", "Top\\by menu", "Top\\by popup"}) EXPECT_TRUE(ListItem(key)) << key;
}

TEST_F(ConnectionCommandsTest, CancelInTheNewDialogStoresNothing) {
  StartOnTop();
  ASSERT_TRUE(WhileDialog(IDS_NEW_CONNECTION_TITLE, [&] { ClickToolbarButton("new"); }, [](DWORD ui) {
    ReplaceFocused(ui, "never");
    PressKey(VK_ESCAPE);
  }));
  EXPECT_FALSE(PathExists("Top\\never"));
  EXPECT_FALSE(ListItem("Top\\never"));
}

// With the last folder gone (the tree empty), Ctrl+N opens the dialog without a folder; the
// connection goes into a new first folder, which the tree and the list then show, and not to the
// top of the store, where nobody would see it.
TEST_F(ConnectionCommandsTest, CtrlNWithNoFolderLeftPutsTheConnectionIntoANewFirstFolder) {
  MainForm& f = StartOnTop();
  DeleteKeyTree("Top");
  while (forms::NodeRef node = f.tvMain().NodeByKey("Top")) f.tvMain().RemoveNode(node);
  f.lstItems().ClearItems();
  ASSERT_FALSE(f.tvMain().SelectedItem());
  Click(EmptyListPoint());
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == f.lstItems().hWnd(); }));
  ASSERT_TRUE(WhileDialog(IDS_NEW_CONNECTION_TITLE, [] { PressKey('N', {VK_CONTROL}); },
                          NewConnectionTyped("gamma", "g.example", "6")));
  const std::string folder = LoadResString(IDS_NEW_FOLDER_NAME);
  EXPECT_FALSE(PathExists("gamma"));
  ExpectStored(folder + "\\gamma", "g.example", "6");
  ASSERT_TRUE(f.tvMain().SelectedItem());
  EXPECT_EQ(f.tvMain().SelectedItem()->Key(), folder);
  EXPECT_EQ(f.lstItems().Tag(), folder);
  EXPECT_TRUE(ListItem(folder + "\\gamma"));
}

// The edit dialog opened by the toolbar, Ctrl+E and the popup's "Bearbeiten" changes the selected
// connection; the list shows the folder afresh.
TEST_F(ConnectionCommandsTest, EditByButtonKeyAndPopupChangesTheSelectedConnection) {
  StartOnTop();
  struct Way {
    const char* what;
    std::function<void()> open;
  } ways[] = {{"button", [&] { ClickToolbarButton("edit"); }},
              {"Ctrl+E", [] { PressKey('E', {VK_CONTROL}); }},
              {"popup", [&] { ChooseFromPopup("alpha", "mnuEdit"); }}};
  int n = 0;
  for (const Way& way : ways) {
    SCOPED_TRACE(way.what);
    FocusList();
    const std::string host = "host" + std::to_string(++n) + ".example";
    ASSERT_TRUE(WhileDialog(IDS_EDIT_CONNECTION_TITLE, way.open, [&](DWORD ui) {
      // The name box has the focus; the address comes next.
      NextField(ui);
      ReplaceFocused(ui, host);
      PressKey(VK_RETURN);
    }));
    ExpectStored("Top\\alpha", host, "1");
    ASSERT_TRUE(PumpUntil([&] { return ListItem("Top\\alpha") && ListItem("Top\\alpha")->SubItem(1) == host; }));
    EXPECT_TRUE(ListItem("Top\\Sub"));
  }
  EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(ConnectionCommandsTest, EditOfAPcAnywhereEntryWhosePropertiesCannotBeShownSaysSo) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string file = std::string(temp) + "corvana-edit-" + std::to_string(GetCurrentProcessId()) + ".chf";
  std::ofstream(file) << "ConnectionType=TCP/IP\nComputerName=kasse-PC\n";
  Folder("Top");
  ASSERT_TRUE(SetPcAWFile("Top\\kasse", file));
  MainForm& f = StartInFront();
  OpenFolder("Top");
  Click(ItemPoint(ItemNamed("kasse")));
  ASSERT_TRUE(PumpUntil([&] { return CountSelected(f.lstItems()) == 1; }));
  boxes.clear();
  DeleteFileA(file.c_str());  // the property page has nothing to show
  PressKey('E', {VK_CONTROL});
  ASSERT_TRUE(PumpUntil([&] { return !boxes.seen().empty(); }, 10000));
  EXPECT_EQ(boxes.seen()[0].title, std::string(kProductTitle) + " - kasse");
  EXPECT_EQ(boxes.seen()[0].text, LoadResString(IDS_PCAW_PROPERTIES_FAILED));
}

class ImportCommandTest : public ConnectionCommandsTest {
 protected:
  void SetUp() override {
    ConnectionCommandsTest::SetUp();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    file_ = std::string(temp) + "corvana_road_" + std::to_string(GetCurrentProcessId()) + ".vnc";
    std::ofstream(file_) << "[connection]\nhost=imported.example\nport=5901\n[options]\nviewonly=1\n";
  }
  void TearDown() override {
    ConnectionCommandsTest::TearDown();
    DeleteFileA(file_.c_str());
  }
  // The file chosen in the open-file dialog, then the new-connection dialog confirmed.
  void ImportWith(const std::function<void()>& open) {
    const DWORD ui = GetCurrentThreadId();
    WhileDriven(open, [&] {
      const std::string chooseTitle = LoadResString(IDS_CHOOSE_VNC_FILE);
      if (HWND files = WaitForShownWindow([&](HWND w) { return CaptionOf(w) == chooseTitle; })) {
        BringToFront(files);
        WaitFor([&] { return FocusOf(ui) && IsChild(files, FocusOf(ui)); });
        HWND field = FocusOf(ui);
        TypeText(file_);
        WaitFor([&] { return WindowTextOf(field) == file_; });
        PressKey(VK_RETURN);
        if (!WaitFor([&] { return !IsWindow(files); })) PostMessageA(files, WM_COMMAND, IDCANCEL, 0);
      }
      const std::string dialogTitle = LoadResString(IDS_NEW_CONNECTION_TITLE);
      if (HWND dialog = WaitForShownWindow([&](HWND w) { return CaptionOf(w) == dialogTitle; })) {
        BringToFront(dialog);
        PressKey(VK_RETURN);
        if (!WaitFor([&] { return !IsWindow(dialog); })) PostMessageA(dialog, WM_CLOSE, 0, 0);
      }
    }, 30000);
  }
  std::string file_;
};

TEST_F(ImportCommandTest, TheImportButtonAndCtrlIPutTheFilesConnectionIntoTheSelectedFolder) {
  StartOnTop();
  ImportWith([&] { ClickToolbarButton("import"); });
  ConnectionRecord r;
  ASSERT_TRUE(ReadConnection("Top\\New Connection", r));
  EXPECT_EQ(r.Host, "imported.example");
  EXPECT_EQ(r.Display, "5901");
  EXPECT_EQ(r.ViewOnly, kTrue);
  ASSERT_TRUE(ListItem("Top\\New Connection"));

  ASSERT_TRUE(DeleteConnectionKey("Top\\New Connection"));
  FocusList();
  PressKey(VK_F5);
  ASSERT_TRUE(PumpUntil([&] { return !ListItem("Top\\New Connection"); }));
  FocusList();
  ImportWith([] { PressKey('I', {VK_CONTROL}); });
  EXPECT_TRUE(ConnectionPathExists("Top\\New Connection"));
  EXPECT_TRUE(ListItem("Top\\New Connection"));
  EXPECT_TRUE(boxes.seen().empty());
}

}  // namespace
