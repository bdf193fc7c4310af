// The folder tree: filling, lazy expansion, collapsing, renaming, F5, the popup menu and the
// drag's auto-scroll zones, with the real mouse and keyboard where the user has them.
#include <gmock/gmock.h>

#include "browse_fixture.h"
#include "core/string_table.h"
#include "resources/string_ids.h"

using namespace corvana;
using namespace corvana::test;
using ::testing::ElementsAre;

namespace {

class FolderTreeTest : public BrowseTest {
 protected:
  std::vector<std::string> ChildKeys(const std::string& key) const {
    std::vector<std::string> keys;
    for (const auto& child : form->tvMain().NodeByKey(key)->ChildNodes()) keys.push_back(child->Key());
    return keys;
  }
  // Renames the node as the rename command would start it, typing like the user.
  void RenameNode(const std::string& key, const std::string& newName) {
    forms::TreeView& tree = form->tvMain();
    Click(NodePoint(tree.NodeByKey(key)));
    ASSERT_TRUE(PumpUntil([&] { return tree.SelectedItem() == tree.NodeByKey(key); }));
    tree.StartLabelEdit();
    ASSERT_TRUE(PumpUntil([&] { return TreeView_GetEditControl(tree.hWnd()) != nullptr; }));
    PressKey('A', {VK_CONTROL});
    TypeText(newName);
    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return TreeView_GetEditControl(tree.hWnd()) == nullptr; }));
    Pump();
  }
};

TEST_F(FolderTreeTest, AnEmptyStoreGetsOneNewFolderSelected) {
  MainForm& f = StartInFront();
  const std::string name = LoadResString(IDS_NEW_FOLDER_NAME);
  ASSERT_EQ(f.tvMain().NodeCount(), 1);
  forms::NodeRef node = f.tvMain().NodeByKey(name);
  ASSERT_TRUE(node);
  EXPECT_EQ(node->Text(), name);
  EXPECT_TRUE(node->Selected());
  EXPECT_TRUE(PathExists(name));
  EXPECT_TRUE(HasSubFolders(""));  // the key is a folder
}

// A store without folders but with a top-level pcAnywhere entry (which the upgrade keeps at the
// top) of the first folder's name: the new folder takes another name and the entry stays.
TEST_F(FolderTreeTest, TheFirstFolderNeverTakesTheKeyOfATopLevelEntry) {
  const std::string name = LoadResString(IDS_NEW_FOLDER_NAME);
  Connection("", name, "loose.example");
  ASSERT_TRUE(SetPcAWFile(name, "C:\\kasse.cif"));
  MainForm& f = StartInFront();
  ASSERT_EQ(f.tvMain().NodeCount(), 1);
  EXPECT_EQ(f.tvMain().Roots().front()->Key(), name + "1");
  EXPECT_TRUE(ConnectionPathExists(name));
  RegKey loose = OpenStoreKey(name);
  ASSERT_TRUE(loose);
  EXPECT_FALSE(IsFolderKey(loose.get()));
  EXPECT_EQ(ReadPcAWFile(name), "C:\\kasse.cif");
}

TEST_F(FolderTreeTest, TopLevelHoldsOnlyFoldersWithPlaceholdersWhereSubFoldersAre) {
  Folder("A");
  Folder("A\\B");
  Folder("C");
  Connection("", "loose");
  MainForm& f = StartInFront();
  std::vector<std::string> roots;
  for (const auto& root : f.tvMain().Roots()) roots.push_back(root->Key());
  EXPECT_THAT(roots, ::testing::IsSupersetOf({"A", "C"}));
  EXPECT_THAT(roots, ::testing::Not(::testing::Contains("loose")));
  EXPECT_EQ(f.tvMain().NodeByKey("A")->Children(), 1);  // the placeholder
  EXPECT_EQ(f.tvMain().NodeByKey("A")->Child()->Key(), "");
  EXPECT_EQ(f.tvMain().NodeByKey("C")->Children(), 0);
  EXPECT_EQ(f.tvMain().NodeByKey("loose"), nullptr);
}

