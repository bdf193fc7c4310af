// The progress windows themselves: the clip played from a temporary file that goes with the
// window, the compact layout without a clip, the place beside the main window, Cancel and the
// close box with the real mouse, the path shortened into a control, and a picture of each window.
#include <gmock/gmock.h>

#include "clipboard_fixture.h"
#include "core/string_table.h"
#include "forms/declaration_builder.h"
#include "main_window/path_text.h"
#include "main_window/progress_form.h"
#include "resources/clip_ids.h"
#include "resources/string_ids.h"
#include "scratch_folder.h"
#include "support/window_picture.h"

using namespace corvana;
using namespace corvana::test;

namespace {

forms::FormDecl OwnerDeclaration() {
  forms::FormDecl f;
  f.name = "frmOwner";
  f.caption = "Owner";
  f.clientWidth = 7000;
  f.clientHeight = 4000;
  f.controls = {forms::Decl("TextBox", "txtPath", 120, 120, 2400, 315)};
  return f;
}

size_t ClipSize(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), CORVANA_AVI_TYPE);
  return info ? SizeofResource(module, info) : 0;
}

class ProgressFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner.LoadForm();
    owner.Move(1500, 1200, 7200, 4800);
    owner.Show();
    PumpUntil([&] { return IsWindowVisible(owner.hWnd()) != FALSE; });
  }
  // The window shown in front, where the mouse finds it.
  static void ShowInFront(ProgressForm& p) {
    p.Show(forms::ShowMode::Modeless);
    SetForegroundWindow(p.hWnd());
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == p.hWnd(); }));
    const POINT button = CentreOf(p.cmdCancel().hWnd());
    ASSERT_TRUE(PumpUntil([&] { return WindowFromPoint(button) == p.cmdCancel().hWnd(); }));
  }
  forms::Form owner{OwnerDeclaration()};
  ScratchFolder temp;
};

struct KindCase {
  const char* label;
  ProgressKind kind;
  int clip;
  int captionId;
};

class ProgressKindTest : public ProgressFormTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(ProgressKindTest, PlaysItsClipFromATemporaryFileThatGoesWithTheWindow) {
  const KindCase& c = GetParam();
  TempFolderOverride useTemp(temp.path());
  ProgressForm p(c.kind, owner);
  p.LoadForm();
  EXPECT_EQ(p.Caption(), LoadResString(c.captionId));
  EXPECT_EQ(p.cmdCancel().Caption(), LoadResString(IDS_CANCEL));
  EXPECT_FALSE(p.Cancelled);
  ASSERT_EQ(temp.FileCount(), 1);
  EXPECT_EQ(p.AviFile().rfind(temp.path() + "\\", 0), 0u) << p.AviFile();
  EXPECT_EQ(ReadWholeFile(p.AviFile()).size(), ClipSize(c.clip));
  EXPECT_TRUE(p.Get<forms::Animation>("anim").Visible());
  EXPECT_EQ(p.lblSource().Top(), 840);
  EXPECT_EQ(p.lblDest().Top(), 1155);
  EXPECT_EQ(p.pbar().Top(), 1575);
  EXPECT_EQ(p.cmdCancel().Top(), 1575);
  // 100 twips right of and below the main window's top left corner.
  EXPECT_EQ(p.Left(), owner.Left() + 100);
  EXPECT_EQ(p.Top(), owner.Top() + 100);
  p.Show();
  Pump();
  p.Cancelled = true;
  EXPECT_TRUE(p.UnloadForm());
  EXPECT_EQ(temp.FileCount(), 0);
  // Every load writes the clip anew and starts without Cancel.
  p.LoadForm();
  EXPECT_FALSE(p.Cancelled);
  EXPECT_EQ(temp.FileCount(), 1);
}

// Without a clip (the temporary folder is not there) the window is shorter and its lines start
// at the top.
TEST_P(ProgressKindTest, WithoutItsClipTheWindowIsCompact) {
  int fullHeight = 0;
  {
    TempFolderOverride useTemp(temp.path());
    ProgressForm full(GetParam().kind, owner);
    full.LoadForm();
    fullHeight = full.Height();
  }
  TempFolderOverride useTemp(temp.path() + "\\missing");
  ProgressForm p(GetParam().kind, owner);
  p.LoadForm();
  EXPECT_EQ(p.AviFile(), "");
  EXPECT_FALSE(p.Get<forms::Animation>("anim").Visible());
  EXPECT_EQ(p.lblSource().Top(), 10);
  EXPECT_EQ(p.lblDest().Top(), 10 + 285 + 40);
  EXPECT_EQ(p.pbar().Top(), 335 + 285 + 40);
  EXPECT_EQ(p.cmdCancel().Top(), 660);
  // The outer height becomes the former inner height less the clip's 540 twips.
  EXPECT_EQ(p.Height(), 1980 - 540);
  EXPECT_LT(p.Height(), fullHeight);
  EXPECT_EQ(p.Top(), owner.Top() + 100);
  EXPECT_TRUE(p.UnloadForm());
}

