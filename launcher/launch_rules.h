// The launcher's decisions that need no window system: how the disc's names map to
// files and how a registered open command or a typed program text becomes a command.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "launcher_command_line.h"

namespace plivora::launcher {

// True when the path, relative to the disc's root or absolute, names an existing file.
using ExistsFunction = std::function<bool(const std::string&)>;

// The target list cut into names, as the Assistant's disc check cuts it.
using plivora::ResolveTargets;

// A disc name made absolute against the root, which ends in a separator.
std::string OnDisc(const std::string& root, const std::string& name);

// A registered open command with the document put in: %1, %L and %V become the path,
// %* and the other numbered arguments become nothing, %% a single %. A command that
// never names the document gets it appended in quotes, as the shell does.
std::string ExpandOpenCommand(const std::string& command, const std::string& path);

struct ProgramText {
    std::string Program;
    std::string Arguments;
};

// A typed program text such as "iexplore.exe -k" or "C:\Program Files\v.exe -x": a
// quoted name, or else the longest run of words that names an existing program, or else
// the first word.
ProgramText SplitProgramText(const std::string& text, const ExistsFunction& exists);

// The splash duration in milliseconds: as the form reads it, non-positive becomes 5 s;
// capped at ten minutes.
unsigned SplashMilliseconds(const std::string& secondsText);

}  // namespace plivora::launcher
