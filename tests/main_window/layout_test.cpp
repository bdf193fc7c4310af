// The layout around the splitter, the folder-info panel's banner on the screen, and the splitter
// dragged with the real mouse.
#include "main_window_fixture.h"

#include <algorithm>
#include <vector>

#include "forms/picture.h"
#include "forms/twips.h"
#include "resources/bitmap_ids.h"
#include "win/handles.h"

namespace corvana::test {
namespace {

class LayoutTest : public MainWindowTest {
 protected:
  void SetUp() override {
    Start();
    form->Move(600, 600, 12000, 7500);
    Pump();
  }
};

TEST_F(LayoutTest, SizeControlsKeepsTheSplitterOffBothEdges) {
  MainForm& f = *form;
  struct Case {
    float x;
    int splitter;
  } cases[] = {{100, 1500}, {1499, 1500}, {4000, 4000}, {20000, 12000 - 1500}};
  for (const Case& c : cases) {
    f.SizeControls(c.x);
    EXPECT_EQ(f.imgSplitter().Left(), c.splitter) << c.x;
    EXPECT_EQ(f.tvMain().Width(), c.splitter - 40) << c.x;
    EXPECT_EQ(f.imgFolderInfo().Left(), c.splitter + 60) << c.x;
    // The panel ends at the inner right edge.
    EXPECT_NEAR(f.imgFolderInfo().Left() + f.imgFolderInfo().Width(), f.ScaleWidth(), 15) << c.x;
  }
}

TEST_F(LayoutTest, TheListMakesRoomForTheFolderInfoOnlyWhileItShows) {
  MainForm& f = *form;
  f.SizeControls(4000);
  EXPECT_EQ(f.lstItems().Left(), f.txtFolderInfo().Left() + f.txtFolderInfo().Width());
  EXPECT_EQ(f.lstItems().Width(), f.imgFolderInfo().Width() - f.txtFolderInfo().Width() - f.txtFolderInfo().Left() - 60);
  for (forms::TextBox* t : {&f.txtFolderInfo(), &f.txtConnInfo(), &f.txtItemName()}) t->SetVisible(false);
  f.SizeControls(4000);
  EXPECT_EQ(f.lstItems().Left(), 0);
  EXPECT_EQ(f.lstItems().Width(), f.imgFolderInfo().Width() - 60);
  EXPECT_EQ(f.lstItems().Top(), 0);
  EXPECT_EQ(f.lstItems().Height(), f.imgFolderInfo().Height() - 60);
}

TEST_F(LayoutTest, TheTreeReachesTheBarsThatShowAndTheBottomWithoutAStatusBar) {
  MainForm& f = *form;
  f.StatusBar1().SetVisible(true);
  f.SizeControls(4000);
  const int toolbar = f.Toolbar1().Height();
  EXPECT_EQ(f.tvMain().Top(), toolbar);
  EXPECT_EQ(f.tvMain().Height(), f.ScaleHeight() - toolbar - f.StatusBar1().Height());
  EXPECT_EQ(f.imgFolderInfo().Top(), f.tvMain().Top());
  EXPECT_EQ(f.imgFolderInfo().Height(), f.tvMain().Height());
  EXPECT_EQ(f.imgSplitter().Height(), f.tvMain().Height());
  EXPECT_EQ(f.txtConnInfo().Top() + f.txtConnInfo().Height(), f.imgFolderInfo().Height());

  f.StatusBar1().SetVisible(false);
  f.SizeControls(4000);
  EXPECT_EQ(f.tvMain().Height(), f.ScaleHeight() - toolbar);

  // Without the toolbar the tree keeps the Top it had.
  f.tvMain().SetTop(1000);
  f.Toolbar1().SetVisible(false);
  f.SizeControls(4000);
  EXPECT_EQ(f.tvMain().Top(), 1000);
  EXPECT_EQ(f.tvMain().Height(), f.ScaleHeight());
  EXPECT_EQ(f.imgSplitter().Top(), 1000);
}

// A rectangle of a DC as 0x00RRGGBB, row by row from the top.
std::vector<DWORD> Pixels(HDC source, int x, int y, int w, int h) {
  MemoryDc memory(CreateCompatibleDC(source));
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject dib(CreateDIBSection(memory.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib) return {};
  SelectedObject selected(memory.get(), dib.get());
  if (!BitBlt(memory.get(), 0, 0, w, h, source, x, y, SRCCOPY)) return {};
  GdiFlush();
  const DWORD* p = static_cast<const DWORD*>(bits);
  std::vector<DWORD> out(p, p + w * h);
  for (DWORD& v : out) v &= 0xFFFFFF;
  return out;
}

DWORD Rgb(COLORREF c) { return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c); }

TEST_F(LayoutTest, TheFolderInfoPanelShowsItsBannerUncoveredAtItsTopLeft) {
  MainForm& f = *form;
  const forms::PictureRef shown = f.imgFolderInfo().Picture();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->widthPixels(), 127);
  EXPECT_EQ(shown->heightPixels(), 56);
  const forms::PictureRef banner = forms::LoadPictureResource(IDB_FOLDER_INFO);
  ASSERT_NE(banner, nullptr);

