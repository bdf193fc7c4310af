// What the main window's Load builds from its declaration, and the order of its steps.
#include "core/string_table.h"
#include "main_window_fixture.h"
#include "resources/string_ids.h"

namespace corvana::test {
namespace {

using LoadTest = MainWindowTest;

TEST_F(LoadTest, MenusToolbarAndColumnsCarryTheTextsOfTheirIds) {
  MainForm& f = Start();
  struct Menu {
    const char* name;
    int id;
  } menus[] = {
      {"mnuDatei", IDS_MENU_FILE},
      {"mnuDateiNew", IDS_MENU_FILE_NEW},
      {"mnuDateiNewFolder", IDS_MENU_FILE_NEW_FOLDER},
      {"mnuDateiNewConnection", IDS_MENU_FILE_NEW_CONNECTION},
      {"mnuEnd", IDS_MENU_EXIT},
      {"mnuAnsicht", IDS_MENU_VIEW},
      {"mnuBigSymbols", IDS_MENU_LARGE_ICONS},
      {"mnuShowSbar", IDS_MENU_STATUS_BAR},
      {"mnuShowBackground", IDS_MENU_BACKGROUND},
      {"mnuShowFolderInfo", IDS_MENU_FOLDER_INFO},
      {"mnuEdit", IDS_MENU_EDIT},
      {"mnuDelete", IDS_MENU_DELETE},
      {"mnuRename", IDS_MENU_RENAME},
      {"mnuNew", IDS_MENU_NEW_CONNECTION},
      {"mnuNewFolder", IDS_MENU_FOLDER_NEW},
      {"mnuRenameFolder", IDS_MENU_RENAME},
      {"mnuDeleteFolder", IDS_MENU_FOLDER_DELETE},
      {"mnuPopUpFolderLV_open", IDS_MENU_OPEN},
      {"mnuPopUpFolderLV_delete", IDS_MENU_DELETE},
      {"mnuPopUpFolderLV_copy", IDS_MENU_COPY},
      {"mnuPopUpFolderLV_cut", IDS_MENU_CUT},
  };
  for (const Menu& m : menus) EXPECT_EQ(f.GetMenu(m.name).Caption(), LoadResString(m.id)) << m.name;
  // The two plug-in items keep their literal captions.
  EXPECT_EQ(f.GetMenu("mnuPluginManagement").Caption(), "Plugin's...");
  EXPECT_EQ(f.GetMenu("mnuPlugin").Caption(), "PlugIns...");
  // The popup menus are not in the menu bar.
  EXPECT_TRUE(f.GetMenu("mnuDatei").Visible());
  for (const char* popup : {"mnuPopUp", "mnuPopUpFolder", "mnuPopUpFolderLV"}) EXPECT_FALSE(f.GetMenu(popup).Visible());
  EXPECT_EQ(GetMenuItemCount(GetMenu(f.hWnd())), 2);

  struct Button {
    const char* key;
    int tip;
  } buttons[] = {
      {"new", IDS_TIP_NEW_CONNECTION},
      {"delete", IDS_TIP_DELETE},
      {"edit", IDS_TIP_EDIT},
      {"options", IDS_TIP_OPTIONS},
      {"list", IDS_TIP_LIST},
      {"largeicons", IDS_TIP_LARGE_ICONS},
      {"smallicons", IDS_TIP_SMALL_ICONS},
      {"details", IDS_TIP_DETAILS},
      {"import", IDS_TIP_IMPORT},
      {"info", IDS_TIP_ABOUT},
  };
  std::vector<std::string> keys;
  for (const auto& b : f.Toolbar1().Buttons())
    if (b->Style() != 3) keys.push_back(b->Key());
  ASSERT_EQ(keys.size(), std::size(buttons));
  for (size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(keys[i], buttons[i].key);
    forms::ToolbarButtonRef b = f.Toolbar1().ButtonByKey(buttons[i].key);
    EXPECT_EQ(b->ToolTipText(), LoadResString(buttons[i].tip)) << buttons[i].key;
    EXPECT_EQ(b->Image(), buttons[i].key);
    for (const char* list : {"imglToolbar_SMALL", "imglToolbar_SMALL_DIS", "imglToolbar_BIG", "imglToolbar_BIG_DIS"})
      EXPECT_GE(f.ImageListNamed(list).IndexOf(buttons[i].key), 0) << list << " " << buttons[i].key;
  }
  EXPECT_EQ(f.ImageListNamed("imglToolbar_BIG").ImageWidth(), 32);

  const int columns[] = {IDS_COLUMN_NAME, IDS_COLUMN_HOST, IDS_COLUMN_DISPLAY, IDS_COLUMN_VNC_FS_PORT};
  ASSERT_EQ(f.lstItems().ColumnCount(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(f.lstItems().Column(i + 1)->Text(), LoadResString(columns[i]));
  for (const char* key : {"folder", "connection", "pcaw"}) {
    EXPECT_GE(f.ImageListNamed("imgLstLstItemsBig").IndexOf(key), 0) << key;
    EXPECT_GE(f.ImageListNamed("imgLstLstItemsSmall").IndexOf(key), 0) << key;
  }
  for (const char* key : {"asc", "des"}) EXPECT_GE(f.ImageListNamed("imglColHeaders").IndexOf(key), 0);
  for (const char* key : {"close", "open"}) EXPECT_GE(f.ImageListNamed("imgLstTreeView").IndexOf(key), 0);
  EXPECT_NE(f.StatusBar1().PanelByKey("status"), nullptr);
  EXPECT_NE(f.StatusBar1().PanelByKey("file"), nullptr);
  EXPECT_FALSE(f.txtdummy().Visible());
  EXPECT_FALSE(f.lvCopy().Visible());
  EXPECT_EQ(f.ClipItems, &f.lvCopy());
  EXPECT_FALSE(f.picSplitter().Visible());
}

TEST_F(LoadTest, TheUpgradeRunsBeforeTheOptionsAreRead) {
  // A store of 1.0.6 gets its preferred viewer from the upgrade, which the option reader then sees.
  SetRoot("Version", "1.0.6");
  SetRoot("PreferredViewer", "Java");
  Start();
  EXPECT_EQ(Root("Version"), "1.1.2");
  EXPECT_EQ(Root("PreferredViewer"), "VNCviewer");
  EXPECT_EQ(gOptions.PreferredViewer, "VNCviewer");
}

TEST_F(LoadTest, TheConversionWritesItsStatusLinesToTheSplash) {
  struct Lines : UpgradeStatusLine {
    std::vector<std::string> seen;
    void ShowStatus(const std::string& text) override { seen.push_back(text); }
  } lines;
  SetRoot("Version", "1.0.7");
  calls = std::make_shared<ScriptedTray::Calls>();
  MainFormServices services;
  services.createTray = [this] { return std::make_unique<ScriptedTray>(calls); };
  services.statusLine = &lines;
  services.endProgram = [this] { ++ended; };
  form = std::make_unique<MainForm>(std::move(services));
  form->LoadForm();
  EXPECT_EQ(lines.seen,
            (std::vector<std::string>{LoadResString(IDS_UPDATING_REGISTRY), LoadResString(IDS_REGISTRY_UPDATED)}));
}

TEST_F(LoadTest, OptionsAreResetBeforeTheyAreRead) {
  gOptions.ViewerPath = "C:\\alt\\vncviewer.exe";
  gOptions.DefaultViewOnly = kTrue;
  gOptions.JavaRunner = "java.exe";
  SetRoot("ShowFolderInfo", "1");
  Start();
  EXPECT_EQ(gOptions.ViewerPath, "");
  EXPECT_EQ(gOptions.DefaultViewOnly, kFalse);
  EXPECT_EQ(gOptions.DefaultScale1, "1");
  EXPECT_EQ(gOptions.AuthWindowRetries, 20);
  // The Java runner is not among the values the load resets.
  EXPECT_EQ(gOptions.JavaRunner, "java.exe");
  gOptions.JavaRunner.clear();
}

TEST_F(LoadTest, AStoredBackgroundShowsTheProgramsPictureOrKeepsItWhenTheFileIsUnreadable) {
  SetRoot("ShowBackground", "1");
  MainForm& f = Start();
  ASSERT_NE(f.lstItems().Picture(), nullptr);
  Exit();
  SetRoot("BackGroundImage", "C:\\gibt\\es\\nicht.bmp");
  MainForm& again = Start();
  EXPECT_TRUE(again.GetMenu("mnuShowBackground").Checked());
  EXPECT_EQ(again.lstItems().Picture(), nullptr);
}

}  // namespace
}  // namespace corvana::test
