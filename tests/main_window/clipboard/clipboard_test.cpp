// Copy, cut and paste of list items with the list's keys and the tree's popup menu, the paste's
// progress window watched while it runs, and what the store holds afterwards.
#include <gmock/gmock.h>

#include "clipboard_fixture.h"
#include "core/registry_tree.h"
#include "core/string_table.h"
#include "resources/string_ids.h"
#include "scratch_folder.h"

using namespace corvana;
using namespace corvana::test;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::UnorderedElementsAre;

namespace {

class PasteTest : public ClipboardTest {
 protected:
  // Ctrl+V in the list, and the paste run to its end (it empties the clipboard).
  void PasteWithKeys() {
    PressInList('V', {VK_CONTROL});
    ASSERT_TRUE(PumpUntil([&] { return !form->HasClip; }, 20000));
    Pump();
  }
  void CopyWithKeys(const std::vector<std::string>& names, bool cut = false) {
    SelectItems(names);
    PressInList(cut ? 'X' : 'C', {VK_CONTROL});
    ASSERT_TRUE(PumpUntil([&] { return form->HasClip; }));
  }
  int TreeNodesWithKey(const std::string& key) const {
    int n = 0;
    std::function<void(const forms::NodeRef&)> walk = [&](const forms::NodeRef& node) {
      if (EqualsNoCase(node->Key(), key)) ++n;
      for (const forms::NodeRef& child : node->ChildNodes()) walk(child);
    };
    for (const forms::NodeRef& root : form->tvMain().Roots()) walk(root);
    return n;
  }
  ProgressWatch watch;
};

TEST_F(PasteTest, IntoItsOwnFolderACopyIsNamedKopieVonOnceMorePerTakenNameWithoutRegardToCase) {
  Folder("F");
  Connection("F", "X", "hx");
  Connection("F", "kopie von x", "other");
  MainForm& f = StartInFront();
  OpenFolder("F");
  const std::string copyOf = LoadResString(IDS_COPY_OF);
  CopyWithKeys({"X"});
  EXPECT_FALSE(f.CutMode);
  PasteWithKeys();
  EXPECT_EQ(Host("F\\" + copyOf + copyOf + "X"), "hx");
  CopyWithKeys({"X"});
  PasteWithKeys();
  EXPECT_EQ(Host("F\\" + copyOf + copyOf + copyOf + "X"), "hx");
  EXPECT_EQ(Host("F\\kopie von x"), "other");
  EXPECT_THAT(ListTexts(), UnorderedElementsAre("X", "kopie von x", copyOf + copyOf + "X", copyOf + copyOf + copyOf + "X"));
  // The status counts every item of the list, and the panel names no item: the refresh selects none.
  EXPECT_EQ(Status(), "4 " + LoadResString(IDS_OBJECTS));
  EXPECT_EQ(f.txtItemName().Text(), "");
  EXPECT_EQ(f.txtConnInfo().Text(), "");
  EXPECT_EQ(f.ClipItems->ItemCount(), 0);

  // The clipboard is empty after a paste: another Ctrl+V pastes nothing.
  watch.seen = {};
  f.lstItems().SetFocus();
  PressKey('V', {VK_CONTROL});
  Pump();
  EXPECT_EQ(f.lstItems().ItemCount(), 4);
  EXPECT_THAT(watch.seen.captions, IsEmpty());
  // A copy of no item leaves nothing to paste.
  Click(EmptyListPoint());
  ASSERT_TRUE(PumpUntil([&] { return CountSelected(f.lstItems()) == 0; }));
  PressInList('C', {VK_CONTROL});
  Pump();
  EXPECT_FALSE(f.HasClip);
}

TEST_F(PasteTest, CutAndPasteIntoItsOwnFolderLeavesTheItemUnderItsCopyName) {
  Folder("F");
  Connection("F", "X", "hx");
  MainForm& f = StartInFront();
  OpenFolder("F");
  CopyWithKeys({"X"}, true);
  EXPECT_TRUE(f.CutMode);
  EXPECT_TRUE(ItemNamed("X")->Ghosted());
  PasteWithKeys();
  const std::string moved = "F\\" + LoadResString(IDS_COPY_OF) + "X";
  EXPECT_EQ(Host(moved), "hx");
  EXPECT_FALSE(PathExists("F\\X"));
  EXPECT_THAT(ListTexts(), ElementsAre(LoadResString(IDS_COPY_OF) + "X"));
  EXPECT_TRUE(f.CutMode) << "a paste leaves the mode as it was";
}

struct FolderTargetCase {
  const char* label;
  const char* target;
  const char* created;  // "" : refused
};

class FolderPasteTest : public PasteTest, public ::testing::WithParamInterface<FolderTargetCase> {};

// A folder never goes into itself or below itself; names compare whole between the backslashes,
// so A\B goes into A\BC as into any other folder.
TEST_P(FolderPasteTest, AFolderGoesAnywhereButIntoItselfOrBelow) {
  const FolderTargetCase& c = GetParam();
  Folder("A");
  Folder("A\\B");
  Connection("A\\B", "inner", "hi");
  Folder("A\\B\\C");
  Folder("A\\BC");
  MainForm& f = StartInFront();
  ExpandNode("A");
  ExpandNode("A\\B");
  OpenFolder("A");
  CopyWithKeys({"B"});
  ChooseInTreePopup(c.target, "mnuFolderPaste");
  ASSERT_TRUE(PumpUntil([&] { return !f.HasClip; }, 20000));
  Pump();
  const auto seen = boxes.seen();
  if (*c.created == 0) {
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "B" + LoadResString(IDS_COPY_INTO_SAME_FOLDER));
    EXPECT_EQ(seen[0].title, "VNCCorvana");
    EXPECT_FALSE(PathExists(std::string(c.target) + "\\B"));
    EXPECT_FALSE(PathExists(std::string(c.target) + "\\" + LoadResString(IDS_COPY_OF) + "B"));
    EXPECT_THAT(watch.seen.items, IsEmpty());
  } else {
    EXPECT_THAT(seen, IsEmpty());
    EXPECT_EQ(Host(std::string(c.created) + "\\inner"), "hi");
    EXPECT_TRUE(PathExists(std::string(c.created) + "\\C"));
    EXPECT_EQ(TreeNodesWithKey(c.created), 1);
  }
  EXPECT_EQ(Host("A\\B\\inner"), "hi");
}

