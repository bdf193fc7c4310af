// The folder picker and the open-file dialog of the platform, worked with the real keyboard.
#include "dialogs/file_pickers.h"

#include <gmock/gmock.h>
#include <dlgs.h>
#include <shlobj.h>

#include <fstream>
#include <string>

#include "com/host/ole_init.h"
#include "support/dialog_driver.h"
#include "support/real_input.h"

using namespace corvana;
using namespace corvana::test;
using corvana::dialogs::FileFilter;
using corvana::dialogs::ShowBrowseForFolder;
using corvana::dialogs::ShowOpenFileDialog;

namespace {

constexpr const char* kTitle = "Testdatei waehlen";

// A folder of the test's own below the temporary folder, removed with what it holds.
class ScratchFolder {
 public:
  ScratchFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "corvana_pickers_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~ScratchFolder() {
    for (const std::string& f : files_) DeleteFileA(f.c_str());
    RemoveDirectoryA(path_.c_str());
  }
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) {
    std::string full = path_ + "\\" + name;
    std::ofstream(full) << "[connection]\n";
    files_.push_back(full);
    return full;
  }

 private:
  std::string path_;
  std::vector<std::string> files_;
};

bool IsOpenFileDialog(HWND wnd, const std::string& title) {
  return ClassOf(wnd) == "#32770" && CaptionOf(wnd) == title;
}

bool IsFolderPicker(HWND wnd) { return ClassOf(wnd) == "#32770" && FindChild(wnd, "SysTreeView32"); }

// The dialog in front, with the keyboard focus in one of its fields.
HWND TakeDialog(const std::function<bool(HWND)>& which, DWORD uiThread) {
  HWND dialog = WaitForShownWindow(which);
  if (!dialog) return nullptr;
  BringToFront(dialog);
  WaitFor([&] {
    HWND focus = FocusOf(uiThread);
    return focus && IsChild(dialog, focus);
  });
  return dialog;
}

// Types Text into the field that has the focus and waits until the field shows it.
void TypeIntoFocus(DWORD uiThread, const std::string& text) {
  HWND field = FocusOf(uiThread);
  TypeText(text);
  WaitFor([&] { return WindowTextOf(field).size() >= text.size(); });
}

