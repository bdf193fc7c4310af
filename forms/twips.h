#pragma once
// The one conversion between twips (the forms' unit) and pixels: 1440 twips per logical inch,
// so 15 twips per pixel at 96 DPI; the screen DC's real DPI decides.
namespace corvana::forms {

int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);

// A length the code set in twips, read back from the window's pixels: the twips as set while the
// pixels still match them, so whole-twip values survive the pixel grid; else the pixels' twips.
int KeptTwipsX(int setTwips, int pixels);
int KeptTwipsY(int setTwips, int pixels);

}  // namespace corvana::forms
