// The notification-area menu's content for a store the test builds, read back from the menu
// handles: each folder's connections, then its subfolders, then its pcAnywhere entries; folders
// only at the top; each item owner-drawn with the picture of its kind and its ItemPath as Key.
#include <gmock/gmock.h>

#include "main_window/tray_menu_level.h"
#include "tray_menu_fixture.h"

using namespace corvana;
using namespace corvana::test;

namespace {

class TrayMenuStructureTest : public TrayMenuTest {
 protected:
  // The menu as text: "caption<kind>" for an item, "caption<kind>{...}" for a submenu, where kind
  // is F, V or P by the picture, and each item's Key checked against its place.
  std::string Describe(const SystrayMenu& menu, HMENU handle, const std::string& folder = "") {
    std::string text;
    const int count = GetMenuItemCount(handle);
    for (int i = 0; i < count; ++i) {
      MENUITEMINFOA info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
      EXPECT_TRUE(GetMenuItemInfoA(handle, static_cast<UINT>(i), TRUE, &info));
      EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
      const MenuItemRecord* item = menu.Item(info.wID);
      if (!item) {
        ADD_FAILURE() << "no record for id " << info.wID;
        continue;
      }
      EXPECT_EQ(item->Key, JoinItemPath(folder, item->Caption));
      EXPECT_EQ(item->hSubMenu, info.hSubMenu);
      if (!text.empty()) text += " ";
      text += item->Caption + "<" + Kind(item->Picture) + ">";
      if (info.hSubMenu) text += "{" + Describe(menu, info.hSubMenu, item->Key) + "}";
    }
    return text;
  }
  std::string Kind(const forms::PictureRef& picture) const {
    if (!picture) return "";
    if (picture == pictures.Folder) return "F";
    if (picture == pictures.VNC) return "V";
    if (picture == pictures.PCAW) return "P";
    return "?";
  }
  std::string Build() {
    MainForm& f = *form;
    pictures = {f.parts().picFolder.Picture(), f.parts().picVNC.Picture(), f.parts().picPCAW.Picture()};
    menu.InitMenu(f);
    AddTrayMenuFolders(menu, pictures);
    return Describe(menu, menu.GetMenuHandle());
  }
  static void PcAWEntry(const std::string& path, const std::string& file) { ASSERT_TRUE(SetPcAWFile(path, file)); }

  TrayMenuPictures pictures;
  SystrayMenu menu;
};

TEST_F(TrayMenuStructureTest, ConnectionsThenSubfoldersThenPcAnywhereEntriesWithFoldersOnlyAtTheTop) {
  // Names that the store lists in another order than the menu's.
  Folder("Kunden");
  PcAWEntry("Kunden\\A Filiale", WriteConnectionFile("a", "ComputerName=FIL-A\n"));
  Folder("Kunden\\B Leer");
  Connection("Kunden", "C Kasse");
  PcAWEntry("Kunden\\D Kaputt", WriteConnectionFile("d", "#nothing\n"));
  Connection("Kunden", "E Lager");
  PcAWEntry("Kunden\\F Fehlt", "C:\\nirgends\\F Fehlt.chf");
  Folder("Intern");
  Folder("Intern\\Server");
  Folder("Intern\\Server\\Rack");
  Connection("Intern\\Server\\Rack", "web");
  Connection("Intern", "Drucker");
  Start();
  // Outside every folder (put there after the window's load, which would take them into a folder
  // of their own): not in the menu.
  Connection("", "Lose");
  PcAWEntry("Lose Datei", WriteConnectionFile("lose", "ComputerName=LOSE\n"));

  EXPECT_EQ(Build(),
            "Intern<F>{Drucker<V> Server<F>{Rack<F>{web<V>}}} "
            "Kunden<F>{C Kasse<V> E Lager<V> B Leer<F>{} A Filiale<P>}");
  // The unreadable entries are left out without a word.
  EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(TrayMenuStructureTest, AnEmptyStoreGivesAnEmptyMenuAndAFolderWithoutEntriesAnEmptySubmenu) {
  Start();
  // The window makes a first folder for an empty store; without it the store is empty.
  DeleteKeyTree(form->tvMain().Roots().front()->Key());
  EXPECT_EQ(Build(), "");
  EXPECT_EQ(GetMenuItemCount(menu.GetMenuHandle()), 0);

  Folder("Leer");
  SystrayMenu again;
  again.InitMenu(*form);
  AddTrayMenuFolders(again, pictures);
  EXPECT_EQ(Describe(again, again.GetMenuHandle()), "Leer<F>{}");
}

TEST_F(TrayMenuStructureTest, ItemsAreNumberedFromOneInTheOrderTheyCome) {
  Folder("Kunden");
  Connection("Kunden", "Kasse");
  Start();
  Build();
  const MenuItemRecord* folder = menu.Item(1);
  const MenuItemRecord* connection = menu.Item(2);
  ASSERT_TRUE(folder && connection);
  EXPECT_EQ(folder->Caption, "Kunden");
  EXPECT_EQ(folder->ID, 1u);
  EXPECT_EQ(connection->Key, "Kunden\\Kasse");
  EXPECT_EQ(connection->ID, 2u);
  EXPECT_EQ(connection->hSubMenu, nullptr);
  EXPECT_EQ(menu.Item(0), nullptr);
  EXPECT_EQ(menu.Item(3), nullptr);
  // The ID given is not used.
  menu.AddMenuItem(menu.GetMenuHandle(), 4711, "Extra", nullptr, "x");
  ASSERT_TRUE(menu.Item(3));
  EXPECT_EQ(menu.Item(3)->Key, "x");
}

TEST_F(TrayMenuStructureTest, DestroyMenusTakesEverySubmenuAlong) {
  SeedStore();
  Start();
  Build();
  std::vector<HMENU> submenus;
  for (UINT id = 1; const MenuItemRecord* item = menu.Item(id); ++id)
    if (item->hSubMenu) submenus.push_back(item->hSubMenu);
  ASSERT_EQ(submenus.size(), 4u);
  const HMENU top = menu.GetMenuHandle();
  menu.DestroyMenus();
  EXPECT_FALSE(IsMenu(top));
  for (HMENU sub : submenus) EXPECT_FALSE(IsMenu(sub));
  EXPECT_EQ(menu.GetMenuHandle(), nullptr);
  // The records stay until the next menu.
  EXPECT_TRUE(menu.Item(1));
}

}  // namespace
