#pragma once
// The one conversion between twips (the forms' unit) and pixels: 1440 twips per logical inch,
// so 15 twips per pixel at 96 DPI; the screen DC's real DPI decides.
namespace corvana::forms {

int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);

}  // namespace corvana::forms
