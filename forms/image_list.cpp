#include "forms/image_list.h"

#include <cstdlib>

#include "core/text.h"

namespace corvana::forms {

ImageList::ImageList(Form& form, const ControlDecl& decl)
    : Control(form, decl),
      width_(ExtraInt("ImageWidth", 16)),
      height_(ExtraInt("ImageHeight", 16)),
      // The designer's default mask colour is light grey.
      mask_(static_cast<COLORREF>(std::strtoul(Extra("MaskColor", "0xC0C0C0").c_str(), nullptr, 0))),
      list_(ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 8, 8)) {}

void ImageList::Create(HWND) {
  for (auto& image : decl_.images) {
    if (image.icon)
      AddIconResource(image.key, image.resourceId);
    else
      AddBitmapResource(image.key, image.resourceId);
  }
}

bool ImageList::AddBitmap(const std::string& key, HBITMAP bitmap) {
  if (!list_ || !bitmap) return false;
  // The list keeps copies; a bitmap of another size is fitted to the list's size.
  GdiObject copy(CopyImage(bitmap, IMAGE_BITMAP, width_, height_, 0));
  if (!copy || ImageList_AddMasked(list_.get(), static_cast<HBITMAP>(copy.get()), mask_) < 0) return false;
  keys_.push_back(key);
  return true;
}

bool ImageList::AddBitmapResource(const std::string& key, int resourceId, HMODULE module) {
  GdiObject bmp(LoadImageA(module ? module : GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0,
                           0, 0));
  return AddBitmap(key, static_cast<HBITMAP>(bmp.get()));
}

bool ImageList::AddIcon(const std::string& key, HICON icon) {
  if (!list_ || !icon || ImageList_AddIcon(list_.get(), icon) < 0) return false;
  keys_.push_back(key);
  return true;
}

bool ImageList::AddIconResource(const std::string& key, int resourceId, HMODULE module) {
  IconHandle icon(static_cast<HICON>(
      LoadImageA(module ? module : GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_ICON, width_, height_, 0)));
  return AddIcon(key, icon.get());
}

int ImageList::IndexOf(const std::string& key) const {
  if (key.empty()) return -1;
  for (size_t i = 0; i < keys_.size(); ++i)
    if (EqualsNoCase(keys_[i], key)) return static_cast<int>(i);
  return -1;
}

IconHandle ImageList::ExtractIcon(int index) const {
  if (!list_ || index < 0 || index >= Count()) return IconHandle();
  return IconHandle(ImageList_GetIcon(list_.get(), index, ILD_TRANSPARENT));
}

}  // namespace corvana::forms