TEST_F(FolderTreeTest, ExpandLoadsOneLevelAndCollapseLeavesAPlaceholder) {
  Folder("A");
  Folder("A\\B");
  Folder("A\\B\\Deep");
  Folder("A\\Leaf");
  MainForm& f = StartInFront();
  ExpandNode("A");
  EXPECT_THAT(ChildKeys("A"), ElementsAre("A\\B", "A\\Leaf"));
  EXPECT_THAT(ChildKeys("A\\B"), ElementsAre(""));  // loaded one level only
  EXPECT_EQ(f.tvMain().NodeByKey("A\\B")->Child()->Text(), "");
  EXPECT_EQ(f.tvMain().NodeByKey("A\\Leaf")->Children(), 0);
  EXPECT_EQ(f.tvMain().NodeByKey("A\\B")->Image(), "close");
  EXPECT_EQ(f.tvMain().NodeByKey("A\\B")->SelectedImage(), "open");

  // Collapsed, a folder shows an expand button even when its sub-folders are gone; expanded
  // again, it has no child and no button.
  DeleteKeyTree("A\\B");
  DeleteKeyTree("A\\Leaf");
  PressKey(VK_LEFT);
  ASSERT_TRUE(PumpUntil([&] { return !f.tvMain().NodeByKey("A")->Expanded(); }));
  EXPECT_THAT(ChildKeys("A"), ElementsAre(""));
  EXPECT_EQ(f.tvMain().NodeByKey("A\\B"), nullptr);
  PressKey(VK_RIGHT);
  ASSERT_TRUE(PumpUntil([&] { return f.tvMain().NodeByKey("A")->Children() == 0; }));
}

TEST_F(FolderTreeTest, AFolderThatVanishedIsLeftWithoutChildren) {
  Folder("A");
  Folder("A\\B");
  MainForm& f = StartInFront();
  DeleteKeyTree("A");
  ExpandNode("A");
  EXPECT_EQ(f.tvMain().NodeByKey("A")->Children(), 0);
}

TEST_F(FolderTreeTest, F5KeepsEachBranchExpandedOrCollapsedWithFreshChildren) {
  Folder("A");
  Folder("A\\B");
  Folder("D");
  Folder("D\\E");
  MainForm& f = StartInFront();
  ExpandNode("A");
  Folder("A\\C");
  Folder("D\\F");
  OpenFolder("A");
  PressKey(VK_F5);
  ASSERT_TRUE(PumpUntil([&] { return ChildKeys("A").size() == 2; })) << ::testing::PrintToString(ChildKeys("A"));
  EXPECT_TRUE(f.tvMain().NodeByKey("A")->Expanded());
  EXPECT_THAT(ChildKeys("A"), ElementsAre("A\\B", "A\\C"));
  EXPECT_EQ(f.tvMain().SelectedItem()->Key(), "A");

  OpenFolder("D");
  PressKey(VK_F5);
  Pump();
  EXPECT_FALSE(f.tvMain().NodeByKey("D")->Expanded());
  EXPECT_THAT(ChildKeys("D"), ElementsAre(""));
  EXPECT_EQ(f.tvMain().SelectedItem()->Key(), "D");
  EXPECT_EQ(f.lstItems().Tag(), "D");
}

struct FolderRenameCase {
  const char* node;
  const char* newName;
  const char* keyAfter;
};

class FolderRename : public FolderTreeTest, public ::testing::WithParamInterface<FolderRenameCase> {};

