// Owners of device contexts and GDI objects: each releases what it holds.
#pragma once

#include <windows.h>

#include <string>

namespace framework {

// A GDI object (brush, pen, bitmap, font) that is deleted with its owner.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { DeleteObject(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    operator Handle() const { return handle_; }
    void Reset(Handle handle) {
        DeleteObject();
        handle_ = handle;
    }
    void DeleteObject() {
        if (handle_) ::DeleteObject(handle_);
        handle_ = nullptr;
    }

private:
    Handle handle_ = nullptr;
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

// Selects an object into a device context for as long as it lives.
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectObjectScope() {
        if (previous_) ::SelectObject(dc_, previous_);
    }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint and EndPaint around one paint of a window.
class CPaintDC {
public:
    explicit CPaintDC(HWND hwnd) : hwnd_(hwnd), dc_(::BeginPaint(hwnd, &paint_)) {}
    ~CPaintDC() { ::EndPaint(hwnd_, &paint_); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC Get() const { return dc_; }
    operator HDC() const { return dc_; }
    const PAINTSTRUCT& Paint() const { return paint_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A device context and the drawing operations the controls use. It either owns its
// handle (a memory context it created) or borrows one that someone else releases.
class CDC {
public:
    CDC() = default;
    virtual ~CDC() { DeleteDC(); }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return hdc_; }
    operator HDC() const { return hdc_; }
    // A printer's context: buffering it off-screen would be wasted.
    bool IsPrinting() const { return printing_; }

    bool CreateCompatibleDC(HDC reference) {
        DeleteDC();
        hdc_ = ::CreateCompatibleDC(reference);
        owned_ = hdc_ != nullptr;
        return owned_;
    }
    // Releases an owned context; a borrowed one is only forgotten.
    void DeleteDC() {
        if (owned_ && hdc_) ::DeleteDC(hdc_);
        hdc_ = nullptr;
        owned_ = false;
        printing_ = false;
    }
    void Attach(HDC dc) {
        DeleteDC();
        hdc_ = dc;
        printing_ = dc && ::GetDeviceCaps(dc, TECHNOLOGY) == DT_RASPRINTER;
    }
    // Borrows the handle and printing mark of another context.
    void AttachTo(const CDC& other) {
        DeleteDC();
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

protected:
    HDC hdc_ = nullptr;
    bool owned_ = false;
    bool printing_ = false;
};

// The client area's context of a window, released with the object.
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND hwnd) : hwnd_(hwnd) { hdc_ = ::GetDC(hwnd); }
    ~CClientDC() override {
        if (hdc_) ::ReleaseDC(hwnd_, hdc_);
        hdc_ = nullptr;
    }

private:
    HWND hwnd_;
};

}  // namespace framework
