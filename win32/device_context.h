// Device contexts, each kind released its own way, and objects selected into them.
#pragma once

#include <windows.h>

#include <utility>

#include "unique_handle.h"

namespace plivora {

// A memory context made by CreateCompatibleDC.
using MemoryDC = UniqueHandle<HDC, ::DeleteDC>;

// A window's context from GetDC, given back to that window.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_) ::ReleaseDC(hwnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint and EndPaint around one paint of a window.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd), dc_(::BeginPaint(hwnd, &paint_)) {}
    ~PaintDC() { ::EndPaint(hwnd_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC Get() const { return dc_; }
    const PAINTSTRUCT& Paint() const { return paint_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects an object into a device context for as long as it lives, then puts the
// previous one back. Declare it after the objects it selects: one still selected
// cannot be deleted.
class SelectObjectScope {
public:
    SelectObjectScope() = default;
    SelectObjectScope(HDC dc, HGDIOBJ object) { Select(dc, object); }
    ~SelectObjectScope() { Restore(); }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

    // Puts back what an earlier selection replaced, then selects the object.
    void Select(HDC dc, HGDIOBJ object) {
        Restore();
        dc_ = dc;
        previous_ = object ? ::SelectObject(dc, object) : nullptr;
    }
    void Restore() {
        if (previous_) ::SelectObject(dc_, std::exchange(previous_, nullptr));
    }

private:
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace plivora
