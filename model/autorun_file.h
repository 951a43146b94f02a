// An autorun.inf read back into the form's values, when this program could have written
// it: the disc itself keeps a disc's settings.
#pragma once

#include <optional>
#include <string>

#include "project_settings.h"

namespace plivora {

struct DiscSettings {
    // Every field but BaseFolder: the file's value, or its default where the line holds none.
    ProjectSettings Settings;
    int SecondaryOrder = 0;
    int SecondaryPrompt = 0;
};

// Nothing unless the text is exactly what this program writes: the lines "[autorun]",
// "open=Plivora.exe " with arguments the launcher reads with nothing ignored, and
// "icon=" with a name, in that order, each ended by CR LF or LF.
std::optional<DiscSettings> ReadAutorunFile(const std::string& text);

// As ReadAutorunFile, and only when composing the values read gives back the open line
// exactly (its trailing blank optional, runs of blanks between pieces aside) and that line
// holds no control byte: a disc the form takes in is one it would write again unchanged.
std::optional<DiscSettings> ReadAutorunFileExactly(const std::string& text);

}  // namespace plivora
