#include "staging_files.h"

#include <algorithm>

#include "ansi_text.h"
#include "ansi_wide.h"
#include "project_settings.h"

namespace plivora {

namespace {

constexpr std::size_t kStagingSuffixChars = 11;  // ".NN.partial"

char16_t FoldedAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

// Names differ by case alone only in what Windows ignores.
bool SameName(const std::u16string& text, std::size_t at, const std::u16string& name) {
    if (text.size() < at + name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (FoldedAscii(text[at + i]) != FoldedAscii(name[i])) return false;
    return true;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsHexDigit(char16_t c) { return IsDigit(c) || (FoldedAscii(c) >= u'a' && FoldedAscii(c) <= u'f'); }

std::u16string StagingName(const std::u16string& path, int number) {
    return path + u'.' + static_cast<char16_t>(u'0' + number / 10) + static_cast<char16_t>(u'0' + number % 10) +
           u".partial";
}

// GetTempFileName's "pla" + up to four hex digits + ".tmp", as earlier versions staged
// autorun.inf.
bool IsEarlierTemporaryName(const std::u16string& name) {
    const std::size_t digits = name.size() >= 7 ? name.size() - 7 : 0;
    if (digits < 1 || digits > 4 || !SameName(name, 0, u"pla") || !SameName(name, 3 + digits, u".tmp"))
        return false;
    for (std::size_t i = 3; i < 3 + digits; ++i)
        if (!IsHexDigit(name[i])) return false;
    return true;
}

// Such a file is ours only when it holds nothing, or the start of an autorun.inf.
bool HoldsWhatCreateWrote(HANDLE file) {
    constexpr char start[] = "[autorun]";
    char head[sizeof start - 1] = {};
    DWORD read = 0;
    if (!::ReadFile(file, head, sizeof head, &read, nullptr)) return false;
    return read == 0 || (read == sizeof head && std::equal(head, head + read, start));
}

std::u16string NameOf(const std::u16string& path) { return path.substr(path.find_last_of(u"\\/") + 1); }

std::u16string WithSeparator(std::u16string folder) {
    if (!folder.empty() && !IsSeparator(folder.back())) folder += u'\\';
    return folder;
}

// Each file the pattern finds whose name passes, by its full path.
template <class Accept, class Act>
void ForEachFound(const std::u16string& folder, const std::u16string& pattern, Accept accept, Act act) {
    WIN32_FIND_DATAW found{};
    const HANDLE first = ::FindFirstFileW(WideChars(folder + pattern), &found);
    if (first == INVALID_HANDLE_VALUE) return;
    const UniqueFind find(first);
    do {
        const std::u16string name(found.cFileName, found.cFileName + wcslen(found.cFileName));
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && accept(name)) act(folder + name);
    } while (::FindNextFileW(find.Get(), &found));
}

}  // namespace

bool IsStagingNameOf(const std::u16string& name, const std::u16string& ownName) {
    const std::size_t at = ownName.size();
    return name.size() == at + kStagingSuffixChars && SameName(name, 0, ownName) && name[at] == u'.' &&
           IsDigit(name[at + 1]) && IsDigit(name[at + 2]) && SameName(name, at + 3, u".partial");
}

// A staging file being written is held with no sharing, so one that opens with no sharing
// was left by a run that died: it goes as its handle closes. Another's stays as it is.
void RemoveLeftoverStagingFiles(const std::u16string& path) {
    const std::u16string ownName = NameOf(path);
    ForEachFound(
        path.substr(0, path.size() - ownName.size()), ownName + u".??.partial",
        [&](const std::u16string& name) { return IsStagingNameOf(name, ownName); },
        [](const std::u16string& file) {
            OwnedFile(::CreateFileW(WideChars(file), DELETE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE,
                                    nullptr));
        });
}

UniqueKernelHandle CreateStagingFile(const std::u16string& path, std::u16string& staging) {
    // A name no file has yet: another file is never overwritten by the one being written.
    for (int number = 0; number < 100; ++number) {
        staging = StagingName(path, number);
        UniqueKernelHandle file = OwnedFile(::CreateFileW(WideChars(staging), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                                          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (file) return file;
        if (::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    staging.clear();
    return {};
}

bool IsLeftoverOfCreate(const std::u16string& folder, const std::u16string& name) {
    if (IsStagingNameOf(name, WideFromAnsi(InfFileName)) || IsStagingNameOf(name, WideFromAnsi(LauncherName)))
        return true;
    if (!IsEarlierTemporaryName(name)) return false;
    const UniqueKernelHandle file =
        OwnedFile(::CreateFileW(WideChars(WithSeparator(folder) + name), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr));
    return file && HoldsWhatCreateWrote(file.Get());
}

void RemoveLeftoversOfCreate(const std::u16string& folder) {
    const std::u16string root = WithSeparator(folder);
    RemoveLeftoverStagingFiles(root + WideFromAnsi(InfFileName));
    RemoveLeftoverStagingFiles(root + WideFromAnsi(LauncherName));
    ForEachFound(root, u"pla*.tmp", IsEarlierTemporaryName, [](const std::u16string& file) {
        bool ours = false;
        {
            // No sharing: a file some process still holds is not a leftover.
            const UniqueKernelHandle held = OwnedFile(
                ::CreateFileW(WideChars(file), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
            ours = held && HoldsWhatCreateWrote(held.Get());
        }
        if (ours) ::DeleteFileW(WideChars(file));
    });
}

}  // namespace plivora