INSTANTIATE_TEST_SUITE_P(Cases, FolderPasteTest,
                         ::testing::Values(FolderTargetCase{"IntoItself", "A\\B", ""},
                                           FolderTargetCase{"IntoItsSubFolder", "A\\B\\C", ""},
                                           FolderTargetCase{"IntoItsParent", "A", "A\\Kopie von B"},
                                           FolderTargetCase{"IntoAFolderThatStartsAlike", "A\\BC", "A\\BC\\B"}),
                         [](const auto& info) { return std::string(info.param.label); });

struct NoFolderCase {
  const char* label;
  const char* item;
};

class NoFolderPasteTest : public PasteTest, public ::testing::WithParamInterface<NoFolderCase> {};

// Without a folder selected in the tree nothing is pasted and the list is not read again; the
// clipboard is emptied all the same and the panel describes the list's selected item.
TEST_P(NoFolderPasteTest, PastesNothingAndEmptiesTheClipboard) {
  Folder("F");
  Connection("F", "X", "hx", "3");
  std::string file = "C:\\Programme\\Symantec\\pcAnywhere\\Daten";
  for (int i = 0; i < 6; ++i) file += "\\Entfernte Rechner der Filialen " + std::to_string(i);
  file += "\\Kasse Filiale 7.chf";
  ASSERT_TRUE(SetPcAWFile("F\\P", file));
  MainForm& f = StartInFront();
  OpenFolder("F");
  CopyWithKeys({GetParam().item});
  f.tvMain().SelectedItem()->SetSelected(false);
  ASSERT_EQ(f.tvMain().SelectedItem(), nullptr);
  PasteWithKeys();
  EXPECT_THAT(watch.seen.captions, IsEmpty());
  EXPECT_EQ(f.ClipItems->ItemCount(), 0);
  EXPECT_THAT(ListTexts(), UnorderedElementsAre("X", "P"));
  EXPECT_EQ(f.txtItemName().Text(), GetParam().item);
  const std::string filePanel = f.StatusBar1().PanelByKey("file")->Text();
  if (std::string(GetParam().item) == "X") {
    EXPECT_EQ(f.txtFolderInfo().Text(), "F");
    EXPECT_EQ(f.txtConnInfo().Text(), LoadResString(IDS_VNC_CONNECTION) + "\r\n" + LoadResString(IDS_TARGET) +
                                          ": hx\r\n" + LoadResString(IDS_PORT) + ": 5903\r\n");
    EXPECT_EQ(filePanel, "");
  } else {
    EXPECT_EQ(f.txtConnInfo().Text().rfind(LoadResString(IDS_PCAW_CONNECTION) + "\r\n", 0), 0u);
    // The path shortened to the panel's width, its file name kept.
    EXPECT_NE(filePanel.find("..."), std::string::npos) << filePanel;
    EXPECT_LT(filePanel.size(), file.size());
    EXPECT_EQ(filePanel.substr(filePanel.size() - 4), ".chf");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, NoFolderPasteTest,
                         ::testing::Values(NoFolderCase{"AConnectionSelected", "X"},
                                           NoFolderCase{"APcAnywhereEntrySelected", "P"}),
                         [](const auto& info) { return std::string(info.param.label); });

struct ModeCase {
  const char* label;
  bool cut;
  int captionId;  // the progress window's
  int titleId;    // the paste's messages'
};

class PasteModeTest : public PasteTest, public ::testing::WithParamInterface<ModeCase> {};

// An entry whose key has gone since it was copied is skipped without a step of the bar.
TEST_P(PasteModeTest, TheBarAdvancesOnlyForEntriesReallyCopied) {
  const ModeCase& c = GetParam();
  Folder("F");
  for (const char* name : {"a", "b", "c"}) Connection("F", name, std::string("h") + name);
  Folder("T");
  MainForm& f = StartInFront();
  OpenFolder("F");
  CopyWithKeys({"a", "b", "c"}, c.cut);
  DeleteKeyTree("F\\b");
  OpenFolder("T");
  PasteWithKeys();
  EXPECT_THAT(watch.seen.captions, ElementsAre(LoadResString(c.captionId)));
  EXPECT_THAT(watch.seen.items, ElementsAre("a", "c"));
  const std::string line = LoadResString(IDS_PROGRESS_FROM) + " \"F\\\" " + LoadResString(IDS_PROGRESS_TO) + " \"T\"";
  EXPECT_THAT(watch.seen.lines, ElementsAre(line, line));
  EXPECT_EQ(watch.seen.min, 1);
  EXPECT_EQ(watch.seen.max, 4);
  ASSERT_FALSE(watch.seen.values.empty());
  EXPECT_EQ(watch.seen.values.back(), 3);
  EXPECT_EQ(Host("T\\a"), "ha");
  EXPECT_EQ(Host("T\\c"), "hc");
  EXPECT_FALSE(PathExists("T\\b"));
  EXPECT_EQ(PathExists("F\\a"), !c.cut);
  EXPECT_EQ(PathExists("F\\c"), !c.cut);
  EXPECT_THAT(ListTexts(), UnorderedElementsAre("a", "c"));
  // The window opened 100 twips right of and below the main window's corner.
  EXPECT_EQ(watch.seen.rect.left, forms::TwipsToPixelsX(f.Left() + 100));
  EXPECT_EQ(watch.seen.rect.top, forms::TwipsToPixelsY(f.Top() + 100));
}

// A source the copy cannot take whole (a sub-key that does not open) stays where it was, also
// when it was cut; the part-copy goes, a message says so, and the next entry is pasted as usual.
TEST_P(PasteModeTest, AnEntryWhoseCopyIsIncompleteKeepsItsSourceAndTheNextOneIsPasted) {
  const ModeCase& c = GetParam();
  Folder("F");
  Connection("F", "X", "hx");
  Connection("F", "Y", "hy");
  Folder("T");
  RegKey x = OpenStoreKey("F\\X");
  ASSERT_TRUE(MakeDanglingLink(x.get(), "Stuck"));
  MainForm& f = StartInFront();
  OpenFolder("F");
  CopyWithKeys({"X", "Y"}, c.cut);
  OpenFolder("T");
  boxes.clear();
  PasteWithKeys();
  RemoveDanglingLink(x.get(), "Stuck");
  const auto seen = boxes.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "X" + LoadResString(IDS_COPY_INCOMPLETE));
  EXPECT_EQ(seen[0].title, LoadResString(c.titleId));
  EXPECT_EQ(seen[0].icon, MessageIcon::Critical);
  EXPECT_EQ(Host("F\\X"), "hx");
  EXPECT_TRUE(PathExists("F\\X\\Display"));
  EXPECT_FALSE(PathExists("T\\X"));
  EXPECT_EQ(Host("T\\Y"), "hy");
  EXPECT_EQ(PathExists("F\\Y"), !c.cut);
  EXPECT_THAT(ListTexts(), ElementsAre("Y"));
  EXPECT_FALSE(f.HasClip);
}

