// The global options dialog, worked with the real mouse and keyboard on a desktop of its own; what
// it stores is read back with RegQueryValueExA, type and data length included.
#include "dialogs/options_dialog.h"

#include <gmock/gmock.h>
#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "com/host/ole_init.h"
#include "core/connection_values.h"
#include "core/global_options.h"
#include "core/message_box.h"
#include "core/passwords.h"
#include "core/registry_store.h"
#include "core/registry_value.h"
#include "core/string_table.h"
#include "dialog_fixture.h"
#include "forms/message_loop.h"
#include "forms/twips.h"
#include "resources/bitmap_ids.h"
#include "resources/string_ids.h"
#include "support/dialog_driver.h"
#include "support/key_values.h"
#include "support/message_box_watcher.h"
#include "support/real_input.h"
#include "support/registry_sandbox.h"
#include "support/window_picture.h"

using namespace corvana;
using namespace corvana::test;
using corvana::dialogs::dlgOptions;
using ::testing::ElementsAre;

namespace {

// A root value of ProductKey exactly as the registry holds it.
struct Stored {
  bool present = false;
  DWORD type = REG_NONE;
  std::string data;  // every byte of it, its length the data length
};

// The text of a text or flag value. The platform's RegSetValueExA counts the NUL that follows the
// data it is given (as Windows NT does), so a text written without its NUL may carry one.
std::string TextOf(const Stored& s) {
  if (!s.data.empty() && s.data.back() == '\0') return s.data.substr(0, s.data.size() - 1);
  return s.data;
}

Stored ReadStored(const char* name) {
  Stored s;
  RegKey key = OpenKey(HKEY_CURRENT_USER, ProductKey);
  if (!key) return s;
  char buf[2048] = {};
  DWORD size = sizeof buf;
  if (RegQueryValueExA(key.get(), name, nullptr, &s.type, reinterpret_cast<BYTE*>(buf), &size) != ERROR_SUCCESS)
    return s;
  s.present = true;
  s.data.assign(buf, size);
  return s;
}

// Every root value of ProductKey by name, for "nothing was written".
std::map<std::string, std::string> AllStored() { return AllValuesOf(OpenKey(HKEY_CURRENT_USER, ProductKey).get()); }

// The next case of a table starts from an empty store again.
void ClearStore() { RegDeleteTreeA(HKEY_CURRENT_USER, ProductKey); }

void Store(const char* name, const std::string& text) {
  RegKey key = CreateKey(HKEY_CURRENT_USER, ProductKey);
  ASSERT_TRUE(WriteStringValue(key.get(), name, text)) << name;
}

const std::string kNoChoice(kValueBufferChars, '\0');

// The text of the selected node of a tree view of this process.
std::string SelectedNodeText(HWND tree) {
  char text[MAX_PATH] = {};
  TVITEMA item{};
  item.mask = TVIF_TEXT;
  item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  item.pszText = text;
  item.cchTextMax = sizeof text;
  if (!item.hItem || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return {};
  return text;
}

// What the option reader did to the main window.
class RecordedBackground : public MainWindowBackground {
 public:
  void SetShowBackgroundChecked(bool checked) override { calls.push_back(checked ? "checked" : "unchecked"); }
  void ClearListPicture() override { calls.push_back("clear"); }
  bool SetListPictureFromFile(const std::string& path) override {
    calls.push_back("file " + path);
    return true;
  }
  void SetListPictureFromResource(int bitmapId) override { calls.push_back("resource " + std::to_string(bitmapId)); }
  std::vector<std::string> calls;
};

// A folder of the test's own below the temporary folder, removed with what it holds.
class ScratchFolder {
 public:
  ScratchFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "corvana_options_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~ScratchFolder() { RemoveDirectoryA(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

class OptionsDialogTest : public DialogTest {
 protected:
  void SetUp() override { gOptions = GlobalOptions{}; }
  void TearDown() override {
    if (dlg && dlg->Loaded()) dlg->UnloadForm();
  }

  // The dialog loaded from the store and in front, for the mouse and the keys.
  dlgOptions& Open() {
    dlg = std::make_unique<dlgOptions>(background);
    dlg->Show();
    EXPECT_TRUE(InFront(dlg->hWnd()));
    return *dlg;
  }
  const dlgOptions::Parts& p() const { return dlg->parts(); }

  // A click near the left end of the control: on the box of a check box or an option button.
  void Click(const forms::Control& c) {
    RECT r{};
    GetWindowRect(c.hWnd(), &r);
    ClickAt({r.left + std::min<LONG>(8, (r.right - r.left) / 2), (r.top + r.bottom) / 2});
  }
  void SelectTab(int tab) {
    HWND strip = p().tbsOptions.hWnd();
    RECT r{};
    SendMessageA(strip, TCM_GETITEMRECT, tab - 1, reinterpret_cast<LPARAM>(&r));
    MapWindowPoints(strip, nullptr, reinterpret_cast<POINT*>(&r), 2);
    ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    ASSERT_TRUE(PumpUntil([&] { return SelectedTab() == tab; })) << tab;
  }
  int SelectedTab() const { return p().tbsOptions.SelectedItem()->Index(); }
  // The text typed over what the box held; "" empties it.
  void Retype(forms::TextBox& box, const std::string& text) {
    Click(box);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == box.hWnd(); }));
    PressKey(VK_END);
    PressKey(VK_HOME, {VK_SHIFT});
    if (text.empty())
      PressKey(VK_DELETE);
    else
      TypeText(text);
    ASSERT_TRUE(PumpUntil([&] { return box.Text() == text; })) << box.Name() << " shows " << box.Text();
  }
  void ClickOk() {
    Click(p().cmdOK);
    ASSERT_TRUE(PumpUntil([&] { return !dlg->Loaded(); }));
  }
  // The check boxes of the dialog by name with their values.
  std::map<std::string, int> CheckBoxes() const {
    std::map<std::string, int> boxes;
    for (auto& c : dlg->Controls())
      if (auto* box = dynamic_cast<forms::CheckBox*>(c.get())) boxes[box->Name()] = box->Value();
    return boxes;
  }
  std::vector<bool> Encodings() const {
    return {p().optHextile.Value(), p().optCoRRE.Value(), p().optRRE.Value(), p().optRaw.Value()};
  }
  std::vector<bool> Viewers() const {
    return {p().optVNCviewer.Value(), p().optVNCBrowser.Value(), p().optVNCJava.Value()};
  }

