#include "forms/picture.h"

#include <commctrl.h>

namespace corvana::forms {

Picture::Picture(GdiObject bitmap) : bitmap_(std::move(bitmap)) {
  BITMAP info{};
  if (bitmap_ && GetObjectA(bitmap_.get(), sizeof info, &info)) {
    width_ = info.bmWidth;
    height_ = info.bmHeight;
  }
}

PictureRef LoadPictureFile(const std::string& path) {
  GdiObject bmp(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (!bmp) return nullptr;
  return std::make_shared<Picture>(std::move(bmp));
}

PictureRef LoadPictureResource(int resourceId, HMODULE module) {
  GdiObject bmp(LoadImageA(module ? module : GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0,
                           LR_CREATEDIBSECTION));
  if (!bmp) return nullptr;
  return std::make_shared<Picture>(std::move(bmp));
}

PictureRef IconPicture(int iconId, int size, COLORREF back) {
  IconHandle icon(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON, size, size, 0)));
  if (!icon) return nullptr;
  WindowDc screen(nullptr);
  MemoryDc dc(CreateCompatibleDC(screen.get()));
  GdiObject bitmap(CreateCompatibleBitmap(screen.get(), size, size));
  {
    SelectedObject selected(dc.get(), bitmap.get());
    RECT all{0, 0, size, size};
    GdiObject brush(CreateSolidBrush(back));
    FillRect(dc.get(), &all, static_cast<HBRUSH>(brush.get()));
    DrawIconEx(dc.get(), 0, 0, icon.get(), size, size, 0, nullptr, DI_NORMAL);
  }
  return std::make_shared<const Picture>(std::move(bitmap));
}

PictureRef LabelledIconPicture(HIMAGELIST icons, int iconIndex, const std::string& text, HFONT font, COLORREF back) {
  constexpr int kTextGapPixels = 2;
  int iconWidth = 0, iconHeight = 0;
  if (icons) ImageList_GetIconSize(icons, &iconWidth, &iconHeight);
  const HGDIOBJ textFont = font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT);
  const std::string label = text + " ";
  WindowDc screen(nullptr);
  MemoryDc dc(CreateCompatibleDC(screen.get()));
  SIZE room{};
  {
    // Room for the icon's column as blanks before the text, as the drag image always had.
    SelectedObject selected(dc.get(), textFont);
    const std::string measured = "       " + text;
    GetTextExtentPoint32A(dc.get(), measured.c_str(), static_cast<int>(measured.size()), &room);
  }
  const int width = iconWidth + room.cx;
  const int height = iconHeight > room.cy ? iconHeight : room.cy;
  GdiObject bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  {
    SelectedObject selected(dc.get(), bitmap.get());
    SelectedObject selectedFont(dc.get(), textFont);
    RECT all{0, 0, width, height};
    GdiObject brush(CreateSolidBrush(back));
    FillRect(dc.get(), &all, static_cast<HBRUSH>(brush.get()));
    if (icons && iconIndex >= 0) ImageList_Draw(icons, iconIndex, dc.get(), 0, 0, ILD_TRANSPARENT);
    SetBkMode(dc.get(), TRANSPARENT);
    TextOutA(dc.get(), iconWidth + kTextGapPixels, 0, label.c_str(), static_cast<int>(label.size()));
  }
  return std::make_shared<const Picture>(std::move(bitmap));
}

}  // namespace corvana::forms
