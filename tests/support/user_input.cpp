#include "user_input.h"

namespace plivora::fakes {

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

void Click(HWND dialog, int id) { ::PostMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void PressKey(HWND window, UINT key) {
    HWND focus = FocusOf(window);
    HWND target = focus && (focus == window || ::IsChild(window, focus)) ? focus : window;
    ::PostMessageA(target, WM_KEYDOWN, key, 1);
    ::PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

}  // namespace plivora::fakes
