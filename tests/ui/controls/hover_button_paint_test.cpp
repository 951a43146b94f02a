// The hover button's pictures, painted into memory bitmaps on real GDI and read back.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "control_test_support.h"
#include "pixel_expectations.h"
#include "test_resources.h"

namespace plivora {
namespace {

using namespace testing_support;
using C = SystemColours;

const COLORREF Red = RGB(255, 0, 0);     // the over icon
const COLORREF Blue = RGB(0, 0, 255);    // the normal icon
const COLORREF Green = RGB(0, 255, 0);   // the 256-pixel icon
const COLORREF Over = RGB(90, 160, 90);  // a distinct over background

class HoverButtonPaintTest : public HostedTest {
protected:
    static constexpr int W = 30;
    static constexpr int H = 28;

    TestHoverButton& Make(const HoverOptions& options = {}, const char* caption = "",
                          DWORD style = BS_PUSHBUTTON, int w = W, int h = H, int overIcon = IDI_TEST_OVER,
                          int normalIcon = IDI_TEST_NORMAL) {
        HWND hwnd = Host().Add("BUTTON", caption, style, nextId_++, {40, 40, 40 + w, 40 + h});
        buttons_.push_back(std::make_unique<TestHoverButton>(options));
        TestHoverButton& button = *buttons_.back();
        EXPECT_TRUE(button.SubclassWindow(hwnd));
        button.SetIcons(overIcon, normalIcon);
        return button;
    }

    // The pixels where two pictures differ all lie on the outline of the rectangle, and
    // each side of the outline has some.
    static void ExpectDifferencesOnOutline(const Canvas& with, const Canvas& without, RECT outline) {
        int top = 0, bottom = 0, left = 0, right = 0;
        for (int y = 0; y < with.Height(); ++y)
            for (int x = 0; x < with.Width(); ++x) {
                if (with.Pixel(x, y) == without.Pixel(x, y)) continue;
                const bool onOutline =
                    ((y == outline.top || y == outline.bottom - 1) && x >= outline.left &&
                     x < outline.right) ||
                    ((x == outline.left || x == outline.right - 1) && y >= outline.top && y < outline.bottom);
                EXPECT_TRUE(onOutline) << "(" << x << "," << y << ") changed off " << RectText(outline);
                top += y == outline.top;
                bottom += y == outline.bottom - 1;
                left += x == outline.left;
                right += x == outline.right - 1;
            }
        EXPECT_TRUE(top && bottom && left && right) << "focus rectangle not drawn on " << RectText(outline);
    }

