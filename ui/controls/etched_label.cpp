#include "etched_label.h"

#include <string>

namespace plivora {

const framework::MessageEntry<CEtchedLabel> CEtchedLabel::MessageMap[] = {
    framework::OnWindowMessage(WM_PAINT, &CEtchedLabel::OnPaint),
};

bool CEtchedLabel::HandleMessage(framework::Message& message) {
    return framework::DispatchMessageMap(*this, MessageMap, message) ||
           framework::CStatic::HandleMessage(message);
}

void CEtchedLabel::OnPaint(framework::Message&) {
    const framework::CPaintDC dc(hwnd_);
    Paint(dc);
}

void CEtchedLabel::Paint(const framework::CDC& dc) const {
    const LONG style = ::GetWindowLongA(hwnd_, GWL_STYLE);
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    const int w = window.right - window.left;
    const int h = window.bottom - window.top;
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);

    if (h > w) {
        dc.Draw3dRect(w / 2, 0, 2, h, shadow, highlight);
        return;
    }

    UINT format = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    dc.Draw3dRect(0, h / 2, w, 2, shadow, highlight);
    // Two blanks wherever the line continues beyond the text.
    std::string caption = GetWindowText();
    if (style & SS_CENTER) {
        caption = "  " + caption + "  ";
        format |= DT_CENTER;
    } else if (style & SS_RIGHT) {
        caption = "  " + caption;
        format |= DT_RIGHT;
    } else {
        caption += "  ";
    }
    const framework::SelectObjectScope font(dc, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    // The opaque text cells cut the caption's gap into the line.
    dc.SetBkColor(::GetSysColor(COLOR_BTNFACE));
    dc.DrawText(caption, client, format);
}

}  // namespace plivora
