// The message loops of the programs' windows. A WM_QUIT ends a loop and is posted again,
// so that each loop around it ends too.
#pragma once

#include <windows.h>

#include <optional>

namespace plivora {

// Translates and dispatches the message, unless the dialog (when there is one) takes it
// for its keyboard interface.
inline void DispatchFor(HWND dialog, MSG& msg) {
    if (dialog && ::IsDialogMessageA(dialog, &msg)) return;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}

// Waits for messages and hands each to handle while keepGoing() holds; the exit code of
// the WM_QUIT that ended it, if one did.
template <class KeepGoing, class Handle>
std::optional<int> RunMessageLoop(KeepGoing&& keepGoing, Handle&& handle) {
    MSG msg;
    while (keepGoing()) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got < 0) break;
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return static_cast<int>(msg.wParam);
        }
        handle(msg);
    }
    return std::nullopt;
}

// Hands every message queued now to handle, without waiting; false when a WM_QUIT came.
template <class Handle>
bool HandleQueuedMessages(Handle&& handle) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        handle(msg);
    }
    return true;
}

}  // namespace plivora
