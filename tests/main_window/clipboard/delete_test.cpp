// Deleting list items with Del, Ctrl+D and the toolbar's button, the delete's progress window,
// and deleting folders from the tree with Del and its popup menu.
#include <gmock/gmock.h>

#include "clipboard_fixture.h"
#include "core/string_table.h"
#include "main_window/delete_commands.h"
#include "resources/string_ids.h"

using namespace corvana;
using namespace corvana::test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

class DeleteTest : public ClipboardTest {
 protected:
  POINT ToolbarButtonPoint(const char* key) const {
    RECT r{};
    const int index = form->Toolbar1().ButtonByKey(key)->Index() - 1;
    SendMessageA(form->Toolbar1().hWnd(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    return ScreenPoint(form->Toolbar1().hWnd(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  bool DeleteButtonEnabled() const { return form->Toolbar1().ButtonByKey("delete")->Enabled(); }
  ProgressWatch watch;
};

struct TriggerCase {
  const char* label;
  int trigger;  // 0 Del, 1 Ctrl+D, 2 the toolbar's delete button
};

class DeleteTriggerTest : public DeleteTest, public ::testing::WithParamInterface<TriggerCase> {
 protected:
  void Trigger() {
    switch (GetParam().trigger) {
      case 0: PressInList(VK_DELETE); break;
      case 1: PressInList('D', {VK_CONTROL}); break;
      default: Click(ToolbarButtonPoint("delete")); break;
    }
  }
};

// Adjacent selected items all go, although the walk stays at an index after each deletion; a
// folder leaves the tree too; the bar steps once per item up to its end; the delete button stays
// while items remain and is disabled once the list is empty.
TEST_P(DeleteTriggerTest, AsksAndDeletesEverySelectedItem) {
  Folder("F");
  Connection("F", "a");
  Connection("F", "b");
  Connection("F", "c");
  Folder("F\\Sub");
  Connection("F\\Sub", "inner");
  ASSERT_TRUE(SetPcAWFile("F\\desk", "C:\\nowhere\\desk.chf"));
  MainForm& f = StartInFront();
  ExpandNode("F");
  OpenFolder("F");
  SelectItems({"b", "c", "Sub", "desk"});
  boxes.setButton(IDYES);
  boxes.clear();
  Trigger();
  ASSERT_TRUE(PumpUntil([&] { return f.lstItems().ItemCount() == 1; }, 20000));
  Pump();
  const auto seen = boxes.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, LoadResString(IDS_CONFIRM_DELETE_SELECTED));
  EXPECT_EQ(seen[0].title, "VNCCorvana");
  EXPECT_THAT(ListTexts(), ElementsAre("a"));
  for (const char* gone : {"F\\b", "F\\c", "F\\Sub", "F\\desk"}) EXPECT_FALSE(PathExists(gone)) << gone;
  EXPECT_TRUE(PathExists("F\\a"));
  EXPECT_EQ(f.tvMain().NodeByKey("F\\Sub"), nullptr);
  EXPECT_THAT(watch.seen.captions, ElementsAre(LoadResString(IDS_PROGRESS_DELETING)));
  EXPECT_EQ(watch.seen.items.size(), 4u);
  EXPECT_EQ(watch.seen.max, 5);
  EXPECT_EQ(watch.seen.values.back(), 5);
  EXPECT_EQ(Status(), "1 " + LoadResString(IDS_OBJECTS));
  EXPECT_TRUE(DeleteButtonEnabled());

  SelectItems({"a"});
  Trigger();
  ASSERT_TRUE(PumpUntil([&] { return f.lstItems().ItemCount() == 0; }, 20000));
  EXPECT_FALSE(PathExists("F\\a"));
  EXPECT_FALSE(DeleteButtonEnabled());
  EXPECT_EQ(Status(), "0 " + LoadResString(IDS_OBJECTS));
}

INSTANTIATE_TEST_SUITE_P(Cases, DeleteTriggerTest,
                         ::testing::Values(TriggerCase{"DelKey", 0}, TriggerCase{"CtrlD", 1},
                                           TriggerCase{"ToolbarButton", 2}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(DeleteTest, NoKeepsEverythingAndWithNothingSelectedNothingIsAsked) {
  Folder("F");
  Connection("F", "a");
  Connection("F", "b");
  MainForm& f = StartInFront();
  OpenFolder("F");
  SelectItems({"a"});
  boxes.setButton(IDNO);
  boxes.clear();
  PressInList(VK_DELETE);
  ASSERT_TRUE(PumpUntil([&] { return boxes.seen().size() == 1; }));
  Pump();
  EXPECT_THAT(ListTexts(), UnorderedElementsAre("a", "b"));
  EXPECT_TRUE(PathExists("F\\a"));

  Click(EmptyListPoint());
  ASSERT_TRUE(PumpUntil([&] { return CountSelected(f.lstItems()) == 0; }));
  boxes.clear();
  Click(ToolbarButtonPoint("delete"));
  PressInList(VK_DELETE);
  Pump();
  EXPECT_THAT(boxes.seen(), IsEmpty());
  EXPECT_THAT(watch.seen.captions, IsEmpty());
  // The loop itself does nothing without a selection.
  DeleteSelectedListItems(f);
  EXPECT_THAT(watch.seen.captions, IsEmpty());
  EXPECT_EQ(f.lstItems().ItemCount(), 2);
}

// Cancel while the first item is shown: that item goes, the other selected ones stay in the list
// and in the store.
TEST_F(DeleteTest, CancelLeavesTheRestInTheListAndTheStore) {
  Folder("F");
  for (const char* name : {"a", "b", "c"}) Connection("F", name);
  MainForm& f = StartInFront();
  OpenFolder("F");
  SelectItems({"a", "b", "c"});
  boxes.setButton(IDYES);
  watch.atFirstItem = ClickCancel;
  PressInList(VK_DELETE);
  // The whole loop runs inside the key's handler: once the list is shorter, it has ended.
  ASSERT_TRUE(PumpUntil([&] { return f.lstItems().ItemCount() < 3; }, 20000));
  Pump();
  EXPECT_THAT(watch.seen.items, ElementsAre("a"));
  EXPECT_FALSE(PathExists("F\\a"));
  EXPECT_TRUE(PathExists("F\\b"));
  EXPECT_TRUE(PathExists("F\\c"));
  EXPECT_THAT(ListTexts(), UnorderedElementsAre("b", "c"));
  EXPECT_EQ(CountSelected(f.lstItems()), 2);
}

// With nothing selected after the delete the panel keeps the gone item's name and the file panel
// as they were, and describes no connection any more.
TEST_F(DeleteTest, WithNothingSelectedAfterwardsThePanelKeepsTheNameButNotTheInfo) {
  Folder("F");
  Connection("F", "a");
  Connection("F", "b");
  Folder("F\\Sub");
  ASSERT_TRUE(SetPcAWFile("F\\desk", "C:\\nowhere\\desk.chf"));
  MainForm& f = StartInFront();
  OpenFolder("F");
  boxes.setButton(IDYES);
  auto filePanel = [&] { return f.StatusBar1().PanelByKey("file")->Text(); };
  const struct {
    const char* name;
    bool showsFile;
  } cases[] = {{"desk", true}, {"a", false}, {"Sub", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SelectItems({c.name});
    ASSERT_TRUE(PumpUntil([&] { return f.txtItemName().Text() == c.name && !f.txtConnInfo().Text().empty(); }));
    const std::string file = filePanel();
    ASSERT_EQ(!file.empty(), c.showsFile) << file;
    const int count = f.lstItems().ItemCount();
    PressInList(VK_DELETE);
    ASSERT_TRUE(PumpUntil([&] { return f.lstItems().ItemCount() == count - 1; }, 20000));
    Pump();
    ASSERT_EQ(CountSelected(f.lstItems()), 0);
    EXPECT_EQ(f.txtItemName().Text(), c.name);
    EXPECT_EQ(f.txtConnInfo().Text(), "");
    EXPECT_EQ(filePanel(), file);
  }
  EXPECT_THAT(ListTexts(), ElementsAre("b"));
}

// The list stays usable while the loop runs; an item selected meanwhile was never asked about and
// stays.
TEST_F(DeleteTest, AnItemSelectedWhileTheLoopRunsIsNotDeletedUnasked) {
  Folder("F");
  for (char name = 'a'; name <= 'p'; ++name) Connection("F", std::string(1, name));
  MainForm& f = StartInFront();
  OpenFolder("F");
  SelectItems({"a", "b"});
  boxes.setButton(IDYES);
  std::string added;
  watch.atFirstItem = [&](HWND) {
    // An item of the list that the progress window does not cover, added with Ctrl and a click.
    RECT list{};
    GetWindowRect(f.lstItems().hWnd(), &list);
    for (const forms::ListItemRef& item : f.lstItems().Items()) {
      const POINT at = ItemPoint(item);
      if (item->Selected() || PtInRect(&watch.seen.rect, at) || !PtInRect(&list, at)) continue;
      added = item->Text();
      SendKey(VK_CONTROL, false);
      QueueClick(at);
      SendKey(VK_CONTROL, true);
      return;
    }
  };
  PressInList(VK_DELETE);
  ASSERT_TRUE(PumpUntil([&] { return !PathExists("F\\a") && !PathExists("F\\b"); }, 20000));
  Pump();
  ASSERT_FALSE(added.empty()) << "every item lies under the progress window";
  EXPECT_TRUE(PathExists("F\\" + added));
  forms::ListItemRef kept = f.lstItems().ItemByKey("F\\" + added);
  ASSERT_TRUE(kept);
  EXPECT_TRUE(kept->Selected()) << "the click during the loop selected it";
  EXPECT_EQ(f.lstItems().ItemCount(), 14);
}

// A right click on a tree node selects it without opening it: the list still shows the other
// folder, and its pcAnywhere entry is deleted there, not a namesake in the node's folder.
TEST_F(DeleteTest, AnEntryIsDeletedByItsOwnPathNotByTheTreesSelectedNode) {
  Folder("A");
  Folder("B");
  ASSERT_TRUE(SetPcAWFile("A\\desk", "C:\\nowhere\\a.chf"));
  ASSERT_TRUE(SetPcAWFile("B\\desk", "C:\\nowhere\\b.chf"));
  MainForm& f = StartInFront();
  OpenFolder("A");
  {
    // The popup is closed again once it is on the screen.
    PopupDriver driver(f.parts().mnuPopUpFolder.popup(), {});
    RightClick(NodePoint(f.tvMain().NodeByKey("B")));
    ASSERT_TRUE(PumpUntil([&] { return driver.done(); }, 10000));
    Pump();
  }
  ASSERT_EQ(f.tvMain().SelectedItem()->Key(), "B");
  ASSERT_EQ(f.lstItems().Tag(), "A");
  SelectItems({"desk"});
  boxes.setButton(IDYES);
  PressInList(VK_DELETE);
  ASSERT_TRUE(PumpUntil([&] { return f.lstItems().ItemCount() == 0; }, 20000));
  EXPECT_FALSE(PathExists("A\\desk"));
  EXPECT_EQ(ReadPcAWFile("B\\desk"), "C:\\nowhere\\b.chf");
}

class FolderDeleteTest : public DeleteTest {
 protected:
  void StartOnTree() {
    Folder("A");
    Connection("A", "a1");
    Folder("B");
    Folder("B\\Inner");
    Connection("B\\Inner", "deep");
    Connection("B", "b1");
    Folder("C");
    Connection("C", "c1");
    StartInFront();
    OpenFolder("B");
  }
};

TEST_F(FolderDeleteTest, DelOnTheTreeAsksAndDeletesTheFolderWithEverythingInIt) {
  StartOnTree();
  MainForm& f = *form;
  boxes.setButton(IDYES);
  boxes.clear();
  f.tvMain().SetFocus();
  PressKey(VK_DELETE);
  ASSERT_TRUE(PumpUntil([&] { return f.tvMain().NodeByKey("B") == nullptr; }));
  Pump();
  const auto seen = boxes.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, LoadResString(IDS_CONFIRM_DELETE_FOLDER));
  EXPECT_EQ(seen[0].title, "VNC Corvana");
  EXPECT_FALSE(PathExists("B"));
  EXPECT_FALSE(PathExists("B\\Inner\\deep"));
  // The list shows the folder the tree selects now.
  forms::NodeRef now = f.tvMain().SelectedItem();
  ASSERT_TRUE(now);
  EXPECT_EQ(f.lstItems().Tag(), now->Key());
  EXPECT_EQ(f.txtFolderInfo().Text(), now->Text());
  EXPECT_THAT(ListTexts(), ElementsAre(now->Key() == "A" ? "a1" : "c1"));
}

TEST_F(FolderDeleteTest, NoFromThePopupKeepsTheFolderAndNamesTheSelectedOne) {
  StartOnTree();
  MainForm& f = *form;
  boxes.setButton(IDNO);
  boxes.clear();
  f.txtFolderInfo().SetText("");
  ChooseInTreePopup("C", "mnuDeleteFolder");
  ASSERT_TRUE(PumpUntil([&] { return boxes.seen().size() == 1; }));
  Pump();
  EXPECT_TRUE(PathExists("C\\c1"));
  EXPECT_TRUE(f.tvMain().NodeByKey("C"));
  EXPECT_EQ(f.txtFolderInfo().Text(), "C");

  // Yes from the popup deletes the node clicked, not the folder the list shows.
  boxes.setButton(IDYES);
  ChooseInTreePopup("C", "mnuDeleteFolder");
  ASSERT_TRUE(PumpUntil([&] { return !PathExists("C"); }));
  EXPECT_TRUE(PathExists("B\\b1"));
  EXPECT_EQ(f.tvMain().NodeByKey("C"), nullptr);
}

// The last folder goes too; the list then shows nothing, not the items of the folder just deleted.
TEST_F(DeleteTest, TheLastFolderGoesAndTheListIsEmptied) {
  Folder("Only");
  Connection("Only", "x");
  MainForm& f = StartInFront();
  OpenFolder("Only");
  boxes.setButton(IDYES);
  f.tvMain().SetFocus();
  PressKey(VK_DELETE);
  ASSERT_TRUE(PumpUntil([&] { return f.tvMain().NodeCount() == 0; }));
  Pump();
  EXPECT_FALSE(PathExists("Only"));
  EXPECT_EQ(f.lstItems().ItemCount(), 0);
  EXPECT_EQ(f.txtFolderInfo().Text(), "");
}

// The list's popup menus as the user opens them: Loeschen on a connection of the selection, and
// the folder popup's Loeschen on a folder item; both ask first.
TEST_F(DeleteTest, TheListsPopupEntriesAskAndDelete) {
  Folder("F");
  for (const char* name : {"a", "b", "c"}) Connection("F", name);
  Folder("F\\Sub");
  MainForm& f = StartInFront();
  ExpandNode("F");
  OpenFolder("F");
  SelectItems({"a", "b"});
  boxes.setButton(IDYES);
  boxes.clear();
  ChooseInListPopup(ItemPoint(ItemNamed("b")), "mnuPopUp", "mnuDelete");
  ASSERT_TRUE(PumpUntil([&] { return f.lstItems().ItemCount() == 2; }, 20000));
  EXPECT_FALSE(PathExists("F\\a"));
  EXPECT_FALSE(PathExists("F\\b"));
  ChooseInListPopup(ItemPoint(ItemNamed("Sub")), "mnuPopUpFolderLV", "mnuPopUpFolderLV_delete");
  ASSERT_TRUE(PumpUntil([&] { return f.lstItems().ItemCount() == 1; }, 20000));
  EXPECT_FALSE(PathExists("F\\Sub"));
  EXPECT_EQ(f.tvMain().NodeByKey("F\\Sub"), nullptr);
  EXPECT_THAT(ListTexts(), ElementsAre("c"));
  const auto seen = boxes.seen();
  ASSERT_EQ(seen.size(), 2u);
  for (const SeenMessageBox& box : seen) EXPECT_EQ(box.text, LoadResString(IDS_CONFIRM_DELETE_SELECTED));
}

}  // namespace