  // Clicks Button, which opens a platform dialog (the picker) modal on this thread, while Work
  // handles the picker from another thread; the picker is closed in any case.
  void ClickIntoPicker(const forms::Control& button, const std::function<bool(HWND)>& isPicker,
                       const std::function<void(HWND picker)>& work) {
    std::atomic<bool> done{false};
    const DWORD ui = GetCurrentThreadId();
    std::thread driver([&] {
      HWND picker = WaitForShownWindow(isPicker);
      if (picker) {
        BringToFront(picker);
        // The keys go to the picker once one of its fields has the focus.
        WaitFor([&] {
          HWND focus = FocusOf(ui);
          return focus && IsChild(picker, focus);
        });
        work(picker);
        if (!WaitFor([&] { return !IsWindow(picker); })) PostMessageA(picker, WM_COMMAND, IDCANCEL, 0);
      }
      done = true;
    });
    Click(button);
    EXPECT_TRUE(PumpUntil([&] { return done.load(); }, 20000));
    driver.join();
    Pump();
  }

  com::OleInitGuard ole;
  RegistrySandbox sandbox;
  RecordedBackground background;
  std::unique_ptr<dlgOptions> dlg;
};

// A value as OK should leave it: a choice byte for byte, its NUL and data length included; a text
// or a flag by its text.
struct Expected {
  const char* name;
  std::string data;
  bool choice = false;
};

void ExpectStored(const Expected& e) {
  SCOPED_TRACE(e.name);
  Stored s = ReadStored(e.name);
  EXPECT_TRUE(s.present);
  EXPECT_EQ(s.type, static_cast<DWORD>(REG_SZ));
  if (e.choice) {
    EXPECT_EQ(s.data.size(), e.data.size());
    EXPECT_EQ(s.data, e.data);
  } else {
    EXPECT_EQ(TextOf(s), e.data);
  }
}

