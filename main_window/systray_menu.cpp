#include "main_window/systray_menu.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/string_table.h"
#include "forms/twips.h"
#include "main_window/quick_gdi.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

// The item record of the menu functions as the 32-bit platform lays it out, before the bitmap
// member of later versions: 44 bytes.
constexpr UINT kMenuItemInfoSize = offsetof(MENUITEMINFOA, hbmpItem);
#ifndef _WIN64
static_assert(kMenuItemInfoSize == 44);
static_assert(sizeof(MEASUREITEMSTRUCT) == 24);
static_assert(sizeof(DRAWITEMSTRUCT) == 48);
#endif

constexpr int kHimetricPerInch = 2540;
constexpr int kTwipsPerInch = 1440;
// The picture column: the picture 4 pixels in and 2 down, its bevel from 1 to 21.
constexpr int kPictureColumn = 22;
constexpr int kPictureLeft = 4;
constexpr int kPictureTop = 2;
constexpr int kPictureSize = 16;
constexpr int kBevelLeft = 1;
constexpr int kBevelRight = 21;
constexpr int kCaptionTop = 3;

int ScreenDpiX() {
  WindowDc screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSX);
}

int TextWidthPixels(HFONT font, const std::string& text) {
  WindowDc screen(nullptr);
  SelectedObject selected(screen.get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

}  // namespace

SystrayMenu::~SystrayMenu() { DestroyMenus(); }

void SystrayMenu::InitMenu(forms::Form& Owner) {
  DestroyMenus();
  owner_ = &Owner;
  popup_.reset(CreatePopupMenu());
  counter_ = 1;
  items_.assign(2, MenuItemRecord{});
}

HMENU SystrayMenu::Insert(HMENU Parent, const std::string& Caption, forms::PictureRef Picture,
                          const std::string& Key, MenuHandle SubMenu) {
  if (!popup_ || !Parent) return nullptr;
  MenuItemRecord& item = items_[counter_];
  item.ID = counter_;
  item.Caption = Caption;
  item.Key = Key;
  item.Picture = std::move(Picture);
  item.hSubMenu = SubMenu.get();
  item.IdText = std::to_string(counter_);

  MENUITEMINFOA info{};
  info.cbSize = kMenuItemInfoSize;
  info.fMask = MIIM_ID | MIIM_TYPE | (SubMenu ? MIIM_SUBMENU : 0);
  info.fType = MFT_OWNERDRAW;
  info.wID = counter_;
  info.hSubMenu = SubMenu.get();
  info.dwTypeData = item.IdText.data();
  // Appended by position: a lookup by command would search every item of every submenu so far,
  // and a large store would take the square of its size to build.
  const HMENU sub = SubMenu.get();
  if (InsertMenuItemA(Parent, static_cast<UINT>(GetMenuItemCount(Parent)), TRUE, &info)) {
    SubMenu.release();  // the parent destroys it with itself
  } else {
    item.hSubMenu = nullptr;
  }
  ++counter_;
  items_.resize(counter_ + 1);
  return item.hSubMenu ? sub : nullptr;
}

void SystrayMenu::AddMenuItem(HMENU Parent, long /*ID*/, const std::string& Caption, forms::PictureRef Picture,
                              const std::string& Key) {
  Insert(Parent, Caption, std::move(Picture), Key, MenuHandle());
}

HMENU SystrayMenu::AddSubMenu(HMENU Parent, long /*ID*/, const std::string& Caption, forms::PictureRef Picture,
                              const std::string& Key) {
  if (!popup_ || !Parent) return nullptr;
  return Insert(Parent, Caption, std::move(Picture), Key, MenuHandle(CreateMenu()));
}

std::string SystrayMenu::ShowMenu() {
  if (!popup_ || !owner_) return "";
  AddMenuItem(popup_.get(), static_cast<long>(counter_), LoadResString(IDS_CLOSE_MENU), nullptr, "");
  POINT cursor{};
  GetCursorPos(&cursor);
  const UINT chosen = forms::TrackOwnerDrawnPopup(*owner_, popup_.get(), cursor.x, ClampMenuY(cursor.y), *this);
  const MenuItemRecord* item = Item(chosen);
  return item ? item->Key : "";
}

void SystrayMenu::DestroyMenus() {
  // The menu takes every submenu it holds along; one that never got a place goes by itself.
  popup_.reset();
  for (const MenuItemRecord& item : items_)
    if (item.hSubMenu && IsMenu(item.hSubMenu)) DestroyMenu(item.hSubMenu);
}

const MenuItemRecord* SystrayMenu::Item(UINT ID) const {
  if (ID == 0 || ID >= counter_ || ID >= items_.size()) return nullptr;
  return &items_[ID];
}

void SystrayMenu::MeasureItem(MEASUREITEMSTRUCT& Measure) {
  const MenuItemRecord* item = Item(Measure.itemID);
  if (!item) return;
  // The caption in the owner's font and the picture's width (in its own unit, a 16-pixel
  // picture as 28 pixels) make the width. An item without a picture still has its caption 25
  // pixels in: measured by its caption alone it would lose that much of its end.
  const int dpi = ScreenDpiX();
  const double twipsPerPixel = static_cast<double>(kTwipsPerInch) / dpi;
  const double captionTwips = forms::PixelsToTwipsX(TextWidthPixels(owner_ ? owner_->Font() : nullptr, item->Caption));
  const double pictureTwips = item->Picture ? MulDiv(item->Picture->widthPixels(), kHimetricPerInch, dpi)
                                            : kMenuCaptionLeft * twipsPerPixel;
  Measure.itemWidth = static_cast<UINT>(std::lround((captionTwips + pictureTwips) / twipsPerPixel));
  Measure.itemHeight = kMenuItemHeight;
}

void SystrayMenu::DrawItem(const DRAWITEMSTRUCT& Draw) {
  const MenuItemRecord* item = Item(Draw.itemID);
  if (!item) return;
  const RECT rc = Draw.rcItem;
  const HDC dc = Draw.hDC;
  const bool selected = (Draw.itemState & ODS_SELECTED) != 0;
  const COLORREF fill = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU);
  const COLORREF text = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);

  QuickGDI gdi;
  gdi.SetTargetDC(dc);
  {
    GdiObject brush(CreateSolidBrush(fill));
    GdiObject pen = gdi.MakePen(1, fill);
    SelectedObject brushIn(dc, brush.get());
    SelectedObject penIn(dc, pen.get());
    gdi.FillRectangle(rc.left + (item->Picture ? kPictureColumn : 0), rc.top, rc.right, rc.bottom);
    const int mode = SetBkMode(dc, TRANSPARENT);
    gdi.DrawTextAt(rc.left + kMenuCaptionLeft, rc.top + kCaptionTop, item->Caption, text);
    SetBkMode(dc, mode);
  }
  if (!item->Picture) return;
  PaintEffects::PaintTransparentStdPic(dc, kPictureLeft, rc.top + kPictureTop, kPictureSize, kPictureSize,
                                       item->Picture.get(), 0, 0, kPictureMaskColor);
  if (selected) gdi.DrawBevel(kBevelLeft, rc.top, kBevelRight, rc.bottom - 1, false);
  else gdi.EraseBevel(kBevelLeft, rc.top, kBevelRight, rc.bottom - 1, false);
}

int ClampMenuY(int Y) {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return std::min(Y, static_cast<int>(work.bottom - work.top));
}

}  // namespace corvana
