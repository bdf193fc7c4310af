#include "forms/picture.h"

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

}  // namespace corvana::forms
