#include "launcher_harness.h"

#include <shlwapi.h>

#include "unique_handle.h"

namespace plivora::launcher_tests {

namespace {

const char* const UserClasses = "Software\\Classes\\";
const char* const TestClass = "Plivora.TestDocument";

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

struct Search {
    DWORD ProcessId;
    std::string Title;
    std::string ClassName;
    HWND Found;
};

BOOL CALLBACK FindInProcess(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->ProcessId || !IsWindowVisible(window)) return TRUE;
    if (!search->Title.empty() && WindowText(window) != search->Title) return TRUE;
    if (!search->ClassName.empty()) {
        char name[256] = {};
        GetClassNameA(window, name, sizeof name);
        if (search->ClassName != name) return TRUE;
    }
    search->Found = window;
    return FALSE;
}

}  // namespace

Disc::Disc() {
    const std::string built = fakes::ModuleFolder() + "\\Plivora.exe";
    CopyFileA(built.c_str(), (folder_ / "Plivora.exe").c_str(), FALSE);
}

void Disc::AddFile(const std::string& name, const std::string& bytes) {
    const std::size_t cut = name.find_last_of('\\');
    if (cut != std::string::npos) CreateDirectoryA((folder_ / name.substr(0, cut)).c_str(), nullptr);
    fakes::WriteBytes(folder_ / name, bytes);
}

void Disc::AddProgram(const std::string& name) {
    const std::string built = fakes::ModuleFolder() + "\\recording_viewer.exe";
    CopyFileA(built.c_str(), (folder_ / (name + ".exe")).c_str(), FALSE);
}

void Disc::Hold(const std::string& program) { fakes::WriteBytes(folder_ / (program + ".hold"), ""); }

void Disc::Release(const std::string& program) { DeleteFileA((folder_ / (program + ".hold")).c_str()); }

std::vector<Record> Disc::Records() const {
    std::vector<Record> records;
    const std::string text = fakes::ReadBytes(folder_ / "records.txt").value_or(std::string());
    for (const std::string& line : Split(text, '\n')) {
        const std::vector<std::string> fields = Split(line, '|');
        if (fields.size() == 4) records.push_back({fields[0], fields[1], fields[2], fields[3]});
    }
    return records;
}

std::vector<Record> Disc::Started() const {
    std::vector<Record> started;
    for (Record& record : Records())
        if (record.Phase == "start") started.push_back(std::move(record));
    return started;
}

bool Disc::ClearRecords() {
    const std::string records = folder_ / "records.txt";
    return WaitFor([&] {
        std::size_t starts = 0;
        std::size_t ends = 0;
        for (const Record& record : Records()) (record.Phase == "start" ? starts : ends) += 1;
        if (starts != ends) return false;
        // A program may still hold the file for a moment after its last line.
        return DeleteFileA(records.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
    });
}

TestFileType::TestFileType(const Disc& disc) {
    fakes::SetStringValue(".plvtest", "", TestClass);
    fakes::SetStringValue(TestClass, "", TestTypeDescription);
    fakes::SetStringValue(std::string(TestClass) + "\\shell\\open\\command", "",
                          "\"" + (disc / "viewer.exe") + "\" \"%1\"");
}

TestFileType::~TestFileType() {
    SHDeleteKeyA(HKEY_CLASSES_ROOT, ".plvtest");
    SHDeleteKeyA(HKEY_CLASSES_ROOT, TestClass);
}

LauncherRun::LauncherRun(const Disc& disc, const std::string& arguments, std::string program) {
    if (program.empty()) program = disc / "Plivora.exe";
    std::string line = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, disc.Root().c_str(),
                       &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        processId_ = info.dwProcessId;
    }
}

LauncherRun::~LauncherRun() {
    if (!process_) return;
    // A failed test may leave it waiting for an answer.
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
    CloseHandle(process_);
}

int LauncherRun::ExitCode(DWORD timeoutMs) {
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<int>(code);
}

bool LauncherRun::HasEnded() const { return !process_ || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }

HWND FindVisibleWindow(DWORD processId, const std::string& title, const std::string& className) {
    Search search{processId, title, className, nullptr};
    EnumWindows(FindInProcess, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND LauncherRun::FindWindowTitled(const std::string& title) const {
    return FindVisibleWindow(processId_, title, std::string());
}

HWND LauncherRun::FindWindowOfClass(const std::string& className) const {
    return FindVisibleWindow(processId_, std::string(), className);
}

HWND LauncherRun::WaitForWindow(const std::string& title) const {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindWindowTitled(title)) != nullptr; });
    return found;
}

std::string WindowText(HWND window) {
    char text[4096] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        5000, nullptr);
    return text;
}

std::string ItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    return item ? WindowText(item) : std::string("(no such item)");
}

std::string MessageBoxText(HWND box) { return ItemText(box, 0xFFFF); }

std::string Unusable(HWND window) {
    if (!IsWindow(window)) return "no window";
    if (!IsWindowVisible(window)) return "hidden";
    if (!IsWindowEnabled(window)) return "disabled";
    if (IsIconic(window)) return "minimised";
    RECT frame{};
    GetWindowRect(window, &frame);
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT seen{};
    if (!IntersectRect(&seen, &frame, &screen) || !EqualRect(&seen, &frame)) return "not wholly on the screen";
    return std::string();
}

bool HasOwnIcons(HWND window) {
    return SendMessageA(window, WM_GETICON, ICON_SMALL, 0) && SendMessageA(window, WM_GETICON, ICON_BIG, 0);
}

RememberedAnswerKey::RememberedAnswerKey(std::string arguments) : arguments_(std::move(arguments)) {
    SHDeleteKeyA(HKEY_CURRENT_USER, (UserClasses + arguments_.substr(0, arguments_.find('\\'))).c_str());
}

RememberedAnswerKey::~RememberedAnswerKey() {
    SHDeleteKeyA(HKEY_CURRENT_USER, (UserClasses + arguments_.substr(0, arguments_.find('\\'))).c_str());
}

std::string RememberedAnswerKey::Value() const {
    UniqueRegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, (UserClasses + arguments_).c_str(), 0, KEY_READ, key.Receive()) !=
        ERROR_SUCCESS)
        return "(none)";
    char data[64] = {};
    DWORD size = sizeof data - 1;
    if (RegQueryValueExA(key.Get(), "DontAsk", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size) !=
        ERROR_SUCCESS)
        return "(none)";
    return data;
}

}  // namespace plivora::launcher_tests
