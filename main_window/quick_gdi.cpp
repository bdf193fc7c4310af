#include "main_window/quick_gdi.h"

#include <olectl.h>

namespace corvana {
namespace {

COLORREF Translated(COLORREF oleColour, HPALETTE palette) {
  COLORREF colour = oleColour;
  if (FAILED(OleTranslateColor(oleColour, palette, &colour))) return oleColour;
  return colour;
}

// A memory DC compatible with Like, holding a bitmap for its life.
class Canvas {
 public:
  Canvas(HDC like, GdiObject bitmap)
      : dc_(CreateCompatibleDC(like)), bitmap_(std::move(bitmap)), old_(SelectObject(dc_.get(), bitmap_.get())) {}
  ~Canvas() {
    if (old_) SelectObject(dc_.get(), old_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC get() const { return dc_.get(); }

 private:
  MemoryDc dc_;
  GdiObject bitmap_;
  HGDIOBJ old_;
};

// The palette in a DC for a scope.
class SelectedPalette {
 public:
  SelectedPalette(HDC dc, HPALETTE palette) : dc_(dc), old_(palette ? SelectPalette(dc, palette, FALSE) : nullptr) {
    if (palette) RealizePalette(dc);
  }
  ~SelectedPalette() {
    if (old_) SelectPalette(dc_, old_, FALSE);
  }
  SelectedPalette(const SelectedPalette&) = delete;
  SelectedPalette& operator=(const SelectedPalette&) = delete;

 private:
  HDC dc_;
  HPALETTE old_;
};

constexpr DWORD kMaskOut = 0x220326;  // DSna: destination and not source

}  // namespace

GdiObject QuickGDI::MakePen(int Width, COLORREF Colour) const {
  if (!dc_) return {};
  return GdiObject(CreatePen(PS_SOLID, Width, Colour));
}

void QuickGDI::FillRectangle(int X1, int Y1, int X2, int Y2) const {
  if (dc_) Rectangle(dc_, X1, Y1, X2, Y2);
}

void QuickGDI::DrawTextAt(int X, int Y, const std::string& Text, COLORREF Colour) const {
  if (!dc_) return;
  const COLORREF previous = SetTextColor(dc_, Colour);
  TextOutA(dc_, X, Y, Text.c_str(), static_cast<int>(Text.size()));
  SetTextColor(dc_, previous);
}

void QuickGDI::Lines(int X1, int Y1, int X2, int Y2, COLORREF First, COLORREF Second) const {
  {
    GdiObject pen = MakePen(1, First);
    SelectedObject selected(dc_, pen.get());
    MoveToEx(dc_, X1, Y2, nullptr);
    LineTo(dc_, X1, Y1);
    LineTo(dc_, X2, Y1);
  }
  GdiObject pen = MakePen(1, Second);
  SelectedObject selected(dc_, pen.get());
  MoveToEx(dc_, X2, Y1, nullptr);
  LineTo(dc_, X2, Y2);
  LineTo(dc_, X1, Y2);
}

void QuickGDI::DrawBevel(int X1, int Y1, int X2, int Y2, bool Sunken) const {
  if (!dc_) return;
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  Lines(X1, Y1, X2, Y2, Sunken ? shadow : light, Sunken ? light : shadow);
}

void QuickGDI::EraseBevel(int X1, int Y1, int X2, int Y2, bool /*Sunken*/) const {
  if (!dc_) return;
  const COLORREF menu = GetSysColor(COLOR_MENU);
  Lines(X1, Y1, X2, Y2, menu, menu);
}

void PaintEffects::PaintTransparentDC(HDC Destination, int X, int Y, int Width, int Height, HDC Source, int SourceX,
                                      int SourceY, COLORREF MaskColour, HPALETTE Palette) {
  if (!Destination || !Source || Width <= 0 || Height <= 0) return;
  const COLORREF mask = Translated(MaskColour, Palette);
  SelectedPalette destinationPalette(Destination, Palette);

  // 1. What the destination shows there now.
  Canvas back(Destination, GdiObject(CreateCompatibleBitmap(Destination, Width, Height)));
  SelectedPalette backPalette(back.get(), Palette);
  BitBlt(back.get(), 0, 0, Width, Height, Destination, X, Y, SRCCOPY);

  // 2. The picture, with the source's colours for a monochrome source.
  Canvas image(Destination, GdiObject(CreateCompatibleBitmap(Destination, Width, Height)));
  SelectedPalette imagePalette(image.get(), Palette);
  SetBkColor(image.get(), GetBkColor(Source));
  SetTextColor(image.get(), GetTextColor(Source));
  BitBlt(image.get(), 0, 0, Width, Height, Source, SourceX, SourceY, SRCCOPY);

  // 3. The mask: white where the picture has the mask colour, black elsewhere.
  Canvas maskBits(Destination, GdiObject(CreateBitmap(Width, Height, 1, 1, nullptr)));
  SetBkColor(image.get(), mask);
  SetTextColor(image.get(), 0xFFFFFF);
  BitBlt(maskBits.get(), 0, 0, Width, Height, image.get(), 0, 0, SRCCOPY);

  // 4. The picture black where it is transparent.
  SetTextColor(image.get(), 0x000000);
  SetBkColor(image.get(), 0xFFFFFF);
  BitBlt(image.get(), 0, 0, Width, Height, maskBits.get(), 0, 0, kMaskOut);

  // 5. The background black where the picture is opaque, then the picture into it.
  SetTextColor(back.get(), 0x000000);
  SetBkColor(back.get(), 0xFFFFFF);
  BitBlt(back.get(), 0, 0, Width, Height, maskBits.get(), 0, 0, SRCAND);
  BitBlt(back.get(), 0, 0, Width, Height, image.get(), 0, 0, SRCPAINT);

  // 6.
  BitBlt(Destination, X, Y, Width, Height, back.get(), 0, 0, SRCCOPY);
}

void PaintEffects::PaintTransparentStdPic(HDC Destination, int X, int Y, int Width, int Height,
                                          const forms::Picture* Picture, int SourceX, int SourceY,
                                          COLORREF MaskColour, HPALETTE Palette) {
  if (!Picture || !Picture->bitmap()) return;
  MemoryDc source(CreateCompatibleDC(Destination));
  SelectedObject selected(source.get(), Picture->bitmap());
  PaintTransparentDC(Destination, X, Y, Width, Height, source.get(), SourceX, SourceY, MaskColour, Palette);
}

void PaintEffects::PaintTransparentStdPic(HDC Destination, int X, int Y, int Width, int Height, HICON Icon,
                                          COLORREF MaskColour, HPALETTE Palette) {
  if (!Icon || Width <= 0 || Height <= 0) return;
  Canvas source(Destination, GdiObject(CreateCompatibleBitmap(Destination, Width, Height)));
  {
    GdiObject brush(CreateSolidBrush(Translated(MaskColour, Palette)));
    RECT all{0, 0, Width, Height};
    FillRect(source.get(), &all, static_cast<HBRUSH>(brush.get()));
  }
  // At the size asked for: the system's icon size would show a 16 x 16 area a quarter of the icon.
  DrawIconEx(source.get(), 0, 0, Icon, Width, Height, 0, nullptr, DI_NORMAL);
  PaintTransparentDC(Destination, X, Y, Width, Height, source.get(), 0, 0, MaskColour, Palette);
}

}  // namespace corvana
