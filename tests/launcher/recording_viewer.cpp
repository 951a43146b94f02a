// Stands in for the programs the launcher starts (viewers, forced programs, setup
// programs): appends "name|start|arguments|working folder" to records.txt beside itself.
// When a file "name.hold" lies beside it, it stays running until that file is gone and
// then appends "name|end|...", so tests can tell whether the launcher waited for it.
#include <windows.h>

#include <string>

#include "win32_handles.h"

namespace {

void Append(const std::string& path, const std::string& line) {
    // One write per line: the launcher starts these programs one after another.
    for (int attempt = 0; attempt < 100; ++attempt) {
        plivora::UniqueFile file(std::fopen(path.c_str(), "ab"));
        if (file) {
            std::fwrite(line.data(), 1, line.size(), file.Get());
            if (file.Close()) return;
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
