#include "main_window/menu_waiting_form.h"

#include <cmath>

#include "core/string_table.h"
#include "forms/declaration_builder.h"
#include "forms/twips.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

// The label fills the window but for a margin of a twentieth of its width at either side and
// four tenths of its height above and below.
constexpr int kLabelWidth = 2400;
constexpr int kLabelHeight = 255;
constexpr double kWidthFactor = 1.1;
constexpr double kHeightFactor = 1.8;
// The frame's sunken edge, two pixels.
constexpr int kFrameEdge = 30;

}  // namespace

// A frame without a caption, the text in the middle.
forms::FormDecl MenuWaitingFormDeclaration() {
  using forms::Decl;
  forms::FormDecl f;
  f.name = "frmMenuWaiting";
  f.caption = "VNC Corvana";
  f.clientWidth = static_cast<int>(std::lround(kLabelWidth * kWidthFactor));
  f.clientHeight = static_cast<int>(std::lround(kLabelHeight * kHeightFactor));
  f.borderStyle = forms::BorderStyle::None;
  f.controlBox = false;
  const int labelLeft = (f.clientWidth - kLabelWidth) / 2 - kFrameEdge;
  const int labelTop = (f.clientHeight - kLabelHeight) / 2 - kFrameEdge;
  f.controls = {
      Decl("PictureBox", "picFrame", 0, 0, f.clientWidth, f.clientHeight),
      Decl("Label", "lblW", labelLeft, labelTop, kLabelWidth, kLabelHeight).Extra("Alignment", "2").In("picFrame"),
  };
  return f;
}

MenuWaitingForm::MenuWaitingForm() : Form(MenuWaitingFormDeclaration()) {}

void ShowMenuWaiting(MenuWaitingForm& Waiting) {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int workHeight = work.bottom - work.top;

  if (!Waiting.Loaded()) Waiting.LoadForm();
  if (!Waiting.Loaded()) return;
  forms::Label& label = Waiting.lblW();
  label.SetCaption(LoadResString(IDS_MENU_LOADING));
  Waiting.SetWidth(static_cast<int>(std::lround(label.Width() * kWidthFactor)));
  Waiting.SetHeight(static_cast<int>(std::lround(label.Height() * kHeightFactor)));
  Waiting.picFrame().Move(0, 0, Waiting.ScaleWidth(), Waiting.ScaleHeight());

  POINT cursor{};
  GetCursorPos(&cursor);
  RECT r{};
  GetWindowRect(Waiting.hWnd(), &r);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  // Not kept inside the screen at the left: the cursor of a notification icon is at the right.
  const int x = cursor.x - w;
  int y = cursor.y - h;
  if (y > GetSystemMetrics(SM_CYFULLSCREEN)) y = workHeight - h;
  Waiting.Move(forms::PixelsToTwipsX(x), forms::PixelsToTwipsY(y), forms::PixelsToTwipsX(w), forms::PixelsToTwipsY(h));
  Waiting.Refresh();
  Waiting.Show(forms::ShowMode::Modeless);
  BringWindowToTop(Waiting.hWnd());
  Waiting.Refresh();
}

}  // namespace corvana
