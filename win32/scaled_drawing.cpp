#include "scaled_drawing.h"

#include "device_context.h"

namespace plivora {

namespace {

// One entry of an icon group's directory (GRPICONDIRENTRY), read field by field.
struct GroupEntry {
    int Size;
    int Bits;
    WORD Id;
};

WORD Word(const BYTE* at) { return static_cast<WORD>(at[0] | at[1] << 8); }

// Whether image a serves the size better than image b: one as large or larger first, the
// smallest of those; else the largest; then the one with more colours.
bool ServesBetter(const GroupEntry& a, const GroupEntry& b, int size) {
    const bool aLarge = a.Size >= size, bLarge = b.Size >= size;
    if (aLarge != bLarge) return aLarge;
    if (a.Size != b.Size) return aLarge ? a.Size < b.Size : a.Size > b.Size;
    return a.Bits > b.Bits;
}

bool PickImage(const BYTE* group, DWORD length, int size, GroupEntry& picked) {
    constexpr DWORD HeaderBytes = 6, EntryBytes = 14;
    if (length < HeaderBytes) return false;
    const DWORD count = Word(group + 4);
    if (count == 0 || length < HeaderBytes + count * EntryBytes) return false;
    for (DWORD i = 0; i < count; ++i) {
        const BYTE* entry = group + HeaderBytes + i * EntryBytes;
        // A width of 0 stands for 256.
        const GroupEntry image{entry[0] ? entry[0] : 256, Word(entry + 6), Word(entry + 12)};
        if (i == 0 || ServesBetter(image, picked, size)) picked = image;
    }
    return true;
}

const BYTE* ResourceBytes(HMODULE module, const char* name, const char* type, DWORD& length) {
    HRSRC found = ::FindResourceA(module, name, type);
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    length = found ? ::SizeofResource(module, found) : 0;
    return loaded ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
}

}  // namespace

int WindowDpi(HWND window) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    // Through the one function type that converts to every other without a warning.
    const auto dpiForWindow = reinterpret_cast<DpiForWindow>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (dpiForWindow && window)
        if (const UINT dpi = dpiForWindow(window)) return static_cast<int>(dpi);
    const WindowDC screen(nullptr);
    const int dpi = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return dpi > 0 ? dpi : BaseDpi;
}

UniqueIcon LoadIconAtSize(HMODULE module, int id, int size) {
    DWORD groupLength = 0;
    const BYTE* group = ResourceBytes(module, MAKEINTRESOURCEA(id), RT_GROUP_ICON, groupLength);
    GroupEntry image{};
    if (!group || !PickImage(group, groupLength, size, image)) return UniqueIcon();
    DWORD imageLength = 0;
    const BYTE* bits = ResourceBytes(module, MAKEINTRESOURCEA(image.Id), RT_ICON, imageLength);
    if (!bits) return UniqueIcon();
    return UniqueIcon(::CreateIconFromResourceEx(const_cast<BYTE*>(bits), imageLength, TRUE, 0x00030000, size,
                                                 size, LR_DEFAULTCOLOR));
}

void MoveToSuggestedRect(HWND window, LPARAM suggestedRect) {
    const RECT& suggested = *reinterpret_cast<const RECT*>(suggestedRect);
    ::SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace plivora
