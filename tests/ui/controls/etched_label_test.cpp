// The etched label's line and caption, painted into memory bitmaps and read back.
#include "etched_label.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "control_test_support.h"
#include "pixel_expectations.h"

namespace plivora {
namespace {

using namespace testing_support;
using C = SystemColours;

const COLORREF Untouched = RGB(1, 2, 3);  // the canvas before painting

class EtchedLabelTest : public HostedTest {
protected:
    CEtchedLabel& Make(const char* caption, DWORD style, int w, int h) {
        HWND hwnd = Host().Add("STATIC", caption, style, 800 + static_cast<int>(labels_.size()),
                               {20, 20, 20 + w, 20 + h});
        labels_.push_back(std::make_unique<CEtchedLabel>());
        EXPECT_TRUE(labels_.back()->SubclassWindow(hwnd));
        return *labels_.back();
    }

    static void Paint(const CEtchedLabel& label, Canvas& canvas) {
        framework::CDC dc;
        dc.Attach(canvas.Dc());
        label.Paint(dc);
        ::GdiFlush();
    }

    // The width of a text in the label's font, as DrawText lays it out.
    static int TextWidth(const CEtchedLabel& label, const std::string& text, UINT format = 0) {
        Canvas scratch(1, 1);
        const framework::SelectObjectScope font(scratch.Dc(),
                                                reinterpret_cast<HGDIOBJ>(label.SendMessage(WM_GETFONT)));
        RECT r{0, 0, 0, 0};
        ::DrawTextA(scratch.Dc(), text.c_str(), static_cast<int>(text.size()), &r,
                    DT_CALCRECT | DT_SINGLELINE | format);
        return r.right;
    }

    // Columns [from, to) of a row lie in the caption's gap: no part of the line shows.
    static ::testing::AssertionResult InGap(const Canvas& c, int y, int from, int to) {
        for (int x = from; x < to; ++x) {
            const COLORREF p = c.Pixel(x, y);
            if (p == C::Shadow || p == C::Highlight || p == Untouched)
                return ::testing::AssertionFailure() << "(" << x << "," << y << ") is " << ColourText(p)
                                                     << ", expected the caption's cells";
        }
        return ::testing::AssertionSuccess();
    }

