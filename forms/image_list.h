#pragma once
// An image list: images of one size, found by Key, for list and tree views and toolbars.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "win/handles.h"
#include "forms/control.h"

namespace corvana::forms {

class ImageList : public Control {
 public:
  ImageList(Form& form, const ControlDecl& decl);
  // Copies the bitmap in; MaskColor's pixels become transparent. False when it does not fit.
  bool AddBitmap(const std::string& key, HBITMAP bitmap);
  bool AddBitmapResource(const std::string& key, int resourceId, HMODULE module = nullptr);
  bool AddIcon(const std::string& key, HICON icon);
  bool AddIconResource(const std::string& key, int resourceId, HMODULE module = nullptr);
  // The 0-based position of Key's image, -1 when it has none (keys ignore case).
  int IndexOf(const std::string& key) const;
  int Count() const { return static_cast<int>(keys_.size()); }
  const std::string& KeyAt(int index) const { return keys_.at(static_cast<size_t>(index)); }
  int ImageWidth() const { return width_; }
  int ImageHeight() const { return height_; }
  HIMAGELIST handle() const { return list_.get(); }
  // A copy of the image at Index as an icon (a drag's cursor); empty when there is none.
  IconHandle ExtractIcon(int index) const;

  void Create(HWND parent) override;

 private:
  int width_, height_;
  COLORREF mask_;
  ImageListHandle list_;
  std::vector<std::string> keys_;
};

}  // namespace corvana::forms
