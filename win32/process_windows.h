// Finding another process's windows.
#pragma once

#include <windows.h>

namespace plivora {

// The topmost visible top-level window of the process; null when it shows none.
HWND TopVisibleWindowOf(DWORD processId);

}  // namespace plivora
