// Stands in for the programs the launcher starts (viewers, forced programs, setup
// programs): appends "name|start|arguments|working folder" to records.txt beside itself.
// When a file "name.hold" lies beside it, it stays running until that file is gone and
// then appends "name|end|...", so tests can tell whether the launcher waited for it.
#include <windows.h>

#include <string>

#include "unique_handle.h"

namespace {

void Append(const std::string& path, const std::string& line) {
    // Programs the launcher starts side by side record at the same time. A writer that
    // shares the file only with readers keeps the others out until its line is whole;
    // they retry.
    for (int attempt = 0; attempt < 500; ++attempt) {
        const HANDLE opened = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (opened != INVALID_HANDLE_VALUE) {
            const plivora::UniqueKernelHandle file(opened);
            DWORD written = 0;
            SetFilePointer(file.Get(), 0, nullptr, FILE_END);
            WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            return;
        }
        Sleep(10);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    char workingFolder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, workingFolder);
    const std::string ownPath = module;
    const std::size_t cut = ownPath.find_last_of('\\') + 1;
    const std::string folder = ownPath.substr(0, cut);
    std::string name = ownPath.substr(cut);
    name = name.substr(0, name.find_last_of('.'));
    const std::string records = folder + "records.txt";
    const std::string tail = std::string("|") + commandLine + "|" + workingFolder + "\n";

    Append(records, name + "|start" + tail);
    const std::string hold = folder + name + ".hold";
    const ULONGLONG deadline = GetTickCount64() + 60000;
    while (GetFileAttributesA(hold.c_str()) != INVALID_FILE_ATTRIBUTES && GetTickCount64() < deadline)
        Sleep(20);
    Append(records, name + "|end" + tail);
    return 0;
}
