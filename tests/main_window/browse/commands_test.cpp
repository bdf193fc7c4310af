// The menu bar's, the tree popup's and the view commands with the real mouse and keyboard: new
// folder, rename, the four View toggles and the layout they change, End, the folder item's open
// entry from the keyboard, and the drag image passing the toolbar and the status bar. One picture
// of the window with each View toggle changed: <build>/main_window_view_<item>.png.
#include <gmock/gmock.h>

#include <fstream>

#include "browse_fixture.h"
#include "core/global_options.h"
#include "core/string_table.h"
#include "forms/picture.h"
#include "main_window/program_state.h"
#include "main_window/tree_drag.h"
#include "popup_driver.h"
#include "resources/string_ids.h"
#include "support/window_picture.h"

using namespace corvana;
using namespace corvana::test;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

namespace {

POINT Middle(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class CommandsTest : public BrowseTest {
 protected:
  void TearDown() override {
    BrowseTest::TearDown();
    gOptions.BackgroundImage.clear();
    if (!picture_.empty()) DeleteFileA(picture_.c_str());
  }

  UINT Id(const char* name) const { return form->GetMenu(name).id(); }

  // The entries of Path chosen from the menu bar's menu Top, with the mouse.
  void ChooseFromMenuBar(const char* top, const std::vector<const char*>& path) {
    MainForm& f = *form;
    HMENU bar = GetMenu(f.hWnd());
    HMENU popup = f.GetMenu(top).popup();
    int pos = -1;
    for (int i = 0; i < GetMenuItemCount(bar); ++i)
      if (GetSubMenu(bar, i) == popup) pos = i;
    ASSERT_GE(pos, 0) << top;
    RECT r{};
    ASSERT_TRUE(GetMenuItemRect(f.hWnd(), bar, static_cast<UINT>(pos), &r));
    std::vector<UINT> ids;
    for (const char* entry : path) ids.push_back(Id(entry));
    PopupDriver driver(popup, ids);
    Click(Middle(r));
    ASSERT_TRUE(PumpUntil([&] { return driver.done(); }, 10000)) << top;
    Pump();
  }
  // The entry of the popup menu that a right click at At opens.
  void ChooseFromPopup(const char* popup, const char* entry, POINT at) {
    PopupDriver driver(form->GetMenu(popup).popup(), {Id(entry)});
    RightClick(at);
    ASSERT_TRUE(PumpUntil([&] { return driver.done(); }, 10000)) << entry;
    Pump();
  }
  POINT EmptyTreePoint() const {
    RECT r{};
    GetClientRect(form->tvMain().hWnd(), &r);
    return ScreenPoint(form->tvMain().hWnd(), r.right / 2, r.bottom - 8);
  }
  HWND TreeEditor() const { return TreeView_GetEditControl(form->tvMain().hWnd()); }
  HWND ListEditor() const { return ListView_GetEditControl(form->lstItems().hWnd()); }
  std::vector<std::string> ChildKeys(const std::string& key) const {
    std::vector<std::string> keys;
    for (const forms::NodeRef& child : form->tvMain().NodeByKey(key)->ChildNodes()) keys.push_back(child->Key());
    return keys;
  }

  // A 3 x 5 picture file, unlike the program's own background.
  std::string PictureFile() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    picture_ = std::string(temp) + "corvana-background-" + std::to_string(GetCurrentProcessId()) + ".bmp";
    const int w = 3, h = 5, stride = 12;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = h;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * h;
    std::ofstream out(picture_, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out << std::string(stride * h, '\x40');
    return picture_;
  }

  std::string picture_;
};

TEST_F(CommandsTest, NewFolderOnEmptyTreeSpaceIsATopLevelFolderNamedByTheUserAtOnce) {
  Folder("Neuer Ordner");
  Folder("Kunden");
  Folder("Kunden\\Nord");
  MainForm& f = StartInFront();
  ExpandNode("Kunden");
  ChooseFromPopup("mnuPopUpFolder", "mnuNewFolder", EmptyTreePoint());
  // The base name is taken: the next free one, at the top, selected and open for its name.
  forms::NodeRef node = f.tvMain().NodeByKey("Neuer Ordner1");
  ASSERT_TRUE(node);
  EXPECT_EQ(node->Parent(), nullptr);
  EXPECT_EQ(node->Text(), "Neuer Ordner1");
  EXPECT_EQ(node->Image(), "close");
  EXPECT_EQ(node->SelectedImage(), "open");
  EXPECT_TRUE(node->Selected());
  EXPECT_TRUE(PathExists("Neuer Ordner1"));
  EXPECT_TRUE(HasSubFolders("Kunden"));
  ASSERT_TRUE(PumpUntil([&] { return TreeEditor() != nullptr; }));
  TypeText("Projekte");
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return f.tvMain().NodeByKey("Projekte") != nullptr; }));
  EXPECT_TRUE(PathExists("Projekte"));
  EXPECT_FALSE(PathExists("Neuer Ordner1"));
  EXPECT_TRUE(PathExists("Kunden\\Nord")) << "a right click on empty space keeps the new folder off the selected one";
}

