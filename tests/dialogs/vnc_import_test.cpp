// The .vnc import as the user goes through it: the real open-file dialog, then the new-connection
// dialog filled from the file, confirmed with Enter; what it stored is read back from the store.
#include "dialogs/vnc_import.h"

#include <gmock/gmock.h>

#include <atomic>
#include <fstream>

#include "connection_dialog_fixture.h"
#include "core/connection_record.h"
#include "core/message_box.h"
#include "core/registry_value.h"
#include "core/string_table.h"
#include "resources/string_ids.h"
#include "support/dialog_driver.h"

using namespace corvana;
using namespace corvana::test;
using ::testing::IsEmpty;

namespace {

const std::string kImportTitle = "VNC Corvana .vnc-Import";

class VncImportTest : public ConnectionDialogTest {
 protected:
  void SetUp() override {
    ConnectionDialogTest::SetUp();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    file_ = std::string(temp) + "corvana_import_" + std::to_string(GetCurrentProcessId()) + ".vnc";
    ASSERT_TRUE(CreateFolderKey("", "Kunden"));
    host.selectedFolder = "Kunden";
  }
  void TearDown() override { DeleteFileA(file_.c_str()); }
  void WriteFile(const std::string& text) { std::ofstream(file_, std::ios::trunc) << text; }

  enum class Then { Confirm, ConfirmThenCancel, NoDialog };
  // Runs the import: the file typed into the open-file dialog, and the connection dialog (when
  // one comes) confirmed with Enter; ConfirmThenCancel cancels it after a refused confirmation.
  // Whether the connection dialog came.
  bool Import(const std::string& typedPath, Then then) {
    bool dialogCame = false;
    std::atomic<bool> importReturned{false};
    WhileModal(
        [&](DWORD ui) {
          const std::string chooseTitle = LoadResString(IDS_CHOOSE_VNC_FILE);
          HWND files = WaitForShownWindow([&](HWND w) { return CaptionOf(w) == chooseTitle; });
          if (!files) return;
          BringToFront(files);
          WaitFor([&] { return FocusOf(ui) && IsChild(files, FocusOf(ui)); });
          HWND field = FocusOf(ui);
          TypeText(typedPath);
          WaitFor([&] { return WindowTextOf(field) == typedPath; });
          PressKey(VK_RETURN);
          if (!WaitFor([&] { return !IsWindow(files); })) PostMessageA(files, WM_COMMAND, IDCANCEL, 0);
          const std::string dialogTitle = LoadResString(IDS_NEW_CONNECTION_TITLE);
          HWND dialog = nullptr;
          WaitFor([&] {
            dialog = FindShownWindow([&](HWND w) { return CaptionOf(w) == dialogTitle; });
            return dialog || importReturned;
          });
          if (!dialog) return;
          dialogCame = true;
          BringToFront(dialog);
          PressKey(VK_RETURN);
          if (then == Then::ConfirmThenCancel) {
            WaitFor([&] { return !boxes.seen().empty(); });
            BringToFront(dialog);
            PressKey(VK_ESCAPE);
          }
          if (!WaitFor([&] { return !IsWindow(dialog); })) PostMessageA(dialog, WM_CLOSE, 0, 0);
        },
        [&] {
          dialogs::ImportVncFile(host);
          importReturned = true;
        });
    return dialogCame;
  }
  static std::string Raw(const std::string& path, const char* name) {
    RegKey key = OpenStoreKey(path);
    return key ? ReadStringValue(key.get(), name) : "<no key>";
  }