// Whatever the driver could not do, the dialog must not stay open for ever.
void CloseIfStillOpen(HWND dialog) {
  if (dialog && IsWindow(dialog)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

class FilePickersTest : public ::testing::Test {
 protected:
  std::string OpenFileTyping(const std::string& typed, const std::string& filter = "", int index = 0,
                             const std::string& initialDir = "", const std::string& defaultExt = "") {
    std::string result;
    WhileModal(
        [&](DWORD ui) {
          HWND dialog = TakeDialog([](HWND w) { return IsOpenFileDialog(w, kTitle); }, ui);
          if (!dialog) return;
          TypeIntoFocus(ui, typed);
          PressKey(VK_RETURN);
          if (!WaitFor([&] { return !IsWindow(dialog); })) CloseIfStillOpen(dialog);
        },
        [&] { result = ShowOpenFileDialog(filter, index, kTitle, initialDir, defaultExt, nullptr); });
    return result;
  }
  com::OleInitGuard ole_;
  ScratchFolder folder_;
};

TEST_F(FilePickersTest, OpenFileReturnsTheChosenPathAndATypedNameThatDoesNotExist) {
  const std::string existing = folder_.File("office.vnc");
  const std::string missing = folder_.path() + "\\nowhere.vnc";
  EXPECT_EQ(OpenFileTyping(existing), existing);
  EXPECT_EQ(OpenFileTyping(missing), missing);
}

TEST_F(FilePickersTest, OpenFileTakesABareNameInTheInitialFolder) {
  const std::string file = folder_.File("lab.vnc");
  EXPECT_EQ(OpenFileTyping("lab.vnc", "", 0, folder_.path()), file);
}

TEST_F(FilePickersTest, OpenFileCancelledReturnsNothing) {
  std::string result = "untouched";
  WhileModal(
      [&](DWORD ui) {
        HWND dialog = TakeDialog([](HWND w) { return IsOpenFileDialog(w, kTitle); }, ui);
        if (!dialog) return;
        TypeIntoFocus(ui, "typed-then-cancelled.vnc");
        PressKey(VK_ESCAPE);
        if (!WaitFor([&] { return !IsWindow(dialog); })) CloseIfStillOpen(dialog);
      },
      [&] { result = ShowOpenFileDialog("", 0, kTitle, "", "", nullptr); });
  EXPECT_EQ(result, "");
}

// The file-type box shows the type the index names; an index without a filter, and a negative
// index, are not handed to the dialog.
TEST_F(FilePickersTest, OpenFileShowsTheFilterTypeOfTheIndex) {
  const std::string filter = std::string("Erste\0*.one\0Zweite\0*.two\0\0", 26);
  struct Case {
    std::string filter;
    int index;
    std::string shown;
  } cases[] = {{filter, 2, "Zweite"}, {filter, 1, "Erste"}, {filter, -1, "Erste"}, {"", 2, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    std::string shown = "-";
    std::string result = "-";
    WhileModal(
        [&](DWORD ui) {
          HWND dialog = TakeDialog([](HWND w) { return IsOpenFileDialog(w, kTitle); }, ui);
          if (!dialog) return;
          // The file-type box of the platform's dialog (cmb1).
          HWND types = GetDlgItem(dialog, cmb1);
          const int selected = static_cast<int>(SendMessageA(types, CB_GETCURSEL, 0, 0));
          char text[256] = {};
          if (selected >= 0) SendMessageA(types, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text));
          shown = text;
          PressKey(VK_ESCAPE);
          if (!WaitFor([&] { return !IsWindow(dialog); })) CloseIfStillOpen(dialog);
        },
        [&] { result = ShowOpenFileDialog(c.filter, c.index, kTitle, "", "", nullptr); });
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(result, "");
  }
}

TEST_F(FilePickersTest, OpenFileAddsTheDefaultExtensionToATypedNameWithoutOne) {
  const std::string file = folder_.File("desk.vnc");
  EXPECT_EQ(OpenFileTyping(folder_.path() + "\\desk", "", 0, "", "vnc"), file);
  EXPECT_EQ(OpenFileTyping(folder_.path() + "\\desk", "", 0, "", ".vnc"), file);
}

TEST_F(FilePickersTest, FilterOfOneTypeEndsInTwoNuls) {
  EXPECT_EQ(FileFilter("VNC", "*.vnc"), std::string("VNC\0*.vnc\0\0", 11));
}

class FolderPickerTest : public ::testing::Test {
 protected:
  // Shows the picker, selects what Select selects in it and confirms with Enter.
  std::string PickWith(const std::function<void(HWND)>& select, std::int16_t editBox = 0,
                       std::string* seenTitle = nullptr) {
    std::string result = "-";
    WhileModal(
        [&](DWORD ui) {
          HWND dialog = TakeDialog(IsFolderPicker, ui);
          if (!dialog) return;
          if (seenTitle) *seenTitle = FindChild(dialog, "Static", &kPickerTitle) ? kPickerTitle : "";
          select(dialog);
          if (!WaitFor([&] { return !IsWindow(dialog); })) CloseIfStillOpen(dialog);
        },
        [&] { result = ShowBrowseForFolder(kPickerTitle, editBox, nullptr); });
    return result;
  }
  // The platform's own message for a preselected folder, then the user's Enter.
  static std::function<void(HWND)> SelectPath(const std::string& path) {
    return [path](HWND dialog) {
      SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
      PressKey(VK_RETURN);
    };
  }
  static inline const std::string kPickerTitle = "Verzeichnis waehlen";
  com::OleInitGuard ole_;
  ScratchFolder folder_;
};

TEST_F(FolderPickerTest, AFolderComesBackWithABackslashAndADriveRootAsItIs) {
  EXPECT_EQ(PickWith(SelectPath(folder_.path())), folder_.path() + "\\");
  EXPECT_EQ(PickWith(SelectPath("C:\\")), "C:\\");
}

TEST_F(FolderPickerTest, CancelledReturnsNothing) {
  EXPECT_EQ(PickWith([](HWND) { PressKey(VK_ESCAPE); }), "");
}

// "Arbeitsplatz" has no path in the file system: nothing usable was chosen.
TEST_F(FolderPickerTest, AnItemWithoutAFileSystemPathReturnsNothing) {
  std::string result = PickWith([](HWND dialog) {
    LPITEMIDLIST computer = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer))) {
      SendMessageA(dialog, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(computer));
      CoTaskMemFree(computer);
    }
    PressKey(VK_RETURN);
  });
  EXPECT_EQ(result, "");
}

TEST_F(FolderPickerTest, TheTitleIsShownInThePicker) {
  std::string title;
  EXPECT_EQ(PickWith([](HWND) { PressKey(VK_ESCAPE); }, 1, &title), "");
  EXPECT_EQ(title, kPickerTitle);
}

// The platform's picker here has no edit box to show, so the flags are checked as they are handed
// over: any non-zero EditBox (a 16-bit boolean) asks for it.
TEST(FolderPickerFlags, EveryNonZeroEditBoxAsksForTheEditBox) {
  EXPECT_EQ(corvana::dialogs::BrowseForFolderFlags(0), static_cast<UINT>(BIF_DONTGOBELOWDOMAIN));
  EXPECT_EQ(corvana::dialogs::BrowseForFolderFlags(1), static_cast<UINT>(BIF_EDITBOX));
  EXPECT_EQ(corvana::dialogs::BrowseForFolderFlags(-1), static_cast<UINT>(BIF_EDITBOX));
}

}  // namespace
