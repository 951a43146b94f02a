// Owners of the launcher's process, bitmap and window handles.
#pragma once

#include <windows.h>

#include "win32_handles.h"

namespace plivora::launcher {

using plivora::UniqueKernelHandle;
using plivora::UniqueHandle;

struct GdiTraits {
    static void Close(HGDIOBJ object) { DeleteObject(object); }
};
struct WindowTraits {
    static void Close(HWND window) {
        if (IsWindow(window)) DestroyWindow(window);
    }
};

using ProcessHandle = UniqueKernelHandle;
using BitmapHandle = UniqueHandle<HBITMAP, GdiTraits>;
using WindowHandle = UniqueHandle<HWND, WindowTraits>;

}  // namespace plivora::launcher
