// The two connection dialogs worked with the real keyboard and mouse: their checks with their
// messages in their order, the record they store, their presets, the tabs and the password button.
#include <gmock/gmock.h>

#include <memory>

#include "connection_dialog_fixture.h"
#include "core/connection_record.h"
#include "core/message_box.h"
#include "core/registry_value.h"
#include "core/string_table.h"
#include "dialogs/edit_connection.h"
#include "dialogs/new_connection.h"
#include "resources/string_ids.h"
#include "support/window_picture.h"

using namespace corvana;
using namespace corvana::test;
using corvana::dialogs::ConnectionForm;
using corvana::dialogs::dlgEditConnection;
using corvana::dialogs::dlgNewConnection;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::string kProduct = kProductTitle;

struct Input {
  std::string name = "Kasse";
  std::string address = "kasse.example";
  std::string display = "1";
  std::string port = "6010";
  bool scale = false;
  std::string scale1, scale2;
};

// Exactly the one message box, with the text of Id and the title.
::testing::AssertionResult Seen(const std::vector<SeenMessageBox>& seen, int id, const std::string& title) {
  if (seen.size() == 1 && seen[0].text == LoadResString(id) && seen[0].title == title)
    return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure() << seen.size() << " message(s):";
  for (const SeenMessageBox& box : seen) failure << " [" << box.title << ": " << box.text << "]";
  return failure;
}

class ConnectionDialogsTest : public ConnectionDialogTest {
 protected:
  void SetUp() override {
    ConnectionDialogTest::SetUp();
    ASSERT_TRUE(CreateFolderKey("", "Kunden"));
  }
  void Open(ConnectionForm& dialog) {
    dialog.LoadForm();
    dialog.Show(forms::ShowMode::Modeless, &host.OwnerForm());
    InFront(dialog);
  }
  std::unique_ptr<dlgNewConnection> OpenNew(const std::string& folder = "Kunden") {
    auto dialog = std::make_unique<dlgNewConnection>(host);
    dialog->LoadForm();
    dialog->parts().txtFolder.SetText(folder);
    Open(*dialog);
    return dialog;
  }
  std::unique_ptr<dlgEditConnection> OpenEdit(const std::string& path, const std::string& folder = "Kunden") {
    auto dialog = std::make_unique<dlgEditConnection>();
    dialog->LoadForm();
    dialog->parts().txtFolder.SetText(folder);
    dialog->SetTag(path);
    dialog->Init();
    Open(*dialog);
    return dialog;
  }
  static void ShowTab(ConnectionForm& dialog, int index) {
    forms::TabStrip& tabs = dialog.parts().tbsOptions;
    for (int i = 0; i < 3 && tabs.SelectedItem()->Index() != index; ++i) {
      PressKey(VK_TAB, {VK_CONTROL});
      PumpUntil([&] { return tabs.SelectedItem()->Index() != index; }, 500);
    }
    PumpUntil([&] { return tabs.SelectedItem()->Index() == index; });
  }
  static void Fill(ConnectionForm& dialog, const Input& in) {
    const ConnectionForm::Parts& p = dialog.parts();
    ShowTab(dialog, 1);
    TypeInto(p.txtNameOfTheConnection, in.name);
    TypeInto(p.txtAdressOfConnection, in.address);
    TypeInto(p.txtDisplayOfConnection, in.display);
    TypeInto(p.txtVNCFSPort, in.port);
    ShowTab(dialog, 2);
    SetCheck(p.chkScale, in.scale);
    TypeInto(p.txtScale1, in.scale1);
    TypeInto(p.txtScale2, in.scale2);
  }
  // Enter clicks the default button, as the user confirms.
  static void Confirm(ConnectionForm& dialog) {
    ShowTab(dialog, 1);
    dialog.parts().txtPassword.SetFocus();
    PumpUntil([&] { return GetFocus() == dialog.parts().txtPassword.hWnd(); });
    PressKey(VK_RETURN);
    Pump();
  }
  static void StoreConnection(const std::string& folder, const std::string& name, const std::string& display = "1") {
    ConnectionRecord r;
    r.FolderPath = folder;
    r.ConnectionName = name;
    r.Host = "alt.example";
    r.Display = display;
    r.VNCFSPort = "6010";
    r.Password = "geheim";
    r.Encoding = "RRE";
    r.SharedSession = kTrue;
    r.ViewOnly = kTrue;
    ASSERT_TRUE(CreateConnectionKey(r));
  }
};

