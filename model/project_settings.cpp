#include "project_settings.h"

#include <climits>

#include "ansi_text.h"

namespace plivora {

namespace {

// What every open entry starts with.
std::string OpenPrefix() { return std::string("open=") + LauncherName + " "; }

void AppendQuotedSwitch(std::string& entry, const char* name, const std::string& argument) {
    entry += name;
    entry += " \"";
    entry += argument;
    entry += "\" ";
}

}  // namespace

bool ProjectSettings::operator==(const ProjectSettings& o) const {
    return BaseFolder == o.BaseFolder && TargetFiles == o.TargetFiles && IconFile == o.IconFile &&
           ForceProgram1 == o.ForceProgram1 && ForceProgram2 == o.ForceProgram2 &&
           Verbose == o.Verbose && NoRegistryLookup == o.NoRegistryLookup &&
           HideDialog == o.HideDialog && TryForce == o.TryForce &&
           UseSecondary == o.UseSecondary && SecondaryProgram == o.SecondaryProgram &&
           UseSplash == o.UseSplash && SplashFile == o.SplashFile &&
           SplashSeconds == o.SplashSeconds;
}

std::string ComposeIconEntry(const ProjectSettings& settings) {
    return std::string("icon=") + (settings.IconFile.empty() ? LauncherName : settings.IconFile);
}

std::string ComposeOpenEntry(ProjectSettings& settings, int secondaryOrder, int secondaryPrompt) {
    std::string entry = OpenPrefix() + "\"";
    entry += settings.TargetFiles;
    entry += "\" ";
    if (settings.UseSplash) {
        NormaliseSplashSeconds(settings);
        AppendQuotedSwitch(entry, "/splash", settings.SplashFile + "$" + settings.SplashSeconds);
    }
    if (settings.UseSecondary) {
        AppendQuotedSwitch(entry, "/secProg",
                           settings.SecondaryProgram + "$" + std::to_string(secondaryOrder) + "$" +
                               std::to_string(secondaryPrompt));
    }
    if (settings.Verbose) entry += "/verbose ";
    if (settings.NoRegistryLookup) entry += "/noreg ";
    if (settings.HideDialog) entry += "/hide ";
    if (settings.TryForce) {
        const std::string& first = settings.ForceProgram1;
        const std::string& second = settings.ForceProgram2;
        if (!first.empty() && !second.empty())
            AppendQuotedSwitch(entry, "/tryforce", first + ", " + second);
        else if (!first.empty() || !second.empty())
            AppendQuotedSwitch(entry, "/tryforce", first.empty() ? second : first);
    }
    return entry;
}

std::string LaunchArguments(const std::string& openEntry) {
    const std::size_t prefixLength = OpenPrefix().size();
    return openEntry.size() > prefixLength ? openEntry.substr(prefixLength) : std::string();
}

std::string BaseFolderWithSeparator(const std::string& baseFolder) {
    return EndsWithSeparator(baseFolder) ? baseFolder : baseFolder + "\\";
}

std::string InfFilePath(const std::string& baseFolder) {
    return BaseFolderWithSeparator(baseFolder) + InfFileName;
}

std::string InfFileText(const std::string& openEntry, const std::string& iconEntry) {
    return "[autorun]\n" + openEntry + "\n" + iconEntry + "\n";
}

long long ReadLeadingInteger(const std::string& text) {
    std::size_t at = 0;
    auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (at < text.size() && isSpace(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        const int digit = text[at] - '0';
        value = value > (LLONG_MAX - digit) / 10 ? LLONG_MAX : value * 10 + digit;
    }
    return negative ? -value : value;
}

void NormaliseSplashSeconds(ProjectSettings& settings) {
    if (ReadLeadingInteger(settings.SplashSeconds) <= 0) settings.SplashSeconds = "5";
}

}  // namespace plivora
