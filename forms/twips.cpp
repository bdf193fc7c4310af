#include "forms/twips.h"

#include <windows.h>

#include "win/handles.h"

namespace corvana::forms {
namespace {

constexpr int kTwipsPerInch = 1440;

struct ScreenDpi {
  int x = 96;
  int y = 96;
};

const ScreenDpi& Dpi() {
  static const ScreenDpi dpi = [] {
    ScreenDpi d;
    WindowDc dc(nullptr);
    if (dc) {
      d.x = GetDeviceCaps(dc.get(), LOGPIXELSX);
      d.y = GetDeviceCaps(dc.get(), LOGPIXELSY);
    }
    if (d.x <= 0) d.x = 96;
    if (d.y <= 0) d.y = 96;
    return d;
  }();
  return dpi;
}

}  // namespace

int TwipsToPixelsX(int twips) { return MulDiv(twips, Dpi().x, kTwipsPerInch); }
int TwipsToPixelsY(int twips) { return MulDiv(twips, Dpi().y, kTwipsPerInch); }
int PixelsToTwipsX(int pixels) { return MulDiv(pixels, kTwipsPerInch, Dpi().x); }
int PixelsToTwipsY(int pixels) { return MulDiv(pixels, kTwipsPerInch, Dpi().y); }

int KeptTwipsX(int setTwips, int pixels) {
  return pixels == TwipsToPixelsX(setTwips) ? setTwips : PixelsToTwipsX(pixels);
}

int KeptTwipsY(int setTwips, int pixels) {
  return pixels == TwipsToPixelsY(setTwips) ? setTwips : PixelsToTwipsY(pixels);
}

}  // namespace corvana::forms
