// A window's message map: a static table of entries, searched in order, from which the
// first match runs. A class that has one overrides HandleMessage to search its table
// and then chain to its base class.
#pragma once

#include <windows.h>

#include <cstddef>

namespace framework {

struct Message {
    UINT id;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
    // A handler sets this to leave the message to the window's default processing.
    bool passOn = false;
};

template <class T>
struct MessageEntry {
    using Handler = void (T::*)(Message&);
    UINT message;   // WM_COMMAND entries match a notification code too
    UINT code;      // notification code, for WM_COMMAND
    UINT firstId;   // control id range, for WM_COMMAND
    UINT lastId;
    Handler handler;
};

template <class T>
constexpr MessageEntry<T> OnWindowMessage(UINT message, void (T::*handler)(Message&)) {
    return {message, 0, 0, 0, handler};
}

// A control notification (BN_CLICKED, EN_CHANGE, CBN_SELCHANGE, ...) from ids first..last.
template <class T>
constexpr MessageEntry<T> OnNotify(UINT code, UINT firstId, UINT lastId, void (T::*handler)(Message&)) {
    return {WM_COMMAND, code, firstId, lastId, handler};
}

template <class T>
constexpr MessageEntry<T> OnNotify(UINT code, UINT id, void (T::*handler)(Message&)) {
    return OnNotify(code, id, id, handler);
}

// Runs the first entry that matches; false when none does.
template <class T, std::size_t N>
bool DispatchMessageMap(T& window, const MessageEntry<T> (&entries)[N], Message& message) {
    for (const MessageEntry<T>& entry : entries) {
        if (entry.message != message.id) continue;
        if (entry.message == WM_COMMAND) {
            const UINT id = LOWORD(message.wParam);
            if (HIWORD(message.wParam) != entry.code || id < entry.firstId || id > entry.lastId) continue;
        }
        (window.*entry.handler)(message);
        return !message.passOn;
    }
    return false;
}

}  // namespace framework
