// A list item dragged with Shift and the left button onto a folder node of the tree.
#include <gmock/gmock.h>

#include "browse_fixture.h"
#include "main_window/tree_drag.h"

using namespace corvana;
using namespace corvana::test;

namespace {

struct DragCase {
  const char* label;
  const char* item;        // text of the list item in "Top"
  const char* targetNode;  // Key of the node it is dropped on
  bool moved;
};

class ListToTreeDragTest : public BrowseTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(ListToTreeDragTest, TheDropMovesTheItemIntoTheFolderUnlessTheStoreRefuses) {
  const DragCase& c = GetParam();
  Folder("Top");
  Connection("Top", "alpha");
  Folder("Top\\Sub");
  Folder("Top\\Sub\\Deep");
  Folder("Other");
  MainForm& f = StartInFront();
  ExpandNode("Top");
  ExpandNode("Top\\Sub");
  OpenFolder("Top");
  forms::ListItemRef item = ItemNamed(c.item);
  forms::NodeRef target = f.tvMain().NodeByKey(c.targetNode);
  ASSERT_TRUE(item && target);
  const std::string oldPath = item->Key();
  const std::string newPath = std::string(c.targetNode) + "\\" + c.item;

  const POINT from = ItemPoint(item);
  const POINT to = NodePoint(target);
  AwayFromLastClick(from);
  SendMouse(0, from);
  Pump();
  SendKey(VK_SHIFT, false);
  SendMouse(MOUSEEVENTF_LEFTDOWN, from);
  NoteClick(from);
  ASSERT_TRUE(PumpUntil([&] { return f.DragListItem == item; }));
  SendKey(VK_SHIFT, true);
  // The way to the node in steps, as a hand moves the mouse.
  for (int i = 1; i < 10; ++i) {
    SendMouse(0, {from.x + (to.x - from.x) * i / 10, from.y + (to.y - from.y) * i / 10});
    Pump();
  }
  ASSERT_TRUE(MoveMouseUntil(to, [&] { return f.Drag().Active() && f.tvMain().DropHighlight() == target; }))
      << "drag " << f.Drag().Active() << " highlight "
      << (f.tvMain().DropHighlight() ? f.tvMain().DropHighlight()->Key() : "-");
  EXPECT_TRUE(f.Get<forms::PictureBox>("Picture1").Visible());
  SendMouse(MOUSEEVENTF_LEFTUP, to);
  ASSERT_TRUE(PumpUntil([&] { return !f.Drag().Active(); }));
  Pump();

  // The item is in exactly one place (a drop onto its own folder names the same path twice).
  EXPECT_TRUE(PathExists(c.moved ? newPath : oldPath));
  if (newPath != oldPath) EXPECT_FALSE(PathExists(c.moved ? oldPath : newPath));
  EXPECT_EQ(f.lstItems().ItemByKey(oldPath) != nullptr, !c.moved);
  EXPECT_FALSE(f.Get<forms::PictureBox>("Picture1").Visible());
  EXPECT_EQ(f.DragListItem, nullptr);
  EXPECT_EQ(f.tvMain().DropHighlight(), nullptr);
  EXPECT_FALSE(f.Timer1().Enabled());
  if (std::string(c.item) == "Sub") {
    // A moved folder leaves its old node; a refused one keeps it.
    EXPECT_EQ(f.tvMain().NodeByKey("Top\\Sub") != nullptr, !c.moved);
    if (c.moved) EXPECT_EQ(f.tvMain().NodeByKey("Other")->Children(), 1);
  }
  // A later move above the tree with the button held starts nothing.
  AwayFromLastClick(to);
  SendMouse(MOUSEEVENTF_LEFTDOWN, to);
  NoteClick(to);
  SendMouse(0, {to.x, to.y + 3});
  Pump();
  EXPECT_FALSE(f.Drag().Active());
  SendMouse(MOUSEEVENTF_LEFTUP, {to.x, to.y + 3});
  Pump();
}

INSTANTIATE_TEST_SUITE_P(Cases, ListToTreeDragTest,
                         ::testing::Values(DragCase{"ConnectionOntoAnotherFolder", "alpha", "Other", true},
                                           DragCase{"ConnectionOntoItsOwnFolder", "alpha", "Top", false},
                                           DragCase{"FolderOntoItself", "Sub", "Top\\Sub", false},
                                           DragCase{"FolderOntoItsSubFolder", "Sub", "Top\\Sub\\Deep", false},
                                           DragCase{"FolderOntoAnotherFolder", "Sub", "Other", true}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
