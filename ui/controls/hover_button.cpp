#include "hover_button.h"

#include <windowsx.h>

#include "app.h"
#include "buffer_dc.h"
#include "scaled_drawing.h"

namespace plivora {

using framework::OnWindowMessage;

namespace {

HICON LoadIconResource(int id, int size) {
    const HMODULE module = ::GetModuleHandleA(nullptr);
    if (size > 0) return LoadIconAtSize(module, static_cast<WORD>(id), size).Release();
    return static_cast<HICON>(
        ::LoadImageA(module, MAKEINTRESOURCEA(static_cast<WORD>(id)), IMAGE_ICON, 0, 0, 0));
}

framework::CPen SolidPen(int systemColor) {
    return framework::CPen(::CreatePen(PS_SOLID, 1, ::GetSysColor(systemColor)));
}

// One polyline from a start point through a corner to an end point.
void Corner(framework::CDC& dc, HPEN pen, POINT from, POINT through, POINT to) {
    dc.SelectObject(pen);
    dc.MoveTo(from.x, from.y);
    dc.LineTo(through.x, through.y);
    dc.LineTo(to.x, to.y);
}

}  // namespace

const framework::MessageEntry<CHoverButton> CHoverButton::MessageMap[] = {
    OnWindowMessage(WM_CAPTURECHANGED, &CHoverButton::OnCaptureChanged),
    OnWindowMessage(WM_SETCURSOR, &CHoverButton::OnSetCursor),
    OnWindowMessage(WM_KILLFOCUS, &CHoverButton::OnKillFocus),
    OnWindowMessage(WM_MOUSEMOVE, &CHoverButton::OnMouseMove),
    OnWindowMessage(WM_TIMER, &CHoverButton::OnTimer),
    OnWindowMessage(WM_LBUTTONDOWN, &CHoverButton::OnLButtonDown),
    OnWindowMessage(WM_LBUTTONUP, &CHoverButton::OnLButtonUp),
    OnWindowMessage(WM_LBUTTONDBLCLK, &CHoverButton::OnLButtonDblClk),
    OnWindowMessage(WM_SYSCOLORCHANGE, &CHoverButton::OnSysColorChange),
    OnWindowMessage(WM_ENABLE, &CHoverButton::OnEnable),
};

CHoverButton::CHoverButton() {
    ResetNormalBackColor(0);
    ResetOverBackColor(0);
}

void CHoverButton::SetIcons(int overIconId, int normalIconId, int size) {
    OverIcon.Reset(LoadIconResource(overIconId, size));
    NormalIcon.Reset(normalIconId != 0 ? LoadIconResource(normalIconId, size) : nullptr);
    HoverTracking = normalIconId != 0 ? 1 : 0;

    // A failed query leaves the cleared record: no icon measures 0 by 0.
    ICONINFO info{};
    ::GetIconInfo(OverIcon.Get(), &info);
    const UniqueGdiObject<HBITMAP> mask(info.hbmMask);
    const UniqueGdiObject<HBITMAP> colour(info.hbmColor);
    IconWidth = static_cast<std::uint8_t>(info.xHotspot * 2);
    IconHeight = static_cast<std::uint8_t>(info.yHotspot * 2);

    if (hwnd_) ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CHoverButton::Repaint() const {
    // Without a window, InvalidateRect would repaint every window on the desktop.
    if (hwnd_) ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void CHoverButton::ResetNormalBackColor(int repaint) {
    NormalBackColor = ::GetSysColor(COLOR_BTNFACE);
    if (repaint == 1) Repaint();
}

void CHoverButton::ResetOverBackColor(int repaint) {
    OverBackColor = ::GetSysColor(COLOR_BTNFACE);
    if (repaint == 1) Repaint();
}

void CHoverButton::PreSubclassWindow() {
    const LONG style = ::GetWindowLongA(hwnd_, GWL_STYLE) & 0xFF;
    if (style & BS_DEFPUSHBUTTON) DefaultButton = 1;
    SendMessage(BM_SETSTYLE, static_cast<WPARAM>(style | BS_OWNERDRAW), TRUE);
    framework::CButton::PreSubclassWindow();
}

void CHoverButton::EnsureToolTip() {
    if (ToolTip.GetSafeHwnd()) return;
    ToolTip.Create(hwnd_, WS_POPUP);
    ToolTip.Activate(false);
}

bool CHoverButton::PreTranslateMessage(MSG& message) {
    EnsureToolTip();
    ToolTip.RelayEvent(message);
    return framework::CButton::PreTranslateMessage(message);
}

bool CHoverButton::HandleMessage(Message& message) {
    return framework::DispatchMessageMap(*this, MessageMap, message) ||
           framework::CButton::HandleMessage(message);
}

// --- Messages ---

void CHoverButton::ReleaseOwnCapture() const {
    // ReleaseCapture frees whichever window of the thread holds the capture; another
    // window's capture (a menu, a dropped-down list) is not ours to end.
    if (::GetCapture() == hwnd_) ::ReleaseCapture();
}

void CHoverButton::OnCaptureChanged(Message& m) {
    if (Hovering == 1) {
        // The button's own press takes the capture again: that is not a loss.
        if (reinterpret_cast<HWND>(m.lParam) != hwnd_) ReleaseOwnCapture();
        Repaint();
    }
    m.result = Default(m);
}

void CHoverButton::OnSetCursor(Message& m) {
    if (!Cursor) {
        m.passOn = true;
        return;
    }
    ::SetCursor(Cursor);
    m.result = TRUE;
}

void CHoverButton::OnKillFocus(Message& m) {
    m.result = Default(m);
    if (Flat && Hovering == 1) {
        Hovering = 0;
        Repaint();
    }
}

void CHoverButton::OnMouseMove(Message& m) {
    m.result = Default(m);
    const WPARAM keys = m.wParam;
    if ((keys & MK_LBUTTON) && Hovering == 0) return;
    if (!Flat || !HoverTracking) return;

    HWND active = ::GetActiveWindow();
    HWND owner = ::GetWindow(hwnd_, GW_OWNER);
    if (!owner) owner = ::GetParent(hwnd_);
    HWND capture = ::GetCapture();
    // A move that reaches the button while it holds no capture is a move over it.
    if (capture != hwnd_ && active && owner) {
        Hovering = 1;
        ::SetCapture(hwnd_);
        Repaint();
        return;
    }

    POINT point{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    ::ClientToScreen(hwnd_, &point);
    if (::WindowFromPoint(point) == hwnd_) return;
    if (Hovering == 1) {
        Hovering = 0;
        Repaint();
    }
    // While the left button is down the control's own press owns the capture.
    if (!(keys & MK_LBUTTON)) ReleaseOwnCapture();
}

void CHoverButton::OnTimer(Message& m) {
    // A zero HoldTimer means no hold is pending, whatever the message's id.
    if (HoldTimer == 0 || m.wParam != HoldTimer) return;
    // Stopped before the menu opens: its modal loop would deliver the timer again.
    ::KillTimer(hwnd_, HoldTimer);
    HoldTimer = 0;
    if (HoldMenuId != 0) ShowHoldMenu();
}

void CHoverButton::ShowHoldMenu() const {
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    const UniqueMenu menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(HoldMenuId)));
    HMENU popup = menu.Get() ? ::GetSubMenu(menu.Get(), HoldSubMenu) : nullptr;
    if (!popup) return;
    framework::CWinApp* app = framework::CWinApp::Current();
    HWND commandTarget = app && app->MainWindow() ? app->MainWindow()->GetSafeHwnd() : nullptr;
    if (!commandTarget) commandTarget = ::GetAncestor(hwnd_, GA_ROOT);
    ::TrackPopupMenu(popup, TPM_RIGHTBUTTON, window.left, window.bottom, 0, commandTarget, nullptr);
}

void CHoverButton::OnLButtonDown(Message& m) {
    if (Locked) return;
    HoldTimer = static_cast<std::uint32_t>(::SetTimer(hwnd_, HoldTimerId, HoldDelay, nullptr));
    m.result = Default(m);
}

void CHoverButton::OnLButtonUp(Message& m) {
    if (Locked) return;
    ::KillTimer(hwnd_, HoldTimer);
    m.result = Default(m);
}

// The second press of a double-click is swallowed whole.
void CHoverButton::OnLButtonDblClk(Message&) {}

void CHoverButton::OnSysColorChange(Message&) {
    OverBackColor = ::GetSysColor(COLOR_BTNFACE);
    NormalBackColor = ::GetSysColor(COLOR_BTNFACE);
    Repaint();
}

void CHoverButton::OnEnable(Message& m) {
    if (m.wParam && Locked) return;
    m.passOn = true;
}

// --- Painting ---

void CHoverButton::DrawItem(const DRAWITEMSTRUCT& drawItemRecord) {
    framework::CDC target;
    target.Attach(drawItemRecord.hDC);
    CBufferDC dc(target);

    const bool pressed = (drawItemRecord.itemState & ODS_SELECTED) != 0;
    const bool focused = (drawItemRecord.itemState & ODS_FOCUS) != 0;
    const bool greyed = Locked != 0;

    RECT r = drawItemRecord.rcItem;
    if (!Flat && (focused || DefaultButton == 1)) {
        const framework::CBrush black(::CreateSolidBrush(RGB(0, 0, 0)));
        dc.FrameRect(r, black);
        ::InflateRect(&r, -1, -1);
    }

    const COLORREF back = (Hovering == 1 || pressed) ? OverBackColor : NormalBackColor;
    if (Transparent == 1) {
        PaintBackdrop(dc);
    } else {
        const framework::CBrush brush(::CreateSolidBrush(back));
        dc.FillRect(r, brush);
    }

    DrawEdge(dc, r, pressed);

    if (OverIcon) DrawButtonIcon(dc, drawItemRecord.rcItem, pressed, greyed);

    // Hidden while Windows hides keyboard cues, as for a user who has only clicked.
    const bool focusCue = focused && !(drawItemRecord.itemState & ODS_NOFOCUSRECT);
    if (focusCue && (!Flat || FlatFocus == 1)) {
        RECT focus = r;
        const int inset = ScaledForDpi(3, WindowDpi(hwnd_));
        ::InflateRect(&focus, -inset, -inset);
        dc.DrawFocusRect(focus);
    }
}

void CHoverButton::DrawEdge(framework::CDC& dc, const RECT& r, bool pressed) const {
    const bool flatEdge = Flat && DrawEdges == 1 && (pressed || Hovering == 1);
    if (Flat && !flatEdge) return;
    if (!Flat && pressed) {
        const framework::CBrush shadow(::CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW)));
        dc.FrameRect(r, shadow);
        return;
    }

