// Stands in for the launcher in tests: records the arguments it was started with, its
// working folder and its own path in launch_record.txt beside itself, then exits.
#include <string>

#include <windows.h>

#include "unique_handle.h"

namespace {

bool WriteRecord(const std::string& path, const std::string& text) {
    plivora::UniqueFile file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    if (std::fwrite(text.data(), 1, text.size(), file.Get()) != text.size()) return false;
    return file.Close();
}

}  // namespace

// commandLine: the command line after the program's name and the blanks that follow it.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    char workingFolder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, workingFolder);

    const std::string ownPath = module;
    const std::string ownFolder = ownPath.substr(0, ownPath.find_last_of('\\') + 1);
    const std::string record = std::string(commandLine) + "\n" + workingFolder + "\n" + ownPath + "\n";
    // Renamed into place, so a reader never sees half a record.
    const std::string partial = ownFolder + "launch_record.tmp";
    if (!WriteRecord(partial, record)) return 1;
    return MoveFileExA(partial.c_str(), (ownFolder + "launch_record.txt").c_str(), MOVEFILE_REPLACE_EXISTING)
               ? 0
               : 1;
}
