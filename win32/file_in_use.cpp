#include "file_in_use.h"

#include "ansi_wide.h"
#include "unique_handle.h"

namespace plivora {

bool IsFileInUse(const std::u16string& path) {
    // A read-only file opens for writing to no one: whether another holds it shows when it
    // is opened for reading.
    const DWORD attributes = ::GetFileAttributesW(WideChars(path));
    const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    const UniqueKernelHandle file = OwnedFile(::CreateFileW(
        WideChars(path), readOnly ? GENERIC_READ : GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (file) return false;
    const DWORD error = ::GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

}  // namespace plivora
