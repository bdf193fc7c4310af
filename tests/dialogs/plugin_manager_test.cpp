// The plug-in manager frmPlugin and its editor frmEditPluginValue, worked with the real mouse and
// keyboard on a desktop of their own; what OK stores is read back from the plug-in key itself.
#include "dialogs/plugin_manager.h"

#include <gmock/gmock.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/message_box.h"
#include "core/plugin_list.h"
#include "core/registry_store.h"
#include "core/registry_value.h"
#include "core/string_table.h"
#include "dialog_fixture.h"
#include "dialogs/edit_plugin_value.h"
#include "forms/declaration_builder.h"
#include "forms/message_loop.h"
#include "resources/string_ids.h"
#include "support/dialog_driver.h"
#include "support/key_values.h"
#include "support/message_box_watcher.h"
#include "support/real_input.h"
#include "support/registry_sandbox.h"
#include "support/window_picture.h"

using namespace corvana;
using namespace corvana::test;
using corvana::dialogs::frmEditPluginValue;
using corvana::dialogs::frmPlugin;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

// Every value of the plug-in key as the registry holds it: name -> type and data, NUL and all.
std::map<std::string, std::string> StoredValues() { return AllValuesOf(OpenPluginList().get()); }

// The plug-ins as the program reads them, "name=template" in the store's order.
std::vector<std::string> Stored() {
  std::vector<std::string> stored;
  if (RegKey key = OpenPluginList())
    for (const PluginEntry& p : ReadPlugins(key.get())) stored.push_back(p.Name + "=" + p.CommandTemplate);
  return stored;
}

void Store(const std::string& name, const std::string& commandTemplate) {
  RegKey key = CreatePluginList();
  ASSERT_TRUE(WriteStringValue(key.get(), name, commandTemplate)) << name;
}

std::string NewRow() { return LoadResString(IDS_NEW_PLUGIN) + "="; }

forms::FormDecl OpenerDeclaration() {
  forms::FormDecl f;
  f.name = "frmOpener";
  f.caption = "Opener";
  f.left = 1500;
  f.top = 1200;
  return f;
}

class PluginManagerTest : public DialogTest {
 protected:
  void SetUp() override {
    opener.Show();
    PumpUntil([&] { return opener.Visible(); });
  }
  void TearDown() override {
    if (manager && manager->Loaded()) manager->UnloadForm();
  }

