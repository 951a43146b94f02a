#include "dialog.h"

#include "borders.h"
#include "message_loop.h"

namespace framework {

bool ReturnsItsValueDirectly(UINT message) {
    switch (message) {
        case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC: case WM_COMPAREITEM:
        case WM_VKEYTOITEM: case WM_CHARTOITEM: case WM_QUERYDRAGICON: case WM_INITDIALOG:
            return true;
        default:
            return false;
    }
}

CDialog::~CDialog() { DestroyWindow(); }

bool CDialog::Create(HWND owner) {
    ended_ = false;
    HWND hwnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr;
}

INT_PTR CDialog::DoModal(HWND owner) {
    const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
    if (!Create(owner)) {
        if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
        return -1;
    }
    // A template without WS_VISIBLE is shown once the loop first runs out of messages:
    // after its initial messages, before the user can act on it.
    // A visible template is painted at once, children included. Sent paints skip the
    // loop's pre-translation, so controls that make helpers on their first queued
    // message (the help buttons' tooltips) make them when first used, not at start-up.
    bool shown = ::IsWindowVisible(hwnd_) != FALSE;
    if (shown) ::UpdateWindow(hwnd_);
    const auto running = [&] {
        if (ended_ || !::IsWindow(hwnd_)) return false;
        MSG waiting;
        if (!shown && !::PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE)) {
            ::ShowWindow(hwnd_, SW_SHOWNORMAL);
            ::UpdateWindow(hwnd_);
            shown = true;
        }
        return true;
    };
    plivora::RunMessageLoop(running, [this](MSG& msg) { ProcessMessage(msg); });
    if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
    if (hwnd_) ::ShowWindow(hwnd_, SW_HIDE);
    if (owner) ::SetActiveWindow(owner);
    return result_;
}

void CDialog::ProcessMessage(MSG& msg) {
    bool translated = false;
    for (HWND target = msg.hwnd; target && !translated; target = ::GetParent(target)) {
        if (CWnd* window = FromHandle(target)) translated = window->PreTranslateMessage(msg);
        if (target == hwnd_) break;
    }
    if (!translated) plivora::DispatchFor(hwnd_, msg);
}

void CDialog::PumpWaitingMessages() {
    plivora::HandleQueuedMessages([this](MSG& msg) { ProcessMessage(msg); });
}

void CDialog::EndDialog(INT_PTR result) {
    result_ = result;
    ended_ = true;
    // Wakes a modal loop that waits in GetMessage.
    if (hwnd_) ::PostMessageA(hwnd_, WM_NULL, 0, 0);
}

void CDialog::DestroyWindow() {
    if (hwnd_ && ::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
    Detach();
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(hwnd_, saveAndValidate);
    DoDataExchange(dx);
    return true;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange&) {}

void CDialog::OnOK() {
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

namespace {
BOOL CALLBACK SendSysColorChange(HWND child, LPARAM) {
    ::SendMessageA(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}
}  // namespace

bool CDialog::HandleMessage(Message& message) {
    // Owner-drawn controls paint themselves.
    if (ReflectChildNotify(message)) return true;
    // Only top-level windows hear of new system colours; controls that cache them need it too.
    if (message.id == WM_SYSCOLORCHANGE && !(::GetWindowLongA(hwnd_, GWL_STYLE) & WS_CHILD))
        ::EnumChildWindows(hwnd_, &SendSysColorChange, 0);
    if (message.id == WM_COMMAND && HIWORD(message.wParam) == BN_CLICKED) {
        if (LOWORD(message.wParam) == IDOK) return OnOK(), true;
        if (LOWORD(message.wParam) == IDCANCEL) return OnCancel(), true;
    }
    return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    if (id == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->Attach(hwnd);
        return plivora::WithinBorder<BOOL>(TRUE, [&] { return dialog->OnInitDialog(); });
    }
    auto* dialog = static_cast<CDialog*>(FromHandle(hwnd));
    if (!dialog) return FALSE;
    Message message{id, wParam, lParam, 0};
    const bool handled = plivora::WithinBorder(false, [&] { return dialog->HandleMessage(message); });
    if (id == WM_NCDESTROY) dialog->Detach();
    if (!handled) return FALSE;
    if (ReturnsItsValueDirectly(id)) return static_cast<INT_PTR>(message.result);
    ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, message.result);
    return TRUE;
}

}  // namespace framework
