#include "tooltip.h"

#include <commctrl.h>

#include "lazy_imports.h"

namespace framework {

CToolTipCtrl::~CToolTipCtrl() { DestroyWindow(); }

bool CToolTipCtrl::Create(HWND owner, DWORD style) {
    if (hwnd_) return true;
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    lazy::InitCommonControlsEx(&classes);
    HWND hwnd =
        ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, owner, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return false;
    // Subclassed so that hwnd_ is forgotten when the owner's top-level window takes
    // the tooltip down with it.
    if (!SubclassWindow(hwnd)) hwnd_ = hwnd;
    return true;
}

void CToolTipCtrl::Activate(bool active) const { SendMessage(TTM_ACTIVATE, active ? TRUE : FALSE); }

void CToolTipCtrl::RelayEvent(MSG& message) const {
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

void CToolTipCtrl::DestroyWindow() {
    HWND hwnd = hwnd_;
    if (!hwnd) return;
    ::DestroyWindow(hwnd);
    Detach();
}

}  // namespace framework
