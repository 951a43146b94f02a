// What the programs draw themselves, at the scale of the display a window is on.
#pragma once

#include <windows.h>

#include "display_scale.h"
#include "unique_handle.h"

namespace plivora {

// The window's own DPI where Windows keeps one per window (GetDpiForWindow, Windows 10
// 1607 and later), otherwise the screen's.
int WindowDpi(HWND window);

// An icon resource at the given size, from the smallest image of its group that is as
// large or larger, scaled down: an image is never scaled up while a larger one exists.
// Empty when the module holds no such icon.
UniqueIcon LoadIconAtSize(HMODULE module, int id, int size);

// WM_DPICHANGED's suggested rectangle (its lParam), taken as the window's new place.
void MoveToSuggestedRect(HWND window, LPARAM suggestedRect);

}  // namespace plivora
