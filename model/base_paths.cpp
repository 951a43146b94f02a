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
bool IsDeviceName(const std::string& segment) {
    std::size_t stem = segment.find('.');
    if (stem == std::string::npos) stem = segment.size();
    while (stem > 0 && segment[stem - 1] == ' ') --stem;
    std::string word = segment.substr(0, stem);
    if (word.size() == 4 && word[3] >= '1' && word[3] <= '9') {
        word.pop_back();
        return EqualIgnoringCase(word, "COM") || EqualIgnoringCase(word, "LPT");
    }
    for (const char* device : {"CON", "PRN", "AUX", "NUL"})
        if (EqualIgnoringCase(word, device)) return true;
    return false;
}

}  // namespace

bool NamesFileInsideBase(const std::string& name) {
    if (name.empty() || IsSeparator(name[0])) return false;
    std::mblen(nullptr, 0);
    int depth = 0;
    bool dotsAndBlanks = true;  // so far in this segment
    // A separator byte always starts a character of its own: a trail byte may be 0x5C.
    for (std::size_t at = 0, start = 0; at <= name.size();) {
        const char c = at < name.size() ? name[at] : '\\';
        if (!IsSeparator(c)) {
            // Neither is any byte of a double-byte character.
            if (c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
            dotsAndBlanks = dotsAndBlanks && (c == '.' || c == ' ');
            at += CharLengthAt(name, at);
            continue;
        }
        const std::string segment = name.substr(start, at - start);
        if (dotsAndBlanks && segment == "..") {
            if (--depth < 0) return false;
        } else if (!segment.empty() && segment != ".") {
            if (dotsAndBlanks || IsDeviceName(segment)) return false;
            ++depth;
        }
        start = ++at;
        dotsAndBlanks = true;
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
