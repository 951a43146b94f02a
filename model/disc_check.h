// What Create checks before it writes anything: a line that names a file the disc will
// not hold, or text the line cannot carry, makes a disc that cannot work.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "guidance.h"
#include "project_settings.h"

namespace plivora {

struct DiscProblem {
    GuidanceMessage Message;
    // The string table's name of the switch or text at fault; 0 when File says it.
    int InsertTextId = 0;
    // The file at fault, base-relative, as the line would name it.
    std::string File;
};

// exists: whether an absolute path names an existing file. The first problem in the
// order the user is best told them: a switch without its file or program, then a file
// not in the base folder (by its name alone first, then on disk), then text the line
// cannot carry.
std::optional<DiscProblem> CheckDisc(const ProjectSettings& settings,
                                     const std::function<bool(const std::string&)>& exists);

}  // namespace plivora
