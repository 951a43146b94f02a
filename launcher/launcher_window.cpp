#include "launcher_window.h"

#include <commctrl.h>

#include "launcher_resources.h"

namespace plivora::launcher {

namespace {

constexpr UINT_PTR SplashTimer = 1;

// The splash window's bitmap; nothing when it plays an AVI.
struct SplashState {
    HBITMAP Bitmap = nullptr;
    SIZE Size{};
};

LRESULT CALLBACK SplashProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<SplashState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            if (state && state->Bitmap) {
                HDC memory = CreateCompatibleDC(dc);
                HGDIOBJ previous = SelectObject(memory, state->Bitmap);
                BitBlt(dc, 0, 0, state->Size.cx, state->Size.cy, memory, 0, 0, SRCCOPY);
                SelectObject(memory, previous);
                DeleteDC(memory);
            }
            EndPaint(window, &paint);
            return 0;
        }
        case WM_TIMER:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            DestroyWindow(window);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool HasExtension(const std::string& path, const char* extension) {
    const std::size_t length = std::char_traits<char>::length(extension);
    return path.size() >= length && lstrcmpiA(path.c_str() + path.size() - length, extension) == 0;
}

void CentreOnScreen(HWND window, SIZE client) {
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(window, HWND_TOPMOST, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOACTIVATE);
}

// The disc's icon in the title bar and the task bar instead of a blank window's, from the
// resources the window was made from. Loaded shared, so nothing to release; the title bar
// scales the one large image.
void ShowLauncherIcon(HWND window) {
    const auto resources = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    const HICON icon = LoadIconA(resources, MAKEINTRESOURCEA(IDI_LAUNCHER));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

INT_PTR CALLBACK PromptProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            ShowLauncherIcon(dialog);
            SetDlgItemTextA(dialog, IDC_PROMPT_TEXT, reinterpret_cast<const char*>(lParam));
            // Focus on the answer the question offers, not on the tick box.
            SetFocus(GetDlgItem(dialog, IDYES));
            return FALSE;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id == IDYES || id == IDNO || id == IDCANCEL) {
                const bool dontAsk = IsDlgButtonChecked(dialog, IDC_DONT_ASK) == BST_CHECKED;
                // The low bit carries the tick; closing the box counts as No.
                EndDialog(dialog, (id == IDYES ? 2 : 0) | (dontAsk ? 1 : 0));
                return TRUE;
            }
            return FALSE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

bool PumpMessagesUntil(HANDLE handle, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            HWND top = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
            if (top && IsDialogMessageA(top, &message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
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
    window_.Reset(CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_STATUS), nullptr, Procedure, 0));
    if (!window_) return;
    // Small while all goes well: only the icon and the status line.
    RECT line{0, 0, 260, 44};
    MapDialogRect(window_.Get(), &line);
    RECT frame = line;
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(window_.Get(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(window_.Get(), GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(window_.Get(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER);
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
    RECT full{0, 0, 260, 140};
    MapDialogRect(window, &full);
    AdjustWindowRectEx(&full, static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, full.right - full.left, full.bottom - full.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    ShowWindow(GetDlgItem(window, IDC_MESSAGES), SW_SHOW);
    ShowWindow(GetDlgItem(window, IDCANCEL), SW_SHOW);
    SendMessageA(window, DM_SETDEFID, IDCANCEL, 0);
    SetFocus(GetDlgItem(window, IDCANCEL));
    while (IsWindow(window)) {
        MSG message;
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
        if (IsDialogMessageA(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

INT_PTR CALLBACK StatusWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            ShowLauncherIcon(window);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
                // Only the finished window offers Close; before that the work goes on.
                if (IsWindowVisible(GetDlgItem(window, IDCANCEL))) DestroyWindow(window);
                return TRUE;
            }
            return FALSE;
        case WM_CLOSE:
            SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

bool AskYesNo(HINSTANCE instance, HWND owner, const std::string& question, bool& dontAskAgain) {
    const INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PROMPT), owner, PromptProcedure,
                                           reinterpret_cast<LPARAM>(question.c_str()));
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
    const bool video = HasExtension(path, ".avi");
    SplashState state;
    BitmapHandle bitmap;
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
    WindowHandle window(CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, SPLASH_CLASS, "", WS_POPUP, 0, 0, 1,
                                        1, nullptr, nullptr, instance, nullptr));
    if (!window) return "cannot be shown: its window could not be created";
    SetWindowLongPtrA(window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));

    if (video) {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_ANIMATE_CLASS};
        InitCommonControlsEx(&controls);
        // Without ACS_CENTER the control takes the size of the video's frames.
        HWND player = CreateWindowExA(0, ANIMATE_CLASSA, "", WS_CHILD | WS_VISIBLE | ACS_TRANSPARENT, 0, 0, 0,
                                      0, window.Get(), nullptr, instance, nullptr);
        if (!player || !SendMessageA(player, ACM_OPENA, 0, reinterpret_cast<LPARAM>(path.c_str())))
            return "cannot be played as a simple AVI video";
        RECT frame{};
        GetWindowRect(player, &frame);
        state.Size = {frame.right - frame.left, frame.bottom - frame.top};
        SendMessageA(player, ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, 0xFFFF));
    }
    CentreOnScreen(window.Get(), state.Size);
    ShowWindow(window.Get(), SW_SHOWNOACTIVATE);
    UpdateWindow(window.Get());
    SetTimer(window.Get(), SplashTimer, milliseconds, nullptr);
    while (IsWindow(window.Get())) {
        MSG message;
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return std::string();
}

}  // namespace plivora::launcher