TEST_F(CommandsTest, NewFolderFromTheFileMenuIsAChildOfTheSelectedFolderWhichOpens) {
  Folder("Kunden");
  Folder("Kunden\\Nord");
  Folder("Kunden\\Neuer Ordner");
  Folder("Intern");
  MainForm& f = StartInFront();
  OpenFolder("Kunden");
  ASSERT_FALSE(f.tvMain().NodeByKey("Kunden")->Expanded());
  ChooseFromMenuBar("mnuDatei", {"mnuDateiNew", "mnuDateiNewFolder"});
  EXPECT_TRUE(f.NewFolderFromFileMenu);
  forms::NodeRef node = f.tvMain().NodeByKey("Kunden\\Neuer Ordner1");
  ASSERT_TRUE(node);
  EXPECT_TRUE(f.tvMain().NodeByKey("Kunden")->Expanded());
  EXPECT_THAT(ChildKeys("Kunden"),
              UnorderedElementsAre("Kunden\\Nord", "Kunden\\Neuer Ordner", "Kunden\\Neuer Ordner1"));
  EXPECT_TRUE(node->Selected());
  EXPECT_TRUE(PathExists("Kunden\\Neuer Ordner1"));
  ASSERT_TRUE(PumpUntil([&] { return TreeEditor() != nullptr; }));
  // Esc keeps the name the command gave.
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return TreeEditor() == nullptr; }));
  EXPECT_TRUE(PathExists("Kunden\\Neuer Ordner1"));
}

// A connection may carry the name "Neuer Ordner": the new folder takes another name and the
// connection stays a connection.
TEST_F(CommandsTest, NewFolderNeverTakesTheKeyOfAConnection) {
  Folder("Kunden");
  Connection("Kunden", "Neuer Ordner", "kasse.example", "1");
  MainForm& f = StartInFront();
  OpenFolder("Kunden");
  ChooseFromMenuBar("mnuDatei", {"mnuDateiNew", "mnuDateiNewFolder"});
  ASSERT_TRUE(PumpUntil([&] { return TreeEditor() != nullptr; }));
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return TreeEditor() == nullptr; }));
  EXPECT_TRUE(f.tvMain().NodeByKey("Kunden\\Neuer Ordner1"));
  EXPECT_FALSE(f.tvMain().NodeByKey("Kunden\\Neuer Ordner"));
  ConnectionRecord kept;
  ASSERT_TRUE(ReadConnection("Kunden\\Neuer Ordner", kept));
  EXPECT_EQ(kept.Host, "kasse.example");
  RegKey key = OpenStoreKey("Kunden\\Neuer Ordner");
  EXPECT_FALSE(IsFolderKey(key.get()));
}

TEST_F(CommandsTest, RenameStartsTheLabelEditOfTheItemAndOfTheFolder) {
  Folder("Top");
  Connection("Top", "alpha");
  Connection("Top", "beta");
  MainForm& f = StartInFront();
  OpenFolder("Top");
  ChooseFromPopup("mnuPopUp", "mnuRename", ItemPoint(ItemNamed("alpha")));
  ASSERT_TRUE(PumpUntil([&] { return ListEditor() != nullptr; }));
  TypeText("gamma");
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return PathExists("Top\\gamma"); }));
  EXPECT_FALSE(PathExists("Top\\alpha"));

  // Two selected: the command does nothing (its menu entry is off then).
  PressKey('A', {VK_CONTROL});
  ASSERT_TRUE(PumpUntil([&] { return CountSelected(f.lstItems()) == 2; }));
  f.mnuRename_Click();
  Pump();
  EXPECT_EQ(ListEditor(), nullptr);

  ChooseFromPopup("mnuPopUpFolder", "mnuRenameFolder", NodePoint(f.tvMain().NodeByKey("Top")));
  ASSERT_TRUE(PumpUntil([&] { return TreeEditor() != nullptr; }));
  TypeText("Oben");
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return PathExists("Oben\\gamma"); }));
  EXPECT_FALSE(PathExists("Top"));
}

