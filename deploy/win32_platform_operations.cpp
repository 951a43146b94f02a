#include "win32_platform_operations.h"

#include <vector>

#include <shellapi.h>
#include <shlobj.h>

#include "ansi_text.h"
#include "ansi_wide.h"
#include "folder_disc_tree.h"
#include "launcher_command_line.h"
#include "lazy_imports.h"
#include "program_folders.h"
#include "project_settings.h"
#include "registry_cleaner.h"
#include "temporary_file.h"
#include "whole_files.h"

namespace plivora {

namespace {

bool WithinPathLimit(const std::string& path) { return path.size() < MAX_PATH; }

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

}  // namespace

void Win32PlatformOperations::ShowWaitCursor() { SetCursor(LoadCursor(nullptr, IDC_WAIT)); }

void Win32PlatformOperations::ShowArrowCursor() { SetCursor(LoadCursor(nullptr, IDC_ARROW)); }

bool Win32PlatformOperations::WriteTextFile(const std::string& path, const std::string& text) {
    // A read-only file stays as it is, as an open for writing would fail on it.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    // Written beside the file and swapped in only when complete, so a failure never
    // truncates what was there.
    std::string folder = FolderOf(path);
    if (folder.empty()) folder = ".\\";
    if (folder.size() > MAX_PATH - 14) return false;  // GetTempFileName's own limit
    char temporaryPath[MAX_PATH] = {};
    if (GetTempFileNameA(folder.c_str(), "pla", 0, temporaryPath) == 0) return false;
    TemporaryFile temporary(temporaryPath);
    if (!WriteWholeFile(temporary.Path(), WithCrLf(text))) return false;
    if (!MoveFileExA(temporary.Path().c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) return false;
    temporary.Keep();
    // The swap drops the old file's attributes; users often mark autorun.inf hidden.
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(path.c_str(), attributes & KeptAttributes);
    return true;
}

CopyOutcome Win32PlatformOperations::CopyFileIntoFolder(const std::string& sourceFile,
                                                        const std::string& folder) {
    // The shell copies in fixed buffers of MAX_PATH; refuse what would not fit.
    const std::string target = BaseFolderWithSeparator(folder) + FileNameOf(sourceFile);
    if (!WithinPathLimit(sourceFile) || !WithinPathLimit(target)) return CopyOutcome::Failed;

    std::vector<char> from = ShellFileList(sourceFile);
    std::vector<char> to = ShellFileList(folder);
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = owner_;
    operation.wFunc = FO_COPY;
    operation.pFrom = from.data();
    operation.pTo = to.data();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;
    if (lazy::SHFileOperationA(&operation) != 0) return CopyOutcome::Failed;
    // A full disk can cut the copy short while the shell still reports success.
    const std::optional<std::string> source = ReadWholeFile(sourceFile);
    if (!operation.fAnyOperationsAborted && source && ReadWholeFile(target) == source) return CopyOutcome::Copied;
    ::DeleteFileA(target.c_str());
    return CopyOutcome::Incomplete;
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
