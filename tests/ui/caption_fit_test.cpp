// Every caption of the form shows whole in the form's own font. A fallback font with
// wider letters (Wine without its "MS Sans Serif") clips them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "control_ids.h"
#include "device_context.h"
#include "form_test_support.h"
#include "wnd.h"

namespace plivora {
namespace {

// A context of the control with the control's own font selected.
class ControlFontDC {
public:
    explicit ControlFontDC(HWND control)
        : dc_(control),
          font_(dc_.Get(), reinterpret_cast<HGDIOBJ>(::SendMessageA(control, WM_GETFONT, 0, 0))) {}
    HDC Get() const { return dc_.Get(); }

private:
    WindowDC dc_;
    SelectObjectScope font_;
};

// The text laid out in the control's font within the given width.
SIZE LaidOut(HWND control, const std::string& text, int width, UINT format) {
    const ControlFontDC dc(control);
    RECT room{0, 0, width, 0};
    ::DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &room, format | DT_CALCRECT);
    return {room.right, room.bottom};
}

// What of the caption must fit where, as the control draws it; false for controls that
// paint no caption.
bool CaptionRoom(HWND control, std::string& text, RECT& room, UINT& format) {
    char className[32] = {};
    ::GetClassNameA(control, className, sizeof className);
    const LONG style = ::GetWindowLongA(control, GWL_STYLE);
    const int id = ::GetDlgCtrlID(control);
    text = framework::WindowText(control);
    ::GetClientRect(control, &room);
    format = DT_EXPANDTABS;
    if (text.empty() || id == IDC_DIVIDER || id == IDC_GUIDANCE_LABEL) return false;
    if (lstrcmpiA(className, "Static") == 0) {
        if ((style & SS_TYPEMASK) > SS_RIGHT) return false;  // icons and pictures
        if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
        // The etched labels cut two blanks more into their line.
        if (id == IDC_PARAMETERS_LABEL || id == IDC_SWITCHES_LABEL)
            text += "  ";
        else
            format |= DT_WORDBREAK;
        return true;
    }
    if (lstrcmpiA(className, "Button") != 0) return false;
    // Buttons that show an image or are drawn by their owner never paint their text: it
    // is their name for screen readers.
    const LONG type = style & BS_TYPEMASK;
    if ((style & (BS_ICON | BS_BITMAP)) || type == BS_OWNERDRAW) return false;
    format |= (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    if (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX) {
        // The box, 13 pixels at 96 dpi, and half a digit before the text.
        const ControlFontDC dc(control);
        SIZE digit{};
        ::GetTextExtentPoint32A(dc.Get(), "0", 1, &digit);
        room.left += ::MulDiv(13, ::GetDeviceCaps(dc.Get(), LOGPIXELSY), 96) + digit.cx / 2;
    } else {
        // A push button's raised edge on either side.
        ::InflateRect(&room, -::GetSystemMetrics(SM_CXEDGE), -::GetSystemMetrics(SM_CYEDGE));
    }
    return true;
}

TEST(CaptionFitTest, EveryCaptionOfTheFormFitsItsControlInTheFormsFont) {
    fakes::FakePickers pickers;
    fakes::FormDriver form(pickers);
    int measured = 0;
    for (HWND control = ::GetWindow(form.Window(), GW_CHILD); control;
         control = ::GetWindow(control, GW_HWNDNEXT)) {
        std::string text;
        RECT room{};
        UINT format = 0;
        if (!CaptionRoom(control, text, room, format)) continue;
        ++measured;
        const int width = room.right - room.left;
        const int height = room.bottom - room.top;
        const SIZE needed = LaidOut(control, text, width, format);
        EXPECT_TRUE(needed.cx <= width && needed.cy <= height)
            << "\"" << text << "\" (control " << ::GetDlgCtrlID(control) << ") needs " << needed.cx << "x"
            << needed.cy << " pixels but has " << width << "x" << height;
    }
    EXPECT_EQ(measured, 19) << "captions, check boxes and buttons with text";

    // The closed lists keep the widths they were drawn with: how much of their longest
    // entries shows is reported, not held against them.
    for (int id : {IDC_ORDER_LIST, IDC_PROMPT_LIST}) {
        HWND list = form.Item(id);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(::GetComboBoxInfo(list, &info));
        const int room = info.rcItem.right - info.rcItem.left;
        const ControlFontDC dc(list);
        std::string longest;
        SIZE longestSize{};
        int longestShown = 0;
        const int count = static_cast<int>(::SendMessageA(list, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char entry[256] = {};
            ::SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
            int shown = 0;
            SIZE size{};
            ::GetTextExtentExPointA(dc.Get(), entry, lstrlenA(entry), room, &shown, nullptr, &size);
            if (size.cx > longestSize.cx) longest = entry, longestSize = size, longestShown = shown;
        }
        std::printf("List %d: longest entry \"%s\" needs %d pixels, %d show: \"%s\"\n", id, longest.c_str(),
                    static_cast<int>(longestSize.cx), room, longest.substr(0, longestShown).c_str());
    }
}

}  // namespace
}  // namespace plivora
