#include "program_folders.h"

#include <vector>

#include "ansi_text.h"

namespace plivora {

std::string CurrentDirectory() {
    std::vector<char> buffer(1000);
    for (;;) {
        const DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length == 0) return std::string();
        // A buffer too small reports the size it needs, terminator included.
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(length + 1);
    }
}

std::string ModulePath(HMODULE module) {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::string();
        // A cut path fills the whole buffer; try again with twice the room.
        if (length < buffer.size() - 1) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string ProgramFolder(HMODULE module) { return FolderOf(ModulePath(module)); }

bool PathExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace plivora
