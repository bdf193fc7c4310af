// The options dialog as the user reaches it: the toolbar's options button and Ctrl+O in the list
// open it modal over the main window, and OK has the window follow at once. The dialog is worked
// from a thread of its own while it runs modally on the test's thread.
#include <fstream>

#include "browse_fixture.h"
#include "core/global_options.h"
#include "core/string_table.h"
#include "forms/basic_controls.h"
#include "forms/picture_controls.h"
#include "resources/string_ids.h"
#include "support/dialog_driver.h"

using namespace corvana;
using namespace corvana::test;

namespace {

constexpr const char* kDialogTitle = "Global Options";

// A control of the dialog, by name, as the driver finds it on the screen.
HWND ControlOf(HWND dialog, const std::string& name, int index = -1) {
  forms::Form* form = forms::FormFromWindow(dialog);
  forms::Control* control = form ? form->Find(name, index) : nullptr;
  return control ? control->hWnd() : nullptr;
}

// A click of the real mouse on the window, from the driver's thread.
void ClickWindow(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  const POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  SendMouse(0, at);
  WaitFor([&] {
    POINT now{};
    GetCursorPos(&now);
    return now.x == at.x && now.y == at.y;
  });
  SendMouse(MOUSEEVENTF_LEFTDOWN, at);
  SendMouse(MOUSEEVENTF_LEFTUP, at);
}

// A 24-bit BMP file of Width x Height pixels, all one colour.
void WriteBitmapFile(const std::string& path, int width, int height) {
  const int stride = (width * 3 + 3) & ~3;
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  const std::string row(static_cast<size_t>(stride), '\x40');
  for (int y = 0; y < height; ++y) out.write(row.data(), stride);
}

class OptionsRoadTest : public BrowseTest {
 protected:
  // What the driver saw of the dialog while it was open.
  struct Seen {
    HWND dialog = nullptr;
    HWND owner = nullptr;
    bool mainDisabled = false;
  };

  // Opens the dialog as Open does it on this thread, while Work handles it from another one; the
  // dialog is closed in any case.
  Seen WhileOptionsOpen(const std::function<void()>& open, const std::function<void(HWND dialog)>& work) {
    Seen seen;
    const HWND main = form->hWnd();
    WhileDriven(open, [&] {
      seen.dialog = WaitForShownWindow([](HWND w) { return WindowTextOf(w) == kDialogTitle; });
      if (!seen.dialog) return;
      seen.owner = GetWindow(seen.dialog, GW_OWNER);
      seen.mainDisabled = !IsWindowEnabled(main);
      BringToFront(seen.dialog);
      work(seen.dialog);
      if (!WaitFor([&] { return !IsWindow(seen.dialog); })) PostMessageA(seen.dialog, WM_CLOSE, 0, 0);
    }, 20000);
    return seen;
  }
  void ClickOptionsButton() {
    RECT r{};
    const int index = form->Toolbar1().ButtonByKey("options")->Index() - 1;
    SendMessageA(form->Toolbar1().hWnd(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    Click(ScreenPoint(form->Toolbar1().hWnd(), (r.left + r.right) / 2, (r.top + r.bottom) / 2));
  }
};

TEST_F(OptionsRoadTest, TheToolbarButtonOpensTheDialogModalOverTheWindowAndCancelWritesNothing) {
  Folder("Top");
  MainForm& f = StartInFront();
  Seen seen = WhileOptionsOpen([&] { ClickOptionsButton(); },
                               [](HWND dialog) { ClickWindow(ControlOf(dialog, "cmdCancel")); });
  ASSERT_NE(seen.dialog, nullptr);
  EXPECT_EQ(seen.owner, f.hWnd());
  EXPECT_TRUE(seen.mainDisabled);
  EXPECT_TRUE(IsWindowEnabled(f.hWnd()));
  EXPECT_EQ(Root("Prefered Encoding"), "");
  EXPECT_EQ(Root("FindAuthenticationWindowRetry"), "");
}

TEST_F(OptionsRoadTest, CtrlOInTheListOpensTheDialogAndEscClosesIt) {
  Folder("Top");
  Connection("Top", "alpha");
  MainForm& f = StartInFront();
  OpenFolder("Top");
  Click(ItemPoint(ItemNamed("alpha")));
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == f.lstItems().hWnd(); }));
  Seen seen = WhileOptionsOpen([] { PressKey('O', {VK_CONTROL}); }, [](HWND) { PressKey(VK_ESCAPE); });
  ASSERT_NE(seen.dialog, nullptr);
  EXPECT_EQ(seen.owner, f.hWnd());
  EXPECT_TRUE(seen.mainDisabled);
  EXPECT_EQ(Root("MinimizeAfterConnect"), "");
}

TEST_F(OptionsRoadTest, OkChangesTheListsBackgroundAtOnce) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string picture =
      std::string(temp) + "corvana_background_" + std::to_string(GetCurrentProcessId()) + ".bmp";
  WriteBitmapFile(picture, 37, 23);
  SetRoot("ShowBackground", "1");
  Folder("Top");
  MainForm& f = StartInFront();
  ASSERT_NE(f.lstItems().Picture(), nullptr);
  ASSERT_NE(f.lstItems().Picture()->widthPixels(), 37);

  const DWORD ui = GetCurrentThreadId();
  Seen seen = WhileOptionsOpen([&] { ClickOptionsButton(); },
                               [&](HWND dialog) {
                                 // The general page, from the keyboard.
                                 PressKey(VK_TAB, {VK_CONTROL});
                                 PressKey(VK_TAB, {VK_CONTROL});
                                 HWND page = ControlOf(dialog, "picOptions", 2);
                                 if (!WaitFor([&] { return IsWindowEnabled(page) != FALSE; })) return;
                                 HWND box = ControlOf(dialog, "txtBackgroundimage");
                                 ClickWindow(box);
                                 if (!WaitFor([&] { return FocusOf(ui) == box; })) return;
                                 TypeText(picture);
                                 if (!WaitFor([&] { return WindowTextOf(box) == picture; })) return;
                                 ClickWindow(ControlOf(dialog, "cmdOK"));
                               });
  ASSERT_NE(seen.dialog, nullptr);
  EXPECT_EQ(Root("BackGroundImage"), picture);
  EXPECT_EQ(gOptions.BackgroundImage, picture);
  ASSERT_NE(f.lstItems().Picture(), nullptr);
  EXPECT_EQ(f.lstItems().Picture()->widthPixels(), 37);
  EXPECT_EQ(f.lstItems().Picture()->heightPixels(), 23);
  EXPECT_TRUE(f.parts().mnuShowBackground.Checked());
  DeleteFileA(picture.c_str());
}

}  // namespace
