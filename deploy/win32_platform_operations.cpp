#include "win32_platform_operations.h"

#include <vector>

#include <shellapi.h>
#include <shlobj.h>

#include "ansi_text.h"
#include "ansi_wide.h"
#include "file_in_use.h"
#include "folder_disc_tree.h"
#include "launcher_command_line.h"
#include "lazy_imports.h"
#include "program_folders.h"
#include "project_settings.h"
#include "registry_cleaner.h"
#include "staging_files.h"
#include "temporary_file.h"
#include "whole_files.h"

namespace plivora {

namespace {

bool WithinPathLimit(const std::string& path) { return path.size() < MAX_PATH; }

// A file is staged beside its place as NAME.NN.partial, which must fit the limit too.
bool StagingWithinPathLimit(const std::string& path) { return path.size() + 11 < MAX_PATH; }

// What a replaced file keeps of its predecessor's attributes.
constexpr DWORD KeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The shell's file lists: each name ends in a NUL and the list in one more.
std::vector<char> ShellFileList(const std::string& path) {
    std::vector<char> list(path.begin(), path.end());
    list.push_back('\0');
    list.push_back('\0');
    return list;
}

// The text as a Windows text file holds it: each line feed as CR LF.
std::string WithCrLf(const std::string& text) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

// path.NN.partial, created new and closed again for a writer that opens it by name.
std::optional<std::string> ReserveStagingFile(const std::string& path) {
    std::u16string staging;
    if (!CreateStagingFile(WideFromAnsi(path), staging)) return std::nullopt;
    return AnsiFromWide(staging);
}

// Moves the staged file into path's place. What the replaced file was marked hidden or
// system stays so; a read-only mark goes just before, as the shell's copy would replace
// such a file, and comes back should the swap fail.
bool SwapIn(const std::string& staging, const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool existed = attributes != INVALID_FILE_ATTRIBUTES;
    if (existed && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (!MoveFileExA(staging.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        if (existed) SetFileAttributesA(path.c_str(), attributes);
        return false;
    }
    // The swap drops the old file's attributes; users often mark autorun.inf hidden.
    if (existed) SetFileAttributesA(path.c_str(), attributes & KeptAttributes);
    return true;
}

}  // namespace

void Win32PlatformOperations::ShowWaitCursor() { SetCursor(LoadCursor(nullptr, IDC_WAIT)); }

void Win32PlatformOperations::ShowArrowCursor() { SetCursor(LoadCursor(nullptr, IDC_ARROW)); }

bool Win32PlatformOperations::WriteTextFile(const std::string& path, const std::string& text) {
    // A read-only file stays as it is, as an open for writing would fail on it.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    if (!StagingWithinPathLimit(path)) return false;
    RemoveLeftoversOfCreate(WideFromAnsi(FolderOf(path)));
    // Written beside the file and swapped in only when complete, so a failure never
    // truncates what was there.
    const std::optional<std::string> staging = ReserveStagingFile(path);
    if (!staging) return false;
    TemporaryFile temporary(*staging);
    if (!WriteWholeFile(*staging, WithCrLf(text)) || !SwapIn(*staging, path)) return false;
    temporary.Keep();
    return true;
}

CopyOutcome Win32PlatformOperations::CopyFileIntoFolder(const std::string& sourceFile,
                                                        const std::string& folder) {
    // The shell copies in fixed buffers of MAX_PATH; refuse what would not fit.
    const std::string target = BaseFolderWithSeparator(folder) + FileNameOf(sourceFile);
    if (!WithinPathLimit(sourceFile) || !StagingWithinPathLimit(target)) return CopyOutcome::Failed;
    const std::u16string wideTarget = WideFromAnsi(target);
    RemoveLeftoverStagingFiles(wideTarget);
    const std::optional<std::string> source = ReadWholeFile(sourceFile);
    if (!source) return CopyOutcome::Failed;
    if (ReadWholeFile(target) == source) return CopyOutcome::Copied;  // already in place
    if (IsFileInUse(wideTarget)) return CopyOutcome::InUse;

    // Copied beside the file and swapped in only once it equals its source, so a failed
    // copy never costs the file it was to replace.
    const std::optional<std::string> staging = ReserveStagingFile(target);
    if (!staging) return CopyOutcome::Failed;
    TemporaryFile temporary(*staging);
    std::vector<char> from = ShellFileList(sourceFile);
    std::vector<char> to = ShellFileList(*staging);
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = owner_;
    operation.wFunc = FO_COPY;
    operation.pFrom = from.data();
    operation.pTo = to.data();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;
    // The source read whole, so a copy that fails or comes out short failed in the folder
    // it was to reach: the shell may report a full disk as a cancel, or as success.
    const bool reported = lazy::SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
    if (!reported || ReadWholeFile(*staging) != source) return CopyOutcome::Incomplete;
    if (!SwapIn(*staging, target)) return CopyOutcome::Failed;
    temporary.Keep();
    return CopyOutcome::Copied;
}

std::optional<std::string> Win32PlatformOperations::ReadFileBytes(const std::string& path) {
    return ReadWholeFile(path);
}

void Win32PlatformOperations::NotifyFolderChanged(const std::string& folder) {
    lazy::SHChangeNotify(SHCNE_MKDIR, SHCNF_PATHA | SHCNF_FLUSH, folder.c_str(), nullptr);
}

bool Win32PlatformOperations::RemoveClassesValue(const std::string& subkey, const std::string& valueName) {
    // Both: Wine's HKEY_CLASSES_ROOT does not show the user's own classes.
    const bool merged = RegistryCleaner(HKEY_CLASSES_ROOT).RemoveEntry(subkey, valueName);
    const bool own = RegistryCleaner(HKEY_CURRENT_USER, UserClassesKey).RemoveEntry(subkey, valueName);
    return merged || own;
}

bool Win32PlatformOperations::FileExists(const std::string& path) { return plivora::FileExists(path); }

bool Win32PlatformOperations::IsRemovableDriveRoot(const std::string& folder) {
    const std::string root = BaseFolderWithSeparator(folder);
    char volume[MAX_PATH] = {};
    return GetVolumePathNameA(root.c_str(), volume, MAX_PATH) && lstrcmpiA(volume, root.c_str()) == 0 &&
           GetDriveTypeA(root.c_str()) == DRIVE_REMOVABLE;
}

DiscImageResult Win32PlatformOperations::MeasureImage(const std::string& folder) {
    FolderDiscTree tree(WideFromAnsi(folder), u"");  // measured, not written: no image to leave out
    return MeasureDiscImage(tree);
}

void Win32PlatformOperations::Launch(const std::string& program, const std::string& arguments,
                                     const std::string& folder) {
    lazy::ShellExecuteA(nullptr, "open", program.c_str(), arguments.c_str(), folder.c_str(), SW_SHOW);
}

}  // namespace plivora
