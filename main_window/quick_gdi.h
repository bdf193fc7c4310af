#pragma once
// The drawing helpers of the owner-drawn menu: QuickGDI draws pens, rectangles, texts and bevels
// on one target DC; PaintEffects draws a picture with one colour transparent.
#include <windows.h>

#include <string>

#include "forms/picture.h"
#include "win/handles.h"

namespace corvana {

// White, the mask colour of the menu's pictures.
inline constexpr COLORREF kPictureMaskColor = 0xFFFFFF;

class QuickGDI {
 public:
  // Every routine draws on this DC; while none is set each does nothing.
  void SetTargetDC(HDC DC) { dc_ = DC; }
  HDC TargetDC() const { return dc_; }
  // A solid pen; an empty one while no DC is set.
  GdiObject MakePen(int Width, COLORREF Colour) const;
  // Rectangle with the pen and brush selected in the DC.
  void FillRectangle(int X1, int Y1, int X2, int Y2) const;
  // Text in Colour; the DC's text colour is what it was afterwards.
  void DrawTextAt(int X, int Y, const std::string& Text, COLORREF Colour) const;
  // A one-pixel frame: light at the left and top and dark at the right and bottom when raised,
  // the other way round when sunken.
  void DrawBevel(int X1, int Y1, int X2, int Y2, bool Sunken) const;
  // The same frame in the menu's colour.
  void EraseBevel(int X1, int Y1, int X2, int Y2, bool Sunken) const;

 private:
  void Lines(int X1, int Y1, int X2, int Y2, COLORREF First, COLORREF Second) const;
  HDC dc_ = nullptr;
};

// Transparent drawing: every pixel of the mask colour leaves the destination as it was. Colours
// are OLE colours (a system colour 0x800000nn is translated); Palette null selects none.
class PaintEffects {
 public:
  static void PaintTransparentDC(HDC Destination, int X, int Y, int Width, int Height, HDC Source, int SourceX,
                                 int SourceY, COLORREF MaskColour, HPALETTE Palette = nullptr);
  // A bitmap picture from (SourceX, SourceY); none draws nothing.
  static void PaintTransparentStdPic(HDC Destination, int X, int Y, int Width, int Height,
                                     const forms::Picture* Picture, int SourceX, int SourceY, COLORREF MaskColour,
                                     HPALETTE Palette = nullptr);
  // An icon picture: drawn at (0, 0) on Width x Height of the mask colour first, so what the icon
  // leaves uncovered is transparent too.
  static void PaintTransparentStdPic(HDC Destination, int X, int Y, int Width, int Height, HICON Icon,
                                     COLORREF MaskColour, HPALETTE Palette = nullptr);
};

}  // namespace corvana
