#include "base_paths.h"

#include <cctype>
#include <cstdlib>

#include "ansi_text.h"

namespace plivora {

namespace {

// Once path starts with baseFolder: whether that start is a whole folder, not "C:\CD"
// within "C:\CD_Temp".
bool PrefixEndsAtSeparator(const std::string& path, const std::string& baseFolder) {
    return path.size() == baseFolder.size() || EndsWithSeparator(baseFolder) ||
           IsSeparator(path[baseFolder.size()]);
}

bool IsControlOrColon(char c) { return c == ':' || static_cast<unsigned char>(c) < 0x20; }

bool IsDotsAndBlanks(const std::string& segment) {
    return segment.find_first_not_of(". ") == std::string::npos;
}

// With or without an extension, and with blanks before it, as Windows reads the name.
bool IsDeviceName(const std::string& segment) {
    std::string stem = segment.substr(0, segment.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    for (const char* device : {"CON", "PRN", "AUX", "NUL"})
        if (EqualIgnoringCase(stem, device)) return true;
    const std::string numbered = stem.size() == 4 ? stem.substr(0, 3) : std::string();
    return stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9' &&
           (EqualIgnoringCase(numbered, "COM") || EqualIgnoringCase(numbered, "LPT"));
}

}  // namespace

bool NamesFileInsideBase(const std::string& name) {
    if (name.empty() || IsSeparator(name[0])) return false;
    std::mblen(nullptr, 0);
    int depth = 0;
    std::size_t segmentStart = 0;
    for (std::size_t at = 0; at <= name.size();) {
        // Only a single-byte character can be a separator: a trail byte may be 0x5C.
        const std::size_t length = at < name.size() ? CharLengthAt(name, at) : 1;
        if (at < name.size() && !(length == 1 && IsSeparator(name[at]))) {
            if (length == 1 && IsControlOrColon(name[at])) return false;
            at += length;
            continue;
        }
        const std::string segment = name.substr(segmentStart, at - segmentStart);
        if (segment == "..") {
            if (--depth < 0) return false;
        } else if (!segment.empty() && segment != ".") {
            if (IsDotsAndBlanks(segment) || IsDeviceName(segment)) return false;
            ++depth;
        }
        segmentStart = ++at;
    }
    return depth > 0;
}

bool IsInsideBase(const std::string& path, const std::string& baseFolder) {
    auto fold = [](char c) { return IsSeparator(c) ? '\\' : std::toupper(static_cast<unsigned char>(c)); };
    if (baseFolder.empty() || path.size() < baseFolder.size()) return false;
    std::mblen(nullptr, 0);
    for (std::size_t at = 0; at < baseFolder.size();) {
        // Only single-byte characters have a case; a double-byte one must match exactly.
        const std::size_t length = CharLengthAt(baseFolder, at);
        if (length == 1 ? fold(path[at]) != fold(baseFolder[at])
                        : path.compare(at, length, baseFolder, at, length) != 0)
            return false;
        at += length;
    }
    return PrefixEndsAtSeparator(path, baseFolder);
}

std::string MakeBaseRelative(const std::string& path, const std::string& baseFolder) {
    const std::size_t keep = path.size() > baseFolder.size() ? path.size() - baseFolder.size() : 0;
    std::size_t from = path.size() - keep;
    while (from < path.size() && IsSeparator(path[from])) ++from;
    return path.substr(from);
}

std::optional<std::string> JoinTargets(const std::string& dialogPath,
                                       const std::vector<std::string>& selectedPaths,
                                       const std::string& baseFolder) {
    if (!IsInsideBase(dialogPath, baseFolder)) return std::nullopt;
    std::string joined;
    for (const std::string& path : selectedPaths) {
        if (path.empty()) continue;
        if (!joined.empty()) joined += ", ";
        joined += MakeBaseRelative(path, baseFolder);
    }
    return joined;
}

std::string FileExtension(const std::string& path) {
    std::mblen(nullptr, 0);
    std::size_t nameStart = 0;
    std::size_t lastDot = std::string::npos;
    for (std::size_t at = 0; at < path.size(); at += CharLengthAt(path, at)) {
        if (IsSeparator(path[at]) || path[at] == ':') {
            nameStart = at + 1;
            lastDot = std::string::npos;
        } else if (path[at] == '.') {
            lastDot = at;
        }
    }
    return lastDot == std::string::npos || lastDot < nameStart ? std::string() : path.substr(lastDot + 1);
}

bool IsIconExtension(const std::string& extension) {
    return EqualIgnoringCase(extension, "ico") || EqualIgnoringCase(extension, "exe");
}

}  // namespace plivora
