// The form's own controls: the ten help buttons and three etched labels it attaches, the
// guidance band it paints, and one BitBlt per button paint.
#include <gtest/gtest.h>

#include "control_ids.h"
#include "resource_ids.h"
#include "control_test_support.h"
#include "device_context.h"
#include "etched_label.h"
#include "form_test_support.h"
#include "gdi_probe.h"
#include "pixel_expectations.h"

namespace plivora {
namespace {

using namespace testing_support;
using C = SystemColours;
using fakes::FakePickers;
using fakes::FormDriver;

const int LabelIds[3] = {IDC_PARAMETERS_LABEL, IDC_SWITCHES_LABEL, IDC_DIVIDER};

class FormControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::SetForegroundWindow(form_.Window());
        ::SetActiveWindow(form_.Window());
        ASSERT_TRUE(WaitFor([this] { return ::GetActiveWindow() == form_.Window(); }));
    }

    CHoverButton* HelpButton(int id) {
        return dynamic_cast<CHoverButton*>(framework::CWnd::FromHandle(form_.Item(id)));
    }

    // The band as the rules draw it: highlight, icon 133 at the corner, the title at (35, 9)
    // in a device context's default font.
    void ExpectBandShows(const std::string& title, COLORREF fill, COLORREF text) {
        const RECT band = form_.Form().BandRect();
        const int w = band.right - band.left, h = band.bottom - band.top;
        ASSERT_EQ(h, 32);
        RECT divider{}, test{};
        ::GetWindowRect(form_.Item(IDC_DIVIDER), &divider);
        ::GetWindowRect(form_.Item(IDC_TEST_BUTTON), &test);
        ::MapWindowPoints(HWND_DESKTOP, form_.Window(), reinterpret_cast<POINT*>(&divider), 2);
        ::MapWindowPoints(HWND_DESKTOP, form_.Window(), reinterpret_cast<POINT*>(&test), 2);
        EXPECT_EQ(band, (RECT{divider.right + 10, divider.top, test.right, divider.top + 32}));

        Canvas shown(w, h);
        shown.CopyFromWindow(form_.Window(), band.left, band.top);
        EXPECT_TRUE(AreaIs(shown, {w - 1, 0, w, h}, fill));
        EXPECT_TRUE(AreaIs(shown, {32, 0, 35, h}, fill)) << "nothing between the icon and the title";
        const RECT ink = shown.Box([text](COLORREF c) { return c == text; });
        EXPECT_GE(ink.left, 35);
        EXPECT_GE(ink.top, 9);

        Canvas expected(w, h, fill);
        ::DrawIcon(expected.Dc(), 0, 0,
                   ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_GUIDANCE_BULB)));
        ::SetTextColor(expected.Dc(), text);
        ::SetBkMode(expected.Dc(), TRANSPARENT);
        ::TextOutA(expected.Dc(), 35, 9, title.c_str(), static_cast<int>(title.size()));
        ::GdiFlush();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(shown.Pixel(x, y), expected.Pixel(x, y)) << "band pixel " << x << "," << y;
    }

    FakePickers pickers_;
    FormDriver form_{pickers_};
};