TEST_F(OptionsDialogTest, TheFirstOpeningOnAnEmptyStoreAndWhatOkThenStores) {
  dlgOptions& d = Open();
  EXPECT_EQ(d.Caption(), "Global Options");
  // Centred on the screen.
  const int screenWidth = forms::PixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN));
  const int screenHeight = forms::PixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN));
  EXPECT_NEAR(d.Left(), (screenWidth - d.Width()) / 2, 15);
  EXPECT_NEAR(d.Top(), (screenHeight - d.Height()) / 2, 15);
  // The texts of the string table.
  EXPECT_EQ(p().tbsOptions.TabAt(1)->Caption(), LoadResString(IDS_VNC_VIEWER_TAB));
  EXPECT_EQ(p().tbsOptions.TabAt(2)->Caption(), LoadResString(IDS_JAVA_VIEWER_TAB));
  EXPECT_EQ(p().tbsOptions.TabAt(3)->Caption(), LoadResString(IDS_GENERAL_TAB));
  EXPECT_EQ(p().chk8Bit.Caption(), LoadResString(IDS_RESTRICT_TO_8_BIT));
  EXPECT_EQ(p().chkDisableEncryption.Caption(), LoadResString(IDS_DISABLE_ENCRYPTION));
  EXPECT_EQ(d.Get("fraPasswordHandover").Caption(), LoadResString(IDS_PASSWORD_HANDOVER));
  EXPECT_EQ(d.Get("lblJavaOptionsHelp").Caption(), LoadResString(IDS_JAVA_OPTIONS_HELP));
  EXPECT_EQ(p().cmdCancel.Caption(), LoadResString(IDS_CANCEL));

  EXPECT_EQ(SelectedTab(), 1);
  EXPECT_EQ(p().picOptions0.Left(), 210);
  EXPECT_EQ(p().picOptions1.Left(), forms::kPageOutOfViewLeft);
  EXPECT_EQ(p().picOptions2.Left(), forms::kPageOutOfViewLeft);
  EXPECT_THAT(Encodings(), ElementsAre(false, false, false, false));
  EXPECT_THAT(Viewers(), ElementsAre(true, false, false));
  EXPECT_FALSE(p().optVNCJava.Enabled());
  EXPECT_TRUE(p().optVNCviewer.Enabled());
  EXPECT_EQ(p().txtFindAuthWindowRetries.Text(), "20");
  EXPECT_EQ(p().txtAuthWindowCaption.Text(), "VNC Authentication");
  EXPECT_EQ(p().txtScale1.Text(), "1");
  EXPECT_EQ(p().txtScale2.Text(), "1");
  for (auto [name, value] : CheckBoxes()) EXPECT_EQ(value, 0) << name;
  EXPECT_EQ(CheckBoxes().size(), 13u);
  for (forms::TextBox* box : {&p().txtLocationOfVNCviewer, &p().txtSwitchOther, &p().txtLocationOfJavaProgram,
                              &p().txtLocationOfVNCClasses, &p().txtBackgroundimage})
    EXPECT_EQ(box->Text(), "") << box->Name();
  EXPECT_EQ(gOptions.PreferredViewer, "");

  ClickOk();
  const Expected expected[] = {{"Prefered Encoding", kNoChoice, true},
                               {"FindAuthenticationWindowRetry", "20"},
                               {"FindAuthenticationWindowCaption", "VNC Authentication"},
                               {"MinimizeAfterConnect", "0"},
                               {"SystrayIfMinimized", "0"},
                               {"NoEncryption", "0"},
                               {"Allow CopyRect encoding", "0"},
                               {"Request shared session", "0"},
                               {"Deiconify on bell", "0"},
                               {"Disable clipboard transfer", "0"},
                               {"Emulate 3 Buttons", "0"},
                               {"Swap mouse buttons", "0"},
                               {"Restrict pixtel to 8bit", "0"},
                               {"ViewOnly", "0"},
                               {"Full-Screen mode", "0"},
                               {"Scale", "0"},
                               {"vncviewer", ""},
                               {"vncviewerClasses", ""},
                               {"JavaRunner", ""},
                               {"BackGroundImage", ""},
                               {"PreferredViewer", std::string("VNCviewer\0", 10), true},
                               {"JavaRunnerSwitchOther", ""}};
  for (const Expected& e : expected) ExpectStored(e);
  // Unscaled, the scale parts are not written.
  EXPECT_FALSE(ReadStored("Scale-1").present);
  EXPECT_FALSE(ReadStored("Scale-2").present);
  EXPECT_EQ(AllStored().size(), std::size(expected));

  // The option reader followed at once, and took the 260 NULs as no encoding.
  EXPECT_THAT(background.calls, ElementsAre("unchecked", "clear"));
  EXPECT_EQ(gOptions.PreferredViewer, "VNCviewer");
  EXPECT_EQ(gOptions.DefaultEncoding, "");
  EXPECT_EQ(gOptions.AuthWindowRetries, 20);
  EXPECT_EQ(gOptions.AuthWindowCaption, "VNC Authentication");
  // So does the next Load.
  Open();
  EXPECT_THAT(Encodings(), ElementsAre(false, false, false, false));
}

