// The list's command keys that act on the list itself, and the toolbar's view buttons, with the
// real keyboard and mouse.
#include <gmock/gmock.h>

#include "browse_fixture.h"
#include "core/string_table.h"
#include "resources/string_ids.h"

using namespace corvana;
using namespace corvana::test;
using ::testing::UnorderedElementsAre;

namespace {

class ListKeysTest : public BrowseTest {
 protected:
  MainForm& StartOnTop() {
    Folder("Top");
    Connection("Top", "alpha");
    Connection("Top", "beta");
    Folder("Top\\Sub");
    MainForm& f = StartInFront();
    OpenFolder("Top");
    return f;
  }
  int Selected() const { return static_cast<int>(CountSelected(form->lstItems())); }
};

TEST_F(ListKeysTest, CtrlASelectsEveryItemAndSaysHowMany) {
  MainForm& f = StartOnTop();
  Click(ItemPoint(ItemNamed("alpha")));
  ASSERT_TRUE(PumpUntil([&] { return Selected() == 1; }));
  PressKey('A', {VK_CONTROL});
  ASSERT_TRUE(PumpUntil([&] { return Selected() == 3; }));
  EXPECT_EQ(f.txtConnInfo().Text(), "3 " + LoadResString(IDS_OBJECTS_SELECTED));
  // Ctrl with Shift is no command: Ctrl+Shift+A changes nothing.
  Click(ItemPoint(ItemNamed("beta")));
  ASSERT_TRUE(PumpUntil([&] { return Selected() == 1; }));
  PressKey('A', {VK_CONTROL, VK_SHIFT});
  Pump();
  EXPECT_EQ(Selected(), 1);
}

TEST_F(ListKeysTest, CtrlAOnAnEmptyListChangesNothing) {
  Folder("Empty");
  MainForm& f = StartInFront();
  OpenFolder("Empty");
  f.txtConnInfo().SetText("as it was");
  f.lstItems().SetFocus();
  PressKey('A', {VK_CONTROL});
  Pump();
  EXPECT_EQ(f.txtConnInfo().Text(), "as it was");
}

TEST_F(ListKeysTest, F2StartsTheRenameAndF5ReadsTheFolderAgain) {
  MainForm& f = StartOnTop();
  Click(ItemPoint(ItemNamed("alpha")));
  ASSERT_TRUE(PumpUntil([&] { return Selected() == 1; }));
  PressKey(VK_F2);
  ASSERT_TRUE(PumpUntil([&] { return ListView_GetEditControl(f.lstItems().hWnd()) != nullptr; }));
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return ListView_GetEditControl(f.lstItems().hWnd()) == nullptr; }));

  Connection("Top", "gamma");  // stored behind the list's back
  EXPECT_THAT(ListTexts(), UnorderedElementsAre("alpha", "beta", "Sub"));
  PressKey(VK_F5);
  ASSERT_TRUE(PumpUntil([&] { return f.lstItems().ItemCount() == 4; }));
  EXPECT_THAT(ListTexts(), UnorderedElementsAre("alpha", "beta", "gamma", "Sub"));
}

TEST_F(ListKeysTest, EachViewButtonShowsItsViewSortedByNameAscending) {
  struct Case {
    const char* key;
    int view;
  } cases[] = {{"largeicons", forms::kIconView}, {"smallicons", forms::kSmallIconView},
               {"list", forms::kListView}, {"details", forms::kReportView}};
  MainForm& f = StartOnTop();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    forms::ListView& list = f.lstItems();
    list.SetView(forms::kReportView);
    list.SetSortKey(1);
    list.SetSortOrder(1);
    RECT r{};
    const int index = f.Toolbar1().ButtonByKey(c.key)->Index() - 1;
    SendMessageA(f.Toolbar1().hWnd(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    Click(ScreenPoint(f.Toolbar1().hWnd(), (r.left + r.right) / 2, (r.top + r.bottom) / 2));
    ASSERT_TRUE(PumpUntil([&] { return list.View() == c.view && list.SortOrder() == 0; }));
    EXPECT_TRUE(list.Sorted());
    EXPECT_EQ(list.SortKey(), 0);
  }
}

}  // namespace
