#include "win32_test_support.h"

#include <algorithm>
#include <cstdio>

#include <shlwapi.h>

#include "program_folders.h"
#include "unique_handle.h"
#include "wait_for.h"

namespace plivora::fakes {

namespace {

// Wide, so that names outside the ANSI code page go too.
void RemoveTreeW(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTreeW(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

void RemoveTree(const std::string& folder) {
    std::wstring wide(folder.size() + 1, L'\0');
    wide.resize(static_cast<std::size_t>(std::max(
        MultiByteToWideChar(CP_ACP, 0, folder.c_str(), -1, wide.data(), static_cast<int>(wide.size())) - 1,
        0)));
    RemoveTreeW(wide);
}

TemporaryFolder::TemporaryFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        path_ = std::string(base) + "plivora-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++counter);
        if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    }
    path_ = LongPath(path_);
}

TemporaryFolder::~TemporaryFolder() { RemoveTree(path_); }

bool MakeFolder(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

bool WriteBytes(const std::string& path, const std::string& bytes) {
    UniqueFile file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.Get()) != bytes.size()) return false;
    return file.Close();
}

std::optional<std::string> ReadBytes(const std::string& path) {
    UniqueFile file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    std::string bytes;
    char chunk[4096];
    std::size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file.Get())) > 0) bytes.append(chunk, count);
    return bytes;
}

std::optional<std::string> WaitForFile(const std::string& path) {
    std::optional<std::string> bytes;
    WaitFor([&] { return (bytes = ReadBytes(path)).has_value(); }, std::chrono::seconds(30));
    return bytes;
}

bool FileExists(const std::string& path) { return plivora::FileExists(path); }

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::string ModuleFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string BuildPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return !path.empty() && path[0] == '\\' ? "Z:" + path : path;
}

std::string LongPath(const std::string& path) {
    char full[MAX_PATH] = {};
    if (GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr) == 0) return path;
    char longer[MAX_PATH] = {};
    if (GetLongPathNameA(full, longer, MAX_PATH) == 0) return full;
    return longer;
}

std::optional<std::string> EmptyFaultDrive(std::string& whyNot) {
    char drive[8] = {};
    if (!GetEnvironmentVariableA("PLIVORA_FAULT_DRIVE", drive, sizeof drive)) {
        char reason[512] = "tools/with-wine.sh did not set up the drive";
        GetEnvironmentVariableA("PLIVORA_FAULT_DRIVE_UNAVAILABLE", reason, sizeof reason);
        whyNot = std::string("no full-disk drive: ") + reason;
        return std::nullopt;
    }
    const std::string root = std::string(drive) + "\\";
    for (const std::string& name : FolderEntries(root)) {
        SetFileAttributesA((root + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileA((root + name).c_str())) RemoveTree(root + name);
    }
    ULARGE_INTEGER total{};
    if (!GetDiskFreeSpaceExA(root.c_str(), nullptr, &total, nullptr) || total.QuadPart > 4u << 20) {
        whyNot = root + " is not the session's small tmpfs";
        return std::nullopt;
    }
    return root;
}

bool FillDriveLeaving(const std::string& root, std::size_t room) {
    const UniqueKernelHandle file = OwnedFile(CreateFileA((root + "filler").c_str(), GENERIC_WRITE, 0, nullptr,
                                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    const std::string block(4096, 'f');
    DWORD written = 0;
    while (WriteFile(file.Get(), block.data(), static_cast<DWORD>(block.size()), &written, nullptr) &&
           written == block.size()) {
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < static_cast<LONGLONG>(room)) return false;
    if (room == 0) return true;
    size.QuadPart -= static_cast<LONGLONG>(room);
    return SetFilePointerEx(file.Get(), size, nullptr, FILE_BEGIN) && SetEndOfFile(file.Get());
}

ScratchKey::ScratchKey(std::string name, HKEY root) : name_(std::move(name)), root_(root) {
    SHDeleteKeyA(root_, name_.c_str());
}

ScratchKey::~ScratchKey() { SHDeleteKeyA(root_, name_.c_str()); }

bool CreateKey(const std::string& path, HKEY root) {
    UniqueRegKey key;
    return RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.Receive(), nullptr) ==
           ERROR_SUCCESS;
}

bool SetStringValue(const std::string& keyPath, const std::string& name, const std::string& data, HKEY root) {
    UniqueRegKey key;
    if (RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.Receive(), nullptr) !=
        ERROR_SUCCESS)
        return false;
    return RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

bool KeyExists(const std::string& path, HKEY root) {
    UniqueRegKey key;
    return RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
}

bool ValueExists(const std::string& keyPath, const std::string& name, HKEY root) {
    UniqueRegKey key;
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) return false;
    return RegQueryValueExA(key.Get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

}  // namespace plivora::fakes
