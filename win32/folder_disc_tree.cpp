#include "folder_disc_tree.h"

#include "ansi_text.h"
#include "ansi_wide.h"
#include "file_disc_reader.h"
#include "file_identity.h"
#include "staging_files.h"
#include "unique_handle.h"

namespace plivora {

namespace {

// "C:\x" becomes "\\?\C:\x" and "\\server\share" "\\?\UNC\server\share"; a form the
// long prefix does not fit stays as it is.
std::u16string LongForm(std::u16string path) {
    for (char16_t& c : path)
        if (c == u'/') c = u'\\';
    if (path.size() >= 3 && path[1] == u':' && path[2] == u'\\') return u"\\\\?\\" + path;
    if (path.size() >= 3 && path[0] == u'\\' && path[1] == u'\\' && path[2] != u'?' && path[2] != u'.')
        return u"\\\\?\\UNC\\" + path.substr(2);
    return path;
}

bool IsDotEntry(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

}  // namespace

std::int64_t UnixSecondsFromFileTime(const FILETIME& time) {
    constexpr std::int64_t ticksPerSecond = 10000000;
    constexpr std::int64_t unixEpochTicks = 116444736000000000;  // 1970-01-01 in 100 ns since 1601
    const std::int64_t ticks =
        static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                                  time.dwLowDateTime) -
        unixEpochTicks;
    // Rounded down, so that a time before 1970 keeps its second.
    return ticks >= 0 ? ticks / ticksPerSecond : -((-ticks + ticksPerSecond - 1) / ticksPerSecond);
}

FolderDiscTree::FolderDiscTree(const std::u16string& baseFolder, const std::u16string& imageFile)
    : base_(LongForm(baseFolder)),
      imageName_(imageFile.substr(imageFile.find_last_of(u"\\/") + 1)),
      image_(IdentityOf(imageFile)) {}

// Only a file of the image's own name is opened to compare: the rest of the read stays one
// call per folder.
bool FolderDiscTree::IsImageFile(const std::u16string& folder, const std::u16string& name) const {
    if (!image_ || name != imageName_) return false;
    return IdentityOf(PathOf(folder.empty() ? name : folder + u'\\' + name)) == image_;
}

std::u16string FolderDiscTree::PathOf(const std::u16string& relative) const {
    if (relative.empty()) return base_;
    std::u16string path = base_;
    if (path.empty() || !IsSeparator(path.back())) path += u'\\';
    return path.append(relative.begin(), relative.end());
}

bool FolderDiscTree::ListFolder(const std::u16string& folder, std::vector<DiscEntry>& entries) {
    std::u16string pattern = PathOf(folder);
    if (pattern.empty() || !IsSeparator(pattern.back())) pattern += u'\\';
    const std::u16string within = pattern;
    pattern += u'*';
    WIN32_FIND_DATAW found{};
    const HANDLE first =
        ::FindFirstFileExW(WideChars(pattern), FindExInfoStandard, &found, FindExSearchNameMatch, nullptr, 0);
    // An empty drive root has not even "." to list.
    if (first == INVALID_HANDLE_VALUE) return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    const UniqueFind find(first);
    do {
        if (IsDotEntry(found.cFileName) || (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) continue;
        DiscEntry entry;
        entry.name.assign(found.cFileName, found.cFileName + wcslen(found.cFileName));
        entry.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (!entry.isFolder && IsImageFile(folder, entry.name)) continue;
        // What a Create that died left in the root is none of the disc's content.
        if (!entry.isFolder && folder.empty() && IsLeftoverOfCreate(within, found.cFileName)) continue;
        entry.size = (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        entry.modified = UnixSecondsFromFileTime(found.ftLastWriteTime);
        entries.push_back(std::move(entry));
    } while (::FindNextFileW(find.Get(), &found));
    return ::GetLastError() == ERROR_NO_MORE_FILES;
}

std::unique_ptr<DiscFileReader> FolderDiscTree::OpenFile(const std::u16string& file) {
    return FileDiscReader::Open(PathOf(file));
}

}  // namespace plivora
