#include "base_paths.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "ansi_text.h"

namespace plivora {

namespace {

// Once path starts with baseFolder: whether that start is a whole folder, not "C:\CD"
// within "C:\CD_Temp".
bool PrefixEndsAtSeparator(const std::string& path, const std::string& baseFolder) {
    return path.size() == baseFolder.size() || EndsWithSeparator(baseFolder) ||
           IsSeparator(path[baseFolder.size()]);
}

// With or without an extension, and with blanks before it, as Windows reads the name.
bool IsDeviceName(const char* segment, std::size_t size) {
    std::size_t stem = 0;
    while (stem < size && segment[stem] != '.') ++stem;
    while (stem > 0 && segment[stem - 1] == ' ') --stem;
    const bool numbered = stem == 4 && segment[3] >= '1' && segment[3] <= '9';
    if (stem != (numbered ? 4u : 3u)) return false;
    // Clearing bit 5 makes c and C alike, and turns no other byte into a letter.
    char upper[3];
    for (std::size_t i = 0; i < 3; ++i) upper[i] = static_cast<char>(segment[i] & ~0x20);
    static const char words[] = "CONPRNAUXNULCOMLPT";
    for (std::size_t at = numbered ? 12 : 0; at < (numbered ? 18u : 12u); at += 3)
        if (std::memcmp(upper, words + at, 3) == 0) return true;
    return false;
}

}  // namespace

bool NamesFileInsideBase(const std::string& name) {
    if (name.empty() || IsSeparator(name[0])) return false;
    std::mblen(nullptr, 0);
    int depth = 0;
    // A separator byte always starts a character of its own: a trail byte may be 0x5C.
    for (std::size_t at = 0, start = 0; start <= name.size();) {
        const char c = name[at];  // the terminating NUL at the end
        if (at < name.size() && !IsSeparator(c)) {
            // Neither is any byte of a double-byte character.
            if (c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
            at += CharLengthAt(name, at);
            continue;
        }
        const char* segment = name.data() + start;
        const std::size_t size = at - start;
        start = ++at;
        const bool dotsAndBlanks =
            std::all_of(segment, segment + size, [](char d) { return d == '.' || d == ' '; });
        if (dotsAndBlanks && size == 2 && segment[0] == '.' && segment[1] == '.') {
            if (--depth < 0) return false;
        } else if (size > 1 || (size == 1 && segment[0] != '.')) {
            if (dotsAndBlanks || IsDeviceName(segment, size)) return false;
            ++depth;
        }
    }
    return depth > 0;
}

bool AllTargetsInsideBase(const std::string& targetFiles) {
    bool any = false;
    for (std::size_t start = 0; start <= targetFiles.size();) {
        const std::size_t cut = std::min(targetFiles.find(", ", start), targetFiles.size());
        if (cut > start && !NamesFileInsideBase(targetFiles.substr(start, cut - start))) return false;
        any = any || cut > start;
        start = cut + 2;
    }
    return any;
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
