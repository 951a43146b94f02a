#include "guidance_band.h"

#include <algorithm>

#include "display_scale.h"

namespace plivora {

BandLayout LayOutBand(const BandMeasures& m) {
    BandLayout layout;
    BandBox& band = layout.Band;
    band.Left = m.DividerRight + 10;
    band.Top = m.DividerTop;
    band.Right = m.TestButtonRight;
    band.Bottom = band.Top + std::max(32, m.IconHeight);
    // 3 pixels of gap for a 32-pixel icon, growing with it.
    layout.TitleX = band.Left + m.IconWidth + 3 * m.IconWidth / 32;
    layout.TitleY = band.Top + (band.Bottom - band.Top - m.TitleHeight + 2) / 2;
    layout.TitleClip = {std::max(layout.TitleX, band.Left), std::max(layout.TitleY, band.Top),
                        std::min(layout.TitleX + m.TitleWidth, band.Right),
                        std::min(layout.TitleY + m.TitleHeight, band.Bottom)};
    layout.TitleWhole = layout.TitleX + m.TitleWidth <= band.Right && layout.TitleY >= band.Top &&
                        layout.TitleY + m.TitleHeight <= band.Bottom;
    return layout;
}

int BandTitleFontHeight(int defaultHeight, int defaultDpi, int dpi) {
    if (dpi <= BaseDpi || defaultDpi <= 0) return 0;
    return (defaultHeight * dpi * 2 + defaultDpi) / (defaultDpi * 2);
}

Rgb BandTitleColour(Rgb captionText, Rgb highlight, Rgb highlightText) {
    const double caption = ContrastRatio(captionText, highlight);
    if (caption >= ReadableContrast) return captionText;
    return ContrastRatio(highlightText, highlight) > caption ? highlightText : captionText;
}

}  // namespace plivora
