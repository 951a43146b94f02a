// A control's accessible object under a name of the program's choosing: the system's own
// object for the control answers everything else.
#pragma once

#include <windows.h>

namespace plivora {

// The answer to a WM_GETOBJECT that asks for the window's client object: the system's
// object for the window, named name. 0 (the window's own processing answers) for any
// other object, or when the system's object is not to be had.
LRESULT AnswerWithName(HWND window, WPARAM wParam, LPARAM lParam, const wchar_t* name) noexcept;

// COM for the window thread from the first call to the program's end: an object handed
// to an accessibility client is called back long after the message that handed it out.
void StayInComApartment() noexcept;

}  // namespace plivora