// Each wrong input shows its message with its title, first failure only; nothing is stored and
// the dialog keeps its contents.
TEST_F(ConnectionDialogsTest, NewDialogChecksInTheirOrder) {
  struct Case {
    const char* what;
    Input in;
    int id;
    std::string title;
  };
  Input noAddressNoName;
  noAddressNoName.address = "";
  noAddressNoName.name = "";
  Input noDisplay;
  noDisplay.display = "";
  Input noName;
  noName.name = "";
  Input noPort;
  noPort.port = "";
  Input scale1;
  scale1.scale = true, scale1.scale1 = "x", scale1.scale2 = "y";
  Input scale2;
  scale2.scale = true, scale2.scale1 = "2", scale2.scale2 = "halb";
  Input slash;
  slash.name = "Kasse\\Filiale";
  Input tooLong;
  tooLong.name = std::string(256, 'n');
  const Case cases[] = {
      {"address and name empty", noAddressNoName, IDS_ADDRESS_MISSING, kProduct},
      {"display empty", noDisplay, IDS_DISPLAY_MISSING, kProduct},
      {"name empty", noName, IDS_NAME_MISSING, kProduct},
      {"port empty", noPort, IDS_VNC_FS_PORT_MISSING, kProduct},
      {"scale 1", scale1, IDS_VALUE_NOT_NUMERIC, kProduct + " - Scale 1"},
      {"scale 2", scale2, IDS_VALUE_NOT_NUMERIC, kProduct + " - Scale 2"},
      {"backslash in the name", slash, IDS_CONNECTION_NAME_NOT_STORABLE, kProduct + " - Name"},
      {"name too long for a key", tooLong, IDS_CONNECTION_NAME_NOT_STORABLE, kProduct + " - Name"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto dialog = OpenNew();
    Fill(*dialog, c.in);
    boxes.clear();
    Confirm(*dialog);
    ASSERT_TRUE(PumpUntil([&] { return !boxes.seen().empty(); }));
    Pump();
    EXPECT_TRUE(Seen(boxes.seen(), c.id, c.title));
    EXPECT_TRUE(dialog->Loaded());
    EXPECT_EQ(dialog->parts().txtNameOfTheConnection.Text(), c.in.name);
    EXPECT_EQ(dialog->parts().txtAdressOfConnection.Text(), c.in.address);
    EXPECT_FALSE(PathExists("Kunden\\Kasse"));
    EXPECT_THAT(host.added, IsEmpty());
  }
}

TEST_F(ConnectionDialogsTest, EditDialogChecksDisplayAndPortForNumbers) {
  StoreConnection("Kunden", "Kasse");
  struct Case {
    const char* what;
    Input in;
    std::string title;
  };
  Input display;
  display.display = "abc";
  Input port;
  port.port = "x10";
  Input scale;
  scale.scale = true, scale.scale1 = "1", scale.scale2 = "zwei";
  const Case cases[] = {{"display", display, kProduct + " - Display"},
                        {"port", port, kProduct + " - VNCFSport"},
                        {"scale 2", scale, kProduct + " - Scale 2"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto dialog = OpenEdit("Kunden\\Kasse");
    Fill(*dialog, c.in);
    boxes.clear();
    Confirm(*dialog);
    ASSERT_TRUE(PumpUntil([&] { return !boxes.seen().empty(); }));
    Pump();
    EXPECT_TRUE(Seen(boxes.seen(), IDS_VALUE_NOT_NUMERIC, c.title));
    EXPECT_TRUE(dialog->Loaded());
    ConnectionRecord stored;
    ASSERT_TRUE(ReadConnection("Kunden\\Kasse", stored));
    EXPECT_EQ(stored.Display, "1");
    EXPECT_EQ(stored.Host, "alt.example");
  }
}

// What the edit dialog refuses, the new dialog stores as typed.
TEST_F(ConnectionDialogsTest, NewDialogStoresANonNumericDisplayAsTyped) {
  Input in;
  in.display = "abc";
  auto dialog = OpenNew();
  Fill(*dialog, in);
  Confirm(*dialog);
  ASSERT_TRUE(PumpUntil([&] { return !dialog->Loaded(); }));
  EXPECT_THAT(boxes.seen(), IsEmpty());
  ConnectionRecord stored;
  ASSERT_TRUE(ReadConnection("Kunden\\Kasse", stored));
  EXPECT_EQ(stored.Display, "abc");
}

TEST_F(ConnectionDialogsTest, NewDialogStoresTheRecordAndAddsTheListItem) {
  auto dialog = OpenNew();
  const ConnectionForm::Parts& p = dialog->parts();
  Input in;
  in.name = "Lager 2";
  in.address = "192.168.10.20";
  in.display = "3";
  in.port = "5810";
  in.scale = true;
  in.scale1 = "3";
  in.scale2 = "4";
  Fill(*dialog, in);
  ClickOn(p.optCoRRE);
  for (forms::CheckBox* box : {&p.chkCopyRectEncoding, &p.chkBell, &p.chkSwapMouse, &p.chkFullScreen}) SetCheck(*box, true);
  ShowTab(*dialog, 1);
  TypeInto(p.txtPassword, "pw+1");
  Confirm(*dialog);
  ASSERT_TRUE(PumpUntil([&] { return !dialog->Loaded(); }));
  EXPECT_THAT(boxes.seen(), IsEmpty());

  ConnectionRecord r;
  ASSERT_TRUE(ReadConnection("Kunden\\Lager 2", r));
  EXPECT_EQ(r.Host, "192.168.10.20");
  EXPECT_EQ(r.Display, "3");
  EXPECT_EQ(r.VNCFSPort, "5810");
  EXPECT_EQ(r.Password, "pw+1");
  EXPECT_EQ(r.Encoding, "corre");
  EXPECT_EQ(r.AllowCopyRect, kTrue);
  EXPECT_EQ(r.DeiconifyOnBell, kTrue);
  EXPECT_EQ(r.SwapMouseButtons, kTrue);
  EXPECT_EQ(r.FullScreen, kTrue);
  EXPECT_EQ(r.SharedSession, kFalse);
  EXPECT_EQ(r.ViewOnly, kFalse);
  EXPECT_EQ(r.Scale, kTrue);
  EXPECT_EQ(r.Scale1, "3");
  EXPECT_EQ(r.Scale2, "4");
  ASSERT_EQ(host.added.size(), 1u);
  EXPECT_EQ(host.added[0].name, "Lager 2");
  EXPECT_EQ(host.added[0].host, "192.168.10.20");
  EXPECT_EQ(host.added[0].display, "3");
  EXPECT_EQ(host.added[0].port, "5810");
  EXPECT_EQ(host.added[0].folder, "Kunden");
}

// Letters in the scale boxes do not matter while Skalieren is not ticked: no message, and both
// scale values are stored empty. No encoding chosen stores an empty encoding.
TEST_F(ConnectionDialogsTest, UncheckedScaleAndNoEncodingStoreEmptyValues) {
  Input in;
  in.scale1 = "ab";
  in.scale2 = "cd";
  auto dialog = OpenNew();
  Fill(*dialog, in);
  Confirm(*dialog);
  ASSERT_TRUE(PumpUntil([&] { return !dialog->Loaded(); }));
  EXPECT_THAT(boxes.seen(), IsEmpty());
  RegKey key = OpenStoreKey("Kunden\\Kasse");
  ASSERT_TRUE(key);
  EXPECT_EQ(ReadStringValue(key.get(), kScaleValue), "0");
  for (const char* name : {kScale1Value, kScale2Value, kEncodingValue}) {
    DWORD type = 0, size = 0;
    EXPECT_EQ(RegQueryValueExA(key.get(), name, nullptr, &type, nullptr, &size), ERROR_SUCCESS) << name;
    EXPECT_EQ(size, 0u) << name;
  }
}

TEST_F(ConnectionDialogsTest, ADuplicateNameIsRefusedByEachDialogWithItsOwnMessage) {
  StoreConnection("Kunden", "Kasse");
  StoreConnection("Kunden", "Lager", "7");
  {
    SCOPED_TRACE("new");
    auto dialog = OpenNew();
    Fill(*dialog, Input{});
    Confirm(*dialog);
    ASSERT_TRUE(PumpUntil([&] { return !boxes.seen().empty(); }));
    Pump();
    EXPECT_TRUE(Seen(boxes.seen(), IDS_CHANGES_NOT_SAVED, kProduct));
    EXPECT_TRUE(dialog->Loaded());
    EXPECT_THAT(host.added, IsEmpty());
  }
  boxes.clear();
  {
    SCOPED_TRACE("edit");
    auto dialog = OpenEdit("Kunden\\Lager");
    ShowTab(*dialog, 1);
    TypeInto(dialog->parts().txtNameOfTheConnection, "Kasse");
    Confirm(*dialog);
    ASSERT_TRUE(PumpUntil([&] { return !boxes.seen().empty(); }));
    Pump();
    EXPECT_TRUE(Seen(boxes.seen(), IDS_NAME_EXISTS, kApplicationTitle));
    EXPECT_TRUE(dialog->Loaded());
    ConnectionRecord kept;
    ASSERT_TRUE(ReadConnection("Kunden\\Lager", kept));
    EXPECT_EQ(kept.Display, "7");
  }
}

TEST_F(ConnectionDialogsTest, EditDialogShowsTheConnectionAndStoresWhatWasChanged) {
  StoreConnection("Kunden", "Kasse");
  auto dialog = OpenEdit("Kunden\\Kasse");
  const ConnectionForm::Parts& p = dialog->parts();
  EXPECT_EQ(dialog->Caption(), LoadResString(IDS_EDIT_CONNECTION_TITLE));
  EXPECT_EQ(p.txtNameOfTheConnection.Text(), "Kasse");
  EXPECT_EQ(p.txtAdressOfConnection.Text(), "alt.example");
  EXPECT_EQ(p.txtPassword.Text(), "geheim");
  EXPECT_TRUE(p.optRRE.Value());
  EXPECT_EQ(p.chkShared.Value(), 1);
  EXPECT_EQ(p.chkViewOnly.Value(), 1);
  EXPECT_EQ(p.chkBell.Value(), 0);
  EXPECT_EQ(dialog->m_OldConnection.FolderPath, "Kunden");

  ShowTab(*dialog, 1);
  TypeInto(p.txtNameOfTheConnection, "Kasse Nord");
  TypeInto(p.txtAdressOfConnection, "nord.example");
  ShowTab(*dialog, 2);
  ClickOn(p.optRaw);
  SetCheck(p.chkViewOnly, false);
  Confirm(*dialog);
  ASSERT_TRUE(PumpUntil([&] { return !dialog->Loaded(); }));
  EXPECT_THAT(boxes.seen(), IsEmpty());
  EXPECT_FALSE(PathExists("Kunden\\Kasse"));
  ConnectionRecord r;
  ASSERT_TRUE(ReadConnection("Kunden\\Kasse Nord", r));
  EXPECT_EQ(r.Host, "nord.example");
  EXPECT_EQ(r.Encoding, "raw");
  EXPECT_EQ(r.ViewOnly, kFalse);
  EXPECT_EQ(r.SharedSession, kTrue);
  EXPECT_EQ(r.Password, "geheim");
}

// Opened without a connection (no folder selected), the edit dialog has nothing it could change:
// a save would rename whatever an empty name stands for.
TEST_F(ConnectionDialogsTest, EditDialogWithoutAConnectionCannotSave) {
  StoreConnection("Kunden", "Kasse");
  auto dialog = OpenEdit("", "");
  const ConnectionForm::Parts& p = dialog->parts();
  EXPECT_EQ(p.txtNameOfTheConnection.Text(), "");
  EXPECT_FALSE(p.cmdADD.Enabled());
  Fill(*dialog, Input{});
  Confirm(*dialog);
  Pump();
  EXPECT_TRUE(dialog->Loaded());
  EXPECT_THAT(boxes.seen(), IsEmpty());
  EXPECT_TRUE(PathExists("Kunden\\Kasse"));
  EXPECT_FALSE(PathExists("Kasse"));
}

// Ctrl+N without a selected folder opens the dialog without one; the connection must not go to
// the top of the store, where only folders are shown.
TEST_F(ConnectionDialogsTest, NewDialogWithoutAFolderStoresIntoTheProvidedFolder) {
  auto dialog = OpenNew("");
  Fill(*dialog, Input{});
  Confirm(*dialog);
  ASSERT_TRUE(PumpUntil([&] { return !dialog->Loaded(); }));
  EXPECT_EQ(host.folderProvided, 1);
  EXPECT_FALSE(PathExists("Kasse"));
  EXPECT_TRUE(ConnectionPathExists(std::string(RecordingHost::kProvidedFolder) + "\\Kasse"));
  ASSERT_EQ(host.added.size(), 1u);
  EXPECT_EQ(host.added[0].folder, RecordingHost::kProvidedFolder);
}

TEST_F(ConnectionDialogsTest, ListItemThatCannotBeAddedIsReportedAndTheDialogStays) {
  host.addAnswer = false;
  auto dialog = OpenNew();
  Fill(*dialog, Input{});
  Confirm(*dialog);
  ASSERT_TRUE(PumpUntil([&] { return !boxes.seen().empty(); }));
  Pump();
  EXPECT_TRUE(Seen(boxes.seen(), IDS_CONNECTION_NOT_ADDED, kProduct));
  EXPECT_TRUE(dialog->Loaded());
  EXPECT_TRUE(ConnectionPathExists("Kunden\\Kasse"));
}

TEST_F(ConnectionDialogsTest, NewDialogTakesItsPresetsFromTheOptionValues) {
  WriteRootSetting(kEncodingValue, "corre");
  WriteRootSetting(kAllowCopyRectValue, "1");
  WriteRootSetting(kSharedSessionValue, "0");
  WriteRootSetting(kDeiconifyOnBellValue, "7");  // any digit but 0 ticks, as the option reader takes it
  WriteRootSetting(kDisableClipboardValue, "x");  // no digit: the box stays as designed
  WriteRootSetting(kScaleValue, "1");
  WriteRootSetting("Scale-1", "2");
  WriteRootSetting("Scale-2", "5");
  auto dialog = OpenNew();
  const ConnectionForm::Parts& p = dialog->parts();
  EXPECT_EQ(dialog->Caption(), LoadResString(IDS_NEW_CONNECTION_TITLE));
  EXPECT_TRUE(p.optCoRRE.Value());
  EXPECT_FALSE(p.optHextile.Value());
  EXPECT_EQ(p.chkCopyRectEncoding.Value(), 1);
  EXPECT_EQ(p.chkShared.Value(), 0);
  EXPECT_EQ(p.chkBell.Value(), 1);
  EXPECT_EQ(p.chkDisableClipboard.Value(), 0);
  EXPECT_EQ(p.chkScale.Value(), 1);
  EXPECT_EQ(p.txtScale1.Text(), "2");
  EXPECT_EQ(p.txtScale2.Text(), "5");
  EXPECT_EQ(p.txtVNCFSPort.Text(), "6010");
  EXPECT_EQ(p.txtPassword.Text(), "");
}

TEST_F(ConnectionDialogsTest, ScalePartsArePresetOnlyWhenScaleIsOn) {
  WriteRootSetting(kScaleValue, "0");
  WriteRootSetting("Scale-1", "2");
  auto dialog = OpenNew();
  EXPECT_EQ(dialog->parts().chkScale.Value(), 0);
  EXPECT_EQ(dialog->parts().txtScale1.Text(), "");
  EXPECT_FALSE(dialog->parts().optHextile.Value() || dialog->parts().optCoRRE.Value() ||
               dialog->parts().optRRE.Value() || dialog->parts().optRaw.Value());
}

// One page at a time; Ctrl+Tab goes on to the next tab and from the last back to the first.
TEST_F(ConnectionDialogsTest, CtrlTabCyclesThroughTheTwoPages) {
  auto dialog = OpenNew();
  const ConnectionForm::Parts& p = dialog->parts();
  auto selected = [&] { return p.tbsOptions.SelectedItem()->Index(); };
  EXPECT_EQ(selected(), 1);
  EXPECT_EQ(p.picConnection.Left(), 240);
  EXPECT_TRUE(p.picConnection.Enabled());
  EXPECT_EQ(p.picViewer.Left(), -20000);
  EXPECT_FALSE(p.picViewer.Enabled());
  p.txtNameOfTheConnection.SetFocus();
  PressKey(VK_TAB, {VK_CONTROL});
  ASSERT_TRUE(PumpUntil([&] { return selected() == 2; }));
  EXPECT_EQ(p.picViewer.Left(), 240);
  EXPECT_TRUE(p.picViewer.Enabled());
  EXPECT_EQ(p.picConnection.Left(), -20000);
  PressKey(VK_TAB, {VK_CONTROL});
  ASSERT_TRUE(PumpUntil([&] { return selected() == 1; }));
  EXPECT_EQ(p.picConnection.Left(), 240);
  EXPECT_FALSE(p.picViewer.Enabled());
}

TEST_F(ConnectionDialogsTest, PasswordButtonShowsAndMasksThePassword) {
  auto dialog = OpenNew();
  const ConnectionForm::Parts& p = dialog->parts();
  EXPECT_EQ(p.txtPassword.PasswordChar(), '*');
  EXPECT_EQ(p.cmdHideShowPassword.Caption(), LoadResString(IDS_SHOW_PASSWORD));
  ClickOn(p.cmdHideShowPassword);
  ASSERT_TRUE(PumpUntil([&] { return p.txtPassword.PasswordChar() == 0; }));
  EXPECT_EQ(p.cmdHideShowPassword.Caption(), LoadResString(IDS_HIDE_PASSWORD));
  ClickOn(p.cmdHideShowPassword);
  ASSERT_TRUE(PumpUntil([&] { return p.txtPassword.PasswordChar() == '*'; }));
  EXPECT_EQ(p.cmdHideShowPassword.Caption(), LoadResString(IDS_SHOW_PASSWORD));
}

TEST_F(ConnectionDialogsTest, ABoxTakingTheFocusSelectsItsWholeText) {
  StoreConnection("Kunden", "Kasse");
  auto dialog = OpenEdit("Kunden\\Kasse");
  const ConnectionForm::Parts& p = dialog->parts();
  for (forms::TextBox* box : {&p.txtNameOfTheConnection, &p.txtAdressOfConnection, &p.txtVNCFSPort, &p.txtPassword}) {
    SCOPED_TRACE(box->Name());
    box->SetSelection(1, 0);
    p.cmdHideShowPassword.SetFocus();
    box->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == box->hWnd(); }));
    EXPECT_EQ(box->SelStart(), 0);
    EXPECT_EQ(box->SelLength(), static_cast<int>(box->Text().size()));
  }
}