    std::vector<std::unique_ptr<TestHoverButton>> buttons_;
    int nextId_ = 500;
};

TEST_F(HoverButtonPaintTest, FlatAtRestShowsOnlyTheNormalIconCentredOnTheFace) {
    TestHoverButton& button = Make();
    Canvas picture(W, H);
    DrawButton(button, 0, picture);
    const RECT icon{3, 2, 27, 26};
    EXPECT_EQ(picture.BoxOf(Blue), icon);
    EXPECT_EQ(picture.Count([](COLORREF c) { return c == Blue; }), 24 * 24);
    EXPECT_EQ(picture.Count([](COLORREF c) { return c != Blue && c != C::Face; }), 0) << "no edge at rest";
}

TEST_F(HoverButtonPaintTest, FlatHoverDrawsARaisedEdgeAndTheOverIcon) {
    TestHoverButton& button = Make();
    button.ShowHovering(1);
    Canvas picture(W, H);
    DrawButton(button, 0, picture);
    EXPECT_EQ(picture.BoxOf(Red), (RECT{3, 2, 27, 26}));
    EXPECT_TRUE(AreaIs(picture, {0, 0, W - 1, 1}, C::Highlight));
    EXPECT_TRUE(AreaIs(picture, {0, 0, 1, H - 1}, C::Highlight));
    EXPECT_TRUE(AreaIs(picture, {0, H - 1, W, H}, C::Shadow));
    EXPECT_TRUE(AreaIs(picture, {W - 1, 0, W, H}, C::Shadow));
    EXPECT_TRUE(AreaIs(picture, {1, 1, W - 1, 2}, C::Face));
    EXPECT_TRUE(AreaIs(picture, {1, 1, 3, H - 1}, C::Face));
}

TEST_F(HoverButtonPaintTest, FlatPressDrawsASunkenEdgeOnTheOverColourAndShiftsTheIcon) {
    TestHoverButton& button = Make();
    button.UseOverBackColor(Over);
    Canvas picture(W, H);
    // Pressed without hovering still takes the over colour and icon.
    DrawButton(button, ODS_SELECTED, picture);
    EXPECT_EQ(picture.BoxOf(Red), (RECT{4, 3, 28, 27}));
    EXPECT_TRUE(AreaIs(picture, {0, 0, W - 1, 1}, C::Shadow));
    EXPECT_TRUE(AreaIs(picture, {0, 0, 1, H - 1}, C::Shadow));
    EXPECT_TRUE(AreaIs(picture, {0, H - 1, W, H}, C::Highlight));
    EXPECT_TRUE(AreaIs(picture, {W - 1, 0, W, H}, C::Highlight));
    EXPECT_TRUE(AreaIs(picture, {1, 1, W - 1, 3}, Over));

    TestHoverButton& plain = Make(HoverOptions().DrawEdges(0));
    plain.UseOverBackColor(Over);
    DrawButton(plain, ODS_SELECTED, picture);
    EXPECT_EQ(picture.Count([](COLORREF c) { return c != Red && c != Over; }), 0)
        << "no edge without DrawEdges";
    plain.ShowHovering(1);
    DrawButton(plain, 0, picture);
    EXPECT_EQ(picture.Count([](COLORREF c) { return c != Red && c != Over; }), 0);
}

TEST_F(HoverButtonPaintTest, ThreeDLookDrawsTwoPixelRaisedEdge) {
    TestHoverButton& button = Make(HoverOptions().Flat(0));
    Canvas picture(W, H);
    DrawButton(button, 0, picture);
    EXPECT_TRUE(AreaIs(picture, {0, 0, W - 1, 1}, C::Highlight));
    EXPECT_TRUE(AreaIs(picture, {0, 0, 1, H - 1}, C::Highlight));
    EXPECT_TRUE(AreaIs(picture, {1, 1, W - 2, 2}, C::Light));
    EXPECT_TRUE(AreaIs(picture, {1, 1, 2, H - 2}, C::Light));
    EXPECT_TRUE(AreaIs(picture, {0, H - 1, W, H}, C::DarkShadow));
    EXPECT_TRUE(AreaIs(picture, {W - 1, 0, W, H}, C::DarkShadow));
    EXPECT_TRUE(AreaIs(picture, {1, H - 2, W - 1, H - 1}, C::Shadow));
    EXPECT_TRUE(AreaIs(picture, {W - 2, 1, W - 1, H - 1}, C::Shadow));
    EXPECT_TRUE(AreaIs(picture, {2, 2, W - 2, 3}, C::Face, Blue));
    EXPECT_TRUE(PixelIs(picture, 2, 2, C::Face));
    EXPECT_EQ(picture.BoxOf(Blue), (RECT{3, 2, 27, 26})) << "the edge does not move the icon";
}

TEST_F(HoverButtonPaintTest, ThreeDFocusOrDefaultAddsABlackFrameWithTheEdgeInside) {
    TestHoverButton& button = Make(HoverOptions().Flat(0), "", BS_DEFPUSHBUTTON);
    EXPECT_EQ(button.IsDefaultButton(), 1);
    EXPECT_EQ(::GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

    Canvas unfocused(W, H), focused(W, H);
    DrawButton(button, 0, unfocused);
    const COLORREF black = RGB(0, 0, 0);
    for (const RECT& side : {RECT{0, 0, W, 1}, RECT{0, H - 1, W, H}, RECT{0, 0, 1, H}, RECT{W - 1, 0, W, H}})
        EXPECT_TRUE(AreaIs(unfocused, side, black));
    EXPECT_TRUE(AreaIs(unfocused, {1, 1, W - 2, 2}, C::Highlight));
    EXPECT_TRUE(AreaIs(unfocused, {2, 2, W - 3, 3}, C::Light, Blue));
    EXPECT_TRUE(AreaIs(unfocused, {2, 2, 3, H - 3}, C::Light));
    EXPECT_TRUE(AreaIs(unfocused, {1, H - 2, W - 1, H - 1}, C::DarkShadow));
    EXPECT_TRUE(AreaIs(unfocused, {W - 2, 1, W - 1, H - 1}, C::DarkShadow));
    EXPECT_TRUE(AreaIs(unfocused, {W - 3, 2, W - 2, H - 2}, C::Shadow));

    DrawButton(button, ODS_FOCUS, focused);
    ExpectDifferencesOnOutline(focused, unfocused, {4, 4, W - 4, H - 4});
    DrawButton(button, ODS_FOCUS | ODS_NOFOCUSRECT, focused);
    EXPECT_TRUE(focused.SameAs(unfocused)) << "no rectangle while keyboard cues are hidden";

    TestHoverButton& plain = Make(HoverOptions().Flat(0));
    EXPECT_EQ(plain.IsDefaultButton(), 0);
    DrawButton(plain, ODS_FOCUS, focused);
    EXPECT_TRUE(AreaIs(focused, {0, 0, W, 1}, black)) << "a focused button is framed too";
    EXPECT_TRUE(AreaIs(focused, {1, 1, W - 2, 2}, C::Highlight));
}

TEST_F(HoverButtonPaintTest, ThreeDPressFramesWithShadowAndShiftsTheIcon) {
    TestHoverButton& button = Make(HoverOptions().Flat(0));
    button.UseOverBackColor(Over);
    Canvas picture(W, H);
    DrawButton(button, ODS_SELECTED, picture);
    for (const RECT& side : {RECT{0, 0, W, 1}, RECT{0, H - 1, W, H}, RECT{0, 0, 1, H}, RECT{W - 1, 0, W, H}})
        EXPECT_TRUE(AreaIs(picture, side, C::Shadow));
    EXPECT_TRUE(AreaIs(picture, {1, 1, W - 1, 3}, Over));
    EXPECT_EQ(picture.BoxOf(Red), (RECT{4, 3, 28, 27}));

    DrawButton(button, ODS_SELECTED | ODS_FOCUS, picture);
    EXPECT_TRUE(AreaIs(picture, {0, 0, W, 1}, RGB(0, 0, 0)));
    EXPECT_TRUE(AreaIs(picture, {1, 1, W - 1, 2}, C::Shadow));
}

TEST_F(HoverButtonPaintTest, FlatFocusRectangleOnlyWithFlatFocusThreePixelsIn) {
    TestHoverButton& plain = Make();
    Canvas unfocused(W, H), focused(W, H);
    DrawButton(plain, 0, unfocused);
    DrawButton(plain, ODS_FOCUS, focused);
    EXPECT_TRUE(focused.SameAs(unfocused));

    TestHoverButton& withFocus = Make(HoverOptions().FlatFocus(1));
    DrawButton(withFocus, 0, unfocused);
    DrawButton(withFocus, ODS_FOCUS, focused);
    ExpectDifferencesOnOutline(focused, unfocused, {3, 3, W - 3, H - 3});
    DrawButton(withFocus, ODS_FOCUS | ODS_NOFOCUSRECT, focused);
    EXPECT_TRUE(focused.SameAs(unfocused)) << "no rectangle while keyboard cues are hidden";
}

// The window text names the button for screen readers: a sighted user sees the same
// pixels with it as without it, in every look and state.
TEST_F(HoverButtonPaintTest, TheWindowTextIsNeverPainted) {
    const int w = 90;
    for (const HoverOptions& options : {HoverOptions(), HoverOptions().Flat(0).FlatFocus(1),
                                        HoverOptions().IconPlacement(1), HoverOptions().Locked(1)})
        for (UINT state : {0u, UINT{ODS_SELECTED}, UINT{ODS_FOCUS}})
            for (int hovering : {0, 1}) {
                Canvas named(w, H), bare(w, H);
                for (auto [caption, canvas] : {std::pair{"Help: &Go", &named}, std::pair{"", &bare}}) {
                    TestHoverButton& button = Make(options, caption, BS_PUSHBUTTON, w);
                    button.ShowHovering(hovering);
                    DrawButton(button, state, *canvas);
                }
                EXPECT_TRUE(named.SameAs(bare)) << "state " << state << ", hovering " << hovering;
            }

    // Placements 0 and 1 centre the icon; any other puts it in the top-left corner.
    Canvas picture(w, H);
    DrawButton(Make(HoverOptions().IconPlacement(1), "Go", BS_PUSHBUTTON, w), 0, picture);
    EXPECT_EQ(picture.BoxOf(Blue), (RECT{33, 2, 57, 26}));
    DrawButton(Make(HoverOptions().IconPlacement(2), "", BS_PUSHBUTTON, w), 0, picture);
    EXPECT_EQ(picture.BoxOf(Blue), (RECT{0, 0, 24, 24}));
}

TEST_F(HoverButtonPaintTest, LockedDrawsTheIconGreyedWhateverTheEnabledState) {
    const int w = 90;
    Canvas picture(w, H);
    TestHoverButton& button = Make(HoverOptions().Locked(1), "", BS_PUSHBUTTON, w);
    DrawButton(button, 0, picture);
    EXPECT_EQ(picture.Count([](COLORREF c) { return c == Blue || c == Red; }), 0);
    EXPECT_GT(picture.Count([](COLORREF c) { return c == C::Shadow; }), 0) << "the disabled look's shadow";
    EXPECT_GT(picture.Count([](COLORREF c) { return c == C::Highlight; }), 0) << "and its highlight";

    // The window's own disabled state plays no part.
    TestHoverButton& disabled = Make(HoverOptions(), "", WS_DISABLED, w);
    DrawButton(disabled, ODS_DISABLED, picture);
    EXPECT_GT(picture.Count([](COLORREF c) { return c == Blue; }), 0);
}

TEST_F(HoverButtonPaintTest, IconSizesAreKeptInEightBits) {
    TestHoverButton& small = Make();
    EXPECT_EQ(small.RecordedIconWidth(), 24);
    EXPECT_EQ(small.RecordedIconHeight(), 24);

    TestHoverButton& odd = Make(HoverOptions(), "", BS_PUSHBUTTON, W, H, IDI_TEST_ODD, 0);
    EXPECT_EQ(odd.RecordedIconWidth(), 32) << "an odd side loses a pixel";

    // A 256-pixel side wraps to 0, so the centring puts the corner in the middle.
    TestHoverButton& big = Make(HoverOptions(), "", BS_PUSHBUTTON, W, H, IDI_TEST_BIG, 0);
    EXPECT_EQ(big.RecordedIconWidth(), 0);
    EXPECT_EQ(big.RecordedIconHeight(), 0);
    Canvas picture(W, H);
    DrawButton(big, 0, picture);
    EXPECT_EQ(picture.BoxOf(Green), (RECT{W / 2, H / 2, W, H}));
}

TEST_F(HoverButtonPaintTest, MissingIcons) {
    Canvas picture(W, H);
    // No over icon: nothing is drawn and the size reads 0 by 0.
    TestHoverButton& none = Make(HoverOptions(), "", BS_PUSHBUTTON, W, H, IDI_TEST_MISSING, IDI_TEST_NORMAL);
    EXPECT_EQ(none.RecordedIconWidth(), 0);
    none.ShowHovering(1);
    DrawButton(none, 0, picture);
    EXPECT_EQ(picture.Count([](COLORREF c) { return c == Blue || c == Red; }), 0);

    // No normal icon: the over icon shows only while hovering or pressed.
    TestHoverButton& overOnly =
        Make(HoverOptions(), "", BS_PUSHBUTTON, W, H, IDI_TEST_OVER, IDI_TEST_MISSING);
    DrawButton(overOnly, 0, picture);
    EXPECT_EQ(picture.Count([](COLORREF c) { return c != C::Face; }), 0);
    DrawButton(overOnly, ODS_SELECTED, picture);
    EXPECT_EQ(picture.BoxOf(Red), (RECT{4, 3, 28, 27}));

    // No second id: the over icon at all times.
    TestHoverButton& single = Make(HoverOptions(), "", BS_PUSHBUTTON, W, H, IDI_TEST_OVER, 0);
    EXPECT_EQ(single.IsHoverTracking(), 0);
    DrawButton(single, 0, picture);
    EXPECT_EQ(picture.BoxOf(Red), (RECT{3, 2, 27, 26}));
}

TEST_F(HoverButtonPaintTest, TransparentBackdropIsReadFromTheParentOnce) {
    // A black block of the parent lies under a hidden button: the backdrop to capture.
    Host().Add("STATIC", "", SS_BLACKRECT, 700, {40, 40, 40 + W / 2, 40 + H});
    ASSERT_TRUE(Host().WaitFor([] { return true; }));
    ::UpdateWindow(Host());
    Canvas parent(W, H);
    parent.CopyFromWindow(Host(), 40, 40);
    ASSERT_NE(parent.Pixel(0, 0), parent.Pixel(W - 1, 0)) << "the backdrop needs two colours";

    // Hidden before its icons repaint it, so that no paint of its own covers the parent first.
    HWND hwnd = Host().Add("BUTTON", "", BS_PUSHBUTTON, 701, {40, 40, 40 + W, 40 + H});
    ::ShowWindow(hwnd, SW_HIDE);
    ::UpdateWindow(Host());
    TestHoverButton button(HoverOptions().Transparent(1));
    ASSERT_TRUE(button.SubclassWindow(hwnd));
    button.SetIcons(IDI_TEST_OVER, IDI_TEST_NORMAL);
    Canvas picture(W, H);
    DrawButton(button, 0, picture);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (picture.Pixel(x, y) != Blue) {
                ASSERT_EQ(picture.Pixel(x, y), parent.Pixel(x, y)) << x << "," << y;
            }

    // The parent changes; the cached backdrop does not.
    ::DestroyWindow(::GetDlgItem(Host(), 700));
    ::UpdateWindow(Host());
    Canvas again(W, H);
    DrawButton(button, 0, again);
    EXPECT_TRUE(again.SameAs(picture));
}

TEST_F(HoverButtonPaintTest, AClippedPaintBuffersOnlyTheClipBoxAndLandsInPlace) {
    TestHoverButton& button = Make();
    button.ShowHovering(1);
    Canvas full(W, H), clipped(W, H, RGB(1, 2, 3));
    DrawButton(button, 0, full);
    const RECT clip{10, 8, 22, 28};
    ::IntersectClipRect(clipped.Dc(), clip.left, clip.top, clip.right, clip.bottom);
    DrawButton(button, 0, clipped);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const bool inside = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
            ASSERT_EQ(clipped.Pixel(x, y), inside ? full.Pixel(x, y) : RGB(1, 2, 3)) << x << "," << y;
        }
}

TEST_F(HoverButtonPaintTest, PrintClientReachesDrawItemThroughTheParent) {
    TestHoverButton& button = Make();
    Canvas direct(W, H), printed(W, H);
    DrawButton(button, 0, direct);
    const int before = button.DrawCount;
    ::SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.Dc()), PRF_CLIENT);
    ::GdiFlush();
    EXPECT_EQ(button.DrawCount, before + 1);
    EXPECT_TRUE(printed.SameAs(direct));
}

}  // namespace
}  // namespace plivora