// Each View item through the real menu: its check mark flips and the window is laid out anew; a
// second choice puts both back. The splitter stays where it is.
class ViewToggles : public CommandsTest, public ::testing::WithParamInterface<const char*> {};

void CheckLayout(MainForm& f, const char* item, bool changed) {
  const std::string name = item;
  forms::TreeView& tree = f.tvMain();
  forms::Toolbar& bar = f.Toolbar1();
  forms::StatusBar& status = f.StatusBar1();
  const int statusHeight = status.Visible() ? status.Height() : 0;
  EXPECT_EQ(tree.Top(), bar.Height());
  EXPECT_EQ(tree.Height(), f.ScaleHeight() - bar.Height() - statusHeight);
  EXPECT_EQ(f.imgFolderInfo().Height(), tree.Height());
  if (name == "mnuShowSbar") EXPECT_EQ(status.Visible(), !changed);
  if (name == "mnuBigSymbols") {
    EXPECT_EQ(forms::TwipsToPixelsY(bar.Height()) > 32, changed) << bar.Height();
  }
  if (name == "mnuShowFolderInfo") {
    for (forms::Control* c : {static_cast<forms::Control*>(&f.txtFolderInfo()),
                              static_cast<forms::Control*>(&f.txtConnInfo()),
                              static_cast<forms::Control*>(&f.txtItemName())})
      EXPECT_EQ(c->Visible(), !changed) << c->Name();
    const forms::TextBox& info = f.txtFolderInfo();
    EXPECT_EQ(f.lstItems().Left(), changed ? 0 : info.Left() + info.Width());
  }
  if (name == "mnuShowBackground") EXPECT_EQ(f.lstItems().Picture() != nullptr, changed);
}

TEST_P(ViewToggles, TheItemFlipsItsCheckMarkAndTheLayout) {
  const char* item = GetParam();
  Folder("Top");
  Connection("Top", "alpha");
  SetRoot("ShowStatusbar", "1");
  MainForm& f = StartInFront();
  forms::Menu& menu = f.GetMenu(item);
  const bool before = menu.Checked();
  const int splitter = f.imgSplitter().Left();
  for (bool changed : {true, false}) {
    SCOPED_TRACE(changed ? "changed" : "back");
    ChooseFromMenuBar("mnuAnsicht", {item});
    EXPECT_EQ(menu.Checked(), changed ? !before : before);
    CheckLayout(f, item, changed);
    EXPECT_EQ(f.imgSplitter().Left(), splitter);
  }
}

INSTANTIATE_TEST_SUITE_P(Items, ViewToggles,
                         ::testing::Values("mnuBigSymbols", "mnuShowSbar", "mnuShowBackground", "mnuShowFolderInfo"),
                         [](const auto& info) { return std::string(info.param); });

// The toggles keep the splitter where the window shows it, also when the splitter bar still holds
// an older drop: narrowed, the window pushes the splitter left; widened again, it stays there.
TEST_F(CommandsTest, TheBarTogglesKeepTheSplitterWhereTheWindowShowsIt) {
  Folder("Top");
  MainForm& f = StartInFront();
  const int designed = f.imgSplitter().Left();
  f.Move(f.Left(), f.Top(), 5400, f.Height());
  Pump();
  const int pushed = f.imgSplitter().Left();
  ASSERT_LT(pushed, designed);
  f.Move(f.Left(), f.Top(), 11400, f.Height());
  SetForegroundWindow(f.hWnd());
  Pump();
  ASSERT_EQ(f.imgSplitter().Left(), pushed);
  for (const char* item : {"mnuShowSbar", "mnuBigSymbols", "mnuShowFolderInfo"}) {
    SCOPED_TRACE(item);
    ChooseFromMenuBar("mnuAnsicht", {item});
    EXPECT_EQ(f.imgSplitter().Left(), pushed);
    EXPECT_EQ(f.tvMain().Width(), pushed - kTreeGap);
  }
}

