#include "image_file_sink.h"

#include <algorithm>

#include "ansi_wide.h"

namespace plivora {

namespace {

constexpr std::size_t kPartialSuffixChars = 11;  // ".NN.partial"

std::u16string PartialName(const std::u16string& path, int number) {
    return path + u"." + static_cast<char16_t>(u'0' + number / 10) +
           static_cast<char16_t>(u'0' + number % 10) + u".partial";
}

// Whether a name found by the pattern "NAME.??.partial" is NAME.NN.partial: the pattern's
// '?' takes any character, and a short name may match it too.
bool IsPartialName(const std::u16string& name, std::size_t nameChars) {
    const auto digit = [&](std::size_t at) { return name[at] >= u'0' && name[at] <= u'9'; };
    return name.size() == nameChars && name[nameChars - 11] == u'.' && digit(nameChars - 10) &&
           digit(nameChars - 9) && name.compare(nameChars - 8, 8, u".partial") == 0;
}

// An image being written is held with no sharing, so one that opens with no sharing was
// left by a run that died: it goes as its handle closes. Another's stays as it is.
void RemoveLeftOverPartials(const std::u16string& path) {
    WIN32_FIND_DATAW found{};
    const HANDLE first = ::FindFirstFileW(WideChars(path + u".??.partial"), &found);
    if (first == INVALID_HANDLE_VALUE) return;
    const UniqueFind find(first);
    const std::u16string folder = path.substr(0, path.find_last_of(u"\\/") + 1);
    do {
        const std::u16string name(found.cFileName, found.cFileName + wcslen(found.cFileName));
        if (!IsPartialName(name, path.size() - folder.size() + kPartialSuffixChars)) continue;
        OwnedFile(::CreateFileW(WideChars(folder + name), DELETE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    } while (::FindNextFileW(find.Get(), &found));
}

}  // namespace

bool ImageFileSink::Open() {
    RemoveLeftOverPartials(path_);
    // A name no file has yet: another file is never overwritten by the one being written.
    for (int attempt = 0; attempt < 100; ++attempt) {
        partial_ = PartialName(path_, attempt);
        const HANDLE file = ::CreateFileW(WideChars(partial_), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            file_.Reset(file);
            return true;
        }
        if (::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    partial_.clear();
    return false;
}

bool ImageFileSink::Write(const void* data, std::size_t size) {
    if (!file_) return false;
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 0x40000000));
        if (!::WriteFile(file_.Get(), bytes, chunk, &written, nullptr) || written == 0) return false;
        bytes += written;
        size -= written;
        written_ += written;
    }
    return true;
}

bool ImageFileSink::Commit() {
    // The last bytes may fail only at the close, and a full disk may take a write and keep
    // less: the closed file must hold every byte written.
    const bool closed = file_ && ::CloseHandle(file_.Release());
    WIN32_FILE_ATTRIBUTE_DATA held{};
    const bool whole = closed && ::GetFileAttributesExW(WideChars(partial_), GetFileExInfoStandard, &held) &&
                       (std::uint64_t{held.nFileSizeHigh} << 32 | held.nFileSizeLow) == written_;
    if (!whole || !::MoveFileExW(WideChars(partial_), WideChars(path_),
                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Discard();
        return false;
    }
    partial_.clear();
    return true;
}

void ImageFileSink::Discard() {
    file_.Reset();
    if (!partial_.empty()) ::DeleteFileW(WideChars(partial_));
    partial_.clear();
}

}  // namespace plivora
