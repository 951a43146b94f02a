#include "win32_pickers.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>

#include "ansi_text.h"
#include "ansi_wide.h"
#include "base_paths.h"
#include "com.h"
#include "guidance_strings.h"
#include "lazy_imports.h"
#include "string_table_texts.h"

namespace plivora {

namespace {

// The target dialog's buffer: one byte stays unoffered, so the list always ends in NULs.
constexpr DWORD TargetBufferSize = 65535;
constexpr DWORD SingleFileBufferSize = MAX_PATH;
constexpr DWORD OpenFlags = OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;

// "Description|pattern||" as the dialog wants it: NUL-separated, ended by two NULs.
std::string FilterList(const char* filter) {
    std::string list(filter);
    for (char& c : list)
        if (c == '|') c = '\0';
    return list;
}

bool IsAbsolutePath(const std::string& path) {
    const bool drive = path.size() >= 3 && path[1] == ':' && IsSeparator(path[2]);
    const bool share = path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
    return drive || share;
}

struct OpenFileRequest {
    const char* title;
    const char* filter;
    const char* defaultExtension;
    DWORD flags;
    DWORD bufferSize;
};

std::optional<FileChoice> RunOpenFileDialog(HWND owner, const std::string& initialFolder,
                                            const OpenFileRequest& request) {
    std::vector<char> buffer(request.bufferSize, '\0');
    const std::string filter = FilterList(request.filter);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = request.bufferSize - 1;
    dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
    dialog.lpstrTitle = request.title;
    dialog.lpstrDefExt = request.defaultExtension;
    dialog.Flags = request.flags | OFN_EXPLORER;
    if (!lazy::GetOpenFileNameA(&dialog)) return std::nullopt;
    if (request.flags & OFN_ALLOWMULTISELECT) return ParseMultipleSelection(buffer, dialog.nFileOffset);
    const std::string path(buffer.data());
    if (!IsAbsolutePath(path)) return std::nullopt;
    return FileChoice{path, {path}, FileExtension(path)};
}

// Only folders of the file system: another item (the computer, a network place) has no path.
std::optional<std::string> BrowseForFolder(HWND owner, const char* instruction) {
    ComApartment apartment;
    char displayName[MAX_PATH] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.pszDisplayName = displayName;
    browse.lpszTitle = instruction;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    const TaskMemory<LPITEMIDLIST> chosen(lazy::SHBrowseForFolderA(&browse));
    if (!chosen.Get()) return std::nullopt;
    char path[MAX_PATH] = {};
    if (!lazy::SHGetPathFromIDListA(chosen.Get(), path)) path[0] = '\0';
    return std::string(path);
}

}  // namespace

std::optional<FileChoice> ParseMultipleSelection(const std::vector<char>& buffer, WORD fileOffset) {
    const char* const begin = buffer.data();
    const char* const end = begin + buffer.size();
    auto nextString = [end](const char* at) -> const char* {
        const void* nul = std::memchr(at, '\0', static_cast<std::size_t>(end - at));
        return static_cast<const char*>(nul);
    };
    if (fileOffset == 0 || buffer.empty()) return std::nullopt;
    const char* firstEnd = nextString(begin);
    if (!firstEnd) return std::nullopt;
    const std::string first(begin, firstEnd);
    if (!IsAbsolutePath(first)) return std::nullopt;
    if (fileOffset < first.size()) return FileChoice{first, {first}, FileExtension(first)};

    FileChoice choice{first, {}, {}};
    const std::string folder = EndsWithSeparator(first) ? first : first + "\\";
    for (const char* at = firstEnd + 1;; ) {
        if (at >= end) return std::nullopt;
        const char* nameEnd = nextString(at);
        if (!nameEnd) return std::nullopt;
        if (nameEnd == at) break;
        choice.Selected.push_back(folder + std::string(at, nameEnd));
        at = nameEnd + 1;
    }
    if (choice.Selected.empty()) return std::nullopt;
    choice.Extension = FileExtension(choice.Selected.front());
    return choice;
}

std::optional<std::string> Win32Pickers::ChooseBaseFolder(HWND owner) {
    return BrowseForFolder(owner, "Your Name");
}

std::optional<std::string> Win32Pickers::ChooseDiscFolder(HWND owner) {
    return BrowseForFolder(owner, StringTableTexts().Load(IDS_OPEN_DISC_TITLE).c_str());
}

std::optional<FileChoice> Win32Pickers::ChooseTargets(HWND owner, const std::string& initialFolder) {
    return RunOpenFileDialog(owner, initialFolder,
                             {"Select your Target File", "All Files (*.*)|*.*||", nullptr,
                              OpenFlags | OFN_ALLOWMULTISELECT | OFN_LONGNAMES, TargetBufferSize});
}

std::optional<FileChoice> Win32Pickers::ChooseIcon(HWND owner, const std::string& initialFolder) {
    return RunOpenFileDialog(owner, initialFolder,
                             {"Select your Icon", "Program or Icon Files (*.ico; *.exe)|*.ico; *.exe||", "ico",
                              OpenFlags, SingleFileBufferSize});
}

std::optional<FileChoice> Win32Pickers::ChooseSecondaryProgram(HWND owner, const std::string& initialFolder) {
    return RunOpenFileDialog(owner, initialFolder,
                             {"Select your Secondary Program", "Program Files (*.exe)|*.exe||", nullptr,
                              OpenFlags, SingleFileBufferSize});
}

std::optional<FileChoice> Win32Pickers::ChooseSplash(HWND owner, const std::string& initialFolder) {
    return RunOpenFileDialog(owner, initialFolder,
                             {"Select a Windows Bitmap for your Splash Screen",
                              "Windows Bitmap or AVI (*.bmp; *.avi)|*.bmp; *.avi||", nullptr, OpenFlags,
                              SingleFileBufferSize});
}

std::optional<std::u16string> Win32Pickers::ChooseImageFile(HWND owner, const std::u16string& initialFolder,
                                                            const std::u16string& defaultName) {
    const StringTableTexts texts;
    const std::u16string title = WideFromAnsi(texts.Load(IDS_IMAGE_DIALOG_TITLE));
    std::u16string filter = WideFromAnsi(texts.Load(IDS_IMAGE_DIALOG_FILTER));
    filter += std::u16string(u"\0*.iso\0", 7);
    // Room for the longest path the wide calls take.
    std::vector<wchar_t> buffer(32768, L'\0');
    std::copy_n(defaultName.begin(), std::min<std::size_t>(defaultName.size(), buffer.size() - 1),
                buffer.begin());
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = WideChars(filter);
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : WideChars(initialFolder);
    dialog.lpstrTitle = WideChars(title);
    dialog.lpstrDefExt = L"iso";
    dialog.Flags =
        OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!lazy::GetSaveFileNameW(&dialog)) return std::nullopt;
    const std::u16string path(buffer.begin(), std::find(buffer.begin(), buffer.end(), L'\0'));
    if (path.size() < 3) return std::nullopt;
    return path;
}

}  // namespace plivora
