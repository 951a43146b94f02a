#include "gdi_probe.h"

namespace plivora::probe {

namespace {

GdiProbe* listener = nullptr;

struct Real {
    decltype(&::BitBlt) BitBlt;
    decltype(&::ExtTextOutA) ExtTextOutA;
    decltype(&::MoveToEx) MoveToEx;
    decltype(&::LineTo) LineTo;
    decltype(&::FillRect) FillRect;
    decltype(&::FrameRect) FrameRect;
    decltype(&::DrawFocusRect) DrawFocusRect;
    decltype(&::DrawTextA) DrawTextA;
    decltype(&::DrawStateA) DrawStateA;
    decltype(&::CreateCompatibleDC) CreateCompatibleDC;
    decltype(&::DeleteDC) DeleteDC;
    decltype(&::CreateCompatibleBitmap) CreateCompatibleBitmap;
    decltype(&::CreateSolidBrush) CreateSolidBrush;
    decltype(&::CreatePen) CreatePen;
    decltype(&::DeleteObject) DeleteObject;
    decltype(&::GetDC) GetDC;
    decltype(&::ReleaseDC) ReleaseDC;
    decltype(&::BeginPaint) BeginPaint;
    decltype(&::EndPaint) EndPaint;
    decltype(&::GetIconInfo) GetIconInfo;
    decltype(&::LoadImageA) LoadImageA;
    decltype(&::DestroyIcon) DestroyIcon;
    decltype(&::LoadMenuA) LoadMenuA;
    decltype(&::DestroyMenu) DestroyMenu;
    decltype(&::CreateWindowExA) CreateWindowExA;
    decltype(&::DestroyWindow) DestroyWindow;
} real;

void Drew(const char* function, HDC dc) {
    if (listener) listener->Drew(function, dc);
}
template <class Handle>
Handle Made(Handle handle, const char* kind) {
    if (listener && handle) listener->MadeHandle(handle, kind);
    return handle;
}
BOOL Released(BOOL ok, const void* handle) {
    if (listener && ok) listener->ReleasedHandle(handle);
    return ok;
}

BOOL WINAPI HookBitBlt(HDC dc, int x, int y, int cx, int cy, HDC source, int x1, int y1, DWORD rop) {
    if (listener) listener->Blitted(dc, source);
    return real.BitBlt(dc, x, y, cx, cy, source, x1, y1, rop);
}
BOOL WINAPI HookExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                            const INT* dx) {
    Drew("ExtTextOutA", dc);
    return real.ExtTextOutA(dc, x, y, options, rect, text, count, dx);
}
BOOL WINAPI HookMoveToEx(HDC dc, int x, int y, LPPOINT previous) {
    Drew("MoveToEx", dc);
    return real.MoveToEx(dc, x, y, previous);
}
BOOL WINAPI HookLineTo(HDC dc, int x, int y) {
    Drew("LineTo", dc);
    return real.LineTo(dc, x, y);
}
int WINAPI HookFillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    Drew("FillRect", dc);
    return real.FillRect(dc, rect, brush);
}
int WINAPI HookFrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
    Drew("FrameRect", dc);
    return real.FrameRect(dc, rect, brush);
}
BOOL WINAPI HookDrawFocusRect(HDC dc, const RECT* rect) {
    Drew("DrawFocusRect", dc);
    return real.DrawFocusRect(dc, rect);
}
int WINAPI HookDrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format) {
    Drew("DrawTextA", dc);
    return real.DrawTextA(dc, text, length, rect, format);
}
BOOL WINAPI HookDrawStateA(HDC dc, HBRUSH brush, DRAWSTATEPROC output, LPARAM data, WPARAM length, int x,
                           int y, int cx, int cy, UINT flags) {
    Drew("DrawStateA", dc);
    return real.DrawStateA(dc, brush, output, data, length, x, y, cx, cy, flags);
}
HDC WINAPI HookCreateCompatibleDC(HDC dc) { return Made(real.CreateCompatibleDC(dc), "memory DC"); }
BOOL WINAPI HookDeleteDC(HDC dc) { return Released(real.DeleteDC(dc), dc); }
HBITMAP WINAPI HookCreateCompatibleBitmap(HDC dc, int cx, int cy) {
    return Made(real.CreateCompatibleBitmap(dc, cx, cy), "bitmap");
}
HBRUSH WINAPI HookCreateSolidBrush(COLORREF color) { return Made(real.CreateSolidBrush(color), "brush"); }
HPEN WINAPI HookCreatePen(int style, int width, COLORREF color) {
    return Made(real.CreatePen(style, width, color), "pen");
}
BOOL WINAPI HookDeleteObject(HGDIOBJ object) { return Released(real.DeleteObject(object), object); }
HDC WINAPI HookGetDC(HWND hwnd) { return Made(real.GetDC(hwnd), "window DC"); }
int WINAPI HookReleaseDC(HWND hwnd, HDC dc) { return Released(real.ReleaseDC(hwnd, dc), dc); }
HDC WINAPI HookBeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
    HDC dc = real.BeginPaint(hwnd, paint);
    if (dc) Made(paint, "paint");
    return dc;
}
BOOL WINAPI HookEndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    return Released(real.EndPaint(hwnd, paint), paint);
}
BOOL WINAPI HookGetIconInfo(HICON icon, PICONINFO info) {
    const BOOL ok = real.GetIconInfo(icon, info);
    if (ok) {
        Made(info->hbmMask, "bitmap");
        Made(info->hbmColor, "bitmap");
    }
    return ok;
}
HANDLE WINAPI HookLoadImageA(HINSTANCE module, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
    HANDLE image = real.LoadImageA(module, name, type, cx, cy, flags);
    return (flags & LR_SHARED) ? image : Made(image, "icon");
}
BOOL WINAPI HookDestroyIcon(HICON icon) { return Released(real.DestroyIcon(icon), icon); }
HMENU WINAPI HookLoadMenuA(HINSTANCE module, LPCSTR name) {
    return Made(real.LoadMenuA(module, name), "menu");
}
BOOL WINAPI HookDestroyMenu(HMENU menu) { return Released(real.DestroyMenu(menu), menu); }
HWND WINAPI HookCreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                                int cx, int cy, HWND parent, HMENU menu, HINSTANCE module, LPVOID parameter) {
    return Made(
        real.CreateWindowExA(exStyle, className, title, style, x, y, cx, cy, parent, menu, module, parameter),
        "window");
}
BOOL WINAPI HookDestroyWindow(HWND hwnd) { return Released(real.DestroyWindow(hwnd), hwnd); }

