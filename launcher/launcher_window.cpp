#include "launcher_window.h"

#include <commctrl.h>

#include "ansi_text.h"
#include "base_paths.h"
#include "borders.h"
#include "device_context.h"
#include "launcher_resources.h"
#include "message_loop.h"
#include "scaled_drawing.h"

namespace plivora::launcher {

namespace {

constexpr UINT_PTR SplashTimer = 1;

// The splash window, and its bitmap; no bitmap when it plays an AVI.
struct SplashState {
    UniqueWindow Window;  // released when the window goes: a click or the timer ends it
    HBITMAP Bitmap = nullptr;
    SIZE Size{};
};

LRESULT CALLBACK SplashProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return WithinBorder<LRESULT>(0, [&]() -> LRESULT {
        auto* state = reinterpret_cast<SplashState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        switch (message) {
            case WM_PAINT: {
                const PaintDC paint(window);
                if (state && state->Bitmap) {
                    const MemoryDC memory(CreateCompatibleDC(paint.Get()));
                    const SelectObjectScope selection(memory.Get(), state->Bitmap);
                    BitBlt(paint.Get(), 0, 0, state->Size.cx, state->Size.cy, memory.Get(), 0, 0, SRCCOPY);
                }
                return 0;
            }
            case WM_TIMER:
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
                DestroyWindow(window);
                return 0;
            case WM_NCDESTROY:
                if (state) state->Window.Release();
                break;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    });
}

// The outer size of the window around a client area of the given size.
SIZE FrameSize(HWND window, SIZE client) {
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// A size in the dialog's units, in pixels.
SIZE DialogUnits(HWND dialog, int width, int height) {
    RECT size{0, 0, width, height};
    MapDialogRect(dialog, &size);
    return {size.right, size.bottom};
}

void CentreOnScreen(HWND window, SIZE client, HWND insertAfter, UINT flags) {
    const SIZE frame = FrameSize(window, client);
    SetWindowPos(window, insertAfter, (GetSystemMetrics(SM_CXSCREEN) - frame.cx) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - frame.cy) / 2, frame.cx, frame.cy, flags);
}

// A message of any of the launcher's windows, to the dialog it belongs to first.
void DispatchToItsDialog(MSG& message) {
    DispatchFor(message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr, message);
}

// A move to a screen of another scale: the place Windows suggests, the icons at the new DPI.
void FollowDpiChange(HWND window, WPARAM wParam, LPARAM lParam, LauncherIcons& icons) {
    MoveToSuggestedRect(window, lParam);
    icons.ShowIn(window, HIWORD(wParam));
}

// What the question's window needs while it is open.
struct Prompt {
    const std::string& Question;
    LauncherIcons Icons;
};

INT_PTR CALLBACK PromptProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return WithinBorder<INT_PTR>(FALSE, [&]() -> INT_PTR {
        auto* prompt = reinterpret_cast<Prompt*>(GetWindowLongPtrA(dialog, DWLP_USER));
        switch (message) {
            case WM_INITDIALOG:
                prompt = reinterpret_cast<Prompt*>(lParam);
                SetWindowLongPtrA(dialog, DWLP_USER, lParam);
                prompt->Icons.ShowIn(dialog, WindowDpi(dialog));
                SetDlgItemTextA(dialog, IDC_PROMPT_TEXT, prompt->Question.c_str());
                // Focus on the answer the question offers, not on the tick box.
                SetFocus(GetDlgItem(dialog, IDYES));
                return FALSE;
            case WM_COMMAND: {
                const int id = LOWORD(wParam);
                if (id != IDYES && id != IDNO && id != IDCANCEL) return FALSE;
                const bool dontAsk = IsDlgButtonChecked(dialog, IDC_DONT_ASK) == BST_CHECKED;
                // The low bit carries the tick; closing the box counts as No.
                EndDialog(dialog, (id == IDYES ? 2 : 0) | (dontAsk ? 1 : 0));
                return TRUE;
            }
            case WM_DPICHANGED:
                if (prompt) FollowDpiChange(dialog, wParam, lParam, prompt->Icons);
                return TRUE;
            default:
                return FALSE;
        }
    });
}

}  // namespace

void LauncherIcons::ShowIn(HWND window, int dpi) {
    // From the resources the window was made from.
    const auto resources = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    UniqueIcon large = LoadIconAtSize(resources, IDI_LAUNCHER, LargeIconSize(dpi));
    UniqueIcon small = LoadIconAtSize(resources, IDI_LAUNCHER, SmallIconSize(dpi));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large.Get()));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
    SendDlgItemMessageA(window, IDC_PICTURE, STM_SETICON, reinterpret_cast<WPARAM>(large.Get()), 0);
    // The old icons go once nothing shows them.
    large_ = std::move(large);
    small_ = std::move(small);
}

bool PumpMessagesUntil(HANDLE handle, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (!HandleQueuedMessages(DispatchToItsDialog)) return false;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        const DWORD wait = static_cast<DWORD>(deadline - now);
        const DWORD result =
            MsgWaitForMultipleObjects(handle ? 1 : 0, handle ? &handle : nullptr, FALSE, wait, QS_ALLINPUT);
        if (handle && result == WAIT_OBJECT_0) return true;
        if (result == WAIT_FAILED) return false;
    }
}

