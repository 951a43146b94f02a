// The launcher's windows made in this process from the built launcher's own resources:
// Wine answers WM_GETICON only inside the window's process.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>

#include "launcher_harness.h"
#include "launcher_resources.h"
#include "launcher_window.h"

namespace plivora::launcher_tests {
namespace {

using LoadedModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)>;

LoadedModule LauncherResources() {
    const std::string path = fakes::ModuleFolder() + "\\Plivora.exe";
    return LoadedModule(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE), &FreeLibrary);
}

// What the question showed, seen from inside its modal loop, which then answers No; a
// question that never shows is closed at the deadline.
struct QuestionSeen {
    bool Shown = false;
    bool Icons = false;
    ULONGLONG Deadline = 0;
};
QuestionSeen seen;

void CALLBACK LookAtTheQuestion(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND prompt = FindVisibleWindow(GetCurrentProcessId(), PROMPT_TITLE);
    if (prompt) {
        seen.Shown = true;
        seen.Icons = HasOwnIcons(prompt);
    } else if (GetTickCount64() < seen.Deadline) {
        return;
    } else {
        prompt = FindWindowA(nullptr, PROMPT_TITLE);
    }
    KillTimer(nullptr, timer);
    if (prompt) Click(prompt, IDNO);
}

TEST(LauncherWindowTest, StatusWindowAndQuestionCarryTheDiscIcon) {
    const LoadedModule resources = LauncherResources();
    ASSERT_TRUE(resources);
    {
        launcher::StatusWindow status(resources.get());
        ASSERT_TRUE(status.Get());
        EXPECT_TRUE(HasOwnIcons(status.Get()));
    }
    seen = {false, false, GetTickCount64() + 20000};
    SetTimer(nullptr, 0, 20, LookAtTheQuestion);
    bool dontAskAgain = true;
    EXPECT_FALSE(launcher::AskYesNo(resources.get(), nullptr, "Run it now?", dontAskAgain));
    EXPECT_FALSE(dontAskAgain);
    EXPECT_TRUE(seen.Shown);
    EXPECT_TRUE(seen.Icons);
}

// The finished status window as seen from inside its loop, then closed with its Close
// button. A loop that goes on without its window, or a window that never shows its
// messages by the deadline, is ended with WM_QUIT.
struct FinishedSeen {
    HWND Window = nullptr;
    ULONGLONG Deadline = 0;
    bool Closed = false;
    std::string Messages;
    bool CloseFocused = false;
};
FinishedSeen finished;

void CALLBACK CloseTheFinishedWindow(HWND, UINT, UINT_PTR, DWORD) {
    HWND close = GetDlgItem(finished.Window, IDCANCEL);
    if (!IsWindow(finished.Window) || GetTickCount64() >= finished.Deadline) {
        PostQuitMessage(0);
    } else if (!finished.Closed && IsWindowVisible(close)) {
        finished.Closed = true;
        finished.Messages = ItemText(finished.Window, IDC_MESSAGES);
        finished.CloseFocused = FocusOf(finished.Window) == close;
        Click(finished.Window, IDCANCEL);
    }
}

TEST(LauncherWindowTest, ClosedStatusWindowKeepsNoHandleThatANewWindowCouldGet) {
    const LoadedModule resources = LauncherResources();
    ASSERT_TRUE(resources);
    launcher::StatusWindow status(resources.get());
    finished = FinishedSeen();
    finished.Window = status.Get();
    finished.Deadline = GetTickCount64() + 20000;
    ASSERT_TRUE(finished.Window);
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, CloseTheFinishedWindow);
    EXPECT_TRUE(status.ShowMessagesAndWait("The film could not be found."));
    KillTimer(nullptr, timer);
    MSG quit;
    EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "its loop outlived the window";
    EXPECT_EQ(finished.Messages, "The film could not be found.");
    EXPECT_TRUE(finished.CloseFocused);
    EXPECT_FALSE(IsWindow(finished.Window));
    EXPECT_EQ(status.Get(), nullptr);
}

}  // namespace
}  // namespace plivora::launcher_tests
