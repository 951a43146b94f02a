#include "screen_reader_names.h"

#include "accessible_name.h"
#include "accessible_names.h"

namespace plivora {

namespace {

const char* const EarlierProcedure = "PlivoraNamedControlProcedure";
constexpr int NameLength = 80;

// The control's name from the table; false for a control that its own caption names.
bool NameOf(HWND control, wchar_t (&name)[NameLength]) {
    const AccessibleNameIds ids = AccessibleNameFor(::GetDlgCtrlID(control));
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    const int first = ids.First ? ::LoadStringW(module, static_cast<UINT>(ids.First), name, NameLength) : 0;
    if (first <= 0) return false;
    if (ids.Second) ::LoadStringW(module, static_cast<UINT>(ids.Second), name + first, NameLength - first);
    return true;
}

// Nothing here throws: the file is built without exceptions.
LRESULT CALLBACK NamedControlProcedure(HWND control, UINT id, WPARAM wParam, LPARAM lParam) {
    const auto earlier = reinterpret_cast<WNDPROC>(::GetPropA(control, EarlierProcedure));
    wchar_t name[NameLength];
    if (id == WM_GETOBJECT && NameOf(control, name)) {
        if (const LRESULT answer = AnswerWithName(control, wParam, lParam, name)) return answer;
    }
    if (id == WM_NCDESTROY) {
        ::SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(earlier));
        ::RemovePropA(control, EarlierProcedure);
    }
    return earlier ? ::CallWindowProcA(earlier, control, id, wParam, lParam)
                   : ::DefWindowProcA(control, id, wParam, lParam);
}

bool IsButton(HWND control) {
    char className[8] = {};
    ::GetClassNameA(control, className, sizeof className);
    return ::lstrcmpiA(className, "Button") == 0;
}

BOOL CALLBACK NameControl(HWND control, LPARAM) {
    wchar_t name[NameLength];
    if (!NameOf(control, name) || ::GetPropA(control, EarlierProcedure)) return TRUE;
    // The form's named buttons show an icon or are drawn by their owner: they never paint
    // their text, which the system's object speaks as their name.
    if (IsButton(control)) {
        ::SetWindowTextW(control, name);
        return TRUE;
    }
    const LONG_PTR earlier = ::GetWindowLongPtrA(control, GWLP_WNDPROC);
    if (::SetPropA(control, EarlierProcedure, reinterpret_cast<HANDLE>(earlier)))
        ::SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NamedControlProcedure));
    return TRUE;
}

}  // namespace

void NameControlsForScreenReaders(HWND dialog) { ::EnumChildWindows(dialog, &NameControl, 0); }

}  // namespace plivora
