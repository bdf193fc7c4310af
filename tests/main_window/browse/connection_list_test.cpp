// The connection list: filling, details, sorting, the open action and renaming, with the real
// mouse and keyboard on the window's own controls.
#include <gmock/gmock.h>

#include "browse_fixture.h"
#include "core/global_options.h"
#include "core/passwords.h"
#include "core/vnc_viewer_launch.h"
#include "core/string_table.h"
#include "main_window/folder_tree.h"
#include "resources/string_ids.h"

using namespace corvana;
using namespace corvana::test;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

namespace {

class ConnectionListTest : public BrowseTest {
 protected:
  // Clicks the item, edits its label as the user does and waits until the edit has ended.
  void RenameInList(const forms::ListItemRef& item, const std::string& newName) {
    forms::ListView& list = form->lstItems();
    Click(ItemPoint(item));
    ASSERT_TRUE(PumpUntil([&] { return list.SelectedItem() == item; }));
    list.StartLabelEdit();
    ASSERT_TRUE(PumpUntil([&] { return ListView_GetEditControl(list.hWnd()) != nullptr; }));
    PressKey('A', {VK_CONTROL});
    TypeText(newName);
    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return ListView_GetEditControl(list.hWnd()) == nullptr; }));
    Pump();
  }
};

TEST_F(ConnectionListTest, AFolderShowsItsFourEntriesAndCountsOnlyTheConnections) {
  Folder("Top");
  Connection("Top", "alpha", "srv-a", "1", "", "secret");
  Connection("Top", "beta", "srv-b", "2", "5999");
  Folder("Top\\Sub");
  Connection("Top\\Sub", "inner", "srv-i", "3", "", "pw");
  ASSERT_TRUE(SetPcAWFile("Top\\desk", "C:\\nowhere\\desk.chf"));
  MainForm& f = StartInFront();
  OpenFolder("Top");

  EXPECT_THAT(ListTexts(), UnorderedElementsAre("alpha", "beta", "Sub", "desk"));
  EXPECT_EQ(f.StatusBar1().PanelByKey("status")->Text(), "2 " + LoadResString(IDS_OBJECTS));
  auto alpha = f.lstItems().ItemByKey("Top\\alpha");
  auto beta = f.lstItems().ItemByKey("Top\\beta");
  auto sub = f.lstItems().ItemByKey("Top\\Sub");
  auto desk = f.lstItems().ItemByKey("Top\\desk");
  ASSERT_TRUE(alpha && beta && sub && desk);
  EXPECT_EQ(alpha->ForeColor(), RGB(0, 0, 255));
  EXPECT_EQ(beta->ForeColor(), CLR_DEFAULT);
  EXPECT_EQ(alpha->SubItemCount(), 2);  // no file-server port, no third sub-item
  EXPECT_EQ(beta->SubItem(3), "5999");
  EXPECT_EQ(sub->Tag(), "F");
  EXPECT_EQ(desk->Tag(), "PCAW");
  EXPECT_EQ(alpha->Icon(), "connection");

  // A connection inside a sub-folder is coloured by the password at its own path.
  ExpandNode("Top");
  OpenFolder("Top\\Sub");
  EXPECT_EQ(f.lstItems().ItemByKey("Top\\Sub\\inner")->ForeColor(), RGB(0, 0, 255));
  EXPECT_EQ(f.StatusBar1().PanelByKey("status")->Text(), "1 " + LoadResString(IDS_OBJECTS));
}

TEST_F(ConnectionListTest, OneClickedConnectionShowsItsTargetAndPort) {
  Folder("Top");
  Connection("Top", "alpha", "srv-a", "1");
  Folder("Top\\Sub");
  MainForm& f = StartInFront();
  OpenFolder("Top");
  Click(ItemPoint(ItemNamed("alpha")));
  ASSERT_TRUE(PumpUntil([&] { return f.txtItemName().Text() == "alpha"; }));
  EXPECT_EQ(f.txtConnInfo().Text(), LoadResString(IDS_VNC_CONNECTION) + "\r\n" + LoadResString(IDS_TARGET) +
                                        ": srv-a\r\n" + LoadResString(IDS_PORT) + ": 5901\r\n");
  EXPECT_TRUE(f.Toolbar1().ButtonByKey("edit")->Enabled());
  EXPECT_TRUE(f.Toolbar1().ButtonByKey("delete")->Enabled());

  Click(ItemPoint(ItemNamed("Sub")));
  ASSERT_TRUE(PumpUntil([&] { return f.txtItemName().Text() == "Sub"; }));
  EXPECT_EQ(f.txtConnInfo().Text(), LoadResString(IDS_FOLDER));
  EXPECT_FALSE(f.Toolbar1().ButtonByKey("edit")->Enabled());
}

