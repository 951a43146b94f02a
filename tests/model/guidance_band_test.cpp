// Where the band and its title lie at the system's usual sizes, and in what colour and
// font the title reads.
#include "guidance_band.h"

#include <gtest/gtest.h>

namespace plivora {

// Found beside BandBox, where the comparisons look.
inline bool operator==(const BandBox& a, const BandBox& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}
inline void PrintTo(const BandBox& b, std::ostream* os) {
    *os << "{" << b.Left << "," << b.Top << "," << b.Right << "," << b.Bottom << "}";
}

namespace {

struct BandRow {
    const char* Case;
    BandMeasures In;
    BandBox Band;
    int TitleX, TitleY;
    BandBox Clip;
};

// The form's divider, Test button, icon and system font as Windows scales them from 96 to
// 192 DPI; the long title is "Sec Prog Parameters", the short one "Hide Plivora".
const BandRow Rows[] = {
    {"96 long", {478, 60, 664, 32, 32, 154, 16}, {488, 60, 664, 92}, 523, 69, {523, 69, 664, 85}},
    {"96 short", {478, 60, 664, 32, 32, 77, 16}, {488, 60, 664, 92}, 523, 69, {523, 69, 600, 85}},
    {"120 long", {598, 75, 830, 40, 40, 193, 20}, {608, 75, 830, 115}, 651, 86, {651, 86, 830, 106}},
    {"144 long", {717, 90, 996, 48, 48, 231, 24}, {727, 90, 996, 138}, 779, 103, {779, 103, 996, 127}},
    {"144 short", {717, 90, 996, 48, 48, 116, 24}, {727, 90, 996, 138}, 779, 103, {779, 103, 895, 127}},
    {"192 short",
     {956, 120, 1328, 64, 64, 154, 32},
     {966, 120, 1328, 184},
     1036,
     137,
     {1036, 137, 1190, 169}},
    // Small icons keep the band 32 pixels tall; a font taller than the band is cut to it.
    {"16 px icons", {478, 60, 664, 16, 16, 77, 16}, {488, 60, 664, 92}, 505, 69, {505, 69, 582, 85}},
    {"tall font", {478, 60, 664, 32, 32, 77, 40}, {488, 60, 664, 92}, 523, 57, {523, 60, 600, 92}},
};

TEST(GuidanceBandTest, BandAndTitleFollowTheIconAndFont) {
    for (const BandRow& row : Rows) {
        SCOPED_TRACE(row.Case);
        const BandLayout layout = LayOutBand(row.In);
        EXPECT_EQ(layout.Band, row.Band);
        EXPECT_EQ(layout.TitleX, row.TitleX);
        EXPECT_EQ(layout.TitleY, row.TitleY);
        EXPECT_EQ(layout.TitleClip, row.Clip);
    }
}

TEST(GuidanceBandTest, TheTitleFontGrowsOnlyAboveNinetySixDpi) {
    EXPECT_EQ(BandTitleFontHeight(16, 96, 96), 0) << "the default font itself";
    EXPECT_EQ(BandTitleFontHeight(16, 96, 120), 20);
    EXPECT_EQ(BandTitleFontHeight(16, 96, 144), 24);
    // The system's font made for 144 DPI, on a screen of 144 and one of 192.
    EXPECT_EQ(BandTitleFontHeight(24, 144, 144), 24);
    EXPECT_EQ(BandTitleFontHeight(24, 144, 192), 32);
    EXPECT_EQ(BandTitleFontHeight(24, 144, 96), 0);
}

struct ColourRow {
    const char* Scheme;
    Rgb CaptionText, Highlight, HighlightText;
    double CaptionContrast;
    bool KeepsCaptionText;
};

const ColourRow Schemes[] = {
    {"Windows 10 and 11", {0, 0, 0}, {0x00, 0x78, 0xD7}, {255, 255, 255}, 4.67, true},
    {"Wine", {0, 0, 0}, {0x30, 0x96, 0xFA}, {255, 255, 255}, 6.87, true},
    {"High Contrast Black", {255, 255, 255}, {0x1A, 0xEB, 0xFF}, {0, 0, 0}, 1.46, false},
    // Windows' pair reads no better: the caption text stays.
    {"pale pair", {255, 255, 255}, {0xF0, 0xF0, 0xF0}, {250, 250, 250}, 1.14, true},
};

TEST(GuidanceBandTest, TheTitleTakesTheHighlightsOwnTextColourWhereTheCaptionTextFades) {
    for (const ColourRow& row : Schemes) {
        SCOPED_TRACE(row.Scheme);
        EXPECT_NEAR(ContrastRatio(row.CaptionText, row.Highlight), row.CaptionContrast, 0.005);
        const Rgb title = BandTitleColour(row.CaptionText, row.Highlight, row.HighlightText);
        const Rgb expected = row.KeepsCaptionText ? row.CaptionText : row.HighlightText;
        EXPECT_TRUE(title.Red == expected.Red && title.Green == expected.Green && title.Blue == expected.Blue);
    }
    EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
}

}  // namespace
}  // namespace plivora