INSTANTIATE_TEST_SUITE_P(Cases, PasteModeTest,
                         ::testing::Values(ModeCase{"Copy", false, IDS_PROGRESS_COPYING, IDS_MENU_COPY},
                                           ModeCase{"Cut", true, IDS_PROGRESS_MOVING, IDS_MENU_CUT}),
                         [](const auto& info) { return std::string(info.param.label); });

struct StopCase {
  const char* label;
  void (*stop)(HWND window);
};

class PasteCancelTest : public PasteTest, public ::testing::WithParamInterface<StopCase> {};

// Cancel, or closing the window, while the first entry is shown: that entry is finished, no other
// one is started, and the window goes with its clip file.
TEST_P(PasteCancelTest, DuringTheFirstEntryFinishesItAndStartsNoOther) {
  ScratchFolder temp;
  TempFolderOverride useTemp(temp.path());
  Folder("F");
  for (const char* name : {"a", "b", "c"}) Connection("F", name);
  Folder("T");
  MainForm& f = StartInFront();
  OpenFolder("F");
  CopyWithKeys({"a", "b", "c"}, true);
  OpenFolder("T");
  watch.atFirstItem = GetParam().stop;
  PasteWithKeys();
  EXPECT_THAT(watch.seen.items, ElementsAre("a"));
  EXPECT_TRUE(PathExists("T\\a"));
  EXPECT_FALSE(PathExists("F\\a")) << "the entry in work was finished, its source deleted";
  EXPECT_FALSE(PathExists("T\\b"));
  EXPECT_FALSE(PathExists("T\\c"));
  EXPECT_TRUE(PathExists("F\\b"));
  EXPECT_TRUE(PathExists("F\\c"));
  EXPECT_EQ(f.ClipItems->ItemCount(), 0);
  EXPECT_EQ(temp.FileCount(), 0) << "the clip file went with the window";
  EXPECT_EQ(FindWindowA(nullptr, LoadResString(IDS_PROGRESS_MOVING).c_str()), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, PasteCancelTest,
                         ::testing::Values(StopCase{"CancelButton", ClickCancel}, StopCase{"CloseBox", ClickCloseBox}),
                         [](const auto& info) { return std::string(info.param.label); });

// A target key that cannot be created (below a volatile folder the registry takes only volatile
// keys) skips the entry without a message; the cut source stays.
TEST_F(PasteTest, AnEntryWhoseTargetCannotBeCreatedIsSkippedAndItsSourceStays) {
  Folder("F");
  Connection("F", "X", "hx");
  HKEY raw = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, StoreKeyPath("V").c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &raw, nullptr),
            ERROR_SUCCESS);
  RegKey volatileFolder(raw);
  ASSERT_TRUE(WriteStringValue(volatileFolder.get(), kIsFolderValue, "1"));
  StartInFront();
  OpenFolder("F");
  CopyWithKeys({"X"}, true);
  boxes.clear();
  ChooseInTreePopup("V", "mnuFolderPaste");
  ASSERT_TRUE(PumpUntil([&] { return !form->HasClip; }, 20000));
  Pump();
  EXPECT_THAT(boxes.seen(), IsEmpty());
  EXPECT_THAT(watch.seen.items, IsEmpty());
  EXPECT_EQ(Host("F\\X"), "hx");
  EXPECT_FALSE(PathExists("V\\X"));
}

