// The plug-in manager as the View menu's "Plugin's..." opens it: beside the main window, modeless
// and without an owner; asked for again it only comes to the front; it goes with the main window.
#include <gmock/gmock.h>

#include "browse/browse_fixture.h"
#include "browse/popup_driver.h"
#include "core/plugin_list.h"
#include "core/registry_value.h"
#include "core/string_table.h"
#include "dialogs/plugin_manager.h"
#include "resources/string_ids.h"

using namespace corvana;
using namespace corvana::test;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

namespace {

std::vector<std::string> Rows(const forms::ListView& list) {
  std::vector<std::string> rows;
  for (const auto& row : list.Items()) rows.push_back(row->Text() + "=" + row->SubItem(1));
  return rows;
}

std::vector<std::string> StoredPlugins() {
  std::vector<std::string> stored;
  if (RegKey key = OpenPluginList())
    for (const PluginEntry& p : ReadPlugins(key.get())) stored.push_back(p.Name + "=" + p.CommandTemplate);
  return stored;
}

std::string NewRow() { return LoadResString(IDS_NEW_PLUGIN) + "="; }

POINT Middle(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class PluginManagerRoadTest : public BrowseTest {
 protected:
  // "Plugin's..." in the View menu of the menu bar, with the mouse.
  void ChoosePluginManagement() {
    MainForm& f = *form;
    HMENU bar = GetMenu(f.hWnd());
    int view = -1;
    for (int i = 0; i < GetMenuItemCount(bar); ++i)
      if (GetSubMenu(bar, i) == f.parts().mnuAnsicht.popup()) view = i;
    ASSERT_GE(view, 0);
    RECT r{};
    ASSERT_TRUE(GetMenuItemRect(f.hWnd(), bar, static_cast<UINT>(view), &r));
    PopupDriver driver(f.parts().mnuAnsicht.popup(), {f.parts().mnuPluginManagement.id()});
    Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    ASSERT_TRUE(PumpUntil([&] { return driver.done(); }, 10000));
    Pump();
  }
  // The manager's window of this process, found by its caption.
  static dialogs::frmPlugin* Manager() {
    HWND wnd = FindWindowA(nullptr, "Plugin's");
    return wnd ? dynamic_cast<dialogs::frmPlugin*>(forms::FormFromWindow(wnd)) : nullptr;
  }
};

TEST_F(PluginManagerRoadTest, OpensBesideTheWindowModelessAndOnlyOnce) {
  {
    RegKey key = CreatePluginList();
    ASSERT_TRUE(WriteStringValue(key.get(), "Ping", "ping %1"));
    ASSERT_TRUE(WriteStringValue(key.get(), "Trace", "tracert %1"));
  }
  MainForm& f = StartInFront();
  f.Move(1500, 1200, f.Width(), f.Height());
  ChoosePluginManagement();
  dialogs::frmPlugin* manager = Manager();
  ASSERT_TRUE(manager);
  ASSERT_TRUE(PumpUntil([&] { return manager->Visible(); }));
  // One pixel is 15 twips: the place is kept to the pixel.
  EXPECT_NEAR(manager->Left(), f.Left() + 100, 15);
  EXPECT_NEAR(manager->Top(), f.Top() + 100, 15);
  EXPECT_EQ(GetWindow(manager->hWnd(), GW_OWNER), nullptr);
  EXPECT_TRUE(IsWindowEnabled(f.hWnd())) << "the manager is modeless";
  EXPECT_THAT(Rows(manager->parts().lvPlugin), ElementsAre("Ping=ping %1", "Trace=tracert %1"));
  EXPECT_EQ(Rows(manager->parts().lvPlugin), StoredPlugins());

  // Asked for again while it is open: the same window, in front, its rows as the user left them.
  Click(Middle(manager->parts().cmdNew.hWnd()));
  ASSERT_TRUE(PumpUntil([&] { return manager->parts().lvPlugin.ItemCount() == 3; }));
  SetForegroundWindow(f.hWnd());
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == f.hWnd(); }));
  const HWND first = manager->hWnd();
  ChoosePluginManagement();
  EXPECT_EQ(Manager(), manager);
  EXPECT_EQ(manager->hWnd(), first);
  EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == first; }));
  EXPECT_EQ(manager->parts().lvPlugin.ItemCount(), 3);

  Click(Middle(manager->parts().cmdClose.hWnd()));
  ASSERT_TRUE(PumpUntil([&] { return !manager->Loaded(); }));
  EXPECT_THAT(StoredPlugins(), UnorderedElementsAre("Ping=ping %1", "Trace=tracert %1", NewRow()));

  // Opened again after OK it is loaded afresh from the store, in the store's order.
  ChoosePluginManagement();
  ASSERT_EQ(Manager(), manager);
  EXPECT_EQ(Rows(manager->parts().lvPlugin), StoredPlugins());
}

TEST_F(PluginManagerRoadTest, GoesWithTheMainWindow) {
  StartInFront();
  ChoosePluginManagement();
  dialogs::frmPlugin* manager = Manager();
  ASSERT_TRUE(manager);
  const HWND wnd = manager->hWnd();
  Exit();
  EXPECT_FALSE(IsWindow(wnd));
}

}  // namespace