TEST_P(FolderRename, RefusesTakenNamesInAnyCase) {
  Folder("Alpha");
  Folder("Beta");
  Folder("Beta\\Kid");
  Folder("Beta\\Kid\\Grand");
  MainForm& f = StartInFront();
  const FolderRenameCase& c = GetParam();
  RenameNode(c.node, c.newName);
  forms::NodeRef node = f.tvMain().NodeByKey(c.keyAfter);
  ASSERT_TRUE(node) << c.keyAfter;
  EXPECT_EQ(node->Text(), std::string(c.keyAfter).substr(std::string(c.keyAfter).rfind('\\') + 1));
  EXPECT_TRUE(PathExists(c.keyAfter));
  EXPECT_TRUE(PathExists("Alpha"));
  EXPECT_EQ(f.lstItems().Tag(), c.keyAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, FolderRename,
                         ::testing::Values(FolderRenameCase{"Beta", "ALPHA", "Beta"},
                                           FolderRenameCase{"Beta", "alpha", "Beta"},
                                           FolderRenameCase{"Beta", "Beta", "Beta"},
                                           FolderRenameCase{"Beta", "Gamma", "Gamma"}));

TEST_F(FolderTreeTest, ARenamedFolderTakesItsLoadedDescendantsAlong) {
  Folder("Beta");
  Folder("Beta\\Kid");
  Folder("Beta\\Kid\\Grand");
  Connection("Beta\\Kid\\Grand", "conn");
  MainForm& f = StartInFront();
  ExpandNode("Beta");
  ExpandNode("Beta\\Kid");
  RenameNode("Beta", "Gamma");
  ASSERT_TRUE(f.tvMain().NodeByKey("Gamma"));
  EXPECT_EQ(f.tvMain().NodeByKey("Beta\\Kid"), nullptr);
  ASSERT_TRUE(f.tvMain().NodeByKey("Gamma\\Kid\\Grand"));
  EXPECT_TRUE(f.tvMain().NodeByKey("Gamma\\Kid")->Expanded());
  // The grandchild's Key is a path of the store again: its contents open.
  OpenFolder("Gamma\\Kid\\Grand");
  EXPECT_THAT(ListTexts(), ElementsAre("conn"));
}

// The popup's state as the menu shows it while it is open; it is then closed.
struct PopupSeen {
  UINT defaultId = 0;
  bool open = false;
};
PopupSeen* gSeen = nullptr;
HMENU gPopup = nullptr;

void CALLBACK LookAtPopup(HWND, UINT, UINT_PTR id, DWORD) {
  // Only a menu on the screen counts: the click may not have arrived yet.
  HWND shown = FindWindowA("#32768", nullptr);
  if (!gSeen || !IsMenu(gPopup) || !shown || !IsWindowVisible(shown)) return;
  gSeen->open = true;
  // The default item may be disabled (the expand item of a folder without sub-folders).
  gSeen->defaultId = GetMenuDefaultItem(gPopup, FALSE, GMDI_USEDISABLED);
  KillTimer(nullptr, id);
  EndMenu();
}

struct PopupCase {
  const char* label;
  const char* node;  // "" : empty tree space
  bool hasClip;
  const char* defaultItem;
  bool expandEnabled;
  int expandCaptionId;
};

class FolderPopup : public FolderTreeTest, public ::testing::WithParamInterface<PopupCase> {};

TEST_P(FolderPopup, EnablesItsItemsForThePlaceClicked) {
  Folder("A");
  Folder("A\\B");
  Folder("Leaf");
  MainForm& f = StartInFront();
  const PopupCase& c = GetParam();
  if (std::string(c.node) == "A\\B" || std::string(c.node) == "A") ExpandNode("A");
  f.HasClip = c.hasClip;
  POINT at;
  if (*c.node) {
    at = NodePoint(f.tvMain().NodeByKey(c.node));
  } else {
    RECT r{};
    GetClientRect(f.tvMain().hWnd(), &r);
    at = ScreenPoint(f.tvMain().hWnd(), r.right / 2, r.bottom - 8);
  }
  PopupSeen seen;
  gSeen = &seen;
  gPopup = f.GetMenu("mnuPopUpFolder").popup();
  SetTimer(nullptr, 0, 300, LookAtPopup);
  RightClick(at);
  ASSERT_TRUE(PumpUntil([&] { return seen.open; }, 10000));
  Pump();
  gSeen = nullptr;
  EXPECT_EQ(seen.defaultId, f.GetMenu(c.defaultItem).id());
  const bool onNode = *c.node != 0;
  EXPECT_EQ(f.GetMenu("mnuDeleteFolder").Enabled(), onNode);
  EXPECT_EQ(f.GetMenu("mnuRenameFolder").Enabled(), onNode);
  EXPECT_EQ(f.GetMenu("mnuFolderPaste").Enabled(), onNode && c.hasClip);
  EXPECT_EQ(f.GetMenu("mnuFolderExpand").Enabled(), c.expandEnabled);
  EXPECT_EQ(f.GetMenu("mnuFolderExpand").Caption(), LoadResString(c.expandCaptionId));
  EXPECT_EQ(f.NewFolderFromFileMenu, onNode);
  if (onNode) EXPECT_EQ(f.tvMain().SelectedItem()->Key(), c.node);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderPopup,
    ::testing::Values(PopupCase{"EmptySpace", "", true, "mnuNewFolder", false, IDS_MENU_EXPAND},
                      PopupCase{"FolderWithoutSubFolders", "Leaf", false, "mnuFolderExpand", false, IDS_MENU_EXPAND},
                      PopupCase{"ExpandedFolder", "A", false, "mnuFolderExpand", true, IDS_MENU_COLLAPSE},
                      PopupCase{"WithClipboard", "Leaf", true, "mnuFolderPaste", false, IDS_MENU_EXPAND}),
    [](const auto& info) { return std::string(info.param.label); });

struct ZoneCase {
  bool fromBottom;  // the offset counts up from the tree's bottom edge, else down from its top
  int offset;
  bool scrolls;
  bool up;
};

class ScrollZones : public FolderTreeTest, public ::testing::WithParamInterface<ZoneCase> {};

TEST_P(ScrollZones, BothBoundsOfEachZoneAreOutside) {
  MainForm& f = StartInFront();
  const ZoneCase& c = GetParam();
  const int y = c.fromBottom ? f.tvMain().Height() - c.offset : c.offset;
  f.AutoScrollUp = !c.up;
  f.tvMain_DragOver(200, y, 2);
  EXPECT_EQ(f.Timer1().Enabled(), c.scrolls) << y;
  if (c.scrolls) EXPECT_EQ(f.AutoScrollUp, c.up);
  EXPECT_EQ(f.DragPosY, static_cast<float>(y));
  f.tvMain_DragOver(200, f.tvMain().Height() / 2, 2);
  EXPECT_FALSE(f.Timer1().Enabled());
}

INSTANTIATE_TEST_SUITE_P(Cases, ScrollZones,
                         ::testing::Values(ZoneCase{false, 0, false, true}, ZoneCase{false, 1, true, true},
                                           ZoneCase{false, 99, true, true}, ZoneCase{false, 100, false, true},
                                           ZoneCase{true, 200, false, false}, ZoneCase{true, 199, true, false},
                                           ZoneCase{true, 1, true, false}, ZoneCase{true, 0, false, false}));

TEST_F(FolderTreeTest, TheTimerScrollsTheTreeOneLineATick) {
  for (int i = 0; i < 60; ++i) Folder("F" + std::to_string(100 + i));
  MainForm& f = StartInFront();
  HWND tree = f.tvMain().hWnd();
  ASSERT_EQ(GetScrollPos(tree, SB_VERT), 0);
  f.tvMain_DragOver(200, f.tvMain().Height() - 100, 2);
  ASSERT_TRUE(f.Timer1().Enabled());
  ASSERT_TRUE(PumpUntil([&] { return GetScrollPos(tree, SB_VERT) >= 2; }));
  f.tvMain_DragOver(200, 50, 2);
  const int down = GetScrollPos(tree, SB_VERT);
  ASSERT_TRUE(PumpUntil([&] { return GetScrollPos(tree, SB_VERT) < down; }));
  f.tvMain_DragDrop(200, 50);
  EXPECT_FALSE(f.Timer1().Enabled());
}

}  // namespace
