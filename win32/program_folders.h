// The program's own folder and the current directory, read whole however long they are:
// the form captures both at start-up, the launcher finds the disc's root in its own.
// And whether a file or folder is there.
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

bool PathExists(const std::string& path);
// A file, not a folder.
bool FileExists(const std::string& path);

}  // namespace plivora
