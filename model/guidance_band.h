// Where the guidance band and its title lie on the form, at any size of the system's
// icons and font.
#pragma once

#include "colour_contrast.h"

namespace plivora {

struct BandBox {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// In the form's client pixels; the icon as the system draws it, the title in the band's font.
struct BandMeasures {
    int DividerRight = 0;
    int DividerTop = 0;
    int TestButtonRight = 0;
    int IconWidth = 0;
    int IconHeight = 0;
    int TitleWidth = 0;
    int TitleHeight = 0;
};

struct BandLayout {
    BandBox Band;
    int TitleX = 0;
    int TitleY = 0;
    // The title's own box cut to the band: the title paints nowhere else.
    BandBox TitleClip;
    // The title's box lies within the band: nothing of it is cut.
    bool TitleWhole = false;
};

// The band runs from beside the divider to the Test button's right edge, at least 32
// pixels tall and as tall as the icon; the title follows the icon and is centred in it.
BandLayout LayOutBand(const BandMeasures& m);

// The title's font height at the window's DPI, from the default font's height at the DPI
// it was made for (the system's); 0 at 96 DPI, which keeps the default font itself.
int BandTitleFontHeight(int defaultHeight, int defaultDpi, int dpi);

// The caption text while it reads well on the band's highlight; otherwise the text colour
// Windows pairs with the highlight, if that reads better.
Rgb BandTitleColour(Rgb captionText, Rgb highlight, Rgb highlightText);

}  // namespace plivora
