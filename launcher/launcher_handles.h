// Owners of the launcher's kernel and GDI handles. Not copyable: one owner closes each.
#pragma once

#include <windows.h>

#include <utility>

namespace plivora::launcher {

template <class Handle, class Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, Handle());
        }
        return *this;
    }

    Handle Get() const { return handle_; }
    void Reset(Handle handle = Handle()) {
        if (handle_) Traits::Close(handle_);
        handle_ = handle;
    }
    explicit operator bool() const { return handle_ != Handle(); }

private:
    Handle handle_ = Handle();
};

struct KernelTraits {
    static void Close(HANDLE handle) { CloseHandle(handle); }
};
struct GdiTraits {
    static void Close(HGDIOBJ object) { DeleteObject(object); }
};
struct WindowTraits {
    static void Close(HWND window) {
        if (IsWindow(window)) DestroyWindow(window);
    }
};

using ProcessHandle = UniqueHandle<HANDLE, KernelTraits>;
using BitmapHandle = UniqueHandle<HBITMAP, GdiTraits>;
using WindowHandle = UniqueHandle<HWND, WindowTraits>;

}  // namespace plivora::launcher
