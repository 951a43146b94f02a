#include "image_file_sink.h"

#include <algorithm>

#include "ansi_wide.h"
#include "staging_files.h"

namespace plivora {

bool ImageFileSink::Open() {
    RemoveLeftoverStagingFiles(path_);
    file_ = CreateStagingFile(path_, partial_);
    return static_cast<bool>(file_);
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