  // The manager loaded from the store and in front, for the mouse and the keys.
  frmPlugin& Open() {
    manager = std::make_unique<frmPlugin>(opener);
    manager->Show();
    EXPECT_TRUE(InFront(manager->hWnd()));
    return *manager;
  }
  const frmPlugin::Parts& p() const { return manager->parts(); }

  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (const auto& row : p().lvPlugin.Items()) rows.push_back(row->Text() + "=" + row->SubItem(1));
    return rows;
  }

  void Click(const forms::Control& c) { ClickAt(MiddleOf(c.hWnd())); }
  // A click on the row's name.
  void ClickRow(int index) {
    HWND list = p().lvPlugin.hWnd();
    RECT r{};
    r.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(index - 1), reinterpret_cast<LPARAM>(&r));
    POINT at{r.left + 8, (r.top + r.bottom) / 2};
    ClientToScreen(list, &at);
    ClickAt(at);
    ASSERT_TRUE(PumpUntil([&] { return p().lvPlugin.SelectedItem() == p().lvPlugin.Item(index); })) << index;
  }
  void ClickOk() {
    Click(p().cmdClose);
    ASSERT_TRUE(PumpUntil([&] { return !manager->Loaded(); }));
  }

  // What the editor showed when it came, and the editor's window then.
  struct EditorSeen {
    bool shown = false;
    std::string caption, name, value, help;
  };
  // Clicks "Bearbeiten", which opens the editor modal on this thread, while Work types into it
  // from another thread; the editor is closed in any case.
  EditorSeen ClickEdit(const std::function<void(frmEditPluginValue& editor)>& work) {
    EditorSeen seen;
    std::atomic<bool> done{false}, handled{false};
    forms::CommandButton& edit = p().cmdEdit;
    const std::function<void()> command = edit.Click;
    edit.Click = [&] {
      command();
      handled = true;
    };
    const DWORD ui = GetCurrentThreadId();
    std::thread driver([&] {
      HWND wnd = nullptr;
      WaitFor([&] {
        wnd = FindShownWindow([](HWND w) { return dynamic_cast<frmEditPluginValue*>(forms::FormFromWindow(w)) != nullptr; });
        return wnd || handled;
      });
      if (wnd) {
        auto* editor = dynamic_cast<frmEditPluginValue*>(forms::FormFromWindow(wnd));
        seen.shown = true;
        seen.caption = WindowTextOf(wnd);
        seen.name = WindowTextOf(editor->parts().txtPluginName.hWnd());
        seen.value = WindowTextOf(editor->parts().txtPluginValue.hWnd());
        seen.help = WindowTextOf(editor->parts().lblHelp.hWnd());
        BringToFront(wnd);
        WaitFor([&] { return FocusOf(ui) != nullptr && IsChild(wnd, FocusOf(ui)); });
        work(*editor);
        if (!WaitFor([&] { return !IsWindow(wnd); })) PostMessageA(wnd, WM_CLOSE, 0, 0);
      }
      done = true;
    });
    Click(edit);
    EXPECT_TRUE(PumpUntil([&] { return done && handled; }, 20000));
    driver.join();
    edit.Click = command;
    return seen;
  }
  // From the editor's thread of work: a click on the button.
  static void PressButton(HWND button) {
    const POINT at = MiddleOf(button);
    SendMouse(MOUSEEVENTF_LEFTDOWN, at);
    SendMouse(MOUSEEVENTF_LEFTUP, at);
  }
  // From the editor's thread of work: Text typed over what the box held ("" empties it).
  static void Retype(HWND box, const std::string& text) {
    const POINT at = MiddleOf(box);
    SendMouse(MOUSEEVENTF_LEFTDOWN, at);
    SendMouse(MOUSEEVENTF_LEFTUP, at);
    WaitFor([&] { return FocusOf(GetWindowThreadProcessId(box, nullptr)) == box; });
    PressKey(VK_END);
    PressKey(VK_HOME, {VK_SHIFT});
    if (text.empty())
      PressKey(VK_DELETE);
    else
      TypeText(text);
    WaitFor([&] { return WindowTextOf(box) == text; });
  }

  RegistrySandbox sandbox;
  MessageBoxWatcher boxes;
  forms::Form opener{OpenerDeclaration()};
  std::unique_ptr<frmPlugin> manager;
};

TEST_F(PluginManagerTest, OpensWithTheStoredPluginsBesideItsOpenerInGerman) {
  const std::string longTemplate = "tool.exe " + std::string(300, 'x') + " %1";
  Store("Ping", "ping -n 1 %1");
  Store("Lang", longTemplate);
  {
    RegKey key = CreatePluginList();
    const char cut[] = "telnet %1\0 23";
    ASSERT_EQ(RegSetValueExA(key.get(), "Telnet", 0, REG_SZ, reinterpret_cast<const BYTE*>(cut), sizeof cut - 1),
              ERROR_SUCCESS);
  }
  opener.Move(1800, 1500, opener.Width(), opener.Height());
  Open();
  EXPECT_EQ(manager->Caption(), "Plugin's");
  EXPECT_EQ(p().cmdNew.Caption(), LoadResString(IDS_PLUGIN_NEW));
  EXPECT_EQ(p().cmdEdit.Caption(), LoadResString(IDS_MENU_EDIT));
  EXPECT_EQ(p().cmdDel.Caption(), LoadResString(IDS_MENU_DELETE));
  EXPECT_EQ(p().cmdClose.Caption(), LoadResString(IDS_OK));
  EXPECT_EQ(p().cmdCancel.Caption(), LoadResString(IDS_CANCEL));
  ASSERT_EQ(p().lvPlugin.ColumnCount(), 2);
  EXPECT_EQ(p().lvPlugin.Column(1)->Text(), "Name");
  EXPECT_EQ(p().lvPlugin.Column(2)->Text(), "Wert");
  EXPECT_EQ(p().lvPlugin.View(), forms::kReportView);
  // In the store's order; a long template whole, one with a NUL up to it.
  EXPECT_THAT(Rows(), UnorderedElementsAre("Ping=ping -n 1 %1", "Lang=" + longTemplate, "Telnet=telnet %1"));
  EXPECT_EQ(Rows(), Stored());
  // One pixel is 15 twips: the place is kept to the pixel.
  EXPECT_NEAR(manager->Left(), opener.Left() + 100, 15);
  EXPECT_NEAR(manager->Top(), opener.Top() + 100, 15);
  EXPECT_EQ(GetWindow(manager->hWnd(), GW_OWNER), nullptr);
  EXPECT_TRUE(IsWindowEnabled(opener.hWnd()));
}