TEST_F(FormControlsTest, TheFormAttachesTenHoverButtonsAndThreeEtchedLabels) {
    for (int id : fakes::HelpButtons) {
        CHoverButton* button = HelpButton(id);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_EQ(::GetWindowLongA(*button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << id;
        EXPECT_EQ(button->IsDefaultButton(), 0);

        // The normal icon at rest, the over icon while the pointer is over it.
        RECT client{};
        ::GetClientRect(*button, &client);
        Canvas rest(client.right, client.bottom), over(client.right, client.bottom);
        DrawButton(*button, 0, rest);
        // The whole book shows: its black outline lies inside the button on every side.
        const RECT outline = rest.BoxOf(RGB(0, 0, 0));
        EXPECT_GT(outline.left, 0) << id;
        EXPECT_GT(outline.top, 0) << id;
        EXPECT_LT(outline.right, client.right) << id;
        EXPECT_LT(outline.bottom, client.bottom) << id;
        ::SendMessageA(*button, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        EXPECT_EQ(::GetCapture(), button->GetSafeHwnd()) << id;
        DrawButton(*button, 0, over);
        EXPECT_FALSE(over.SameAs(rest)) << id;
        ::SendMessageA(*button, WM_MOUSEMOVE, 0, MAKELPARAM(-40, -40));
        EXPECT_EQ(::GetCapture(), nullptr) << id;
    }
    for (int id : LabelIds)
        EXPECT_NE(dynamic_cast<CEtchedLabel*>(framework::CWnd::FromHandle(form_.Item(id))), nullptr) << id;
}

TEST_F(FormControlsTest, HelpButtonsStillClickThroughTheirOwnerDrawnPress) {
    form_.Click(IDC_HELP_HIDE);
    EXPECT_EQ(form_.Form().Model().GuidanceTitle(), "Hide Plivora");
    EXPECT_FALSE(::KillTimer(form_.Item(IDC_HELP_HIDE), CHoverButton::HoldTimerId))
        << "the release stopped it";
}

TEST_F(FormControlsTest, TheBandIsPaintedInTheSystemColoursWithIconAndTitle) {
    ::UpdateWindow(form_.Window());
    ExpectBandShows(form_.Form().Model().GuidanceTitle(), C::Selection, C::CaptionText);

    // A help button changes the title, and the band shows it at once.
    form_.Click(IDC_HELP_TARGET);
    ASSERT_NE(form_.Form().Model().GuidanceTitle(), "Plivora Assistant");
    ASSERT_TRUE(WaitFor([this] { return !::GetUpdateRect(form_.Window(), nullptr, FALSE); }));
    ExpectBandShows(form_.Form().Model().GuidanceTitle(), C::Selection, C::CaptionText);

    // New system colours reach the band at its next paint.
    const COLORREF fill = RGB(150, 30, 60), text = RGB(220, 255, 200);
    SystemColours::Set(COLOR_HIGHLIGHT, fill);
    SystemColours::Set(COLOR_CAPTIONTEXT, text);
    ::RedrawWindow(form_.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ExpectBandShows(form_.Form().Model().GuidanceTitle(), fill, text);
    SystemColours::Set(COLOR_HIGHLIGHT, C::Selection);
    SystemColours::Set(COLOR_CAPTIONTEXT, C::CaptionText);
}

TEST_F(FormControlsTest, TheLongestTitleFitsTheBandAndLeavesNothingBeyondIt) {
    form_.Click(IDC_HELP_SECONDARY_PARAMS);
    const RECT band = form_.Form().BandRect();
    const std::string& title = form_.Form().Model().GuidanceTitle();
    SIZE extent{};
    {
        const WindowDC dc(form_.Window());
        ::GetTextExtentPoint32A(dc.Get(), title.c_str(), static_cast<int>(title.size()), &extent);
    }
    // Wine's own System font in the prefix: every title fits (a wider fallback cut this one).
    ASSERT_LE(35 + extent.cx, band.right - band.left);
    // As after the form is restored: the whole form is painted again.
    ::RedrawWindow(form_.Window(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client{};
    ::GetClientRect(form_.Window(), &client);
    ASSERT_GT(client.right, band.right);
    Canvas beyond(client.right - band.right, band.bottom - band.top);
    beyond.CopyFromWindow(form_.Window(), band.right, band.top);
    EXPECT_TRUE(AreaIs(beyond, {0, 0, beyond.Width(), beyond.Height()}, C::Face));
}

TEST_F(FormControlsTest, EachButtonPaintReachesTheScreenInOneBitBlt) {
    HWND button = form_.Item(IDC_HELP_TARGET);
    ::UpdateWindow(form_.Window());
    probe::GdiProbe probe;
    ASSERT_TRUE(probe.Complete()) << probe.Missing().front();
    for (int hovering = 0; hovering < 2; ++hovering) {
        probe.ClearCalls();
        ::SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(hovering ? 3 : -40, hovering ? 3 : -40));
        ::InvalidateRect(button, nullptr, TRUE);
        ::UpdateWindow(button);
        ASSERT_EQ(probe.Blits().size(), 1u);
        const probe::Blit blit = probe.Blits().front();
        EXPECT_EQ(blit.sourceType, static_cast<DWORD>(OBJ_MEMDC));
        EXPECT_EQ(blit.targetType, static_cast<DWORD>(OBJ_DC)) << "the button's paint context";
        ASSERT_GE(probe.Drawings().size(), 2u) << "a fill and the icon at least";
        for (const probe::Drawing& drawing : probe.Drawings())
            EXPECT_EQ(drawing.dc, blit.source) << drawing.function << " drew outside the buffer";
    }
}

}  // namespace
}  // namespace plivora
