// The list's popup menus opened by a right click or the context-menu key, read back from the menu
// on the screen: which entries are on, off or hidden for the item and the selection, the folder
// popup with its bold default entry, and no menu for other buttons and other items.
#include <gmock/gmock.h>

#include <fstream>

#include "browse_fixture.h"
#include "popup_driver.h"
#include "support/window_picture.h"

using namespace corvana;
using namespace corvana::test;

namespace {

constexpr WORD kContextMenuKey = VK_APPS;

// The entries of the enable table, in the order of the expected texts below.
const char* const kTableEntries[] = {"mnuRootConnect",
                                     "mnuConnect",
                                     "mnuConnectWithJava",
                                     "mnuConnectWithInternalBrowser",
                                     "mnuFileTransferWithVNCFS",
                                     "mnuPcAW_Connect",
                                     "mnuTools",
                                     "mnuEdit",
                                     "mnuRename",
                                     "mnuCopyConnection",
                                     "mnuCutConnection",
                                     "mnuDelete",
                                     "mnuPasteConnection",
                                     "mnuNew"};

// '+' on, '-' off, 'h' hidden, one per entry of kTableEntries.
std::string ShownText(const std::vector<Shown>& shown) {
  std::string text;
  for (Shown s : shown) text += s == Shown::Hidden ? 'h' : s == Shown::Off ? '-' : '+';
  return text;
}

class ListPopupTest : public BrowseTest {
 protected:
  void SetUp() override {
    BrowseTest::SetUp();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    files_ = std::string(temp) + "corvana-popup-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(files_.c_str(), nullptr);
  }
  void TearDown() override {
    BrowseTest::TearDown();
    for (const std::string& f : written_) DeleteFileA(f.c_str());
    RemoveDirectoryA(files_.c_str());
  }

  // A pcAnywhere entry whose connection file the stand-in server reads.
  void PcAWEntry(const std::string& folder, const std::string& name) {
    const std::string file = files_ + "\\" + name + ".chf";
    std::ofstream(file) << "ConnectionType=TCP/IP\nComputerName=" << name << "-PC\n";
    written_.push_back(file);
    ASSERT_TRUE(SetPcAWFile(folder + "\\" + name, file));
  }

  // Top: the connections alpha and beta, the folder Sub, the pcAnywhere entries kasse and lager.
  MainForm& StartOnTop() {
    Folder("Top");
    Connection("Top", "alpha", "a.example", "1");
    Connection("Top", "beta", "b.example", "2");
    Folder("Top\\Sub");
    PcAWEntry("Top", "kasse");
    PcAWEntry("Top", "lager");
    MainForm& f = StartInFront();
    OpenFolder("Top");
    return f;
  }

  UINT Id(const char* name) const { return form->GetMenu(name).id(); }
  int Selected() const { return static_cast<int>(CountSelected(form->lstItems())); }

  // Ctrl+click on each item, the first one alone.
  void SelectItems(const std::vector<std::string>& names) {
    for (size_t i = 0; i < names.size(); ++i) {
      std::vector<WORD> modifiers;
      if (i > 0) modifiers.push_back(VK_CONTROL);
      Click(ItemPoint(ItemNamed(names[i])), modifiers);
    }
    ASSERT_TRUE(PumpUntil([&] { return Selected() == static_cast<int>(names.size()); }));
  }

  // Opens the popup (open), looks at the table's entries as the menu shows them and closes it.
  std::string TableAsShown(HMENU popup, const std::function<void()>& open) {
    std::vector<Shown> shown;
    PopupDriver driver(popup, {}, [&](HMENU menu) {
      for (const char* entry : kTableEntries) shown.push_back(EntryState(menu, Id(entry)));
    });
    open();
    EXPECT_TRUE(PumpUntil([&] { return driver.done(); }, 10000)) << "no popup menu came";
    Pump();
    return ShownText(shown);
  }

