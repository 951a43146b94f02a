// The launcher's windows: the small status window, the secondary program's question,
// the restart notice and the splash screen. Each waits by pumping messages, so the
// windows stay responsive while a program starts or runs.
#pragma once

#include <windows.h>

#include <string>

#include "unique_handle.h"

namespace plivora::launcher {

// The disc's icon in a window's title bar, task bar button and picture, at the window's
// DPI; kept until the window is gone.
class LauncherIcons {
public:
    void ShowIn(HWND window, int dpi);

private:
    UniqueIcon large_;
    UniqueIcon small_;
};

// Dispatches messages until the handle is signalled or the time is up; true when signalled.
bool PumpMessagesUntil(HANDLE handle, DWORD timeoutMs);

class StatusWindow {
public:
    explicit StatusWindow(HINSTANCE instance);
    StatusWindow(const StatusWindow&) = delete;
    StatusWindow& operator=(const StatusWindow&) = delete;

    // Null once the window is gone: Close destroys it.
    HWND Get() const { return window_.Get(); }
    void SetStatus(const std::string& text);
    // Shows the messages with a Close button and waits for the user to close the window;
    // false when there is no window to show them in.
    bool ShowMessagesAndWait(const std::string& text);

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LauncherIcons icons_;  // before the window: it goes first
    UniqueWindow window_;
};

// Yes or No; dontAskAgain tells whether the box was ticked.
bool AskYesNo(HINSTANCE instance, HWND owner, const std::string& question, bool& dontAskAgain);

void TellUser(HWND owner, const std::string& text, const char* title);

// Shows a Windows bitmap or a simple AVI centred on the screen for the given time, or
// until clicked. An empty result means shown; otherwise it says why not, as in
// "cannot be read as a Windows bitmap (BMP)".
std::string ShowSplash(HINSTANCE instance, const std::string& path, unsigned milliseconds);

}  // namespace plivora::launcher
