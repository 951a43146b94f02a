#include "autorun_file.h"

#include <algorithm>
#include <vector>

#include "launcher_command_line.h"

namespace plivora {

namespace {

// The lines, each without its line end; a last line end closes the last line.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

// Whether line is what was composed, its blanks outside quotes aside (each run of them
// counts as one, and the last is optional), and holds no control byte.
bool ReadsAsComposed(const std::string& line, const std::string& composed) {
    std::size_t matched = 0;
    bool quoted = false;
    for (const char c : line) {
        if (static_cast<unsigned char>(c) < 0x20) return false;
        if (c == '"') quoted = !quoted;
        // What matched so far is the line with its runs of blanks cut to one.
        if (c == ' ' && !quoted && matched > 0 && composed[matched - 1] == ' ') continue;
        if (matched == composed.size() || composed[matched] != c) return false;
        ++matched;
    }
    return matched == composed.size() || (matched + 1 == composed.size() && composed[matched] == ' ');
}

}  // namespace

std::optional<DiscSettings> ReadAutorunFile(const std::string& text, bool exactly) {
    const std::vector<std::string> lines = Lines(text);
    const std::string openStart = std::string("open=") + LauncherName + " ";
    if (lines.size() != 3 || lines[0] != "[autorun]" || !StartsWith(lines[1], openStart) ||
        !StartsWith(lines[2], "icon=") || lines[2].size() == 5)
        return std::nullopt;
    const ParsedLaunchArguments parsed = ParseLaunchArguments(lines[1].substr(openStart.size()));
    const auto ignored = [](const LaunchArgumentProblem& problem) { return problem.Ignored; };
    if (parsed.Command.TargetFiles.empty() || std::any_of(parsed.Problems.begin(), parsed.Problems.end(), ignored))
        return std::nullopt;

    const LauncherCommandLine& line = parsed.Command;
    DiscSettings disc;
    ProjectSettings& s = disc.Settings;
    s.TargetFiles = line.TargetFiles;
    const std::string icon = lines[2].substr(5);
    if (icon != LauncherName) s.IconFile = icon;
    if (line.TryForce) {
        s.TryForce = 1;
        s.ForceProgram1 = line.ForcePrograms[0];
        if (line.ForcePrograms.size() > 1) s.ForceProgram2 = line.ForcePrograms[1];
    }
    s.Verbose = line.Verbose;
    s.NoRegistryLookup = line.NoRegistryLookup;
    s.HideDialog = line.HideDialog;
    if (line.UseSecondary) {
        s.UseSecondary = 1;
        s.SecondaryProgram = line.SecondaryProgram;
        disc.SecondaryOrder = line.SecondaryOrder;
        disc.SecondaryPrompt = line.SecondaryPrompt;
    }
    if (line.UseSplash) {
        s.UseSplash = 1;
        s.SplashFile = line.SplashFile;
        s.SplashSeconds = line.SplashSeconds;
    }
    if (exactly && !ReadsAsComposed(lines[1], ComposeOpenEntry(s, disc.SecondaryOrder, disc.SecondaryPrompt)))
        return std::nullopt;
    return disc;
}

}  // namespace plivora