struct SelectionCase {
  int selected;
  bool namesListed;
};

class SelectionDetails : public ConnectionListTest, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(SelectionDetails, CountLineAndNamesUpToSixteen) {
  Folder("Many");
  for (int i = 1; i <= 20; ++i) Connection("Many", (i < 10 ? "c0" : "c") + std::to_string(i));
  MainForm& f = StartInFront();
  OpenFolder("Many");
  const int n = GetParam().selected;
  Click(ItemPoint(f.lstItems().Item(1)));
  f.lstItems().Item(n)->EnsureVisible();
  Pump();
  Click(ItemPoint(f.lstItems().Item(n)), {VK_SHIFT});
  ASSERT_TRUE(PumpUntil([&] { return CountSelected(f.lstItems()) == n && !f.txtConnInfo().Text().empty(); }));
  std::string expected = std::to_string(n) + " " + LoadResString(IDS_OBJECTS_SELECTED);
  if (GetParam().namesListed) {
    expected += "\r\n\r\n\r\n";
    for (int i = 1; i <= n; ++i) expected += (i < 10 ? "c0" : "c") + std::to_string(i) + "\r\n";
  }
  EXPECT_EQ(f.txtConnInfo().Text(), expected);
  EXPECT_EQ(f.txtItemName().Text(), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, SelectionDetails,
                         ::testing::Values(SelectionCase{3, true}, SelectionCase{16, true}, SelectionCase{17, false}));

TEST_F(ConnectionListTest, HeaderClicksSortAndToggleWithTheirIcons) {
  Folder("Top");
  Connection("Top", "b", "host-1");
  Connection("Top", "a", "host-3");
  Connection("Top", "c", "host-2");
  MainForm& f = StartInFront();
  OpenFolder("Top");
  forms::ListView& list = f.lstItems();
  ASSERT_THAT(ListTexts(), ElementsAre("a", "b", "c"));

  struct Step {
    int column;
    int sortKey, sortOrder;
    std::vector<std::string> order;
  };
  // Still sorted by the name column, ascending: the first click on "Name" turns it round.
  const Step steps[] = {{1, 0, 1, {"c", "b", "a"}},
                        {2, 1, 0, {"b", "c", "a"}},
                        {2, 1, 1, {"a", "c", "b"}},
                        {1, 0, 0, {"a", "b", "c"}}};
  for (const Step& s : steps) {
    Click(HeaderPoint(s.column));
    ASSERT_TRUE(PumpUntil([&] { return list.SortKey() == s.sortKey && list.SortOrder() == s.sortOrder; }))
        << "column " << s.column;
    EXPECT_EQ(ListTexts(), s.order);
    for (int c = 1; c <= list.ColumnCount(); ++c)
      EXPECT_EQ(list.Column(c)->Icon(), c == s.column ? (s.sortOrder ? "des" : "asc") : "") << c;
  }
}

TEST_F(ConnectionListTest, DoubleClickOnEmptySpaceDoesNothing) {
  Folder("Top");
  Folder("Top\\Sub");
  Connection("Top", "alpha");
  MainForm& f = StartInFront();
  OpenFolder("Top");
  int doubleClicks = 0;
  auto handler = f.lstItems().DblClick;
  forms::ListItemRef sub = ItemNamed("Sub");
  // The press on empty space clears the list control's selection; the folder item is selected
  // again at the double-click, so that exactly one item is selected and none is under the mouse.
  f.lstItems().DblClick = [&] {
    ++doubleClicks;
    sub->SetSelected(true);
    handler();
  };
  DoubleClick(EmptyListPoint());
  ASSERT_TRUE(PumpUntil([&] { return doubleClicks > 0; }));
  EXPECT_EQ(f.lstItems().Tag(), "Top");
  EXPECT_EQ(f.lstItems().ItemCount(), 2);
}

TEST_F(ConnectionListTest, DoubleClickOnAFolderItemOpensIt) {
  Folder("Top");
  Folder("Top\\Sub");
  Connection("Top\\Sub", "inner");
  MainForm& f = StartInFront();
  OpenFolder("Top");
  DoubleClick(ItemPoint(ItemNamed("Sub")));
  ASSERT_TRUE(PumpUntil([&] { return f.lstItems().Tag() == "Top\\Sub"; }));
  EXPECT_THAT(ListTexts(), ElementsAre("inner"));
  EXPECT_EQ(f.txtFolderInfo().Text(), "Sub");
  ASSERT_TRUE(f.tvMain().SelectedItem());
  EXPECT_EQ(f.tvMain().SelectedItem()->Key(), "Top\\Sub");
}

TEST_F(ConnectionListTest, EnterOnAFolderItemOfAFolderWithoutNodeStaysInTheProgram) {
  Folder("Top");
  Folder("Top\\Sub");
  MainForm& f = StartInFront();
  OpenFolder("Top");
  // The tree forgets the branch; the list still offers the folder item.
  f.tvMain().RemoveNode(f.tvMain().NodeByKey("Top"));
  Click(ItemPoint(ItemNamed("Sub")));
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return f.lstItems().Tag() == "Top\\Sub"; }));
  EXPECT_EQ(f.lstItems().ItemCount(), 0);
}

