// Small files read and written whole with the Win32 calls. A full drive may accept a
// write and keep fewer bytes, so a write counts only once the file reads back the same.
#pragma once

#include <optional>
#include <string>

namespace plivora {

// The file's bytes; nothing when it cannot be opened or read to its end.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Creates or empties the file and writes the bytes as they are. True only when every
// write, the flush and the close succeeded and the file then holds exactly these bytes.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace plivora