TEST_F(PluginManagerTest, OpeningWithoutAPluginKeyMakesAnEmptyOne) {
  ASSERT_FALSE(OpenPluginList());
  Open();
  EXPECT_THAT(Rows(), IsEmpty());
  EXPECT_TRUE(OpenPluginList());
  EXPECT_THAT(StoredValues(), IsEmpty());
}

TEST_F(PluginManagerTest, ANewRowSavedUnchangedIsANewPluginWithAnEmptyTemplate) {
  Store("Ping", "ping %1");
  Open();
  Click(p().cmdNew);
  ASSERT_TRUE(PumpUntil([&] { return p().lvPlugin.ItemCount() == 2; }));
  EXPECT_THAT(Rows(), ElementsAre("Ping=ping %1", NewRow()));
  ClickOk();
  EXPECT_THAT(Stored(), UnorderedElementsAre("Ping=ping %1", NewRow()));
  // A text value, its data the empty text.
  const std::string stored = StoredValues()[LoadResString(IDS_NEW_PLUGIN)];
  EXPECT_TRUE(stored == "1:" || stored == std::string("1:") + '\0') << stored;
  EXPECT_THAT(boxes.seen(), IsEmpty());
}

TEST_F(PluginManagerTest, TheEditorShowsTheRowAndOkWritesBothTextsBackUnchecked) {
  Store("Ping", "ping %1");
  Store("Trace", "tracert %1");
  Open();
  const int row = Rows()[0] == "Ping=ping %1" ? 1 : 2;
  ClickRow(row);
  const EditorSeen seen = ClickEdit([](frmEditPluginValue& editor) {
    Retype(editor.parts().txtPluginName.hWnd(), "");
    Retype(editor.parts().txtPluginValue.hWnd(), "ping -t %1 \"%2\"");
    PressKey(VK_RETURN);
  });
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.caption, LoadResString(IDS_EDIT_PLUGIN_TITLE));
  EXPECT_EQ(seen.name, "Ping");
  EXPECT_EQ(seen.value, "ping %1");
  EXPECT_EQ(seen.help, LoadResString(IDS_PLUGIN_VALUE_HELP));
  // An empty name is taken as it is: the plug-in becomes the key's unnamed value.
  EXPECT_EQ(p().lvPlugin.Item(row)->Text(), "");
  EXPECT_EQ(p().lvPlugin.Item(row)->SubItem(1), "ping -t %1 \"%2\"");
  ClickOk();
  EXPECT_THAT(Stored(), UnorderedElementsAre("=ping -t %1 \"%2\"", "Trace=tracert %1"));
  Open();
  EXPECT_THAT(Rows(), UnorderedElementsAre("=ping -t %1 \"%2\"", "Trace=tracert %1"));
}