TEST_F(OptionsDialogTest, WhatTheUserChangesIsStoredInItsFormatAndFollowedAtOnce) {
  Store(kShowBackgroundValue, "1");
  Open();
  Click(p().optHextile);
  Click(p().chkCopyRectEncoding);
  Click(p().chkViewOnly);
  Click(p().chkScale);
  ASSERT_TRUE(PumpUntil([&] { return p().chkScale.Value() == 1; }));
  Retype(p().txtScale1, "3");
  Retype(p().txtScale2, "4");
  Retype(p().txtLocationOfVNCviewer, "C:\\vnc\\vncviewer.exe");
  SelectTab(2);
  Retype(p().txtSwitchOther, "-cp %CLASSPATH% %VNCVIEWER%");
  Retype(p().txtLocationOfJavaProgram, "C:\\java\\bin\\java.exe");
  SelectTab(3);
  Retype(p().txtBackgroundimage, "C:\\bilder\\hinter.bmp");
  Click(p().chkMinimizeAfterConnect);
  Retype(p().txtFindAuthWindowRetries, "7");
  Retype(p().txtAuthWindowCaption, "Kennwort");
  Click(p().optVNCBrowser);
  ASSERT_TRUE(PumpUntil([&] { return p().optVNCBrowser.Value(); }));
  ClickOk();

  const Expected expected[] = {{"Prefered Encoding", std::string("hextile\0", 8), true},
                               {"FindAuthenticationWindowRetry", "7"},
                               {"FindAuthenticationWindowCaption", "Kennwort"},
                               {"MinimizeAfterConnect", "1"},
                               {"Allow CopyRect encoding", "1"},
                               {"ViewOnly", "1"},
                               {"Swap mouse buttons", "0"},
                               {"Scale", "1"},
                               {"Scale-1", "3"},
                               {"Scale-2", "4"},
                               {"vncviewer", "C:\\vnc\\vncviewer.exe"},
                               {"JavaRunner", "C:\\java\\bin\\java.exe"},
                               {"BackGroundImage", "C:\\bilder\\hinter.bmp"},
                               {"PreferredViewer", std::string("Browser\0", 8), true},
                               {"JavaRunnerSwitchOther", "-cp %CLASSPATH% %VNCVIEWER%"}};
  for (const Expected& e : expected) ExpectStored(e);
  EXPECT_EQ(gOptions.DefaultEncoding, "hextile");
  EXPECT_EQ(gOptions.AuthWindowRetries, 7);
  EXPECT_EQ(gOptions.AuthWindowCaption, "Kennwort");
  EXPECT_EQ(gOptions.MinimizeAfterConnect, kTrue);
  EXPECT_EQ(gOptions.DefaultViewOnly, kTrue);
  EXPECT_EQ(gOptions.DefaultScale1, "3");
  EXPECT_EQ(gOptions.ViewerPath, "C:\\vnc\\vncviewer.exe");
  EXPECT_EQ(gOptions.PreferredViewer, "Browser");
  EXPECT_THAT(background.calls, ElementsAre("checked", "file C:\\bilder\\hinter.bmp"));
}