TEST_F(ConnectionDialogsTest, CancelClosesAndStoresNothing) {
  auto dialog = OpenNew();
  Fill(*dialog, Input{});
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return !dialog->Loaded(); }));
  EXPECT_FALSE(PathExists("Kunden\\Kasse"));
  EXPECT_THAT(host.added, IsEmpty());
}

// One picture of each dialog, as the user sees it: the new dialog on its first page, the edit
// dialog on its second.
TEST_F(ConnectionDialogsTest, PicturesOfBothDialogs) {
  WriteRootSetting(kEncodingValue, "hextile");
  WriteRootSetting(kSharedSessionValue, "1");
  auto created = OpenNew();
  Input in;
  in.name = "Kasse Filiale 1";
  in.address = "kasse1.example.com";
  in.display = "0";
  Fill(*created, in);
  ShowTab(*created, 1);
  TypeInto(created->parts().txtPassword, "geheim");
  created->parts().txtNameOfTheConnection.SetFocus();
  Pump();
  created->Refresh();
  Pump();
  ASSERT_TRUE(SaveWindowPicture(created->hWnd(), std::string(CORVANA_CONNECTION_SCREENSHOT_BASE) + "new.bmp"));
  created->UnloadForm();

  StoreConnection("Kunden", "Lager");
  auto edited = OpenEdit("Kunden\\Lager");
  ShowTab(*edited, 2);
  SetCheck(edited->parts().chkScale, true);
  TypeInto(edited->parts().txtScale1, "3");
  TypeInto(edited->parts().txtScale2, "4");
  Pump();
  edited->Refresh();
  Pump();
  ASSERT_TRUE(SaveWindowPicture(edited->hWnd(), std::string(CORVANA_CONNECTION_SCREENSHOT_BASE) + "edit.bmp"));
}

}  // namespace
