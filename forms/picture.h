#pragma once
// A picture that forms and controls share by reference, as one control's picture is handed to another.
#include <windows.h>

#include <memory>
#include <string>

#include "win/handles.h"

namespace corvana::forms {

class Picture {
 public:
  explicit Picture(GdiObject bitmap);
  HBITMAP bitmap() const { return static_cast<HBITMAP>(bitmap_.get()); }
  int widthPixels() const { return width_; }
  int heightPixels() const { return height_; }

 private:
  GdiObject bitmap_;
  int width_ = 0, height_ = 0;
};
using PictureRef = std::shared_ptr<const Picture>;

// Null when the file or resource holds no bitmap.
PictureRef LoadPictureFile(const std::string& path);
PictureRef LoadPictureResource(int resourceId, HMODULE module = nullptr);
// An icon of the program's resources drawn at Size x Size pixels on Back.
PictureRef IconPicture(int iconId, int size, COLORREF back);
// What a dragged item looks like: the image at IconIndex of Icons and, right of it, Text in Font,
// on Back.
PictureRef LabelledIconPicture(HIMAGELIST icons, int iconIndex, const std::string& text, HFONT font, COLORREF back);

}  // namespace corvana::forms