// The Load rules of single values: the choice rule, the two flag rules, texts and their defaults.
TEST_F(OptionsDialogTest, LoadShowsEachStoredValueByItsRule) {
  struct Case {
    const char* name;
    std::string stored;
    std::function<void(const dlgOptions&)> check;
  };
  auto checked = [](const char* box, int value) {
    return [box, value](const dlgOptions& d) { EXPECT_EQ(d.Get<forms::CheckBox>(box).Value(), value) << box; };
  };
  auto encoding = [](const char* button) {
    return [button](const dlgOptions& d) {
      for (const char* b : {"optHextile", "optCoRRE", "optRRE", "optRaw"})
        EXPECT_EQ(d.Get<forms::OptionButton>(b).Value(), std::string(b) == button) << b;
    };
  };
  auto text = [](const char* box, std::string shown) {
    return [box, shown](const dlgOptions& d) { EXPECT_EQ(d.Get<forms::TextBox>(box).Text(), shown) << box; };
  };
  const std::string longPath = "C:\\" + std::string(297, 'x');
  const Case cases[] = {
      {"Prefered Encoding", "RAW", encoding("optRaw")},
      {"Prefered Encoding", "corre", encoding("optCoRRE")},
      {"Prefered Encoding", "Hextile", encoding("optHextile")},
      {"Prefered Encoding", "zlib", encoding("")},
      // The connection defaults as the option reader takes them.
      {"ViewOnly", "1", checked("chkViewOnly", 1)},
      {"ViewOnly", "7", checked("chkViewOnly", 1)},
      {"ViewOnly", "0", checked("chkViewOnly", 0)},
      {"ViewOnly", "ja", checked("chkViewOnly", 0)},
      {"Request shared session", "9x", checked("chkShared", 1)},
      {"Restrict pixtel to 8bit", "1", checked("chk8Bit", 1)},
      // On or off by a leading "1" alone.
      {"MinimizeAfterConnect", "1", checked("chkMinimizeAfterConnect", 1)},
      {"MinimizeAfterConnect", "7", checked("chkMinimizeAfterConnect", 0)},
      {"SystrayIfMinimized", "10", checked("chkSystrayIfMinimized", 1)},
      {"NoEncryption", "1", checked("chkDisableEncryption", 1)},
      // Texts as stored, defaults only where the row names one.
      {"FindAuthenticationWindowRetry", "abc", text("txtFindAuthWindowRetries", "abc")},
      {"FindAuthenticationWindowCaption", "", text("txtAuthWindowCaption", "VNC Authentication")},
      {"JavaRunner", "", text("txtLocationOfJavaProgram", "")},
      {"vncviewer", longPath, text("txtLocationOfVNCviewer", longPath.substr(0, 259))},
      {"Scale-1", "5", text("txtScale1", "1")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " = " + c.stored);
    ClearStore();
    Store(c.name, c.stored);
    MessageBoxWatcher boxes;
    Open();
    c.check(*dlg);
    dlg->UnloadForm();
    // Setting the encryption box while loading says nothing.
    EXPECT_TRUE(boxes.seen().empty());
  }
}

TEST_F(OptionsDialogTest, TheViewerRuleAndTheJavaClassFolder) {
  struct Case {
    const char* classes;
    const char* stored;
    std::vector<bool> shown;  // VNC viewer, Browser, Java
    bool javaEnabled;
    const char* preferred;  // gPreferredViewer after Load
    std::string written;
  } cases[] = {
      {"", "Browser", {true, false, false}, false, "Browser", std::string("VNCviewer\0", 10)},
      {"", "JAVA", {true, false, false}, false, "Java", std::string("VNCviewer\0", 10)},
      {"C:\\classes\\", "java", {false, false, true}, true, "Java", std::string("Java\0", 5)},
      {"C:\\classes\\", "browser", {false, true, false}, true, "Browser", std::string("Browser\0", 8)},
      {"C:\\classes\\", "", {false, false, false}, true, "", kNoChoice},
      {"C:\\classes\\", "Opera", {false, false, false}, true, "", kNoChoice},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.classes) + " / " + c.stored);
    ClearStore();
    gOptions = GlobalOptions{};
    Store(kJavaClassDirValue, c.classes);
    Store(kPreferredViewerValue, c.stored);
    Open();
    EXPECT_EQ(Viewers(), c.shown);
    EXPECT_EQ(p().optVNCJava.Enabled(), c.javaEnabled);
    EXPECT_EQ(gOptions.PreferredViewer, c.preferred);
    ClickOk();
    ExpectStored({kPreferredViewerValue, c.written, true});
  }
}

TEST_F(OptionsDialogTest, UncheckingScaleKeepsTheFormerScaleTexts) {
  Store(kScaleValue, "1");
  Store("Scale-1", "3");
  Store("Scale-2", "4");
  Open();
  EXPECT_EQ(p().chkScale.Value(), 1);
  EXPECT_EQ(p().txtScale1.Text(), "3");
  EXPECT_EQ(p().txtScale2.Text(), "4");
  Click(p().chkScale);
  ASSERT_TRUE(PumpUntil([&] { return p().chkScale.Value() == 0; }));
  // The boxes stay open to typing whatever the check box shows.
  EXPECT_TRUE(p().txtScale1.Enabled());
  Retype(p().txtScale1, "9");
  ClickOk();
  EXPECT_EQ(TextOf(ReadStored(kScaleValue)), "0");
  EXPECT_EQ(TextOf(ReadStored("Scale-1")), "3");
  EXPECT_EQ(TextOf(ReadStored("Scale-2")), "4");

  // Unscaled, the stored parts are not shown.
  Open();
  EXPECT_EQ(p().txtScale1.Text(), "1");
  EXPECT_EQ(p().txtScale2.Text(), "1");
}

