// Owners of Windows handles. Not copyable: exactly one owner releases each; movable.
#pragma once

#include <cstdio>
#include <utility>

#include <windows.h>

namespace plivora {

// Free(handle) releases a handle that is not the empty Handle().
template <class Handle, auto Free>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    Handle Get() const { return handle_; }
    // For out parameters such as RegOpenKeyEx's.
    Handle* Receive() {
        Reset();
        return &handle_;
    }
    Handle Release() { return std::exchange(handle_, Handle()); }
    void Reset(Handle handle = Handle()) {
        if (handle_ != Handle()) Free(handle_);
        handle_ = handle;
    }
    explicit operator bool() const { return handle_ != Handle(); }

private:
    Handle handle_ = Handle();
};

using UniqueKernelHandle = UniqueHandle<HANDLE, ::CloseHandle>;
// What CreateFile answers, owned: it fails with INVALID_HANDLE_VALUE, which owns nothing.
inline UniqueKernelHandle OwnedFile(HANDLE file) {
    return UniqueKernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}
// A search of FindFirstFile's.
using UniqueFind = UniqueHandle<HANDLE, ::FindClose>;
using UniqueRegKey = UniqueHandle<HKEY, ::RegCloseKey>;
// A brush, pen, bitmap or font.
template <class Handle>
using UniqueGdiObject = UniqueHandle<Handle, ::DeleteObject>;
// Only for icons made for their owner (LoadImage without LR_SHARED, ExtractIcon).
using UniqueIcon = UniqueHandle<HICON, ::DestroyIcon>;
using UniqueMenu = UniqueHandle<HMENU, ::DestroyMenu>;
// A window that destroys itself must have its owner Release it on WM_NCDESTROY, or the
// owner would later destroy whatever window got the handle next.
using UniqueWindow = UniqueHandle<HWND, ::DestroyWindow>;
// A block from LocalAlloc, such as FormatMessage's text.
template <class Pointer>
using LocalMemory = UniqueHandle<Pointer, ::LocalFree>;

class UniqueFile : public UniqueHandle<std::FILE*, std::fclose> {
public:
    using UniqueHandle::UniqueHandle;
    // fclose's result: the last buffered write can fail only here.
    bool Close() {
        std::FILE* file = Release();
        return file && std::fclose(file) == 0;
    }
};

}  // namespace plivora