TEST_F(PluginManagerTest, TheEditorsCancelLeavesTheRowAsItWas) {
  Store("Ping", "ping %1");
  Open();
  ClickRow(1);
  const EditorSeen seen = ClickEdit([](frmEditPluginValue& editor) {
    Retype(editor.parts().txtPluginName.hWnd(), "Anders");
    Retype(editor.parts().txtPluginValue.hWnd(), "anders %2");
    PressKey(VK_ESCAPE);
  });
  ASSERT_TRUE(seen.shown);
  EXPECT_THAT(Rows(), ElementsAre("Ping=ping %1"));
}

TEST_F(PluginManagerTest, EditAndDeleteWithoutASelectedRowDoNothing) {
  Store("Ping", "ping %1");
  Open();
  ASSERT_FALSE(p().lvPlugin.SelectedItem());
  const EditorSeen seen = ClickEdit([](frmEditPluginValue&) { PressKey(VK_ESCAPE); });
  EXPECT_FALSE(seen.shown);
  Click(p().cmdDel);
  EXPECT_THAT(Rows(), ElementsAre("Ping=ping %1"));
}

TEST_F(PluginManagerTest, DeleteRemovesTheRowAtOnceWithoutAsking) {
  Store("Ping", "ping %1");
  Store("Trace", "tracert %1");
  Open();
  const std::vector<std::string> before = Rows();
  ClickRow(1);
  Click(p().cmdDel);
  ASSERT_TRUE(PumpUntil([&] { return p().lvPlugin.ItemCount() == 1; }));
  EXPECT_THAT(boxes.seen(), IsEmpty());
  EXPECT_THAT(Rows(), ElementsAre(before[1]));
  ClickOk();
  EXPECT_THAT(Stored(), ElementsAre(before[1]));
}

TEST_F(PluginManagerTest, TwoRowsOfOneNameAreSavedAsOneWithTheLaterTemplate) {
  Store("Ping", "ping %1");
  Open();
  Click(p().cmdNew);
  ASSERT_TRUE(PumpUntil([&] { return p().lvPlugin.ItemCount() == 2; }));
  ClickRow(2);
  ClickEdit([](frmEditPluginValue& editor) {
    Retype(editor.parts().txtPluginName.hWnd(), "Ping");
    Retype(editor.parts().txtPluginValue.hWnd(), "ping -n 9 %1");
    PressButton(editor.parts().cmdOK.hWnd());
  });
  EXPECT_THAT(Rows(), ElementsAre("Ping=ping %1", "Ping=ping -n 9 %1"));
  ClickOk();
  EXPECT_THAT(Stored(), ElementsAre("Ping=ping -n 9 %1"));
}

TEST_F(PluginManagerTest, AnEmptyListSavesAnEmptyKey) {
  Store("Ping", "ping %1");
  Store("Trace", "tracert %1");
  Open();
  for (int left = 2; left > 0; --left) {
    ClickRow(1);
    Click(p().cmdDel);
    ASSERT_TRUE(PumpUntil([&] { return p().lvPlugin.ItemCount() == left - 1; }));
  }
  ClickOk();
  EXPECT_TRUE(OpenPluginList());
  EXPECT_THAT(StoredValues(), IsEmpty());
}

TEST_F(PluginManagerTest, CancelAfterEditsLeavesTheStoreAsItWas) {
  Store("Ping", "ping %1");
  Store("Trace", "tracert %1");
  const auto before = StoredValues();
  Open();
  Click(p().cmdNew);
  ClickRow(1);
  ClickEdit([](frmEditPluginValue& editor) {
    Retype(editor.parts().txtPluginValue.hWnd(), "anders");
    PressKey(VK_RETURN);
  });
  ClickRow(2);
  Click(p().cmdDel);
  ASSERT_TRUE(PumpUntil([&] { return p().lvPlugin.ItemCount() == 2; }));
  Click(p().cmdCancel);
  ASSERT_TRUE(PumpUntil([&] { return !manager->Loaded(); }));
  EXPECT_EQ(StoredValues(), before);
}

