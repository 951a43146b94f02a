// The values the user sets on the form, and the autorun.inf text built from them.
#pragma once

#include <array>
#include <string>

#include "plivora_version.h"

namespace plivora {

// Byte strings in the ANSI code page; every path but BaseFolder is base-relative.
struct ProjectSettings {
    std::string BaseFolder;
    std::string TargetFiles;
    std::string IconFile;
    std::string ForceProgram1;
    std::string ForceProgram2;
    int Verbose = 0;
    int NoRegistryLookup = 0;
    int HideDialog = 0;
    int TryForce = 0;
    int UseSecondary = 0;
    std::string SecondaryProgram;
    int UseSplash = 0;
    std::string SplashFile;
    std::string SplashSeconds = "5";

    bool operator==(const ProjectSettings& other) const;
    bool operator!=(const ProjectSettings& other) const { return !(*this == other); }
};

// Entries of the two drop-down lists, by position; never sorted.
inline constexpr std::array<const char*, 2> SecondaryOrderEntries = {
    "Try Target Filename first",
    "Run Secondary Program first",
};
inline constexpr std::array<const char*, 4> SecondaryPromptEntries = {
    "No Confirmation Box, No Reboot",
    "No Confirmation Box, Reboot",
    "Confirmation Box, No Reboot",
    "Confirmation Box, Reboot",
};

// The launcher's name as the disc and the test run it.
inline constexpr const char* LauncherName = PLIVORA_LAUNCHER_FILE;
#define PLIVORA_INF_FILE "autorun.inf"
inline constexpr const char* InfFileName = PLIVORA_INF_FILE;

std::string ComposeIconEntry(const ProjectSettings& settings);

// Applies NormaliseSplashSeconds first when UseSplash is set, hence the mutable settings.
std::string ComposeOpenEntry(ProjectSettings& settings, int secondaryOrder, int secondaryPrompt);

// OpenEntry without its leading "open=" LauncherName " ".
std::string LaunchArguments(const std::string& openEntry);

// BaseFolder must not be empty.
std::string InfFilePath(const std::string& baseFolder);

// BaseFolder as a folder name that ends in a separator, as the copy destination.
std::string BaseFolderWithSeparator(const std::string& baseFolder);

// "[autorun]\n" OpenEntry "\n" IconEntry "\n"; text mode turns each \n into CR LF.
std::string InfFileText(const std::string& openEntry, const std::string& iconEntry);

// A duration that reads as zero or less becomes "5"; any positive text is kept as typed.
void NormaliseSplashSeconds(ProjectSettings& settings);

// atoi's reading, but saturating instead of overflowing.
long long ReadLeadingInteger(const std::string& text);

}  // namespace plivora