  std::string files_;
  std::vector<std::string> written_;
};

struct TableCase {
  const char* label;
  bool byKey;                         // the context-menu key, else a right click
  const char* target;                 // the item clicked; "" empty space (or, by key, nothing selected)
  std::vector<std::string> selected;  // selected first, with Ctrl
  bool hasClip;
  bool pcAWConnectBefore;  // kept as it is when there is no item
  const char* expected;
};

class ListPopupTable : public ListPopupTest, public ::testing::WithParamInterface<TableCase> {};

TEST_P(ListPopupTable, EnablesShowsAndHidesAsTheItemAndTheSelectionAsk) {
  const TableCase& c = GetParam();
  MainForm& f = StartOnTop();
  f.HasClip = c.hasClip;
  f.parts().mnuPcAW_Connect.SetEnabled(c.pcAWConnectBefore);
  if (!c.selected.empty()) SelectItems(c.selected);
  const std::string target = c.target;
  const std::string shown = TableAsShown(f.parts().mnuPopUp.popup(), [&] {
    if (c.byKey) {
      if (target.empty()) f.lstItems().SetFocus();
      PressKey(kContextMenuKey);
    } else {
      RightClick(target.empty() ? EmptyListPoint() : ItemPoint(ItemNamed(target)));
    }
  });
  EXPECT_EQ(shown, c.expected) << "entries: root connect, viewer, java, browser, file server, pcanywhere, tools, edit, "
                                  "rename, copy, cut, delete, paste, new";
  // The right click keeps a selection it lands in.
  if (c.selected.size() > 1) {
    EXPECT_EQ(Selected(), static_cast<int>(c.selected.size()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListPopupTable,
    ::testing::Values(
        TableCase{"EmptySpace", false, "", {}, false, true, "-----+-------+"},
        TableCase{"EmptySpaceWithClipboard", false, "", {}, true, false, "------------++"},
        TableCase{"OneConnection", false, "alpha", {}, false, false, "+++++-++++++h-"},
        TableCase{"ConnectionOfThree", false, "alpha", {"beta", "kasse", "alpha"}, true, true, "---------+++h-"},
        TableCase{"OnePcAWEntry", false, "kasse", {}, false, false, "+----+-+++++h-"},
        TableCase{"PcAWEntryOfTwo", false, "kasse", {"alpha", "kasse"}, false, true, "---------+++h-"},
        TableCase{"KeyWithNothingSelected", true, "", {}, true, true, "-----+------++"},
        TableCase{"KeyOnTheSelectedConnection", true, "beta", {"beta"}, false, true, "+++++-++++++h-"},
        TableCase{"KeyOnTheSelectedPcAWEntry", true, "lager", {"lager"}, true, false, "+----+-+++++h-"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ListPopupTest, AFolderItemShowsTheFolderPopupWithOpenInBold) {
  MainForm& f = StartOnTop();
  f.parts().mnuPcAW_Connect.SetEnabled(true);
  struct Seen {
    UINT defaultId = 0;
    Shown open = Shown::Hidden;
  };
  // The folder popup that a right click on Sub opens, as it showed.
  auto rightClickOnSub = [&](Seen& seen) {
    PopupDriver driver(f.parts().mnuPopUpFolderLV.popup(), {}, [&](HMENU menu) {
      seen.defaultId = GetMenuDefaultItem(menu, FALSE, GMDI_USEDISABLED);
      seen.open = EntryState(menu, Id("mnuPopUpFolderLV_open"));
    });
    RightClick(ItemPoint(ItemNamed("Sub")));
    ASSERT_TRUE(PumpUntil([&] { return driver.done(); }, 10000));
    Pump();
  };
  Seen alone;
  ASSERT_NO_FATAL_FAILURE(rightClickOnSub(alone));
  EXPECT_EQ(alone.defaultId, Id("mnuPopUpFolderLV_open"));
  EXPECT_EQ(alone.open, Shown::On);
  EXPECT_FALSE(f.parts().mnuPcAW_Connect.Enabled());
  // Three selected: the folder can not be opened from here.
  SelectItems({"alpha", "beta", "Sub"});
  Seen ofThree;
  ASSERT_NO_FATAL_FAILURE(rightClickOnSub(ofThree));
  EXPECT_EQ(ofThree.defaultId, Id("mnuPopUpFolderLV_open"));
  EXPECT_EQ(ofThree.open, Shown::Off);
  EXPECT_EQ(Selected(), 3);
}

TEST_F(ListPopupTest, OtherButtonsAndItemsOfAnotherKindShowNoMenu) {
  MainForm& f = StartOnTop();
  PopupDriver driver(nullptr, {});
  Click(ItemPoint(ItemNamed("alpha")));
  ASSERT_TRUE(PumpUntil([&] { return Selected() == 1; }));
  const POINT beta = ItemPoint(ItemNamed("beta"));
  AwayFromLastClick(beta);
  MoveMouse(beta);
  SendMouse(MOUSEEVENTF_MIDDLEDOWN, beta);
  SendMouse(MOUSEEVENTF_MIDDLEUP, beta);
  Pump();
  // An item whose Tag names no kind the list knows.
  forms::ListItemRef odd = ItemNamed("alpha");
  odd->SetTag("X");
  RightClick(ItemPoint(odd));
  ASSERT_TRUE(PumpUntil([&] { return f.lstItems().SelectedItem() == odd; }));
  Pump();
  EXPECT_FALSE(driver.seen());
  // The same right click on a connection does show one.
  RightClick(ItemPoint(ItemNamed("beta")));
  EXPECT_TRUE(PumpUntil([&] { return driver.seen(); }, 10000));
}

// The list's popup with its "Verbinden mit" submenu open, as a picture in the build tree.
TEST_F(ListPopupTest, ScreenshotOfThePopupWithItsConnectSubmenu) {
  MainForm& f = StartOnTop();
  bool saved = false;
  PopupDriver driver(f.parts().mnuPopUp.popup(), {Id("mnuRootConnect")}, [&](HMENU menu) {
    if (menu != f.parts().mnuRootConnect.popup()) return;
    RECT area{};
    GetWindowRect(f.hWnd(), &area);
    for (HWND w = FindWindowA("#32768", nullptr); w; w = FindWindowExA(nullptr, w, "#32768", nullptr)) {
      RECT r{};
      if (IsWindowVisible(w) && GetWindowRect(w, &r)) UnionRect(&area, &area, &r);
    }
    saved = SaveScreenPicture(area, CORVANA_LIST_POPUP_SCREENSHOT_PATH);
  });
  RightClick(ItemPoint(ItemNamed("alpha")));
  ASSERT_TRUE(PumpUntil([&] { return driver.done(); }, 10000));
  EXPECT_TRUE(saved);
  std::printf("screenshot: %s\n", CORVANA_LIST_POPUP_SCREENSHOT_PATH);
}

}  // namespace
