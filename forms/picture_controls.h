#pragma once
// Picture box (a container that paints a picture on its background colour) and image.
#include "forms/control.h"
#include "forms/picture.h"

namespace corvana::forms {

class PictureBox : public Control {
 public:
  using Control::Control;
  PictureRef Picture() const { return picture_; }
  void SetPicture(PictureRef picture);
  COLORREF BackColor() const { return backColor_; }
  void SetBackColor(COLORREF color);
  bool IsContainer() const override { return true; }
  bool CapturesMouse() const override { return true; }
  std::function<void()> Paint;

  void Create(HWND parent) override;

 protected:
  bool OnMessage(UINT msg, WPARAM w, LPARAM l, LRESULT& result) override;
  virtual bool Stretch() const { return false; }
  virtual bool DrawsBorder() const { return ExtraInt("BorderStyle", 1) == 1; }

  PictureRef picture_;
  COLORREF backColor_ = GetSysColor(COLOR_BTNFACE);
};

// An image shows its picture without a border, stretched when Stretch is set. It belongs to its
// container's surface: a windowed sibling it overlaps stays in front of it.
class Image : public PictureBox {
 public:
  using PictureBox::PictureBox;
  bool IsContainer() const override { return false; }
  bool BehindSiblings() const override { return true; }

 protected:
  bool Stretch() const override { return ExtraFlag("Stretch"); }
  bool DrawsBorder() const override { return ExtraInt("BorderStyle", 0) == 1; }
};

}  // namespace corvana::forms