  std::string file_;
};

TEST_F(VncImportTest, HostPortAndOptionsFillTheDialogThatStoresThem) {
  WriteFile(
      "[connection]\nhost=kasse.example\nport=5901\npassword=ignored\n"
      "[options]\n8bit=1\nshared=0\nswapmouse=2\nfullscreen=yes\nviewonly=1\nbelldeiconify=0\nemulate3=1\n"
      "disableclipboard=\nscale_num=1\nscale_den=2\n");
  ASSERT_TRUE(Import(file_, Then::Confirm));
  EXPECT_THAT(boxes.seen(), IsEmpty());
  ConnectionRecord r;
  ASSERT_TRUE(ReadConnection("Kunden\\New Connection", r));
  EXPECT_EQ(r.Host, "kasse.example");
  EXPECT_EQ(r.Display, "5901");
  EXPECT_EQ(r.VNCFSPort, "6010");
  EXPECT_EQ(r.Password, "");  // the file's password is not taken
  EXPECT_EQ(r.Restrict8Bit, kTrue);
  EXPECT_EQ(r.SharedSession, kFalse);
  EXPECT_EQ(r.SwapMouseButtons, kTrue);  // a number other than 0
  EXPECT_EQ(r.FullScreen, kFalse);       // no number
  EXPECT_EQ(r.ViewOnly, kTrue);
  EXPECT_EQ(r.DeiconifyOnBell, kFalse);
  EXPECT_EQ(r.Emulate3Buttons, kTrue);
  EXPECT_EQ(r.DisableClipboard, kFalse);
  EXPECT_EQ(r.Scale, kTrue);  // 1 and 2 differ
  EXPECT_EQ(r.Scale1, "1");
  EXPECT_EQ(r.Scale2, "2");
  ASSERT_EQ(host.added.size(), 1u);
  EXPECT_EQ(host.added[0].folder, "Kunden");
  EXPECT_EQ(host.added[0].display, "5901");
}

// Without an options section every flag the file carries is off, whatever the option presets
// say; what the file does not carry (CopyRect, the encoding) keeps its preset, and so does the
// scale box when both scale texts are "1".
TEST_F(VncImportTest, NoOptionsSectionClearsTheFileFlagsAndKeepsThePresets) {
  WriteRootSetting(kSharedSessionValue, "1");
  WriteRootSetting(kViewOnlyValue, "1");
  WriteRootSetting(kAllowCopyRectValue, "1");
  WriteRootSetting(kEncodingValue, "RAW");
  WriteRootSetting(kScaleValue, "1");
  WriteFile("[connection]\nhost=h\nport=1\n");
  ASSERT_TRUE(Import(file_, Then::Confirm));
  ConnectionRecord r;
  ASSERT_TRUE(ReadConnection("Kunden\\New Connection", r));
  EXPECT_EQ(r.SharedSession, kFalse);
  EXPECT_EQ(r.ViewOnly, kFalse);
  EXPECT_EQ(r.AllowCopyRect, kTrue);
  EXPECT_EQ(r.Encoding, "raw");
  EXPECT_EQ(r.Scale, kTrue);
  EXPECT_EQ(r.Scale1, "1");
  EXPECT_EQ(r.Scale2, "1");
}

TEST_F(VncImportTest, ScaleIsTickedExactlyWhenTheTwoTextsDiffer) {
  struct Case {
    const char *num, *den;
    const char* stored;  // "Scale" as stored, with Skalieren not preset
  } cases[] = {{"2", "2", "0"}, {"01", "1", "1"}, {"3", "4", "1"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.num) + "/" + c.den);
    DeleteKeyTree("Kunden\\New Connection");
    WriteFile(std::string("[connection]\nhost=h\nport=0\n[options]\nscale_num=") + c.num + "\nscale_den=" + c.den + "\n");
    ASSERT_TRUE(Import(file_, Then::Confirm));
    EXPECT_EQ(Raw("Kunden\\New Connection", kScaleValue), c.stored);
    EXPECT_EQ(Raw("Kunden\\New Connection", kScale1Value), std::string(c.stored) == "1" ? c.num : "");
  }
}

