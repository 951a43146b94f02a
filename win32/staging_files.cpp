#include "staging_files.h"

#include <cstring>

#include "ansi_wide.h"
#include "project_settings.h"

namespace plivora {

namespace {

constexpr std::size_t kStagingSuffixChars = 11;  // ".NN.partial"

char16_t Folded(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

// Whether text begins with name, letter case aside, as Windows compares names.
bool BeginsWith(const wchar_t* text, const char16_t* name) {
    for (; *name; ++name, ++text)
        if (Folded(static_cast<char16_t>(*text)) != Folded(*name)) return false;
    return true;
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// GetTempFileName's "pla", up to four hex digits and ".tmp": how earlier versions staged
// autorun.inf.
bool IsEarlierTemporaryName(const wchar_t* name) {
    const std::size_t digits = wcslen(name) - 7;
    if (digits - 1 > 3 || !BeginsWith(name, u"pla") || !BeginsWith(name + 3 + digits, u".tmp")) return false;
    for (std::size_t i = 3; i < 3 + digits; ++i)
        if (!IsDigit(name[i]) && static_cast<unsigned>(Folded(static_cast<char16_t>(name[i])) - u'a') > 5u)
            return false;
    return true;
}

bool IsCreatesStagingName(const wchar_t* name) {
    return IsStagingNameOf(name, u"" PLIVORA_LAUNCHER_FILE) || IsStagingNameOf(name, u"" PLIVORA_INF_FILE);
}

// The leftover named name in the folder, opened; nothing for any other file. ownName: whose
// staging files count; none for Create's own leftovers. share: what others may do
// meanwhile; with none, a file some process holds is never opened. An earlier version's
// temporary file counts only when it is empty or begins as autorun.inf does.
UniqueKernelHandle OpenLeftover(const std::u16string& folder, const wchar_t* name, const char16_t* ownName,
                                DWORD access, DWORD share) {
    const bool staging = ownName ? IsStagingNameOf(name, ownName) : IsCreatesStagingName(name);
    if (!staging && (ownName || !IsEarlierTemporaryName(name))) return {};
    UniqueKernelHandle file =
        OwnedFile(::CreateFileW(WideChars(folder + reinterpret_cast<const char16_t*>(name)),
                                access | GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr));
    char head[9] = {};
    DWORD read = 0;
    if (file && !staging &&
        !(::ReadFile(file.Get(), head, sizeof head, &read, nullptr) &&
          (read == 0 || (read == sizeof head && std::memcmp(head, "[autorun]", sizeof head) == 0))))
        file.Reset();
    return file;
}

// Deletes the leftovers among the files the pattern finds in the folder (which ends in a
// separator), those no process holds open.
void RemoveLeftovers(const std::u16string& folder, const char16_t* pattern, const char16_t* ownName) {
    WIN32_FIND_DATAW found{};
    const HANDLE first = ::FindFirstFileW(WideChars(folder + pattern), &found);
    if (first == INVALID_HANDLE_VALUE) return;
    const UniqueFind find(first);
    do {
        const UniqueKernelHandle file = OpenLeftover(folder, found.cFileName, ownName, DELETE, 0);
        FILE_DISPOSITION_INFO disposition{TRUE};  // it goes as its handle closes
        if (file)
            ::SetFileInformationByHandle(file.Get(), FileDispositionInfo, &disposition, sizeof disposition);
    } while (::FindNextFileW(find.Get(), &found));
}

}  // namespace

bool IsStagingNameOf(const wchar_t* name, const char16_t* ownName) {
    const std::size_t at = std::char_traits<char16_t>::length(ownName);
    return wcslen(name) == at + kStagingSuffixChars && BeginsWith(name, ownName) && name[at] == L'.' &&
           IsDigit(name[at + 1]) && IsDigit(name[at + 2]) && BeginsWith(name + at + 3, u".partial");
}

// A staging file is held with no sharing while it is written, so one that opens with no
// sharing was left by a run that died. Another's stays as it is.
void RemoveLeftoverStagingFiles(const std::u16string& path) {
    const std::size_t slash = path.find_last_of(u"\\/") + 1;
    const std::u16string ownName = path.substr(slash);
    RemoveLeftovers(path.substr(0, slash), (ownName + u".??.partial").c_str(), ownName.c_str());
}

UniqueKernelHandle CreateStagingFile(const std::u16string& path, std::u16string& staging) {
    // A name no file has yet: another file is never overwritten by the one being written.
    staging = path + u".00.partial";
    char16_t* digits = &staging[path.size() + 1];
    for (int number = 0; number < 100; ++number) {
        digits[0] = static_cast<char16_t>(u'0' + number / 10);
        digits[1] = static_cast<char16_t>(u'0' + number % 10);
        UniqueKernelHandle file =
            OwnedFile(::CreateFileW(WideChars(staging), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (file) return file;
        if (::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    staging.clear();
    return {};
}

bool IsLeftoverOfCreate(const std::u16string& folder, const wchar_t* name) {
    // A staging file is one by its name alone, even while some process holds it.
    return IsCreatesStagingName(name) ||
           OpenLeftover(folder, name, nullptr, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
}

void RemoveLeftoversOfCreate(const std::u16string& folder) { RemoveLeftovers(folder, u"*", nullptr); }

}  // namespace plivora
