#include "image_file_sink.h"

#include <algorithm>

#include "ansi_wide.h"

namespace plivora {

bool ImageFileSink::Open() {
    // A name no file has yet: another file is never overwritten by the one being written.
    for (int attempt = 0; attempt < 100; ++attempt) {
        partial_ = path_ + u"." + static_cast<char16_t>(u'0' + attempt / 10) +
                   static_cast<char16_t>(u'0' + attempt % 10) + u".partial";
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
    }
    return true;
}

bool ImageFileSink::Commit() {
    // The last bytes may fail only at the close.
    const bool closed = file_ && ::CloseHandle(file_.Release());
    if (!closed || !::MoveFileExW(WideChars(partial_), WideChars(path_),
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