TEST_F(ConnectionListTest, EnterWithTwoSelectedItemsOpensNothing) {
  Folder("Top");
  Connection("Top", "alpha", "vnc.example", "1", "", "pw");
  Connection("Top", "beta", "vnc.example", "2", "", "pw");
  MainForm& f = StartInFront();
  // Were it started, the launch would report the missing viewer and take the password.
  gOptions.PreferredViewer = "VNCviewer";
  gOptions.ViewerPath = "C:\\nowhere\\vncviewer.exe";
  gLaunchPassword = "untouched";
  OpenFolder("Top");
  Click(ItemPoint(ItemNamed("alpha")));
  Click(ItemPoint(ItemNamed("beta")), {VK_SHIFT});
  ASSERT_TRUE(PumpUntil([&] { return CountSelected(f.lstItems()) == 2; }));
  int enters = 0;
  auto keyDown = f.lstItems().KeyDown;
  f.lstItems().KeyDown = [&](int& key, int shift) {
    const bool enter = key == VK_RETURN;
    keyDown(key, shift);
    if (enter) ++enters;
  };
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return enters > 0; }));
  Pump();
  EXPECT_EQ(gLaunchPassword, "untouched");
  EXPECT_TRUE(boxes.seen().empty());
  EXPECT_EQ(f.lstItems().Tag(), "Top");
}

struct RenameCase {
  const char* newName;
  bool accepted;
};

class ListRename : public ConnectionListTest, public ::testing::WithParamInterface<RenameCase> {};

TEST_P(ListRename, RefusesNamesOfTheFolderInAnyCase) {
  Folder("Top");
  Connection("Top", "alpha");
  Connection("Top", "beta");
  Folder("Top\\Sub");
  MainForm& f = StartInFront();
  OpenFolder("Top");
  forms::ListItemRef alpha = ItemNamed("alpha");
  RenameInList(alpha, GetParam().newName);
  const std::string newPath = std::string("Top\\") + GetParam().newName;
  if (GetParam().accepted) {
    EXPECT_EQ(alpha->Text(), GetParam().newName);
    EXPECT_EQ(alpha->Key(), newPath);
    EXPECT_TRUE(ConnectionPathExists(newPath));
    EXPECT_FALSE(PathExists("Top\\alpha"));
  } else {
    EXPECT_EQ(alpha->Text(), "alpha");
    EXPECT_EQ(alpha->Key(), "Top\\alpha");
    EXPECT_TRUE(ConnectionPathExists("Top\\alpha"));
  }
  EXPECT_TRUE(ConnectionPathExists("Top\\beta"));
  EXPECT_TRUE(PathExists("Top\\Sub"));
}

INSTANTIATE_TEST_SUITE_P(Cases, ListRename,
                         ::testing::Values(RenameCase{"beta", false}, RenameCase{"BETA", false},
                                           RenameCase{"sub", false}, RenameCase{"alpha", false},
                                           RenameCase{"gamma", true}));