INSTANTIATE_TEST_SUITE_P(Kinds, ProgressKindTest,
                         ::testing::Values(KindCase{"Copy", ProgressKind::Copy, IDR_AVI_COPY, IDS_PROGRESS_COPYING},
                                           KindCase{"Delete", ProgressKind::Delete, IDR_AVI_DELETE,
                                                    IDS_PROGRESS_DELETING}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(ProgressFormTest, CancelRaisesTheFlagAndClickedAgainItStaysRaised) {
  ProgressForm p(ProgressKind::Copy, owner);
  ShowInFront(p);
  for (int i = 0; i < 2; ++i) {
    ClickCancel(p.hWnd());
    ASSERT_TRUE(PumpUntil([&] { return p.Cancelled; })) << i;
    EXPECT_TRUE(p.Loaded()) << "Cancel only raises the flag; the loop unloads the window";
  }
}

// Closed by the close box while a loop runs, the window acts as Cancel and stays for the loop to
// unload; the code's unload then takes it and its clip file.
TEST_F(ProgressFormTest, TheCloseBoxActsAsCancelAndTheLoopUnloadsTheWindow) {
  TempFolderOverride useTemp(temp.path());
  ProgressForm p(ProgressKind::Delete, owner);
  ShowInFront(p);
  ClickCloseBox(p.hWnd());
  ASSERT_TRUE(PumpUntil([&] { return p.Cancelled; }));
  Pump();
  EXPECT_TRUE(p.Loaded());
  EXPECT_TRUE(IsWindowVisible(p.hWnd()));
  EXPECT_TRUE(p.UnloadForm());
  EXPECT_EQ(temp.FileCount(), 0);
}

// The item line's change lets waiting messages run: a click queued before it is handled by then.
TEST_F(ProgressFormTest, TheItemLineLetsWaitingMessagesRun) {
  ProgressForm p(ProgressKind::Copy, owner);
  ShowInFront(p);
  QueueClick(CentreOf(p.cmdCancel().hWnd()));
  EXPECT_FALSE(p.Cancelled);
  p.lblSource().SetText("first");
  EXPECT_TRUE(p.Cancelled);
  // The second line does not.
  p.Cancelled = false;
  QueueClick(CentreOf(p.cmdCancel().hWnd()));
  p.lblDest().SetText("second");
  EXPECT_FALSE(p.Cancelled);
  Pump();
}

TEST_F(ProgressFormTest, APathIsShortenedToTheControlsWidth) {
  forms::TextBox& box = owner.Get<forms::TextBox>("txtPath");
  const std::string shortPath = "C:\\a.chf";
  SetControlPathText(owner.hWnd(), shortPath, box);
  EXPECT_EQ(box.Text(), shortPath);
  const std::string longPath = "C:\\Dokumente und Einstellungen\\Kasse\\Anwendungsdaten\\Symantec\\pcAnywhere\\Filiale 7.chf";
  SetControlPathText(owner.hWnd(), longPath, box);
  const std::string shown = box.Text();
  EXPECT_NE(shown.find("..."), std::string::npos) << shown;
  EXPECT_EQ(shown.substr(shown.size() - 14), "\\Filiale 7.chf") << shown;
  EXPECT_EQ(shown.substr(0, 3), "C:\\") << shown;
  // A control without a window is left alone.
  forms::TextBox windowless(owner, forms::Decl("TextBox", "txtNone", 0, 0, 600, 300).Text("kept"));
  SetControlPathText(owner.hWnd(), longPath, windowless);
  EXPECT_EQ(windowless.Text(), "kept");
}

TEST_F(ProgressFormTest, PicturesOfBothWindows) {
  struct Shot {
    ProgressKind kind;
    const char* item;
    const char* line;
    int value;
    const char* path;
  } shots[] = {
      {ProgressKind::Copy, "Kasse Filiale 1", "Von \"Kunden\\\" nach \"Intern\"", 3, CORVANA_COPY_SCREENSHOT_PATH},
      {ProgressKind::Delete, "Lager", "", 2, CORVANA_DELETE_SCREENSHOT_PATH},
  };
  for (const Shot& s : shots) {
    ProgressForm p(s.kind, owner);
    p.LoadForm();
    p.pbar().SetMax(5);
    p.pbar().SetMin(1);
    p.pbar().SetValue(s.value);
    ShowInFront(p);
    p.lblSource().SetText(s.item);
    p.lblDest().SetText(s.line);
    // A few frames of the clip.
    const DWORD start = GetTickCount();
    PumpUntil([&] { return GetTickCount() - start > 400; });
    p.Refresh();
    Pump();
    ASSERT_TRUE(SaveWindowPicture(p.hWnd(), s.path));
    std::printf("screenshot: %s\n", s.path);
  }
}

}  // namespace
