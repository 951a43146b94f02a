#include "screen_reader_names.h"

#include "accessible_name.h"
#include "accessible_names.h"

namespace plivora {

namespace {

const char* const EarlierProcedure = "PlivoraNamedControlProcedure";

// Nothing here throws: the file is built without exceptions.
LRESULT CALLBACK NamedControlProcedure(HWND control, UINT id, WPARAM wParam, LPARAM lParam) {
    const auto earlier = reinterpret_cast<WNDPROC>(::GetPropA(control, EarlierProcedure));
    if (id == WM_GETOBJECT) {
        const AccessibleNameIds ids = AccessibleNameFor(::GetDlgCtrlID(control));
        if (const LRESULT answer = AnswerWithName(control, wParam, lParam, ids.First, ids.Second))
            return answer;
    }
    if (id == WM_NCDESTROY) {
        ::SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(earlier));
        ::RemovePropA(control, EarlierProcedure);
    }
    return earlier ? ::CallWindowProcA(earlier, control, id, wParam, lParam)
                   : ::DefWindowProcA(control, id, wParam, lParam);
}

BOOL CALLBACK NameControl(HWND control, LPARAM) {
    if (!AccessibleNameFor(::GetDlgCtrlID(control)).First || ::GetPropA(control, EarlierProcedure))
        return TRUE;
    const LONG_PTR earlier = ::GetWindowLongPtrA(control, GWLP_WNDPROC);
    if (::SetPropA(control, EarlierProcedure, reinterpret_cast<HANDLE>(earlier)))
        ::SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NamedControlProcedure));
    return TRUE;
}

}  // namespace

void NameControlsForScreenReaders(HWND dialog) { ::EnumChildWindows(dialog, &NameControl, 0); }

}  // namespace plivora