TEST_F(OptionsDialogTest, AnEmptiedRetryBoxIsStoredEmptyAndTheNextLoadShowsTwenty) {
  Store(kAuthWindowRetryValue, "5");
  Open();
  SelectTab(3);
  EXPECT_EQ(p().txtFindAuthWindowRetries.Text(), "5");
  Retype(p().txtFindAuthWindowRetries, "");
  ClickOk();
  Stored s = ReadStored(kAuthWindowRetryValue);
  EXPECT_TRUE(s.present);
  EXPECT_EQ(s.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(s.data.size(), 0u);
  EXPECT_EQ(gOptions.AuthWindowRetries, 20);
  Open();
  EXPECT_EQ(p().txtFindAuthWindowRetries.Text(), "20");
}

TEST_F(OptionsDialogTest, MinimizeAfterConnectBeginningWithALetterIsStoredAsZero) {
  Store(kMinimizeAfterConnectValue, "ja");
  Open();
  EXPECT_EQ(p().chkMinimizeAfterConnect.Value(), 0);
  ClickOk();
  EXPECT_EQ(TextOf(ReadStored(kMinimizeAfterConnectValue)), "0");
}

TEST_F(OptionsDialogTest, CtrlTabGoesToTheNextPageAndCtrlShiftTabDoesNothing) {
  Open();
  SelectTab(3);
  EXPECT_EQ(p().picOptions2.Left(), 210);
  EXPECT_TRUE(p().picOptions2.Enabled());
  Click(p().txtAuthWindowCaption);
  PressKey(VK_TAB, {VK_CONTROL});
  ASSERT_TRUE(PumpUntil([&] { return SelectedTab() == 1; }));
  EXPECT_EQ(p().picOptions0.Left(), 210);
  EXPECT_TRUE(p().picOptions0.Enabled());
  for (const forms::PictureBox* page : {&p().picOptions1, &p().picOptions2}) {
    EXPECT_EQ(page->Left(), forms::kPageOutOfViewLeft);
    EXPECT_FALSE(page->Enabled());
  }
  PressKey(VK_TAB, {VK_CONTROL, VK_SHIFT});
  Pump(300);
  EXPECT_EQ(SelectedTab(), 1);
  PressKey(VK_TAB, {VK_CONTROL});
  ASSERT_TRUE(PumpUntil([&] { return SelectedTab() == 2; }));
  EXPECT_EQ(p().picOptions1.Left(), 210);
}

TEST_F(OptionsDialogTest, EveryClickOnTheEncryptionBoxWarnsAndOnlyOkStoresIt) {
  Store(kNoEncryptionValue, "1");
  MessageBoxWatcher boxes;
  Open();
  EXPECT_EQ(p().chkDisableEncryption.Value(), 1);
  SelectTab(3);
  const std::string warning = LoadResString(IDS_ENCRYPTION_NOTE_1) + "\r\n" + LoadResString(IDS_ENCRYPTION_NOTE_2) +
                              "\r\n" + LoadResString(IDS_ENCRYPTION_NOTE_3) + "\r\n" +
                              LoadResString(IDS_ENCRYPTION_NOTE_4) + "\r\n";
  Click(p().chkDisableEncryption);
  ASSERT_TRUE(PumpUntil([&] { return boxes.seen().size() == 1; }));
  EXPECT_EQ(p().chkDisableEncryption.Value(), 0);
  Click(p().chkDisableEncryption);
  ASSERT_TRUE(PumpUntil([&] { return boxes.seen().size() == 2; }));
  EXPECT_EQ(p().chkDisableEncryption.Value(), 1);
  Click(p().chkDisableEncryption);
  ASSERT_TRUE(PumpUntil([&] { return boxes.seen().size() == 3; }));
  for (const SeenMessageBox& box : boxes.seen()) {
    EXPECT_EQ(box.title, kApplicationTitle);
    EXPECT_EQ(box.text, warning);
  }
  EXPECT_EQ(TextOf(ReadStored(kNoEncryptionValue)), "1");
  ClickOk();
  EXPECT_EQ(TextOf(ReadStored(kNoEncryptionValue)), "0");
  EXPECT_EQ(boxes.seen().size(), 3u);
}

// Cancel, Esc and the close box: nothing written, and the options are not read again.
TEST_F(OptionsDialogTest, LeavingWithoutOkWritesNothing) {
  struct Case {
    const char* how;
    std::function<void()> leave;
  } cases[] = {
      {"Cancel", [this] { Click(p().cmdCancel); }},
      {"Esc", [] { PressKey(VK_ESCAPE); }},
      {"Alt+F4", [] { PressKey(VK_F4, {VK_MENU}); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    ClearStore();
    Store(kEncodingValue, "rre");
    Store(kViewerPathValue, "C:\\vnc\\vncviewer.exe");
    Store(kMinimizeAfterConnectValue, "1");
    const auto before = AllStored();
    gOptions = GlobalOptions{};
    background.calls.clear();
    Open();
    Click(p().optRaw);
    Click(p().chkFullScreen);
    Retype(p().txtLocationOfVNCviewer, "D:\\anders.exe");
    SelectTab(3);
    Click(p().chkMinimizeAfterConnect);
    ASSERT_TRUE(PumpUntil([&] { return p().chkMinimizeAfterConnect.Value() == 0; }));
    c.leave();
    ASSERT_TRUE(PumpUntil([&] { return !dlg->Loaded(); }));
    EXPECT_EQ(AllStored(), before);
    EXPECT_TRUE(background.calls.empty());
    EXPECT_EQ(gOptions.ViewerPath, "");
    EXPECT_EQ(gOptions.DefaultEncoding, "");
  }
}

// Enter is no way out: the dialog has no default button.
TEST_F(OptionsDialogTest, EnterInATextBoxNeitherStoresNorCloses) {
  Open();
  Click(p().txtLocationOfVNCviewer);
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == p().txtLocationOfVNCviewer.hWnd(); }));
  PressKey(VK_RETURN);
  Pump(300);
  EXPECT_TRUE(dlg->Loaded());
  EXPECT_TRUE(AllStored().empty());
}

