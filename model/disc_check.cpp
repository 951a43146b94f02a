#include "disc_check.h"

#include <vector>

#include "base_paths.h"
#include "guidance_strings.h"
#include "launcher_command_line.h"

namespace plivora {

namespace {

bool Holds(const std::string& text, const char* piece) { return text.find(piece) != std::string::npos; }

// A quote would end the value early; a line end read back would split autorun.inf. No
// byte of a double-byte character is either.
bool CannotBeQuoted(const std::string& text) {
    for (const char c : text)
        if (c == '"' || static_cast<unsigned char>(c) < 0x20) return true;
    return false;
}

std::optional<DiscProblem> SwitchWithoutFile(const ProjectSettings& settings) {
    if (settings.UseSplash && settings.SplashFile.empty())
        return DiscProblem{MsgSwitchWithoutFile, IDS_SWITCH_SPLASH, {}};
    if (settings.UseSecondary && settings.SecondaryProgram.empty())
        return DiscProblem{MsgSwitchWithoutFile, IDS_SWITCH_SECONDARY, {}};
    // The line has no Try and Force without a program: the tick would be dropped unseen.
    if (settings.TryForce && settings.ForceProgram1.empty() && settings.ForceProgram2.empty())
        return DiscProblem{MsgForceWithoutProgram, 0, {}};
    return std::nullopt;
}

std::optional<DiscProblem> FileNotInBase(const ProjectSettings& settings,
                                         const std::function<bool(const std::string&)>& exists) {
    const std::string base = BaseFolderWithSeparator(settings.BaseFolder);
    const auto onDisc = [&](const std::string& name) {
        return NamesFileInsideBase(name) && exists(base + name);
    };
    std::vector<std::string> names = ResolveTargets(settings.TargetFiles, onDisc);
    if (!settings.IconFile.empty()) names.push_back(settings.IconFile);
    if (settings.UseSplash) names.push_back(settings.SplashFile);
    if (settings.UseSecondary) names.push_back(settings.SecondaryProgram);
    for (const std::string& name : names)
        if (!onDisc(name)) return DiscProblem{MsgFileNotInBase, 0, name};
    return std::nullopt;
}

// The line quotes each value and escapes nothing; the launcher splits the programs at ", "
// and the splash value at its last "$".
std::optional<DiscProblem> TextNotWritable(const ProjectSettings& settings) {
    const auto problem = [](int textId) { return DiscProblem{MsgTextNotWritable, textId, {}}; };
    if (settings.TryForce) {
        const std::string& first = settings.ForceProgram1;
        const std::string& second = settings.ForceProgram2;
        if (CannotBeQuoted(first) || (Holds(first, ", ") && !second.empty()))
            return problem(IDS_TEXT_PROGRAM1);
        if (CannotBeQuoted(second) || (Holds(second, ", ") && first.empty()))
            return problem(IDS_TEXT_PROGRAM2);
    }
    if (settings.UseSplash) {
        // Judged as Create will write it: a duration that reads as none becomes "5".
        ProjectSettings written = settings;
        NormaliseSplashSeconds(written);
        if (CannotBeQuoted(written.SplashSeconds) || Holds(written.SplashSeconds, "$"))
            return problem(IDS_TEXT_SPLASH_DURATION);
    }
    return std::nullopt;
}

}  // namespace

std::optional<DiscProblem> CheckDisc(const ProjectSettings& settings,
                                     const std::function<bool(const std::string&)>& exists) {
    if (auto problem = SwitchWithoutFile(settings)) return problem;
    if (auto problem = FileNotInBase(settings, exists)) return problem;
    return TextNotWritable(settings);
}

}  // namespace plivora
