// The main window's life: the first start on an empty store, the layout kept between runs, and
// what an exit in another window state keeps.
#include "main_window_fixture.h"

#include "core/string_table.h"
#include "main_window/program_version.h"
#include "resources/string_ids.h"
#include "support/other_thread.h"

namespace corvana::test {
namespace {

using LifecycleTest = MainWindowTest;

TEST_F(LifecycleTest, FirstStartOnAnEmptyStoreCreatesOneSelectedFolderAndNoVersion) {
  MainForm& f = Start();
  const std::string newFolder = LoadResString(IDS_NEW_FOLDER_NAME);
  ASSERT_EQ(f.tvMain().NodeCount(), 1);
  forms::NodeRef node = f.tvMain().Roots().front();
  EXPECT_EQ(node->Key(), newFolder);
  EXPECT_EQ(node->Text(), newFolder);
  EXPECT_TRUE(node->Selected());
  EXPECT_TRUE(PathExists(newFolder));
  RegKey folder = OpenStoreKey(newFolder);
  EXPECT_EQ(ReadStringValue(folder.get(), kIsFolderValue), "1");
  // The store did not exist when the upgrade ran, so it carries no version until the next start.
  EXPECT_EQ(Root("Version"), "");
  // Design layout.
  EXPECT_EQ(f.imgSplitter().Left(), 4935);
  EXPECT_EQ(f.tvMain().Width(), 4895);
  EXPECT_EQ(f.imgFolderInfo().Left(), 4995);
  EXPECT_TRUE(f.StatusBar1().Visible());
  EXPECT_TRUE(f.txtFolderInfo().Visible());
  EXPECT_EQ(f.lstItems().Picture(), nullptr);
  // The icon was added with the versioned tooltip.
  ASSERT_EQ(calls->adds.size(), 1u);
  EXPECT_EQ(calls->adds[0], "VNC Corvana Version 1.1.2 (" + LoadResString(IDS_LANGUAGE_NAME) + ")");
  EXPECT_NE(tray->lastIcon, nullptr);

  Exit();
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(calls->deletes, 1);
  for (const char* name : {"top", "left", "height", "width", "ConnectionTableView", "ColNameWidth", "ColHostWidth",
                           "ColDisplayWidth", "ColVNCFSPortWidth", "FolderWidth", "SortKey", "SortOrder",
                           "ShowStatusbar", "ToolbarBigIcons", "ShowBackground", "ShowFolderInfo", "LastOpenFolder"})
    EXPECT_NE(Root(name), "") << name;
  EXPECT_EQ(Root("LastOpenFolder"), newFolder);
  EXPECT_EQ(Root("FolderWidth"), "4895");

  // The second start writes the version and creates no second folder.
  MainForm& again = Start();
  EXPECT_EQ(Root("Version"), VersionNumberText());
  EXPECT_EQ(again.tvMain().NodeCount(), 1);
  EXPECT_EQ(again.lstItems().Tag(), newFolder);
}

TEST_F(LifecycleTest, AStartAfterAnExitRestoresGeometryViewColumnsSortAndFlags) {
  {
    MainForm& f = Start();
    f.Move(1200, 900, 12000, 7200);
    f.lstItems().SetView(forms::kSmallIconView);
    f.lstItems().Column(1)->SetWidth(2100);
    f.lstItems().Column(2)->SetWidth(1800);
    f.lstItems().Column(3)->SetWidth(900);
    f.lstItems().Column(4)->SetWidth(750);
    f.lstItems().SetSortKey(2);
    f.lstItems().SetSortOrder(1);
    f.SizeControls(3000);
    // The view items as their commands leave them.
    f.GetMenu("mnuShowSbar").SetChecked(false);
    f.GetMenu("mnuBigSymbols").SetChecked(true);
    f.GetMenu("mnuShowBackground").SetChecked(true);
    f.GetMenu("mnuShowFolderInfo").SetChecked(false);
    Exit();
  }
  EXPECT_EQ(Root("left"), "1200");
  EXPECT_EQ(Root("top"), "900");
  EXPECT_EQ(Root("width"), "12000");
  EXPECT_EQ(Root("height"), "7200");
  EXPECT_EQ(Root("ConnectionTableView"), "1");
  EXPECT_EQ(Root("ColNameWidth"), "2100");
  EXPECT_EQ(Root("SortKey"), "2");
  EXPECT_EQ(Root("SortOrder"), "1");
  EXPECT_EQ(Root("FolderWidth"), "2960");
  EXPECT_EQ(Root("ShowStatusbar"), "0");

  MainForm& f = Start();
  EXPECT_EQ(f.Left(), 1200);
  EXPECT_EQ(f.Top(), 900);
  EXPECT_EQ(f.Width(), 12000);
  EXPECT_EQ(f.Height(), 7200);
  EXPECT_EQ(f.lstItems().View(), forms::kSmallIconView);
  EXPECT_EQ(f.lstItems().Column(1)->Width(), 2100);
  EXPECT_EQ(f.lstItems().Column(2)->Width(), 1800);
  EXPECT_EQ(f.lstItems().Column(3)->Width(), 900);
  EXPECT_EQ(f.lstItems().Column(4)->Width(), 750);
  EXPECT_EQ(f.lstItems().SortKey(), 2);
  EXPECT_EQ(f.lstItems().SortOrder(), 1);
  EXPECT_TRUE(f.lstItems().Sorted());
  EXPECT_EQ(f.lstItems().Column(3)->Icon(), "des");
  EXPECT_EQ(f.lstItems().Column(1)->Icon(), "");
  EXPECT_EQ(f.tvMain().Width(), 2960);
  EXPECT_EQ(f.imgSplitter().Left(), 3000);
  EXPECT_FALSE(f.StatusBar1().Visible());
  EXPECT_FALSE(f.GetMenu("mnuShowSbar").Checked());
  EXPECT_TRUE(f.GetMenu("mnuBigSymbols").Checked());
  EXPECT_EQ(f.Toolbar1().ImageListOf(), &f.ImageListNamed("imglToolbar_BIG"));
  EXPECT_TRUE(f.GetMenu("mnuShowBackground").Checked());
  EXPECT_NE(f.lstItems().Picture(), nullptr);
  EXPECT_FALSE(f.GetMenu("mnuShowFolderInfo").Checked());
  EXPECT_FALSE(f.txtFolderInfo().Visible());
  EXPECT_FALSE(f.txtConnInfo().Visible());
  EXPECT_FALSE(f.txtItemName().Visible());
}

TEST_F(LifecycleTest, AnExitWhileMaximisedKeepsTheGeometryOfTheLastNormalExit) {
  {
    MainForm& f = Start();
    f.Move(1500, 1200, 10500, 6000);
    Exit();
  }
  const char* kept[] = {"top", "left", "height", "width", "ConnectionTableView", "ColNameWidth", "FolderWidth"};
  std::vector<std::string> before;
  for (const char* name : kept) before.push_back(Root(name));
  {
    MainForm& f = Start(forms::kMaximized);
    ASSERT_EQ(f.WindowState(), forms::kMaximized);
    f.lstItems().SetView(forms::kListView);
    f.lstItems().Column(1)->SetWidth(3333);
    f.lstItems().SetSortKey(1);
    f.GetMenu("mnuShowSbar").SetChecked(false);
    Exit();
  }
  for (size_t i = 0; i < std::size(kept); ++i) EXPECT_EQ(Root(kept[i]), before[i]) << kept[i];
  // Sort and flags are written at every exit.
  EXPECT_EQ(Root("SortKey"), "1");
  EXPECT_EQ(Root("ShowStatusbar"), "0");
}

TEST_F(LifecycleTest, AnExitFromTheNotificationAreaKeepsTheGeometryOfTheLastNormalExit) {
  SetRoot("SystrayIfMinimized", "1");
  {
    MainForm& f = Start();
    f.Move(1500, 1200, 10500, 6000);
    Exit();
  }
  MainForm& f = Start();
  f.SetWindowState(forms::kMinimized);
  ASSERT_TRUE(PumpUntil([&] { return !f.Visible(); }));
  // The tray menu's exit while the window is hidden.
  f.mnuEnd_Click();
  EXPECT_FALSE(f.Loaded());
  EXPECT_EQ(Root("left"), "1500");
  EXPECT_EQ(Root("top"), "1200");
  EXPECT_EQ(Root("width"), "10500");
  EXPECT_EQ(Root("height"), "6000");
}

// A window left in the notification area when the user logs off: the system's messages are
// all it gets, and the process may be ended as soon as the second one has been answered.
TEST_F(LifecycleTest, TheEndOfTheSessionSavesTheViewAndRemovesTheIconOfAWindowInTheNotificationArea) {
  SetRoot("SystrayIfMinimized", "1");
  MainForm& f = Start();
  const std::string folder = f.tvMain().SelectedItem()->Key();
  f.SetWindowState(forms::kMinimized);
  ASSERT_TRUE(PumpUntil([&] { return !f.Visible(); }));
  const HWND wnd = f.hWnd();
  EXPECT_EQ(SendFromAnotherThread(wnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  EXPECT_EQ(ended, 0);

  const char* always[] = {"SortKey",         "SortOrder",      "ShowStatusbar",
                          "ToolbarBigIcons", "ShowBackground", "ShowFolderInfo"};
  std::vector<std::string> written;
  std::string lastFolder;
  int deletes = -1, endedThen = -1;
  RunOnAnotherThread([&] {
    SendMessageA(wnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    for (const char* name : always) written.push_back(Root(name));
    lastFolder = Root("LastOpenFolder");
    deletes = calls->deletes;
    endedThen = ended;
  });
  for (size_t i = 0; i < std::size(always); ++i) EXPECT_NE(written[i], "") << always[i];
  EXPECT_EQ(lastFolder, folder);
  EXPECT_EQ(deletes, 1);
  EXPECT_EQ(endedThen, 1);
  EXPECT_FALSE(f.Loaded());
}

TEST_F(LifecycleTest, WithoutStoredColumnWidthsEachColumnIsAQuarterOfTheList) {
  SetRoot("ShowStatusbar", "1");
  MainForm& f = Start();
  // The rule applies at load, to the list's design width.
  const int quarter = 3885 / 4;
  for (int i = 1; i <= 4; ++i) EXPECT_NEAR(f.lstItems().Column(i)->Width(), quarter, 15) << i;
}

TEST_F(LifecycleTest, AStoreWithoutTheFlagsHidesTheStatusBarAndShowsTheFolderInfo) {
  SetRoot("SortKey", "0");
  MainForm& f = Start();
  EXPECT_FALSE(f.StatusBar1().Visible());
  EXPECT_FALSE(f.GetMenu("mnuShowSbar").Checked());
  EXPECT_TRUE(f.txtFolderInfo().Visible());
  EXPECT_TRUE(f.GetMenu("mnuShowFolderInfo").Checked());
  EXPECT_TRUE(f.lstItems().Sorted());
}

TEST_F(LifecycleTest, StoredValuesThatAreNoNumbersLeaveTheirPropertiesAlone) {
  SetRoot("left", "links");
  SetRoot("width", "9000");
  SetRoot("ConnectionTableView", "7");
  SetRoot("FolderWidth", "breit");
  MainForm& f = Start();
  EXPECT_EQ(f.Width(), 9000);
  EXPECT_EQ(f.lstItems().View(), forms::kReportView);
  EXPECT_EQ(f.imgSplitter().Left(), 4935);
}

TEST_F(LifecycleTest, TheLastFolderThreeLevelsDeepIsReopenedWithItsAncestorsLoaded) {
  for (const char* path : {"Kunden", "Kunden\\Nord", "Kunden\\Nord\\Hamburg", "Kunden\\Nord\\Hamburg\\Hafen", "Intern"})
    ASSERT_TRUE(CreateFolderKey("", path));
  SetRoot("LastOpenFolder", "Kunden\\Nord\\Hamburg");
  MainForm& f = Start();
  forms::NodeRef node = f.tvMain().NodeByKey("Kunden\\Nord\\Hamburg");
  ASSERT_NE(node, nullptr);
  EXPECT_TRUE(node->Selected());
  EXPECT_FALSE(node->Expanded());
  // Its own sub-folder is not loaded: only the placeholder stands for it.
  ASSERT_EQ(node->Children(), 1);
  EXPECT_EQ(node->Child()->Key(), "");
  EXPECT_EQ(f.lstItems().Tag(), "Kunden\\Nord\\Hamburg");
  EXPECT_EQ(f.txtFolderInfo().Text(), "Hamburg");
  ASSERT_EQ(f.lstItems().ItemCount(), 1);
  EXPECT_EQ(f.lstItems().Item(1)->Key(), "Kunden\\Nord\\Hamburg\\Hafen");
  EXPECT_EQ(f.lstItems().Item(1)->Tag(), "F");
  EXPECT_EQ(f.tvMain().Roots().size(), 2u);
}

TEST_F(LifecycleTest, ALastFolderThatIsGoneLeavesTheTreeAsItIs) {
  ASSERT_TRUE(CreateFolderKey("", "Kunden"));
  SetRoot("LastOpenFolder", "Weg\\Fort");
  MainForm& f = Start();
  EXPECT_EQ(f.tvMain().NodeCount(), 1);
  EXPECT_EQ(f.lstItems().Tag(), "Weg\\Fort");
  EXPECT_EQ(f.lstItems().ItemCount(), 0);
  EXPECT_EQ(f.StatusBar1().PanelByKey("status")->Text(), "0 " + LoadResString(IDS_OBJECTS));
  EXPECT_FALSE(PathExists("Weg"));
}

}  // namespace
}  // namespace corvana::test
