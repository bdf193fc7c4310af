// How the owner-drawn menu measures and draws its items, read back from the pixels of a drawn
// item: the picture column with its bevel, the highlight, the caption 25 pixels in, and every
// pure white pixel of a picture transparent.
#include <gmock/gmock.h>

#include "core/string_table.h"
#include "main_window/quick_gdi.h"
#include "resources/string_ids.h"
#include "tray_menu_fixture.h"

using namespace corvana;
using namespace corvana::test;

namespace {

constexpr COLORREF kBack = RGB(10, 200, 30);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kNearWhite = RGB(255, 255, 254);
constexpr int kWidth = 160;

// 16 x 16: columns 0-7 pure white, 8-11 nearly white, 12-15 red.
forms::PictureRef TestPicture() {
  WindowDc screen(nullptr);
  GdiObject bitmap(CreateCompatibleBitmap(screen.get(), 16, 16));
  MemoryDc dc(CreateCompatibleDC(screen.get()));
  {
    SelectedObject selected(dc.get(), bitmap.get());
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) SetPixel(dc.get(), x, y, x < 8 ? RGB(255, 255, 255) : x < 12 ? kNearWhite : kRed);
  }
  return std::make_shared<const forms::Picture>(std::move(bitmap));
}

// A canvas of one menu item's size, painted in a colour no menu uses.
class Canvas {
 public:
  Canvas() : dc_(CreateCompatibleDC(WindowDc(nullptr).get())) {
    WindowDc screen(nullptr);
    bitmap_.reset(CreateCompatibleBitmap(screen.get(), kWidth, kMenuItemHeight));
    old_ = SelectObject(dc_.get(), bitmap_.get());
    GdiObject brush(CreateSolidBrush(kBack));
    RECT all{0, 0, kWidth, kMenuItemHeight};
    FillRect(dc_.get(), &all, static_cast<HBRUSH>(brush.get()));
  }
  ~Canvas() { SelectObject(dc_.get(), old_); }
  HDC dc() const { return dc_.get(); }
  COLORREF at(int x, int y) const { return GetPixel(dc_.get(), x, y); }
  // Whether any pixel of the columns [from, to) differs from Colour.
  bool anyBut(int from, int to, COLORREF colour) const {
    for (int x = from; x < to; ++x)
      for (int y = 0; y < kMenuItemHeight; ++y)
        if (at(x, y) != colour) return true;
    return false;
  }

 private:
  MemoryDc dc_;
  GdiObject bitmap_;
  HGDIOBJ old_ = nullptr;
};

class TrayMenuDrawingTest : public TrayMenuTest {
 protected:
  void SetUp() override {
    Start();
    menu.InitMenu(*form);
  }
  void Draw(UINT id, bool selected, const Canvas& canvas) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = id;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = selected ? ODS_SELECTED : 0;
    item.hDC = canvas.dc();
    item.rcItem = {0, 0, kWidth, kMenuItemHeight};
    menu.DrawItem(item);
  }
  int TextWidth(const std::string& text) const {
    WindowDc screen(nullptr);
    SelectedObject font(screen.get(), form->Font());
    SIZE size{};
    GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
  }
  SystrayMenu menu;
};

TEST_F(TrayMenuDrawingTest, PureWhiteOfThePictureIsTransparentAndEveryOtherColourStays) {
  menu.AddMenuItem(menu.GetMenuHandle(), 0, "Kasse", TestPicture(), "Kunden\\Kasse");
  for (bool selected : {false, true}) {
    Canvas canvas;
    Draw(1, selected, canvas);
    for (int y = 2; y < 18; ++y) {
      for (int x = 0; x < 8; ++x) ASSERT_EQ(canvas.at(4 + x, y), kBack) << x << "," << y << " selected " << selected;
      for (int x = 8; x < 12; ++x) ASSERT_EQ(canvas.at(4 + x, y), kNearWhite) << x << "," << y;
      for (int x = 12; x < 16; ++x) ASSERT_EQ(canvas.at(4 + x, y), kRed) << x << "," << y;
    }
  }
}

