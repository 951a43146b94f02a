#include "etched_label.h"

#include <string>

#include "scaled_drawing.h"

namespace plivora {

namespace {

// Shadow beside highlight, each `thickness` pixels: nested frames around the 2-pixel
// line of 96 DPI, which is the outermost.
void EtchedLine(const framework::CDC& dc, RECT line, int thickness, COLORREF shadow, COLORREF highlight) {
    for (int i = 0; i < thickness; ++i) {
        dc.Draw3dRect(line.left, line.top, line.right - line.left, line.bottom - line.top, shadow, highlight);
        ::InflateRect(&line, -1, -1);
    }
}

}  // namespace

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
    const int thickness = ScaledForDpi(1, WindowDpi(hwnd_));

    if (h > w) {
        const int x = w / 2 - (thickness - 1);
        EtchedLine(dc, {x, 0, x + 2 * thickness, h}, thickness, shadow, highlight);
        return;
    }

    UINT format = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    const int y = h / 2 - (thickness - 1);
    EtchedLine(dc, {0, y, w, y + 2 * thickness}, thickness, shadow, highlight);
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