TEST_F(CommandsTest, TheBackgroundShowsTheChosenPictureOrTheProgramsOwn) {
  Folder("Top");
  MainForm& f = StartInFront();
  const forms::PictureRef own = forms::LoadPictureResource(kDefaultBackgroundBitmap);
  ASSERT_TRUE(own);
  struct Case {
    const char* label;
    std::string file;
    int width;  // pixels of the picture shown; 0: none
  } cases[] = {{"no file chosen", "", own->widthPixels()},
               {"a picture file", PictureFile(), 3},
               {"a file that is not there", "Z:\\no\\such\\picture.bmp", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ASSERT_FALSE(f.parts().mnuShowBackground.Checked());
    gOptions.BackgroundImage = c.file;
    ChooseFromMenuBar("mnuAnsicht", {"mnuShowBackground"});
    EXPECT_TRUE(f.parts().mnuShowBackground.Checked());
    forms::PictureRef shown = f.lstItems().Picture();
    EXPECT_EQ(shown ? shown->widthPixels() : 0, c.width);
    if (c.file.empty() && shown) EXPECT_EQ(shown->heightPixels(), own->heightPixels());
    ChooseFromMenuBar("mnuAnsicht", {"mnuShowBackground"});
    EXPECT_FALSE(f.parts().mnuShowBackground.Checked());
    EXPECT_EQ(f.lstItems().Picture(), nullptr);
  }
}

TEST_F(CommandsTest, EndSavesTheLayoutAndEndsTheProgram) {
  Folder("Top");
  MainForm& f = StartInFront();
  OpenFolder("Top");
  ChooseFromMenuBar("mnuAnsicht", {"mnuShowSbar"});
  const bool statusBar = f.parts().mnuShowSbar.Checked();
  ChooseFromMenuBar("mnuDatei", {"mnuEnd"});
  ASSERT_TRUE(PumpUntil([&] { return !form->Loaded(); }));
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(Root("ShowStatusbar"), statusBar ? "1" : "0");
  EXPECT_EQ(Root("LastOpenFolder"), "Top");
  form.reset();
}

// The folder popup from the keyboard opens the folder it was shown for, wherever the mouse was
// last above the list.
TEST_F(CommandsTest, OpenInTheFolderPopupOfTheKeyboardOpensTheSelectedFolder) {
  Folder("Top");
  Folder("Top\\Sub");
  Folder("Top\\Other");
  Connection("Top\\Sub", "inside");
  MainForm& f = StartInFront();
  OpenFolder("Top");
  Click(ItemPoint(ItemNamed("Sub")));
  ASSERT_TRUE(PumpUntil([&] { return f.lstItems().SelectedItem() && f.lstItems().SelectedItem()->Text() == "Sub"; }));
  const POINT other = ItemPoint(ItemNamed("Other"));
  ASSERT_TRUE(MoveMouseUntil(other, [&] {
    return f.lstItems().HitTest(static_cast<int>(gLastMouseX), static_cast<int>(gLastMouseY)) == ItemNamed("Other");
  }));
  PopupDriver driver(f.parts().mnuPopUpFolderLV.popup(), {Id("mnuPopUpFolderLV_open")});
  PressKey(VK_APPS);
  ASSERT_TRUE(PumpUntil([&] { return driver.done(); }, 10000));
  ASSERT_TRUE(PumpUntil([&] { return f.lstItems().Tag() == "Top\\Sub"; })) << "the list shows " << f.lstItems().Tag();
  EXPECT_THAT(ListTexts(), ElementsAre("inside"));
}

// A list item dragged towards the tree passes the bars: the image follows below the bar, the
// tree goes on scrolling, and a drop there moves nothing.
TEST_F(CommandsTest, TheDragImagePassesTheBarsAndADropThereMovesNothing) {
  for (int i = 0; i < 40; ++i) Folder("Zweig " + std::to_string(100 + i));
  Folder("Top");
  Connection("Top", "alpha");
  SetRoot("ShowStatusbar", "1");
  MainForm& f = StartInFront();
  OpenFolder("Top");
  forms::PictureBox& image = f.Picture1();
  forms::ListItemRef item = ItemNamed("alpha");
  const POINT from = ItemPoint(item);
  AwayFromLastClick(from);
  MoveMouse(from);
  SendKey(VK_SHIFT, false);
  SendMouse(MOUSEEVENTF_LEFTDOWN, from);
  NoteClick(from);
  ASSERT_TRUE(PumpUntil([&] { return f.DragListItem == item; }));
  SendKey(VK_SHIFT, true);

  RECT tree{}, status{}, bar{};
  GetWindowRect(f.tvMain().hWnd(), &tree);
  GetWindowRect(f.StatusBar1().hWnd(), &status);
  GetWindowRect(f.Toolbar1().hWnd(), &bar);
  const int x = (tree.left + tree.right) / 2;
  // The tree's bottom zone: the drag is on and the tree scrolls down.
  ASSERT_TRUE(MoveMouseUntil({x, tree.bottom - 5}, [&] { return f.Drag().Active() && f.Timer1().Enabled(); }));
  EXPECT_FALSE(f.AutoScrollUp);
  // Onto the status bar.
  const POINT onStatus{x + 10, (status.top + status.bottom) / 2};
  auto placedBelow = [&](const forms::Control& over, POINT at) {
    const POINT twips = over.ScreenToTwips(at);
    return std::abs(image.Left() - twips.x) <= 15 &&
           std::abs(image.Top() - (over.Top() + over.Height() + twips.y)) <= 15;
  };
  ASSERT_TRUE(MoveMouseUntil(onStatus, [&] { return placedBelow(f.StatusBar1(), onStatus); }))
      << image.Left() << "," << image.Top();
  EXPECT_TRUE(f.Timer1().Enabled()) << "the tree goes on scrolling";
  const int scrolled = GetScrollPos(f.tvMain().hWnd(), SB_VERT);
  EXPECT_TRUE(PumpUntil([&] { return GetScrollPos(f.tvMain().hWnd(), SB_VERT) > scrolled; }));
  EXPECT_TRUE(image.Visible());
  // Up through the tree's top zone onto the toolbar.
  ASSERT_TRUE(MoveMouseUntil({x, tree.top + 3}, [&] { return f.AutoScrollUp && f.Timer1().Enabled(); }));
  const POINT onBar{x + 10, (bar.top + bar.bottom) / 2};
  ASSERT_TRUE(MoveMouseUntil(onBar, [&] { return placedBelow(f.Toolbar1(), onBar); }))
      << image.Left() << "," << image.Top();
  EXPECT_TRUE(f.Timer1().Enabled());
  SendMouse(MOUSEEVENTF_LEFTUP, onBar);
  ASSERT_TRUE(PumpUntil([&] { return !f.Drag().Active(); }));
  Pump();
  EXPECT_FALSE(image.Visible());
  EXPECT_TRUE(PathExists("Top\\alpha"));
  EXPECT_EQ(f.DragListItem, nullptr);
  EXPECT_FALSE(f.Timer1().Enabled());
}

// The window as it starts, and with each View item changed from there.
TEST_F(CommandsTest, ScreenshotsOfTheViewToggles) {
  for (const char* f : {"Kunden", "Kunden\\Hamburg", "Intern"}) Folder(f);
  Connection("Kunden", "Kasse Filiale 1", "kasse1.example.com", "0", "", "geheim");
  Connection("Kunden", "Lager", "192.168.10.20", "1");
  SetRoot("LastOpenFolder", "Kunden");
  SetRoot("ShowStatusbar", "1");
  MainForm& f = StartInFront();
  f.Move(900, 900, 11400, 6600);
  Pump();
  auto shoot = [&](const std::string& name) {
    SetForegroundWindow(f.hWnd());
    f.Refresh();
    Pump();
    const std::string path = std::string(CORVANA_VIEW_SCREENSHOT_BASE) + name + ".bmp";
    ASSERT_TRUE(SaveWindowPicture(f.hWnd(), path));
    std::printf("screenshot: %s\n", path.c_str());
  };
  shoot("start");
  for (const char* item : {"mnuBigSymbols", "mnuShowSbar", "mnuShowBackground", "mnuShowFolderInfo"}) {
    ChooseFromMenuBar("mnuAnsicht", {item});
    shoot(item);
    ChooseFromMenuBar("mnuAnsicht", {item});
  }
}

}  // namespace
