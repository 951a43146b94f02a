#include "disc_launch_guard.h"

#include <cstdint>

#include "process_windows.h"

namespace plivora::launcher {

namespace {

using UniqueView = UniqueHandle<void*, ::UnmapViewOfFile>;

// The guard's name: the disc folder's long name, case-blind, hashed so that any path
// makes a short name without the backslashes names may not hold.
std::string GuardName(const std::string& folder) {
    std::string path(MAX_PATH, '\0');
    DWORD length = GetLongPathNameA(folder.c_str(), path.data(), static_cast<DWORD>(path.size()));
    if (length >= path.size()) {
        path.resize(length);
        length = GetLongPathNameA(folder.c_str(), path.data(), static_cast<DWORD>(path.size()));
    }
    path = length && length < path.size() ? path.substr(0, length) : folder;
    CharUpperBuffA(path.data(), static_cast<DWORD>(path.size()));
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : path) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    std::string name = "Local\\Plivora.Disc.";
    for (int shift = 60; shift >= 0; shift -= 4) name += "0123456789abcdef"[(hash >> shift) & 0xF];
    return name;
}

}  // namespace

DiscLaunchGuard::DiscLaunchGuard(const std::string& discFolder) {
    // A named section that names the holding process; it lives as long as the holder's handle.
    const HANDLE section = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(DWORD),
                                              GuardName(discFolder).c_str());
    const bool held = GetLastError() == ERROR_ALREADY_EXISTS;
    guard_.Reset(section);
    // Without a guard the disc still starts: better twice than not at all.
    if (!guard_) return;
    const UniqueView view(MapViewOfFile(guard_.Get(), FILE_MAP_WRITE, 0, 0, sizeof(DWORD)));
    auto* processId = static_cast<volatile DWORD*>(view.Get());
    if (!held) {
        if (processId) *processId = GetCurrentProcessId();
        return;
    }
    // Zero while the holder has not yet written its number: it then has no window to show.
    holder_ = processId && *processId ? *processId : static_cast<DWORD>(-1);
    guard_.Reset();
}

void DiscLaunchGuard::BringHolderToFront() const {
    const HWND top = TopVisibleWindowOf(holder_);
    if (!top) return;
    // The question the holder waits on, if it asks one, else its own window.
    const HWND window = GetLastActivePopup(GetAncestor(top, GA_ROOTOWNER));
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
}

}  // namespace plivora::launcher