  // The banner's pixels at the panel's client origin, unstretched, with a margin of the panel's
  // colour to its right and below.
  const int w = banner->widthPixels(), h = banner->heightPixels(), margin = 4;
  std::vector<DWORD> expected((w + margin) * (h + margin), Rgb(f.imgFolderInfo().BackColor()));
  {
    MemoryDc dc(CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.get(), banner->bitmap());
    const std::vector<DWORD> own = Pixels(dc.get(), 0, 0, w, h);
    ASSERT_EQ(own.size(), static_cast<size_t>(w * h));
    for (int y = 0; y < h; ++y) std::copy_n(own.begin() + y * w, w, expected.begin() + y * (w + margin));
  }

  // What the user sees there: the screen, children and all.
  auto onScreen = [&] {
    POINT origin{0, 0};
    ClientToScreen(f.imgFolderInfo().hWnd(), &origin);
    WindowDc screen(nullptr);
    return Pixels(screen.get(), origin.x, origin.y, w + margin, h + margin);
  };
  SetForegroundWindow(f.hWnd());
  f.Refresh();
  PumpUntil([&] { return onScreen() == expected; });
  const std::vector<DWORD> seen = onScreen();
  ASSERT_EQ(seen.size(), expected.size());
  int wrong = 0;
  for (size_t i = 0; i < seen.size(); ++i) {
    if (seen[i] != expected[i] && wrong++ == 0)
      ADD_FAILURE() << "first difference at " << i % (w + margin) << "," << i / (w + margin) << ": " << std::hex
                    << seen[i] << " instead of " << expected[i];
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(LayoutTest, DoMousePointerReachesEveryControlButTheSplitter) {
  MainForm& f = *form;
  f.DoMousePointer(13);
  for (const auto& c : f.Controls()) {
    if (c->Name() != "imgSplitter") {
      EXPECT_EQ(c->MousePointer(), 13) << c->Name();
    }
  }
  EXPECT_EQ(f.imgSplitter().MousePointer(), 9);
  f.DoMousePointer(0);
  EXPECT_EQ(f.tvMain().MousePointer(), 0);
  EXPECT_EQ(f.imgSplitter().MousePointer(), 9);
}

// The mouse as the user moves it: absolute screen pixels through SendInput.
void MouseTo(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}
void Button(DWORD flag) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flag;
  SendInput(1, &in, sizeof in);
}

TEST_F(LayoutTest, TheSplitterDroppedNearTheLeftEdgeSnapsTo1500) {
  MainForm& f = *form;
  SetForegroundWindow(f.hWnd());
  f.SizeControls(4000);
  Pump();
  RECT r{}, panel{};
  GetWindowRect(f.imgSplitter().hWnd(), &r);
  GetWindowRect(f.imgFolderInfo().hWnd(), &panel);
  // The panel lies over the splitter's right part; the grip is the strip left of it.
  POINT grip{(r.left + panel.left) / 2, (r.top + r.bottom) / 2};
  ASSERT_EQ(WindowFromPoint(grip), f.imgSplitter().hWnd());
  MouseTo(grip);
  Pump();
  Button(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return f.SplitterMoving(); }));
  EXPECT_TRUE(f.picSplitter().Visible());
  // 600 twips from the form's left edge, where the splitter's Left counts from.
  POINT origin{0, 0};
  ClientToScreen(f.hWnd(), &origin);
  MouseTo({origin.x + forms::TwipsToPixelsX(600), grip.y});
  ASSERT_TRUE(PumpUntil([&] { return std::abs(f.picSplitter().Left() - 600) <= 15; }));
  EXPECT_EQ(f.imgSplitter().Left(), 4000);  // nothing moves before the release
  Button(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return !f.SplitterMoving(); }));
  EXPECT_FALSE(f.picSplitter().Visible());
  EXPECT_EQ(f.imgSplitter().Left(), 1500);
  EXPECT_EQ(f.tvMain().Width(), 1460);
  EXPECT_EQ(f.imgFolderInfo().Left(), 1560);
}

TEST_F(LayoutTest, TheDraggedBarStaysFiveHundredFromTheEdges) {
  MainForm& f = *form;
  f.SizeControls(4000);
  // Press and moves as the splitter's handlers receive them, relative to the splitter.
  f.imgSplitter_MouseDown(1, 0, 60, 60);
  EXPECT_EQ(f.picSplitter().Left(), 4000);
  EXPECT_EQ(f.picSplitter().Width(), 135 / 2);
  f.imgSplitter_MouseMove(1, 0, -3800, 60);
  EXPECT_EQ(f.picSplitter().Left(), 500);
  f.imgSplitter_MouseMove(1, 0, 20000, 60);
  EXPECT_EQ(f.picSplitter().Left(), f.Width() - 500);
  f.imgSplitter_MouseUp(1, 0, 0, 0);
  EXPECT_EQ(f.imgSplitter().Left(), f.Width() - 1500);
  // A press and release without a move lays out at the splitter's own Left.
  f.imgSplitter_MouseDown(1, 0, 60, 60);
  f.imgSplitter_MouseUp(1, 0, 60, 60);
  EXPECT_EQ(f.imgSplitter().Left(), f.Width() - 1500);
}

}  // namespace
}  // namespace corvana::test