// A folder renamed in the list takes its loaded node and the node's loaded descendants along, so a
// click on the node opens the folder under its new name.
TEST_F(ConnectionListTest, AFolderRenamedInTheListRenamesItsTreeNode) {
  Folder("Top");
  Folder("Top\\Sub");
  Folder("Top\\Sub\\Deep");
  Connection("Top\\Sub", "inner");
  MainForm& f = StartInFront();
  ExpandNode("Top");
  ExpandNode("Top\\Sub");
  ASSERT_TRUE(f.tvMain().NodeByKey("Top\\Sub\\Deep"));
  OpenFolder("Top");
  RenameInList(ItemNamed("Sub"), "Neu");
  ASSERT_TRUE(PathExists("Top\\Neu\\Deep"));
  EXPECT_FALSE(f.tvMain().NodeByKey("Top\\Sub"));
  EXPECT_FALSE(f.tvMain().NodeByKey("Top\\Sub\\Deep"));
  forms::NodeRef renamed = f.tvMain().NodeByKey("Top\\Neu");
  ASSERT_TRUE(renamed);
  EXPECT_EQ(renamed->Text(), "Neu");
  ASSERT_TRUE(f.tvMain().NodeByKey("Top\\Neu\\Deep"));
  EXPECT_EQ(f.tvMain().NodeByKey("Top\\Neu\\Deep")->FullPath(), "Top\\Neu\\Deep");

  OpenFolder("Top\\Neu");
  EXPECT_EQ(f.lstItems().Tag(), "Top\\Neu");
  EXPECT_THAT(ListTexts(), UnorderedElementsAre("inner", "Deep"));
}

// A right click selects a folder node without opening it: the rename stays in the list's folder.
TEST_F(ConnectionListTest, ARenameInTheListKeepsTheItemInItsFolderWhateverNodeIsSelected) {
  Folder("Top");
  Folder("Other");
  Connection("Top", "alpha");
  MainForm& f = StartInFront();
  OpenFolder("Top");
  forms::ListItemRef alpha = ItemNamed("alpha");
  f.tvMain().NodeByKey("Other")->SetSelected(true);
  RenameInList(alpha, "gamma");
  EXPECT_EQ(alpha->Key(), "Top\\gamma");
  EXPECT_TRUE(ConnectionPathExists("Top\\gamma"));
  EXPECT_FALSE(PathExists("Top\\alpha"));
  EXPECT_FALSE(PathExists("Other\\gamma"));
}

// The list takes a folder's connections first, then its folders, then its pcAnywhere entries, each
// kind in store order, whatever the names. Sorted by a column that no item fills, every item goes
// in after the ones before it, so a refresh shows that order.
TEST_F(ConnectionListTest, ARefreshAddsConnectionsThenFoldersThenPcAnywhereEntriesInStoreOrder) {
  Folder("Top");
  Folder("Top\\a-folder");
  Connection("Top", "b-vnc", "host-b");
  ASSERT_TRUE(SetPcAWFile("Top\\c-pcaw", "C:\\nowhere\\c.chf"));
  Connection("Top", "d-vnc", "host-a", "2", "", "pw");
  Folder("Top\\e-folder");
  // Both marks: listed once, as the folder, yet its file is looked for all the same.
  ASSERT_TRUE(SetPcAWFile("Top\\f-both", "C:\\nowhere\\f.chf"));
  Folder("Top\\f-both");
  // Read and counted, but not listed without a host.
  Connection("Top", "g-nohost", "");
  RegKey top = OpenStoreKey("Top");
  ASSERT_TRUE(MakeDanglingLink(top.get(), "h-locked"));
  MainForm& f = StartInFront();
  OpenFolder("Top");
  Click(HeaderPoint(4));
  ASSERT_TRUE(PumpUntil([&] { return f.lstItems().SortKey() == 3; }));
  boxes.clear();

  RefreshCurrentFolder(f);
  RemoveDanglingLink(top.get(), "h-locked");
  EXPECT_THAT(ListTexts(), ElementsAre("b-vnc", "d-vnc", "a-folder", "e-folder", "f-both", "c-pcaw"));
  EXPECT_EQ(f.StatusBar1().PanelByKey("status")->Text(), "3 " + LoadResString(IDS_OBJECTS));
  const auto seen = boxes.seen();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].text.rfind("c-pcaw\r\n", 0), 0u) << seen[0].text;
  EXPECT_EQ(seen[1].text.rfind("f-both\r\n", 0), 0u) << seen[1].text;
  forms::ListItemRef d = ItemNamed("d-vnc");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->Key(), "Top\\d-vnc");
  EXPECT_EQ(d->ForeColor(), RGB(0, 0, 255));
  EXPECT_EQ(d->SubItem(1), "host-a");
  EXPECT_EQ(d->SubItem(2), "2");
  EXPECT_EQ(ItemNamed("b-vnc")->ForeColor(), CLR_DEFAULT);
  EXPECT_EQ(ItemNamed("f-both")->Tag(), "F");
  EXPECT_EQ(ItemNamed("c-pcaw")->Tag(), "PCAW");
}

}  // namespace
