// Turning the absolute paths that file dialogs return into names relative to the
// CD-ROM Base Folder, which is all that the disc will hold.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace plivora {

// True when path lies in baseFolder or below it: baseFolder is a prefix of path that
// ends at a separator or at the end of path, so a sibling folder that merely starts
// with the same name is outside. Letters compare without regard to case (single-byte
// characters by the current locale; a double-byte one must match exactly) and either
// separator matches either, as the file system itself would find the folder.
bool IsInsideBase(const std::string& path, const std::string& baseFolder);

// True when a base-relative name, read as text alone, names a file inside the base folder
// on whatever drive the disc is read: no colon or control byte, no leading separator, no
// segment of dots and blanks but "." and "..", no climbing above the base folder or
// ending at it, and no device name (CON, NUL, COM1...), which every folder seems to hold.
// The file system is never asked: at a drive root it turns "C:\..\x" into "C:\x".
bool NamesFileInsideBase(const std::string& name);

// The part of path after baseFolder, without leading separators.
// The caller has found IsInsideBase true; the letters are kept as path has them.
std::string MakeBaseRelative(const std::string& path, const std::string& baseFolder);

// The TargetFiles text for one dialog result: dialogPath is the full path of a single
// file, or the folder of several; selectedPaths are the full paths in dialog order.
// Empty when the choice lies outside the base folder.
std::optional<std::string> JoinTargets(const std::string& dialogPath,
                                       const std::vector<std::string>& selectedPaths,
                                       const std::string& baseFolder);

// The text after the last dot of the file name, without the dot; empty when none.
std::string FileExtension(const std::string& path);

// True for "ico" or "exe" in any letter case.
bool IsIconExtension(const std::string& extension);

}  // namespace plivora