    const POINT bottomLeft{r.left, r.bottom - 1};
    const POINT topLeft{r.left, r.top};
    const POINT topRight{r.right, r.top};
    const POINT bottomRight{r.right - 1, r.bottom - 1};
    const POINT aboveTopRight{r.right - 1, r.top - 1};
    if (flatEdge) {
        // Sunken while pressed, raised while hovering.
        const framework::CPen topLeftPen = SolidPen(pressed ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
        const framework::CPen bottomRightPen = SolidPen(pressed ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
        const framework::SelectObjectScope pen(dc, topLeftPen);
        Corner(dc, topLeftPen, bottomLeft, topLeft, topRight);
        Corner(dc, bottomRightPen, bottomLeft, bottomRight, aboveTopRight);
        return;
    }

    const framework::CPen highlight = SolidPen(COLOR_BTNHIGHLIGHT);
    const framework::CPen light = SolidPen(COLOR_3DLIGHT);
    const framework::CPen darkShadow = SolidPen(COLOR_3DDKSHADOW);
    const framework::CPen shadow = SolidPen(COLOR_BTNSHADOW);
    const framework::SelectObjectScope pen(dc, highlight);
    Corner(dc, highlight, bottomLeft, topLeft, topRight);
    Corner(dc, light, {r.left + 1, r.bottom - 1}, {r.left + 1, r.top + 1}, {r.right, r.top + 1});
    Corner(dc, darkShadow, bottomLeft, bottomRight, aboveTopRight);
    Corner(dc, shadow, {r.left + 1, r.bottom - 2}, {r.right - 2, r.bottom - 2}, {r.right - 2, r.top});
}

void CHoverButton::DrawButtonIcon(framework::CDC& dc, const RECT& itemRect, bool pressed, bool greyed) {
    RECT i = itemRect;
    if (IconPlacement == 0 || IconPlacement == 1) {
        i.left += (i.right - i.left - IconWidth) / 2;
        i.top += (i.bottom - i.top - IconHeight) / 2;
    }
    if (pressed) ::OffsetRect(&i, 1, 1);

    // Without a normal icon of its own the button shows the over icon at all times.
    const bool over = Hovering == 1 || pressed || !HoverTracking;
    HICON icon = over ? OverIcon.Get() : NormalIcon.Get();
    ::DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, i.left, i.top, i.right - i.left,
                 i.bottom - i.top, DST_ICON | (greyed ? DSS_DISABLED : 0));
}

void CHoverButton::PaintBackdrop(framework::CDC& dc) {
    HWND parent = ::GetParent(hwnd_);
    framework::CClientDC parentDc(parent);
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    const int w = client.right - client.left;
    const int h = client.bottom - client.top;
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    POINT origin{window.left, window.top};
    ::ScreenToClient(parent, &origin);

    // The parent's pixels are read once, at the first transparent paint.
    if (!BackdropDC.GetSafeHdc()) {
        BackdropDC.CreateCompatibleDC(parentDc);
        BackdropBitmap.CreateCompatibleBitmap(parentDc, w, h);
        BackdropOldBitmap.Select(BackdropDC, BackdropBitmap);
        BackdropDC.BitBlt(0, 0, w, h, parentDc, origin.x, origin.y, SRCCOPY);
    }
    dc.BitBlt(0, 0, w, h, BackdropDC, 0, 0, SRCCOPY);
}

}  // namespace plivora
