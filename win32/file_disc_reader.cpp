#include "file_disc_reader.h"

#include <algorithm>

#include "ansi_wide.h"

namespace plivora {

std::unique_ptr<DiscFileReader> FileDiscReader::Open(const std::u16string& path) {
    const HANDLE file = ::CreateFileW(WideChars(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    return std::unique_ptr<DiscFileReader>(new FileDiscReader(file));
}

bool FileDiscReader::Read(void* buffer, std::size_t size, std::size_t& bytesRead) {
    // One call reads at most what a DWORD counts; the writer asks again for the rest.
    DWORD read = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, 0x40000000));
    const BOOL ok = ::ReadFile(file_.Get(), buffer, wanted, &read, nullptr);
    bytesRead = read;
    return ok != FALSE;
}

}  // namespace plivora