TEST_F(TrayMenuDrawingTest, TheHighlightStartsRightOfThePictureColumnWhichGetsARaisedBevel) {
  menu.AddMenuItem(menu.GetMenuHandle(), 0, "Kasse", TestPicture(), "Kunden\\Kasse");
  Canvas plain, selected;
  Draw(1, false, plain);
  Draw(1, true, selected);
  // Right of the picture column: the menu's colour, or the highlight's.
  EXPECT_EQ(plain.at(23, 1), GetSysColor(COLOR_MENU));
  EXPECT_EQ(selected.at(23, 1), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(selected.at(kWidth - 1, kMenuItemHeight - 1), GetSysColor(COLOR_HIGHLIGHT));
  // The column itself is not filled.
  EXPECT_EQ(selected.at(2, 10), kBack);
  // The bevel: light at the left and top, dark at the right and bottom; erased in the menu's colour.
  EXPECT_EQ(selected.at(1, 10), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(selected.at(10, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(selected.at(21, 10), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(selected.at(10, kMenuItemHeight - 1), GetSysColor(COLOR_BTNSHADOW));
  for (const POINT p : {POINT{1, 10}, POINT{10, 0}, POINT{21, 10}, POINT{10, kMenuItemHeight - 1}})
    EXPECT_EQ(plain.at(p.x, p.y), GetSysColor(COLOR_MENU)) << p.x << "," << p.y;
}

TEST_F(TrayMenuDrawingTest, TheCaptionStartsTwentyFivePixelsInWithOrWithoutAPicture) {
  menu.AddMenuItem(menu.GetMenuHandle(), 0, "Kasse", TestPicture(), "Kunden\\Kasse");
  menu.AddMenuItem(menu.GetMenuHandle(), 0, "Menu", nullptr, "");
  for (UINT id : {1u, 2u}) {
    for (bool selected : {false, true}) {
      Canvas canvas;
      Draw(id, selected, canvas);
      const COLORREF fill = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU);
      EXPECT_FALSE(canvas.anyBut(22, kMenuCaptionLeft, fill)) << id << " selected " << selected;
      EXPECT_TRUE(canvas.anyBut(kMenuCaptionLeft, kWidth, fill)) << "no caption, item " << id;
      // Without a picture the whole item is filled.
      if (id == 2) EXPECT_FALSE(canvas.anyBut(0, 22, fill)) << "selected " << selected;
    }
  }
  // An id the menu does not know draws nothing.
  Canvas canvas;
  Draw(7, true, canvas);
  EXPECT_FALSE(canvas.anyBut(0, kWidth, kBack));
}

TEST_F(TrayMenuDrawingTest, ItemsAreTwentyHighAndWideEnoughForTheirCaption) {
  ASSERT_EQ(forms::TwipsToPixelsX(1440), 96) << "the widths below are those of 96 DPI";
  const std::string closing = LoadResString(IDS_CLOSE_MENU);
  menu.AddMenuItem(menu.GetMenuHandle(), 0, "Kunden", TestPicture(), "Kunden");
  menu.AddMenuItem(menu.GetMenuHandle(), 0, closing, nullptr, "");
  menu.AddMenuItem(menu.GetMenuHandle(), 0, "", TestPicture(), "x");
  struct Case {
    UINT id;
    int width;
  } cases[] = {
      // 16 pixels of picture count as 423 HIMETRIC, 28 pixels.
      {1, TextWidth("Kunden") + 28},
      // The caption 25 pixels in needs those 25 pixels too.
      {2, TextWidth(closing) + kMenuCaptionLeft},
      {3, 28},
  };
  for (const Case& c : cases) {
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, c.id, 0, 0, 0};
    menu.MeasureItem(measure);
    EXPECT_EQ(static_cast<int>(measure.itemWidth), c.width) << c.id;
    EXPECT_EQ(measure.itemHeight, static_cast<UINT>(kMenuItemHeight)) << c.id;
  }
}

TEST_F(TrayMenuDrawingTest, TheWindowsMenuPicturesAreSixteenSquareWithWhiteAroundThem) {
  const MainForm::Parts& c = form->parts();
  for (forms::PictureBox* box : {&c.picFolder, &c.picVNC, &c.picPCAW, &c.picPlugin}) {
    const forms::PictureRef picture = box->Picture();
    ASSERT_TRUE(picture) << box->Name();
    EXPECT_EQ(picture->widthPixels(), 16) << box->Name();
    EXPECT_EQ(picture->heightPixels(), 16) << box->Name();
    // Drawn on the canvas: the corner is the canvas's, something else is the picture's.
    Canvas canvas;
    PaintEffects::PaintTransparentStdPic(canvas.dc(), 0, 0, 16, 16, picture.get(), 0, 0, kPictureMaskColor);
    EXPECT_EQ(canvas.at(0, 0), kBack) << box->Name();
    EXPECT_TRUE(canvas.anyBut(0, 16, kBack)) << box->Name();
  }
}

TEST_F(TrayMenuDrawingTest, AnIconPictureIsTransparentWhereTheIconIsAndWhereItIsWhite) {
  // Left half outside the icon (its mask), right half red.
  WindowDc screen(nullptr);
  GdiObject colour(CreateCompatibleBitmap(screen.get(), 16, 16));
  GdiObject mask(CreateBitmap(16, 16, 1, 1, nullptr));
  {
    MemoryDc dc(CreateCompatibleDC(screen.get()));
    SelectedObject c(dc.get(), colour.get());
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) SetPixel(dc.get(), x, y, x < 8 ? RGB(0, 0, 0) : kRed);
  }
  {
    MemoryDc dc(CreateCompatibleDC(screen.get()));
    SelectedObject m(dc.get(), mask.get());
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) SetPixel(dc.get(), x, y, x < 8 ? RGB(255, 255, 255) : RGB(0, 0, 0));
  }
  ICONINFO info{TRUE, 0, 0, static_cast<HBITMAP>(mask.get()), static_cast<HBITMAP>(colour.get())};
  IconHandle icon(CreateIconIndirect(&info));
  ASSERT_TRUE(icon);
  Canvas canvas;
  PaintEffects::PaintTransparentStdPic(canvas.dc(), 4, 2, 16, 16, icon.get(), kPictureMaskColor);
  for (int y = 2; y < 18; ++y) {
    EXPECT_EQ(canvas.at(4 + 2, y), kBack) << y;
    EXPECT_EQ(canvas.at(4 + 12, y), kRed) << y;
  }
  EXPECT_EQ(canvas.at(3, 10), kBack);
  EXPECT_EQ(canvas.at(20, 10), kBack);
}

}  // namespace