TEST_F(OptionsDialogTest, WithoutTheProductKeyLoadKeepsTheInitialStateAndOkWritesNothing) {
  // Below a volatile key no lasting key can be created: there is no product key, and none comes.
  {
    RegKey company;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Ostrel Kassenwerk GmbH", 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, company.put(), nullptr),
              ERROR_SUCCESS);
  }
  ASSERT_FALSE(CreateKey(HKEY_CURRENT_USER, ProductKey));
  Open();
  EXPECT_THAT(Encodings(), ElementsAre(false, false, false, false));
  EXPECT_THAT(Viewers(), ElementsAre(false, false, false));
  EXPECT_TRUE(p().optVNCJava.Enabled());
  EXPECT_EQ(p().txtFindAuthWindowRetries.Text(), "");
  EXPECT_EQ(p().txtAuthWindowCaption.Text(), "");
  EXPECT_EQ(p().txtScale1.Text(), "1");
  ClickOk();
  // The reader ran all the same: without the key it sets the two defaults and leaves the window.
  EXPECT_EQ(gOptions.AuthWindowRetries, 20);
  EXPECT_EQ(gOptions.AuthWindowCaption, "VNC Authentication");
  EXPECT_TRUE(background.calls.empty());
  EXPECT_FALSE(OpenKey(HKEY_CURRENT_USER, ProductKey));
}