// The tree shows a pasted folder once: below a target not yet expanded as that opens, below an
// expanded one as a new node, and a node already there for that path is kept, not doubled.
TEST_F(PasteTest, APastedFolderShowsOnceInTheTree) {
  Folder("Src");
  Folder("Src\\Box");
  Folder("Src\\Box\\Deep");
  Folder("Closed");
  Folder("Closed\\Old");
  Folder("Open");
  Folder("Open\\Box");
  MainForm& f = StartInFront();
  ExpandNode("Src");
  ExpandNode("Open");
  ASSERT_TRUE(f.tvMain().NodeByKey("Open\\Box"));
  // The folder's key goes behind the tree's back: its node stays.
  DeleteKeyTree("Open\\Box");
  OpenFolder("Src");
  CopyWithKeys({"Box"});
  ChooseInTreePopup("Open", "mnuFolderPaste");
  ASSERT_TRUE(PumpUntil([&] { return !f.HasClip; }, 20000));
  EXPECT_TRUE(PathExists("Open\\Box\\Deep"));
  EXPECT_EQ(TreeNodesWithKey("Open\\Box"), 1);

  CopyWithKeys({"Box"});
  ASSERT_FALSE(f.tvMain().NodeByKey("Closed")->Expanded());
  ChooseInTreePopup("Closed", "mnuFolderPaste");
  ASSERT_TRUE(PumpUntil([&] { return !f.HasClip; }, 20000));
  EXPECT_TRUE(PathExists("Closed\\Box\\Deep"));
  forms::NodeRef closed = f.tvMain().NodeByKey("Closed");
  EXPECT_TRUE(closed->Expanded());
  std::vector<std::string> children;
  for (const forms::NodeRef& child : closed->ChildNodes()) children.push_back(child->Key());
  EXPECT_THAT(children, UnorderedElementsAre("Closed\\Old", "Closed\\Box"));
  // The new node has its expand button for the folder inside it.
  forms::NodeRef box = f.tvMain().NodeByKey("Closed\\Box");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->Children(), 1);
  EXPECT_THAT(boxes.seen(), IsEmpty());
}

