#include "wnd.h"

#include <vector>

#include "borders.h"

namespace framework {

namespace {
const char* const ObjectProperty = "PlivoraFrameworkObject";
}

std::string WindowText(HWND hwnd) {
    const int length = ::GetWindowTextLengthA(hwnd);
    if (length <= 0) return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = ::GetWindowTextA(hwnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

CWnd::~CWnd() {
    if (previousProc_ && ::IsWindow(hwnd_)) UnsubclassWindow();
    Detach();
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<CWnd*>(::GetPropA(hwnd, ObjectProperty)) : nullptr;
}

void CWnd::Attach(HWND hwnd) {
    hwnd_ = hwnd;
    ::SetPropA(hwnd, ObjectProperty, this);
}

void CWnd::Detach() {
    if (hwnd_ && ::IsWindow(hwnd_) && FromHandle(hwnd_) == this) ::RemovePropA(hwnd_, ObjectProperty);
    hwnd_ = nullptr;
}

std::string CWnd::GetWindowText() const { return WindowText(hwnd_); }

bool CWnd::SubclassDlgItem(int id, CWnd& parent) { return SubclassWindow(parent.GetDlgItem(id)); }

bool CWnd::SubclassWindow(HWND hwnd) {
    if (!hwnd || hwnd_ || FromHandle(hwnd)) return false;
    // Replacing the procedure sends nothing, so the object is attached before any message
    // reaches SubclassProc; a window of another process refuses, and stays untouched.
    previousProc_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    if (!previousProc_) return false;
    Attach(hwnd);
    PreSubclassWindow();
    return true;
}

HWND CWnd::UnsubclassWindow() {
    HWND hwnd = hwnd_;
    if (previousProc_) {
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
        previousProc_ = nullptr;
    }
    Detach();
    return hwnd;
}

bool CWnd::PreTranslateMessage(MSG&) { return false; }

bool CWnd::HandleMessage(Message&) { return false; }

bool CWnd::OnChildNotify(Message&) { return false; }

bool CWnd::ReflectChildNotify(Message& message) {
    if (message.id != WM_DRAWITEM) return false;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.lParam);
    // A menu's record names no window.
    if (!item || item->CtlType == ODT_MENU) return false;
    CWnd* control = FromHandle(item->hwndItem);
    return control && control->OnChildNotify(message);
}

LRESULT CWnd::Default(const Message& message) {
    return previousProc_ ? ::CallWindowProcA(previousProc_, hwnd_, message.id, message.wParam, message.lParam)
                         : ::DefWindowProcA(hwnd_, message.id, message.wParam, message.lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    CWnd* window = FromHandle(hwnd);
    if (!window) return ::DefWindowProcA(hwnd, id, wParam, lParam);
    Message message{id, wParam, lParam, 0};
    // A handler that failed leaves the message to the window's own processing.
    const bool handled = plivora::WithinBorder(false, [&] { return window->HandleMessage(message); });
    const LRESULT result = handled ? message.result : window->Default(message);
    // The window is gone: give it back its own procedure and forget it.
    if (id == WM_NCDESTROY) window->UnsubclassWindow();
    return result;
}

}  // namespace framework