// A list that cannot be stored: the stored plug-ins stay as they were, the manager says so and
// stays open with its rows, so that the user can try again or cancel.
class ASaveThatFails : public PluginManagerTest {
 protected:
  // New, delete the first row, OK; the store as it was before.
  void ChangeAndClickOk(const std::function<void()>& beforeOk = {}) {
    before_ = StoredValues();
    Click(p().cmdNew);
    ClickRow(1);
    Click(p().cmdDel);
    if (beforeOk) beforeOk();
    rows_ = Rows();
    Click(p().cmdClose);
    ASSERT_TRUE(PumpUntil([&] { return boxes.seen().size() == 1; }));
    Pump();
  }
  void ExpectRefused() {
    const auto seen = boxes.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, kProductTitle);
    EXPECT_EQ(seen[0].text, LoadResString(IDS_CHANGES_NOT_SAVED));
    EXPECT_TRUE(manager->Loaded());
    EXPECT_EQ(Rows(), rows_);
    EXPECT_EQ(StoredValues(), before_);
  }
  std::map<std::string, std::string> before_;
  std::vector<std::string> rows_;
};

// A sub-key that can be neither opened nor deleted: the key cannot be emptied.
TEST_F(ASaveThatFails, WhenThePluginKeyCannotBeEmptied) {
  Store("Ping", "ping %1");
  Store("Trace", "tracert %1");
  Open();
  ASSERT_TRUE(MakeDanglingLink(OpenPluginList().get(), "Stuck"));
  ChangeAndClickOk();
  ExpectRefused();
  RemoveDanglingLink(OpenPluginList().get(), "Stuck");
}

// A name longer than the registry takes (one can be pasted into the editor): the rows written
// before it are taken out again and the old ones put back.
TEST_F(ASaveThatFails, WhenARowCannotBeWritten) {
  Store("Ping", "ping %1");
  Store("Trace", "tracert %1");
  Open();
  ChangeAndClickOk([&] {
    ASSERT_TRUE(PumpUntil([&] { return p().lvPlugin.ItemCount() == 2; }));
    p().lvPlugin.Item(2)->SetText(std::string(16384, 'n'));
  });
  ExpectRefused();
}

// Below a volatile key no lasting key can be created: there is no plug-in key, and none comes.
TEST_F(ASaveThatFails, WhenThePluginKeyCannotBeCreated) {
  {
    RegKey product;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, ProductKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              product.put(), nullptr),
              ERROR_SUCCESS);
  }
  Open();
  EXPECT_THAT(Rows(), IsEmpty());
  Click(p().cmdNew);
  Click(p().cmdClose);
  ASSERT_TRUE(PumpUntil([&] { return boxes.seen().size() == 1; }));
  EXPECT_TRUE(manager->Loaded());
  EXPECT_FALSE(OpenPluginList());
}

// One picture of each form, in the build tree.
TEST_F(PluginManagerTest, Screenshots) {
  Store("Ping", "ping -n 4 %1");
  Store("Traceroute", "tracert -d %1");
  Store("Telnet", "telnet.exe %1 23");
  Store("Fernwartung", "C:\\Programme\\Tools\\remote.exe /host:%1 /name:\"%2\"");
  Open();
  ClickRow(2);
  Pump();
  manager->Refresh();
  Pump();
  const std::string managerShot = std::string(CORVANA_PLUGIN_SCREENSHOT_BASE) + "plugin_manager.bmp";
  EXPECT_TRUE(SaveWindowPicture(manager->hWnd(), managerShot));
  std::printf("screenshot: %s\n", managerShot.c_str());

  const std::string editorShot = std::string(CORVANA_PLUGIN_SCREENSHOT_BASE) + "edit_plugin_value.bmp";
  std::atomic<bool> saved{false};
  ClickEdit([&](frmEditPluginValue& editor) {
    // The picture once the editor has painted its last button.
    WaitFor([&] { return !GetUpdateRect(editor.parts().cmdCancel.hWnd(), nullptr, FALSE); });
    saved = SaveWindowPicture(editor.hWnd(), editorShot);
    PressKey(VK_ESCAPE);
  });
  EXPECT_TRUE(saved);
  std::printf("screenshot: %s\n", editorShot.c_str());
}

}  // namespace