StatusWindow::StatusWindow(HINSTANCE instance) {
    window_.Reset(CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_STATUS), nullptr, Procedure,
                                     reinterpret_cast<LPARAM>(this)));
    if (!window_) return;
    // Small while all goes well: only the icon and the status line.
    CentreOnScreen(window_.Get(), DialogUnits(window_.Get(), 260, 44), nullptr, SWP_NOZORDER);
    ShowWindow(window_.Get(), SW_SHOWNORMAL);
    UpdateWindow(window_.Get());
}

void StatusWindow::SetStatus(const std::string& text) {
    if (!window_) return;
    SetDlgItemTextA(window_.Get(), IDC_STATUS_TEXT, text.c_str());
    UpdateWindow(window_.Get());
}

bool StatusWindow::ShowMessagesAndWait(const std::string& text) {
    if (!window_) return false;
    HWND window = window_.Get();
    SetDlgItemTextA(window, IDC_MESSAGES, text.c_str());
    const SIZE full = FrameSize(window, DialogUnits(window, 260, 140));
    SetWindowPos(window, nullptr, 0, 0, full.cx, full.cy, SWP_NOMOVE | SWP_NOZORDER);
    ShowWindow(GetDlgItem(window, IDC_MESSAGES), SW_SHOW);
    ShowWindow(GetDlgItem(window, IDCANCEL), SW_SHOW);
    SendMessageA(window, DM_SETDEFID, IDCANCEL, 0);
    SetFocus(GetDlgItem(window, IDCANCEL));
    RunMessageLoop([this] { return static_cast<bool>(window_); },
                   [this](MSG& message) { DispatchFor(window_.Get(), message); });
    return true;
}

INT_PTR CALLBACK StatusWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return WithinBorder<INT_PTR>(FALSE, [&]() -> INT_PTR {
        switch (message) {
            case WM_INITDIALOG:
                SetWindowLongPtrA(window, DWLP_USER, lParam);
                reinterpret_cast<StatusWindow*>(lParam)->icons_.ShowIn(window, WindowDpi(window));
                return TRUE;
            case WM_DPICHANGED:
                if (auto* owner = reinterpret_cast<StatusWindow*>(GetWindowLongPtrA(window, DWLP_USER)))
                    FollowDpiChange(window, wParam, lParam, owner->icons_);
                return TRUE;
            case WM_COMMAND:
                if (LOWORD(wParam) != IDCANCEL && LOWORD(wParam) != IDOK) return FALSE;
                // Only the finished window offers Close; before that the work goes on.
                if (IsWindowVisible(GetDlgItem(window, IDCANCEL))) DestroyWindow(window);
                return TRUE;
            case WM_CLOSE:
                SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
                return TRUE;
            case WM_NCDESTROY:
                // The handle may soon name another window: forget it with this one.
                if (auto* owner = reinterpret_cast<StatusWindow*>(GetWindowLongPtrA(window, DWLP_USER)))
                    owner->window_.Release();
                return FALSE;
            default:
                return FALSE;
        }
    });
}

bool AskYesNo(HINSTANCE instance, HWND owner, const std::string& question, bool& dontAskAgain) {
    Prompt prompt{question, {}};
    const INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PROMPT), owner, PromptProcedure,
                                           reinterpret_cast<LPARAM>(&prompt));
    if (result < 0) {
        dontAskAgain = false;
        return false;
    }
    dontAskAgain = (result & 1) != 0;
    return (result & 2) != 0;
}

void TellUser(HWND owner, const std::string& text, const char* title) {
    MessageBoxA(owner, text.c_str(), title, MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

std::string ShowSplash(HINSTANCE instance, const std::string& path, unsigned milliseconds) {
    const bool video = EqualIgnoringCase(FileExtension(path), "avi");
    UniqueGdiObject<HBITMAP> bitmap;
    SplashState state;  // after the bitmap: the window goes first
    if (!video) {
        bitmap.Reset(
            static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
        if (!bitmap) return "cannot be read as a Windows bitmap (BMP)";
        BITMAP info{};
        GetObjectA(bitmap.Get(), sizeof info, &info);
        state.Bitmap = bitmap.Get();
        state.Size = {info.bmWidth, info.bmHeight};
    }

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = SplashProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = SPLASH_CLASS;
    RegisterClassA(&windowClass);
    state.Window.Reset(CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, SPLASH_CLASS, "", WS_POPUP, 0, 0, 1,
                                       1, nullptr, nullptr, instance, nullptr));
    const HWND window = state.Window.Get();
    if (!window) return "cannot be shown: its window could not be created";
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));

    if (video) {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_ANIMATE_CLASS};
        InitCommonControlsEx(&controls);
        // Without ACS_CENTER the control takes the size of the video's frames.
        HWND player = CreateWindowExA(0, ANIMATE_CLASSA, "", WS_CHILD | WS_VISIBLE | ACS_TRANSPARENT, 0, 0, 0,
                                      0, window, nullptr, instance, nullptr);
        if (!player || !SendMessageA(player, ACM_OPENA, 0, reinterpret_cast<LPARAM>(path.c_str())))
            return "cannot be played as a simple AVI video";
        RECT frame{};
        GetWindowRect(player, &frame);
        state.Size = {frame.right - frame.left, frame.bottom - frame.top};
        SendMessageA(player, ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, 0xFFFF));
    }
    CentreOnScreen(window, state.Size, HWND_TOPMOST, SWP_NOACTIVATE);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    SetTimer(window, SplashTimer, milliseconds, nullptr);
    RunMessageLoop([&state] { return static_cast<bool>(state.Window); },
                   [](MSG& message) { DispatchFor(nullptr, message); });
    return std::string();
}

}  // namespace plivora::launcher
