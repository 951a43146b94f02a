// The launcher's name for the owners in win32/, until it includes them from there.
#pragma once

#include "../win32/unique_handle.h"
