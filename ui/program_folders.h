// The two folders the form captures at start-up, read whole however long they are.
#pragma once

#include <windows.h>

#include <string>

namespace plivora {

// The process's current directory.
std::string CurrentDirectory();

// The folder of the running program with its trailing backslash.
std::string ProgramFolder(HMODULE module = nullptr);

// A module's full path, read into a buffer that grows until the whole path fits.
std::string ModulePath(HMODULE module);

}  // namespace plivora
