#include "file_identity.h"

#include <algorithm>

#include "ansi_wide.h"
#include "unique_handle.h"

namespace plivora {

namespace {

// Opened for its attributes only, so that no one else's sharing stands in the way;
// folders need the backup flag to be opened at all.
UniqueKernelHandle OpenForIdentity(const std::u16string& path) {
    return OwnedFile(::CreateFileW(WideChars(path), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

std::optional<FileIdentity> IdentityOf(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    // Some file systems and servers number nothing: then no two can be told apart.
    if (!::GetFileInformationByHandle(file, &info) || (info.nFileIndexHigh == 0 && info.nFileIndexLow == 0))
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

// The path the file system itself knows the file by: "\\?\C:\..." or "\\?\UNC\...".
std::optional<std::u16string> FinalPath(HANDLE file) {
    std::u16string path(MAX_PATH, u'\0');
    for (;;) {
        const DWORD length = ::GetFinalPathNameByHandleW(
            file, WideChars(path), static_cast<DWORD>(path.size()), FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) return std::nullopt;
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(length);
    }
}

// The drive or share a final path starts with, its separator included: "\\?\C:\" or
// "\\?\UNC\server\share\". The walk up ends there.
std::size_t RootLength(const std::u16string& path) {
    const std::u16string unc = u"\\\\?\\UNC\\";
    std::size_t end = path.find(u'\\', 4);
    if (path.compare(0, unc.size(), unc) == 0) {
        end = path.find(u'\\', unc.size());
        if (end != std::u16string::npos) end = path.find(u'\\', end + 1);
    }
    return end == std::u16string::npos ? path.size() : end + 1;
}

}  // namespace

std::optional<FileIdentity> IdentityOf(const std::u16string& path) {
    const UniqueKernelHandle file = OpenForIdentity(path);
    if (!file) return std::nullopt;
    return IdentityOf(file.Get());
}

bool IsSameOrBelowFolder(const std::u16string& folder, const std::u16string& base) {
    const std::optional<FileIdentity> baseIdentity = IdentityOf(base);
    if (!baseIdentity) return false;
    std::optional<std::u16string> path;
    if (const UniqueKernelHandle file = OpenForIdentity(folder)) path = FinalPath(file.Get());
    if (!path) return false;
    // A link's parent is not its target's parent: the walk goes up the path the links lead to.
    for (;;) {
        if (IdentityOf(*path) == baseIdentity) return true;
        const std::size_t root = RootLength(*path);
        if (path->size() <= root) return false;
        path->resize(std::max(path->rfind(u'\\'), root));
    }
}

}  // namespace plivora
