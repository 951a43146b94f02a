// Owners of Windows handles. Not copyable: exactly one owner releases each; movable.
#pragma once

#include <cstdio>
#include <utility>

#include <windows.h>

namespace plivora {

// Traits::Close(handle) releases a handle that is not the empty Handle().
template <class Handle, class Traits>
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
        if (handle_ != Handle()) Traits::Close(handle_);
        handle_ = handle;
    }
    explicit operator bool() const { return handle_ != Handle(); }

private:
    Handle handle_ = Handle();
};

struct KernelTraits {
    static void Close(HANDLE handle) { ::CloseHandle(handle); }
};
struct RegKeyTraits {
    static void Close(HKEY key) { ::RegCloseKey(key); }
};
struct GdiObjectTraits {
    static void Close(HGDIOBJ object) { ::DeleteObject(object); }
};
// Only for icons made for their owner (LoadImage without LR_SHARED, ExtractIcon).
struct IconTraits {
    static void Close(HICON icon) { ::DestroyIcon(icon); }
};
struct MenuTraits {
    static void Close(HMENU menu) { ::DestroyMenu(menu); }
};
struct FileTraits {
    static void Close(std::FILE* file) { std::fclose(file); }
};

using UniqueKernelHandle = UniqueHandle<HANDLE, KernelTraits>;
using UniqueRegKey = UniqueHandle<HKEY, RegKeyTraits>;
// A brush, pen, bitmap or font.
template <class Handle>
using UniqueGdiObject = UniqueHandle<Handle, GdiObjectTraits>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;
using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;

class UniqueFile : public UniqueHandle<std::FILE*, FileTraits> {
public:
    using UniqueHandle::UniqueHandle;
    // fclose's result: the last buffered write can fail only here.
    bool Close() {
        std::FILE* file = Release();
        return file && std::fclose(file) == 0;
    }
};

}  // namespace plivora
