// Included before every source of the Windows build. std::string's members are then
// compiled into our own objects instead of taken from the library's prebuilt copy:
// a PE linker keeps every function that the unwind tables name, so linking the prebuilt
// copy keeps all of its several hundred members, used or not.
#pragma once

#include <bits/c++config.h>

#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
