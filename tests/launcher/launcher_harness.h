// Runs the real Plivora.exe from a scratch disc folder under Wine, with recording
// programs in place of real viewers, and finds and answers its windows by message.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "user_input.h"
#include "wait_for.h"
#include "win32_test_support.h"

namespace plivora::launcher_tests {

using fakes::Click;
using fakes::FocusOf;
using fakes::PressKey;
using fakes::WaitFor;

struct Record {
    std::string Program;  // the recording program's name without ".exe"
    std::string Phase;    // "start" or "end"
    std::string Arguments;
    std::string Folder;
};

// A disc's root: the launcher plus whatever files and recording programs a test adds.
class Disc {
public:
    Disc();
    const std::string& Root() const { return folder_.Path(); }
    std::string operator/(const std::string& name) const { return folder_ / name; }
    void AddFile(const std::string& name, const std::string& bytes = "content");
    // A recording program under this name (".exe" appended).
    void AddProgram(const std::string& name);
    // The program stays running until Release.
    void Hold(const std::string& program);
    void Release(const std::string& program);
    std::vector<Record> Records() const;
    std::vector<Record> Started() const;  // the "start" records only
    // Waits until every started program has recorded its end, then removes the records,
    // so that a late record of one run cannot land in the next. False at the deadline.
    bool ClearRecords();

private:
    fakes::TemporaryFolder folder_;
};

// ".plvtest" files open with the disc's "viewer" program, with a description, as an
// installed viewer would register them. Wine's HKEY_CLASSES_ROOT does not show the
// per-user classes, and its shell does not read them, so the type goes into the machine's
// classes, which Wine lets anyone write. Removed at the end.
class TestFileType {
public:
    explicit TestFileType(const Disc& disc);
    ~TestFileType();
    TestFileType(const TestFileType&) = delete;
    TestFileType& operator=(const TestFileType&) = delete;
};
inline constexpr const char* TestTypeDescription = "Plivora test document";

// One run of the launcher, started from the disc's root as autorun does.
class LauncherRun {
public:
    // The program is the disc's Plivora.exe, by default spelled as the disc's path.
    LauncherRun(const Disc& disc, const std::string& arguments, std::string program = {});
    ~LauncherRun();
    LauncherRun(const LauncherRun&) = delete;
    LauncherRun& operator=(const LauncherRun&) = delete;

    // The exit code once the launcher has ended, or -1 when it is still running at the deadline.
    int ExitCode(DWORD timeoutMs = 30000);
    bool HasEnded() const;
    // A visible top-level window of this run with the exact title, or null.
    HWND FindWindowTitled(const std::string& title) const;
    HWND FindWindowOfClass(const std::string& className) const;
    HWND WaitForWindow(const std::string& title) const;

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

std::string WindowText(HWND window);
// A visible top-level window of the process; an empty title or class matches any.
HWND FindVisibleWindow(DWORD processId, const std::string& title, const std::string& className = {});
std::string ItemText(HWND dialog, int id);
// A message box's text (its static control).
std::string MessageBoxText(HWND box);

// What keeps a person from using the window: empty when it is visible, enabled, not
// minimised and wholly on the screen.
std::string Unusable(HWND window);
// Whether the window has icons of its own for its title bar and the task bar. Wine
// answers WM_GETICON only inside the window's own process.
bool HasOwnIcons(HWND window);

// The launcher's key for the remembered answer, under HKEY_CURRENT_USER\Software\Classes;
// its first part is removed with the whole tree at the end.
class RememberedAnswerKey {
public:
    explicit RememberedAnswerKey(std::string arguments);
    ~RememberedAnswerKey();
    RememberedAnswerKey(const RememberedAnswerKey&) = delete;
    RememberedAnswerKey& operator=(const RememberedAnswerKey&) = delete;
    // The DontAsk value's text, or "(none)".
    std::string Value() const;

private:
    std::string arguments_;
};

}  // namespace plivora::launcher_tests
