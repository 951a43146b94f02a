// Reading the launcher's command line back into the values ComposeOpenEntry wrote.
//
// The composed line escapes nothing, so a few values cannot come back exactly:
// - a double quote in any value ends that value early;
// - targets are split on ", ", so a target whose name holds ", " reads as two names
//   (the whole list, TargetFiles, still comes back exactly);
// - the try-and-force pair is split at its first ", ", so Program 1 must not hold one;
// - the splash duration is the text after the last "$" that still reads as a positive
//   number, so a duration typed with a "$" in it may take part of the image name.
// Everything else, "$", commas and blanks in names included, comes back unchanged.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace plivora {

struct LauncherCommandLine {
    std::string TargetFiles;  // as written: the names joined by ", "
    bool UseSplash = false;
    std::string SplashFile;
    std::string SplashSeconds;
    bool UseSecondary = false;
    std::string SecondaryProgram;
    int SecondaryOrder = 0;
    int SecondaryPrompt = 0;
    bool Verbose = false;
    bool NoRegistryLookup = false;
    bool HideDialog = false;
    bool TryForce = false;
    std::vector<std::string> ForcePrograms;  // in the order to try, one or two

    bool operator==(const LauncherCommandLine& other) const;
    bool operator!=(const LauncherCommandLine& other) const { return !(*this == other); }
};

// A part of the line that could not be read as written.
struct LaunchArgumentProblem {
    std::string Piece;    // that part, as written: a switch with its value, or stray text
    bool Ignored = true;  // false: it was read all the same, as well as it could be
    std::string Detail;   // what is wrong with it, one sentence for whoever wrote the line
};

struct ParsedLaunchArguments {
    LauncherCommandLine Command;
    // What could not be read; the rest of the line still counts. A line that names no
    // target is no problem of reading: Command.TargetFiles is empty.
    std::vector<LaunchArgumentProblem> Problems;
};

// Reads the arguments as the launcher receives them: LaunchArguments(OpenEntry), possibly
// without its trailing blank (autorun.inf readers strip it) and with extra blanks.
ParsedLaunchArguments ParseLaunchArguments(const std::string& arguments);

// The arguments ComposeOpenEntry writes for these values: for a line it composed, exactly
// that line again, trailing blank included. The launcher's registry key is named by it.
std::string ComposeLaunchArguments(const LauncherCommandLine& command);

// The value the launcher leaves under that key: the secondary program's remembered answer.
inline constexpr const char* LauncherStateValue = "DontAsk";
// Where under HKEY_CURRENT_USER the launcher keeps that key: the user's own file classes,
// writable without administrator rights. Windows shows them in HKEY_CLASSES_ROOT too;
// Wine does not.
inline constexpr const char* UserClassesKey = "Software\\Classes\\";

// The text in double quotes, as the command line and the launcher's messages write a name.
std::string Quoted(const std::string& text);

// The target names of a list joined by ", "; empty names are dropped.
std::vector<std::string> SplitTargetList(const std::string& targetFiles);

// The target list as the launcher cuts it. A name may itself hold ", " (as in
// "Report, 2004.pdf"): consecutive pieces are joined back whenever the joined name exists.
// exists: whether a base-relative name names an existing file.
std::vector<std::string> ResolveTargets(const std::string& targetFiles,
                                        const std::function<bool(const std::string&)>& exists);

}  // namespace plivora
