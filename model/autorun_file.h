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

// Nothing unless the text is what this program writes: the lines "[autorun]",
// "open=Plivora.exe " with arguments the launcher reads with nothing ignored, and
// "icon=" with a name, in that order, each ended by CR LF or LF.
// exactly: and only when composing the values read gives back the open line (its trailing
// blank optional, runs of blanks between pieces aside) and that line holds no control
// byte, so that a disc the form takes in is one it would write again unchanged.
std::optional<DiscSettings> ReadAutorunFile(const std::string& text, bool exactly = false);

}  // namespace plivora