struct Hook {
    const char* module;
    const char* name;
    void** original;
    void* replacement;
};

#define PROBE_HOOK(module, name) \
    Hook { module, #name, reinterpret_cast<void**>(&real.name), reinterpret_cast<void*>(&Hook##name) }

const Hook Hooks[] = {
    PROBE_HOOK("gdi32.dll", BitBlt),           PROBE_HOOK("gdi32.dll", ExtTextOutA),
    PROBE_HOOK("gdi32.dll", MoveToEx),         PROBE_HOOK("gdi32.dll", LineTo),
    PROBE_HOOK("user32.dll", FillRect),        PROBE_HOOK("user32.dll", FrameRect),
    PROBE_HOOK("user32.dll", DrawFocusRect),   PROBE_HOOK("user32.dll", DrawTextA),
    PROBE_HOOK("user32.dll", DrawStateA),      PROBE_HOOK("gdi32.dll", CreateCompatibleDC),
    PROBE_HOOK("gdi32.dll", DeleteDC),         PROBE_HOOK("gdi32.dll", CreateCompatibleBitmap),
    PROBE_HOOK("gdi32.dll", CreateSolidBrush), PROBE_HOOK("gdi32.dll", CreatePen),
    PROBE_HOOK("gdi32.dll", DeleteObject),     PROBE_HOOK("user32.dll", GetDC),
    PROBE_HOOK("user32.dll", ReleaseDC),       PROBE_HOOK("user32.dll", BeginPaint),
    PROBE_HOOK("user32.dll", EndPaint),        PROBE_HOOK("user32.dll", GetIconInfo),
    PROBE_HOOK("user32.dll", LoadImageA),      PROBE_HOOK("user32.dll", DestroyIcon),
    PROBE_HOOK("user32.dll", LoadMenuA),       PROBE_HOOK("user32.dll", DestroyMenu),
    PROBE_HOOK("user32.dll", CreateWindowExA), PROBE_HOOK("user32.dll", DestroyWindow),
};

#undef PROBE_HOOK

// Points every import-table slot that holds one address at another; the number of slots.
int Redirect(void* from, void* to) {
    auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    int count = 0;
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name; ++d) {
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); slot->u1.Function;
             ++slot) {
            if (reinterpret_cast<void*>(slot->u1.Function) != from) continue;
            DWORD protection = 0;
            ::VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &protection);
            slot->u1.Function = reinterpret_cast<decltype(slot->u1.Function)>(to);
            ::VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
            ++count;
        }
    }
    return count;
}

}  // namespace

GdiProbe::GdiProbe() {
    for (const Hook& hook : Hooks) {
        *hook.original =
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA(hook.module), hook.name));
        if (!*hook.original || Redirect(*hook.original, hook.replacement) == 0) missing_.push_back(hook.name);
    }
    listener = this;
}

GdiProbe::~GdiProbe() {
    listener = nullptr;
    for (const Hook& hook : Hooks)
        if (*hook.original) Redirect(hook.replacement, *hook.original);
}

void GdiProbe::ClearCalls() {
    blits_.clear();
    drawings_.clear();
}

void GdiProbe::MadeHandle(const void* handle, const char* kind) {
    live_[handle] = kind;
    ++madeByKind_[kind];
    ++made_;
}

void GdiProbe::ReleasedHandle(const void* handle) {
    if (live_.erase(handle))
        ++released_;
    else
        ++releasedUnseen_;
}

std::map<std::string, long> GdiProbe::Live() const {
    std::map<std::string, long> counts;
    for (const auto& [handle, kind] : live_) ++counts[kind];
    return counts;
}

}  // namespace plivora::probe
