// The form at its display's scale. Runs with the other tests at Wine's 96 DPI and default
// colours, and as ui_tests_144_dpi in a prefix at 144 DPI with High Contrast Black's
// selection colours.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "control_ids.h"
#include "control_test_support.h"
#include "device_context.h"
#include "form_test_support.h"
#include "resource_ids.h"
#include "scaled_drawing.h"

namespace plivora {
namespace {

using testing_support::Canvas;
using Pair = std::pair<int, int>;

// The controls that overlap at 96 DPI, by id (lower first).
const std::set<Pair> OverlapsAt96 = {};

RECT InClient(HWND form, HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int IconSide(HICON icon) {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    ::GetObjectA(info.hbmMask, sizeof bitmap, &bitmap);
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    return bitmap.bmWidth;
}

// What the help button shows at rest: its normal book at the DPI's size, centred.
void ExpectHelpIconAt(HWND button, int dpi) {
    auto* hover = dynamic_cast<CHoverButton*>(framework::CWnd::FromHandle(button));
    ASSERT_NE(hover, nullptr);
    RECT client{};
    ::GetClientRect(button, &client);
    Canvas shown(client.right, client.bottom), expected(client.right, client.bottom, ::GetSysColor(COLOR_BTNFACE));
    testing_support::DrawButton(*hover, 0, shown);
    const int side = ::MulDiv(24, dpi, 96);
    const UniqueIcon book = LoadIconAtSize(::GetModuleHandleA(nullptr), IDI_HELP_NORMAL, side);
    ::DrawIconEx(expected.Dc(), (client.right - side) / 2, (client.bottom - side) / 2, book.Get(), side, side, 0,
                 nullptr, DI_NORMAL);
    ::GdiFlush();
    EXPECT_TRUE(shown.SameAs(expected)) << "help icon of " << side << " px in button " << ::GetDlgCtrlID(button);
}

// The band: the bulb at the large icon's size in its corner, the title in a colour that
// reads on the highlight, whole and inside the band.
void ExpectBandAt(fakes::FormDriver& form, int dpi) {
    const RECT band = form.Form().BandRect();
    const int side = ::MulDiv(32, dpi, 96), w = band.right - band.left, h = band.bottom - band.top;
    ASSERT_EQ(h, side);
    const BandLayout layout = form.Form().TitleLayout();
    EXPECT_TRUE(layout.TitleWhole) << form.Form().Model().GuidanceTitle() << " at " << dpi << " DPI";
    ::RedrawWindow(form.Window(), &band, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Canvas shown(w, h), bulb(side, side, ::GetSysColor(COLOR_HIGHLIGHT));
    shown.CopyFromWindow(form.Window(), band.left, band.top);
    const UniqueIcon icon = LoadIconAtSize(::GetModuleHandleA(nullptr), IDI_GUIDANCE_BULB, side);
    ::DrawIconEx(bulb.Dc(), 0, 0, icon.Get(), side, side, 0, nullptr, DI_NORMAL);
    ::GdiFlush();
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) ASSERT_EQ(shown.Pixel(x, y), bulb.Pixel(x, y)) << "bulb " << x << "," << y;

    // High Contrast Black's white caption text vanishes on its cyan: the title goes black.
    const bool highContrast = ::GetSysColor(COLOR_HIGHLIGHT) == RGB(0x1A, 0xEB, 0xFF);
    const COLORREF title = ::GetSysColor(highContrast ? COLOR_HIGHLIGHTTEXT : COLOR_CAPTIONTEXT);
    const COLORREF other = ::GetSysColor(highContrast ? COLOR_CAPTIONTEXT : COLOR_HIGHLIGHTTEXT);
    Canvas words(w - side, h);
    words.CopyFromWindow(form.Window(), band.left + side, band.top);
    const RECT ink = words.BoxOf(title);
    EXPECT_LT(ink.right, words.Width()) << "nothing of the title reaches the band's edge";
    if (other != title) {
        EXPECT_EQ(words.Count([other](COLORREF c) { return c == other; }), 0);
    }
}

TEST(DisplayScaleTest, TheFormDrawsItsPicturesAndBandAtItsDpiWithoutOverlaps) {
    fakes::FakePickers pickers;
    fakes::FormDriver form(pickers);
    const int dpi = form.Form().Dpi();
    {
        const WindowDC screen(nullptr);
        EXPECT_EQ(dpi, ::GetDeviceCaps(screen.Get(), LOGPIXELSY));
    }
    std::printf("The form at %d DPI; highlight %06lx, caption text %06lx, highlight text %06lx (0xBBGGRR)\n", dpi,
                ::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_CAPTIONTEXT), ::GetSysColor(COLOR_HIGHLIGHTTEXT));
    for (int id : fakes::HelpButtons) ExpectHelpIconAt(form.Item(id), dpi);

    RECT client{};
    ::GetClientRect(form.Window(), &client);
    const RECT band = form.Form().BandRect();
    std::set<Pair> overlaps;
    for (HWND a = ::GetWindow(form.Window(), GW_CHILD); a; a = ::GetWindow(a, GW_HWNDNEXT)) {
        const RECT r = InClient(form.Window(), a);
        const int id = ::GetDlgCtrlID(a);
        RECT inside{}, cut{};
        ::IntersectRect(&inside, &r, &client);
        EXPECT_TRUE(::EqualRect(&inside, &r)) << "control " << id << " reaches outside the form";
        EXPECT_FALSE(::IntersectRect(&cut, &r, &band)) << "control " << id << " lies in the band";
        for (HWND b = ::GetWindow(a, GW_HWNDNEXT); b; b = ::GetWindow(b, GW_HWNDNEXT)) {
            const RECT s = InClient(form.Window(), b);
            if (::IntersectRect(&cut, &r, &s))
                overlaps.insert(std::minmax(id, ::GetDlgCtrlID(b)));
        }
    }
    for (const Pair& pair : overlaps)
        EXPECT_TRUE(OverlapsAt96.count(pair)) << pair.first << " and " << pair.second << " overlap";
    if (dpi == 96) {
        EXPECT_EQ(overlaps, OverlapsAt96);
    }

    // Every topic's title, whole in the band.
    ExpectBandAt(form, dpi);
    for (int id : fakes::HelpButtons) {
        form.Click(id);
        ExpectBandAt(form, dpi);
    }
}

TEST(DisplayScaleTest, AMoveToAnotherScaleLoadsThePicturesAtItsSize) {
    fakes::FakePickers pickers;
    fakes::FormDriver form(pickers);
    const int start = form.Form().Dpi();
    RECT place{};
    ::GetWindowRect(form.Window(), &place);
    for (const int dpi : {start * 2, start}) {
        ::OffsetRect(&place, 10, 10);
        ::SendMessageA(form.Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
        EXPECT_EQ(form.Form().Dpi(), dpi);
        RECT now{};
        ::GetWindowRect(form.Window(), &now);
        EXPECT_TRUE(::EqualRect(&now, &place)) << "the form is not where Windows suggested";
        const int large = ::MulDiv(32, dpi, 96);
        const auto image = [&](int id, UINT message, WPARAM which) {
            return IconSide(reinterpret_cast<HICON>(::SendMessageA(form.Item(id), message, which, 0)));
        };
        EXPECT_EQ(image(IDC_BASE_FOLDER_BUTTON, BM_GETIMAGE, IMAGE_ICON), large);
        EXPECT_EQ(image(IDC_ICON_PREVIEW, STM_GETICON, 0), large);
        EXPECT_EQ(image(IDC_LOGO, STM_GETICON, 0), large);
        EXPECT_EQ(form.Form().BandRect().bottom - form.Form().BandRect().top, large);
        ExpectHelpIconAt(form.Item(IDC_HELP_TARGET), dpi);
    }
}

}  // namespace
}  // namespace plivora
