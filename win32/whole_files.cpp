#include "whole_files.h"

#include <windows.h>

#include "unique_handle.h"

namespace plivora {

namespace {

UniqueKernelHandle OpenFile(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
    return OwnedFile(
        ::CreateFileA(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    UniqueKernelHandle file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), &bytes[done], static_cast<DWORD>(bytes.size() - done), &read, nullptr) ||
            read == 0)
            return std::nullopt;
        done += read;
    }
    return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    {
        UniqueKernelHandle file = OpenFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
        if (!file) return false;
        DWORD written = 0;
        if (!::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
            written != bytes.size() || !::FlushFileBuffers(file.Get()) || !::CloseHandle(file.Release()))
            return false;
    }
    return ReadWholeFile(path) == bytes;
}

}  // namespace plivora