// The list's popup menus as the user opens them: Kopieren and Ausschneiden on an item, Einfuegen
// on the list's empty space; on a folder item the folder popup's Kopieren and Ausschneiden.
TEST_F(PasteTest, TheListsPopupEntriesCopyCutAndPaste) {
  Folder("F");
  Connection("F", "X", "hx");
  Folder("F\\Sub");
  Connection("F\\Sub", "in", "hi");
  Folder("T");
  MainForm& f = StartInFront();
  OpenFolder("F");
  const std::string copyOf = LoadResString(IDS_COPY_OF);
  ChooseInListPopup(ItemPoint(ItemNamed("X")), "mnuPopUp", "mnuCopyConnection");
  ASSERT_TRUE(f.HasClip);
  EXPECT_FALSE(f.CutMode);
  ChooseInListPopup(EmptyListPoint(), "mnuPopUp", "mnuPasteConnection");
  ASSERT_TRUE(PumpUntil([&] { return !f.HasClip; }, 20000));
  EXPECT_EQ(Host("F\\" + copyOf + "X"), "hx");

  ChooseInListPopup(ItemPoint(ItemNamed("X")), "mnuPopUp", "mnuCutConnection");
  ASSERT_TRUE(f.CutMode);
  EXPECT_TRUE(ItemNamed("X")->Ghosted());
  ChooseInTreePopup("T", "mnuFolderPaste");
  ASSERT_TRUE(PumpUntil([&] { return !f.HasClip; }, 20000));
  EXPECT_EQ(Host("T\\X"), "hx");
  EXPECT_FALSE(PathExists("F\\X"));

  ChooseInListPopup(ItemPoint(ItemNamed("Sub")), "mnuPopUpFolderLV", "mnuPopUpFolderLV_copy");
  ASSERT_TRUE(f.HasClip);
  EXPECT_FALSE(f.CutMode);
  ChooseInTreePopup("T", "mnuFolderPaste");
  ASSERT_TRUE(PumpUntil([&] { return !f.HasClip; }, 20000));
  EXPECT_EQ(Host("T\\Sub\\in"), "hi");
  EXPECT_TRUE(PathExists("F\\Sub"));

  ChooseInListPopup(ItemPoint(ItemNamed("Sub")), "mnuPopUpFolderLV", "mnuPopUpFolderLV_cut");
  ASSERT_TRUE(f.CutMode);
  ChooseInTreePopup("T", "mnuFolderPaste");
  ASSERT_TRUE(PumpUntil([&] { return !f.HasClip; }, 20000));
  EXPECT_EQ(Host("T\\" + copyOf + "Sub\\in"), "hi");
  EXPECT_FALSE(PathExists("F\\Sub"));
  EXPECT_THAT(ListTexts(), UnorderedElementsAre(copyOf + "X"));
}

}  // namespace