    std::vector<std::unique_ptr<CEtchedLabel>> labels_;
};

TEST_F(EtchedLabelTest, VerticalFormIsATwoPixelLineDownTheMiddleWithoutCaption) {
    const int w = 9, h = 40;
    CEtchedLabel& label = Make("....", SS_LEFT, w, h);
    Canvas picture(w, h);
    Paint(label, picture);
    EXPECT_TRUE(AreaIs(picture, {4, 0, 5, h - 1}, C::Shadow));
    EXPECT_TRUE(PixelIs(picture, 4, h - 1, C::Highlight));
    EXPECT_TRUE(AreaIs(picture, {5, 0, 6, h}, C::Highlight));
    EXPECT_EQ(picture.Count([](COLORREF c) { return c != Untouched; }), 2 * h) << "nothing else is drawn";
}

TEST_F(EtchedLabelTest, HorizontalLeftAlignedLineAndCaptionGap) {
    const int w = 200, h = 13;
    CEtchedLabel& label = Make("Parameters", SS_LEFT, w, h);
    Canvas picture(w, h);
    Paint(label, picture);
    const int gap = TextWidth(label, "Parameters  ");
    ASSERT_GT(gap, TextWidth(label, "Parameters"));
    // The caption starts at the left edge, the line two blanks after its last character.
    EXPECT_TRUE(InGap(picture, h / 2, 0, gap));
    EXPECT_TRUE(InGap(picture, h / 2 + 1, 0, gap));
    EXPECT_TRUE(AreaIs(picture, {gap, h / 2, w - 1, h / 2 + 1}, C::Shadow));
    EXPECT_TRUE(PixelIs(picture, w - 1, h / 2, C::Highlight));
    EXPECT_TRUE(AreaIs(picture, {gap, h / 2 + 1, w, h / 2 + 2}, C::Highlight));
    // The blanks' cells are filled with the face colour; the rest of the control is not.
    EXPECT_TRUE(PixelIs(picture, gap - 1, 0, C::Face));
    EXPECT_TRUE(AreaIs(picture, {gap, 0, w, h / 2}, Untouched));
    EXPECT_TRUE(AreaIs(picture, {gap, h / 2 + 2, w, h}, Untouched));
    const RECT ink = picture.BoxOf(RGB(0, 0, 0));
    EXPECT_LE(ink.left, 2) << "the caption's ink starts at the left edge";
    EXPECT_LE(ink.right, gap - TextWidth(label, "  ")) << "and the blanks follow it";
}

TEST_F(EtchedLabelTest, RightAlignedCaptionSitsInAGapAtTheRightEnd) {
    const int w = 200, h = 13;
    CEtchedLabel& label = Make("Switches", SS_RIGHT, w, h);
    Canvas picture(w, h);
    Paint(label, picture);
    const int start = w - TextWidth(label, "  Switches");
    EXPECT_TRUE(AreaIs(picture, {0, h / 2, start, h / 2 + 1}, C::Shadow));
    EXPECT_TRUE(AreaIs(picture, {0, h / 2 + 1, start, h / 2 + 2}, C::Highlight));
    EXPECT_TRUE(InGap(picture, h / 2, start, w));
    // The blanks lead: the ink begins two blank widths into the gap.
    const RECT ink = picture.BoxOf(RGB(0, 0, 0));
    EXPECT_GE(ink.left, start + TextWidth(label, "  "));
    EXPECT_GE(ink.right, w - 3);
}

TEST_F(EtchedLabelTest, CentredCaptionAndBothAlignmentBitsCutAGapInTheMiddle) {
    const int w = 200, h = 13;
    for (DWORD style : {DWORD(SS_CENTER), DWORD(SS_CENTER | SS_RIGHT)}) {
        CEtchedLabel& label = Make("Switches", SS_LEFT, w, h);
        ::SetWindowLongA(label, GWL_STYLE, (::GetWindowLongA(label, GWL_STYLE) & ~0x1F) | style);
        Canvas picture(w, h);
        Paint(label, picture);
        const int width = TextWidth(label, "  Switches  ");
        const int start = (w - width) / 2;
        // DrawText may round the centring either way.
        EXPECT_TRUE(AreaIs(picture, {0, h / 2, start - 1, h / 2 + 1}, C::Shadow)) << "style " << style;
        EXPECT_TRUE(InGap(picture, h / 2, start + 1, start + width - 1)) << "style " << style;
        EXPECT_TRUE(AreaIs(picture, {start + width + 1, h / 2, w - 1, h / 2 + 1}, C::Shadow))
            << "style " << style;
    }
}

TEST_F(EtchedLabelTest, AnEmptyCaptionStillCutsItsBlanksIntoTheLine) {
    const int w = 120, h = 13;
    CEtchedLabel& left = Make("", SS_LEFT, w, h);
    CEtchedLabel& right = Make("", SS_RIGHT, w, h);
    CEtchedLabel& centre = Make("", SS_CENTER, w, h);
    const int two = TextWidth(left, "  ");
    const int four = TextWidth(left, "    ");
    ASSERT_GT(two, 0);
    Canvas picture(w, h);

    Paint(left, picture);
    EXPECT_TRUE(AreaIs(picture, {0, h / 2, two, h / 2 + 1}, C::Face));
    EXPECT_TRUE(AreaIs(picture, {two, h / 2, w - 1, h / 2 + 1}, C::Shadow));

    picture.Fill(Untouched);
    Paint(right, picture);
    EXPECT_TRUE(AreaIs(picture, {0, h / 2, w - two, h / 2 + 1}, C::Shadow));
    EXPECT_TRUE(AreaIs(picture, {w - two, h / 2, w, h / 2 + 1}, C::Face));

    picture.Fill(Untouched);
    Paint(centre, picture);
    const int start = (w - four) / 2;
    EXPECT_TRUE(AreaIs(picture, {0, h / 2, start - 1, h / 2 + 1}, C::Shadow));
    EXPECT_TRUE(AreaIs(picture, {start + 1, h / 2, start + four - 1, h / 2 + 1}, C::Face));
    EXPECT_TRUE(AreaIs(picture, {start + four + 1, h / 2, w - 1, h / 2 + 1}, C::Shadow));
}

TEST_F(EtchedLabelTest, ASquareControlTakesTheHorizontalForm) {
    const int side = 40;
    CEtchedLabel& label = Make("A", SS_LEFT, side, side);
    Canvas picture(side, side);
    Paint(label, picture);
    const int gap = TextWidth(label, "A  ");
    ASSERT_LT(gap, side - 1);
    EXPECT_TRUE(AreaIs(picture, {gap, side / 2, side - 1, side / 2 + 1}, C::Shadow));
    EXPECT_TRUE(AreaIs(picture, {gap, side / 2 + 1, side, side / 2 + 2}, C::Highlight));
    EXPECT_GT(picture.Count([](COLORREF c) { return c == RGB(0, 0, 0); }), 0) << "the caption shows";
}

TEST_F(EtchedLabelTest, AmpersandsFollowThePrefixStyle) {
    const int w = 160, h = 13;
    CEtchedLabel& prefixed = Make("&Go", SS_LEFT, w, h);
    CEtchedLabel& literal = Make("&Go", SS_LEFT | SS_NOPREFIX, w, h);
    Canvas picture(w, h);

    Paint(prefixed, picture);
    const int hidden = TextWidth(prefixed, "Go  ");
    EXPECT_TRUE(AreaIs(picture, {hidden, h / 2, w - 1, h / 2 + 1}, C::Shadow))
        << "the ampersand takes no room";

    picture.Fill(Untouched);
    Paint(literal, picture);
    const int shown = TextWidth(literal, "&Go  ", DT_NOPREFIX);
    ASSERT_GT(shown, hidden);
    EXPECT_TRUE(InGap(picture, h / 2, 0, shown));
    EXPECT_TRUE(AreaIs(picture, {shown, h / 2, w - 1, h / 2 + 1}, C::Shadow));
}

TEST_F(EtchedLabelTest, WindowWithoutAFontWritesInTheContextsFont) {
    const int w = 200, h = 20;
    CEtchedLabel& label = Make("Parameters", SS_LEFT, w, h);
    label.SendMessage(WM_SETFONT, 0, FALSE);
    Canvas picture(w, h);
    Paint(label, picture);
    const int gap = TextWidth(label, "Parameters  ");
    EXPECT_TRUE(InGap(picture, h / 2, 0, gap));
    EXPECT_TRUE(AreaIs(picture, {gap, h / 2, w - 1, h / 2 + 1}, C::Shadow));
}

TEST_F(EtchedLabelTest, WmPaintDrawsTheSamePictureOnTheScreen) {
    const int w = 200, h = 13;
    CEtchedLabel& label = Make("Parameters", SS_LEFT, w, h);
    Canvas expected(w, h);
    Paint(label, expected);
    ::RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Canvas shown(w, h);
    shown.CopyFromWindow(label);
    int compared = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (expected.Pixel(x, y) == Untouched) continue;
            ASSERT_EQ(shown.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
            ++compared;
        }
    EXPECT_GT(compared, w);
}

}  // namespace
}  // namespace plivora
