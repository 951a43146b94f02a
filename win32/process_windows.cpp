#include "process_windows.h"

namespace plivora {

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK TakeFirstVisible(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !::IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND TopVisibleWindowOf(DWORD processId) {
    // Top-level windows come in z-order, topmost first.
    Search search{processId, nullptr};
    ::EnumWindows(TakeFirstVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace plivora