TEST_F(VncImportTest, AFileWithoutHostOrPortIsAnsweredWithItsMessageAndNoDialog) {
  struct Case {
    const char* what;
    std::string content;  // none: the file is not there
    bool write;
  } cases[] = {{"no host", "[connection]\nport=5900\n", true},
               {"no port", "[connection]\nhost=h\n", true},
               {"empty host", "[connection]\nhost=\nport=5900\n", true},
               {"no ini file", "just text\n", true},
               {"missing file", "", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DeleteFileA(file_.c_str());
    if (c.write) WriteFile(c.content);
    boxes.clear();
    EXPECT_FALSE(Import(file_, Then::NoDialog));
    ASSERT_TRUE(PumpUntil([&] { return !boxes.seen().empty(); }));
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].title, kImportTitle);
    EXPECT_EQ(boxes.seen()[0].text, LoadResString(IDS_VNC_FILE_NO_ADDRESS));
    EXPECT_FALSE(PathExists("Kunden\\New Connection"));
  }
  EXPECT_THAT(host.added, IsEmpty());
}

TEST_F(VncImportTest, TheNameNewConnectionTakenInTheFolderIsRefusedAsADuplicate) {
  ConnectionRecord existing;
  existing.FolderPath = "Kunden";
  existing.ConnectionName = "New Connection";
  existing.Host = "first";
  existing.Display = "0";
  ASSERT_TRUE(CreateConnectionKey(existing));
  WriteFile("[connection]\nhost=second\nport=2\n");
  ASSERT_TRUE(Import(file_, Then::ConfirmThenCancel));
  ASSERT_EQ(boxes.seen().size(), 1u);
  EXPECT_EQ(boxes.seen()[0].text, LoadResString(IDS_CHANGES_NOT_SAVED));
  ConnectionRecord r;
  ASSERT_TRUE(ReadConnection("Kunden\\New Connection", r));
  EXPECT_EQ(r.Host, "first");
  EXPECT_THAT(host.added, IsEmpty());
}

// No folder selected: the dialog is given none, and the connection goes into the folder the
// main window provides rather than to the top of the store.
TEST_F(VncImportTest, WithoutASelectedFolderTheDialogGetsNone) {
  host.selectedFolder = "";
  WriteFile("[connection]\nhost=h\nport=3\n");
  ASSERT_TRUE(Import(file_, Then::Confirm));
  EXPECT_EQ(host.folderProvided, 1);
  EXPECT_TRUE(ConnectionPathExists(std::string(RecordingHost::kProvidedFolder) + "\\New Connection"));
}

TEST_F(VncImportTest, CancelledFileDialogEndsTheImportSilently) {
  WriteFile("[connection]\nhost=h\nport=3\n");
  WhileModal(
      [&](DWORD) {
        const std::string chooseTitle = LoadResString(IDS_CHOOSE_VNC_FILE);
        HWND files = WaitForShownWindow([&](HWND w) { return CaptionOf(w) == chooseTitle; });
        if (!files) return;
        BringToFront(files);
        PressKey(VK_ESCAPE);
        if (!WaitFor([&] { return !IsWindow(files); })) PostMessageA(files, WM_COMMAND, IDCANCEL, 0);
      },
      [&] { dialogs::ImportVncFile(host); });
  Pump();
  EXPECT_THAT(boxes.seen(), IsEmpty());
  EXPECT_FALSE(PathExists("Kunden\\New Connection"));
}

// The file's filter and the default extension: a bare typed name finds the .vnc file.
TEST_F(VncImportTest, ATypedNameWithoutExtensionFindsTheVncFile) {
  WriteFile("[connection]\nhost=bare.example\nport=4\n");
  ASSERT_TRUE(Import(file_.substr(0, file_.size() - 4), Then::Confirm));
  ConnectionRecord r;
  ASSERT_TRUE(ReadConnection("Kunden\\New Connection", r));
  EXPECT_EQ(r.Host, "bare.example");
}

TEST_F(VncImportTest, ReadIniValueCutsAtTheBuffer) {
  WriteFile("[connection]\nhost=" + std::string(300, 'h') + "\nport= 5900 \n");
  EXPECT_EQ(dialogs::ReadIniValue(file_, "connection", "host"), std::string(259, 'h'));
  EXPECT_EQ(dialogs::ReadIniValue(file_, "connection", "port"), "5900");
  EXPECT_EQ(dialogs::ReadIniValue(file_, "connection", "missing"), "");
  EXPECT_EQ(dialogs::ReadIniValue(file_ + ".none", "connection", "host"), "");
}

}  // namespace
