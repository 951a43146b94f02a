// The framework's device contexts and GDI objects. Each holds an owner from win32/, which
// releases its handle.
#pragma once

#include <windows.h>

#include <string>

#include "device_context.h"
#include "unique_handle.h"

namespace framework {

using plivora::SelectObjectScope;

// A GDI object (brush, pen, bitmap) that is deleted with its owner, and stands wherever
// its handle is asked for.
template <class Handle>
class GdiObject : public plivora::UniqueGdiObject<Handle> {
public:
    using Base = plivora::UniqueGdiObject<Handle>;
    using Base::Base;
    operator Handle() const { return this->Get(); }
};

using CBrush = GdiObject<HBRUSH>;
using CPen = GdiObject<HPEN>;

class CBitmap : public GdiObject<HBITMAP> {
public:
    bool CreateCompatibleBitmap(HDC reference, int width, int height) {
        Reset(::CreateCompatibleBitmap(reference, width, height));
        return Get() != nullptr;
    }
};

// A device context and the drawing operations the controls use. It either owns its
// handle (a memory context it created) or borrows one that someone else releases.
class CDC {
public:
    CDC() = default;
    virtual ~CDC() = default;

    HDC GetSafeHdc() const { return hdc_; }
    operator HDC() const { return hdc_; }
    // A printer's context: buffering it off-screen would be wasted.
    bool IsPrinting() const { return printing_; }

    bool CreateCompatibleDC(HDC reference) {
        Reset();
        owned_.Reset(::CreateCompatibleDC(reference));
        hdc_ = owned_.Get();
        return hdc_ != nullptr;
    }
    // Lets go of the context: a memory context it made is deleted, a borrowed one forgotten.
    void Reset() {
        owned_.Reset();
        hdc_ = nullptr;
        printing_ = false;
    }
    void Attach(HDC dc) {
        Reset();
        hdc_ = dc;
        printing_ = dc && ::GetDeviceCaps(dc, TECHNOLOGY) == DT_RASPRINTER;
    }
    // Borrows the handle and printing mark of another context.
    void AttachTo(const CDC& other) {
        Reset();
        hdc_ = other.hdc_;
        printing_ = other.printing_;
    }

    HGDIOBJ SelectObject(HGDIOBJ object) const { return ::SelectObject(hdc_, object); }
    COLORREF SetBkColor(COLORREF color) const { return ::SetBkColor(hdc_, color); }
    COLORREF SetTextColor(COLORREF color) const { return ::SetTextColor(hdc_, color); }
    int SetBkMode(int mode) const { return ::SetBkMode(hdc_, mode); }
    int GetClipBox(RECT& rect) const { return ::GetClipBox(hdc_, &rect); }
    POINT SetWindowOrg(int x, int y) const {
        POINT previous{};
        ::SetWindowOrgEx(hdc_, x, y, &previous);
        return previous;
    }

    BOOL BitBlt(int x, int y, int width, int height, HDC source, int xSource, int ySource, DWORD rop) const {
        return ::BitBlt(hdc_, x, y, width, height, source, xSource, ySource, rop);
    }
    void FillRect(const RECT& rect, HBRUSH brush) const { ::FillRect(hdc_, &rect, brush); }
    void FrameRect(const RECT& rect, HBRUSH brush) const { ::FrameRect(hdc_, &rect, brush); }
    void DrawFocusRect(const RECT& rect) const { ::DrawFocusRect(hdc_, &rect); }
    void MoveTo(int x, int y) const { ::MoveToEx(hdc_, x, y, nullptr); }
    void LineTo(int x, int y) const { ::LineTo(hdc_, x, y); }
    int DrawText(const char* text, int length, RECT& rect, UINT format) const {
        return ::DrawTextA(hdc_, text, length, &rect, format);
    }
    int DrawText(const std::string& text, RECT& rect, UINT format) const {
        return DrawText(text.c_str(), static_cast<int>(text.size()), rect, format);
    }

    // A solid block without brushes: an opaque, empty text output.
    void FillSolidRect(int x, int y, int width, int height, COLORREF color) const {
        ::SetBkColor(hdc_, color);
        const RECT rect{x, y, x + width, y + height};
        ::ExtTextOutA(hdc_, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    }
    // A 1-pixel frame: top and left in one colour, right and bottom in the other.
    void Draw3dRect(int x, int y, int width, int height, COLORREF topLeft, COLORREF bottomRight) const {
        FillSolidRect(x, y, width - 1, 1, topLeft);
        FillSolidRect(x, y, 1, height - 1, topLeft);
        FillSolidRect(x + width - 1, y, 1, height, bottomRight);
        FillSolidRect(x, y + height - 1, width, 1, bottomRight);
    }

private:
    plivora::MemoryDC owned_;
    HDC hdc_ = nullptr;
    bool printing_ = false;
};

// The client area's context of a window, released with the object.
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND hwnd) : dc_(hwnd) { Attach(dc_.Get()); }

private:
    plivora::WindowDC dc_;
};

// One paint of a window, between BeginPaint and EndPaint.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND hwnd) : paint_(hwnd) { Attach(paint_.Get()); }

private:
    plivora::PaintDC paint_;
};

}  // namespace framework
