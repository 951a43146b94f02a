// Clicks and key presses as messages, which reach a window of this process or of
// another alike: Xvfb has no window manager to take synthetic input.
#pragma once

#include <windows.h>

namespace plivora::fakes {

// The control with the keyboard focus in the window's thread, or null.
HWND FocusOf(HWND window);
// A click as the button's own mouse handling makes it; posted, so that a dialog the click
// opens cannot hold up the caller.
void Click(HWND dialog, int id);
// A key pressed and released on the window's focused control, or on the window itself
// when the focus lies elsewhere.
void PressKey(HWND window, UINT key);

}  // namespace plivora::fakes