// The three open-file buttons: the title and the file type of each, a chosen file into its box,
// and a cancelled picker that leaves the box as it was.
TEST_F(OptionsDialogTest, EachOpenFileButtonFillsItsBoxAndACancelledOneLeavesIt) {
  struct Case {
    const char* button;
    const char* box;
    int tab;
    int title;
    const char* type;
  } cases[] = {
      {"cmdFindVNCViewer", "txtLocationOfVNCviewer", 1, IDS_FIND_VIEWER_TITLE, "VNCViewer"},
      {"cmdSelectJavaProgram", "txtLocationOfJavaProgram", 2, IDS_FIND_JAVA_PROGRAM_TITLE, "Programs"},
      {"cmdBackgroundImage", "txtBackgroundimage", 3, IDS_FIND_BACKGROUND_TITLE, "Alle Bilddateien"},
  };
  Open();
  for (const Case& c : cases) {
    const std::string title = LoadResString(c.title);
    SCOPED_TRACE(title);
    if (c.tab != SelectedTab()) SelectTab(c.tab);
    forms::TextBox& box = dlg->Get<forms::TextBox>(c.box);
    forms::CommandButton& button = dlg->Get<forms::CommandButton>(c.button);
    box.SetText("C:\\vorher\\datei.exe");
    auto isPicker = [&](HWND w) { return ClassOf(w) == "#32770" && WindowTextOf(w) == title; };
    std::string type = "-";
    HWND owner = nullptr;
    ClickIntoPicker(button, isPicker, [&](HWND picker) {
      owner = GetWindow(picker, GW_OWNER);
      HWND types = GetDlgItem(picker, cmb1);
      char text[256] = {};
      const LRESULT selected = SendMessageA(types, CB_GETCURSEL, 0, 0);
      if (selected >= 0) SendMessageA(types, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text));
      type = text;
      PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(owner, dlg->hWnd());
    EXPECT_EQ(type, c.type);
    EXPECT_EQ(box.Text(), "C:\\vorher\\datei.exe");

    const std::string chosen = "C:\\gewaehlt\\datei" + std::to_string(c.tab) + ".exe";
    ClickIntoPicker(button, isPicker, [&](HWND) {
      TypeText(chosen);
      PressKey(VK_RETURN);
    });
    EXPECT_EQ(box.Text(), chosen);
  }
}

TEST_F(OptionsDialogTest, AChosenClassFolderEnablesJavaWithoutSelectingItAndACancelledOneChangesNothing) {
  ScratchFolder classes;
  Open();
  SelectTab(2);
  ASSERT_FALSE(p().optVNCJava.Enabled());
  const std::string title = LoadResString(IDS_JAVA_CLASSES_FOLDER);
  auto isPicker = [](HWND w) { return ClassOf(w) == "#32770" && FindChild(w, "SysTreeView32") != nullptr; };

  bool titled = false, editShown = true;
  HWND owner = nullptr;
  ClickIntoPicker(p().cmdBrowseForJavaClassDir, isPicker, [&](HWND picker) {
    owner = GetWindow(picker, GW_OWNER);
    titled = FindChild(picker, "Static", &title) != nullptr;
    HWND edit = FindChild(picker, "Edit");
    editShown = edit && IsWindowVisible(edit);
    PressKey(VK_ESCAPE);
  });
  EXPECT_EQ(owner, dlg->hWnd());
  EXPECT_TRUE(titled);
  EXPECT_FALSE(editShown);
  EXPECT_EQ(p().txtLocationOfVNCClasses.Text(), "");
  EXPECT_FALSE(p().optVNCJava.Enabled());

  const std::string leaf = classes.path().substr(classes.path().find_last_of('\\') + 1);
  ClickIntoPicker(p().cmdBrowseForJavaClassDir, isPicker, [&](HWND picker) {
    // The platform's own message for a preselected folder, then the user's Enter.
    HWND tree = FindChild(picker, "SysTreeView32");
    WaitFor([&] {
      SendMessageA(picker, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(classes.path().c_str()));
      return SelectedNodeText(tree) == leaf;
    });
    PressKey(VK_RETURN);
  });
  EXPECT_EQ(p().txtLocationOfVNCClasses.Text(), classes.path() + "\\");
  EXPECT_TRUE(p().optVNCJava.Enabled());
  EXPECT_THAT(Viewers(), ElementsAre(true, false, false));
}

// One picture of each page, in the build tree.
TEST_F(OptionsDialogTest, Screenshots) {
  Store(kEncodingValue, "hextile");
  Store(kViewerPathValue, "C:\\Programme\\RealVNC\\vncviewer.exe");
  Store(kJavaClassDirValue, "C:\\Programme\\vnc\\classes\\");
  Store(kJavaRunnerValue, "C:\\Windows\\jview.exe");
  Store(kJavaRunnerSwitchesValue, "/cp:a %CLASSPATH% %VNCVIEWER%");
  Store(kPreferredViewerValue, "VNCviewer");
  Store(kSharedSessionValue, "1");
  Store(kMinimizeAfterConnectValue, "1");
  Open();
  for (int tab = 1; tab <= 3; ++tab) {
    if (tab != SelectedTab()) SelectTab(tab);
    Pump();
    dlg->Refresh();
    Pump();
    const std::string path = std::string(CORVANA_OPTIONS_SCREENSHOT_BASE) + std::to_string(tab) + ".bmp";
    EXPECT_TRUE(SaveWindowPicture(dlg->hWnd(), path)) << path;
    std::printf("screenshot: %s\n", path.c_str());
  }
}

}  // namespace
