#include "iso_names.h"

#include <algorithm>
#include <map>

#include "disc_image_writer.h"

namespace plivora::iso {
namespace {

constexpr std::size_t kStemChars = 8;
constexpr std::size_t kExtensionChars = 3;

char DCharacter(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char>(c - u'a' + 'A');
    if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) return static_cast<char>(c);
    return '_';
}

bool JolietForbids(char16_t c) {
    return c < 0x20 || c == u'*' || c == u'/' || c == u':' || c == u';' || c == u'?' || c == u'\\';
}

std::size_t ExtensionDot(const std::u16string& name, bool noExtension) {
    return noExtension ? std::u16string::npos : name.rfind(u'.');
}

std::u16string Widened(const std::string& text) { return std::u16string(text.begin(), text.end()); }

std::u16string PlainPrimaryName(const DiscEntry& entry) {
    const std::size_t dot = ExtensionDot(entry.name, entry.isFolder);
    std::string name = DCharacters(entry.name.substr(0, dot), kStemChars);
    if (name.empty()) name = "_";
    if (dot != std::u16string::npos) {
        const std::string extension = DCharacters(entry.name.substr(dot + 1), kExtensionChars);
        if (!extension.empty()) name += '.' + extension;
    }
    return Widened(name);
}

struct Candidate {
    std::u16string plain;  // the name wanted
    bool exact;            // the real name as it is
    bool noExtension;      // a number goes at the end
    std::size_t maxStem;   // the most the part before the extension may hold
};

// plain with "_N" before its extension, the stem and the number together at most maxStem.
std::u16string Numbered(const Candidate& c, unsigned n) {
    std::size_t dot = ExtensionDot(c.plain, c.noExtension);
    if (dot == std::u16string::npos) dot = c.plain.size();
    std::u16string suffix;
    for (; n > 0; n /= 10) suffix.insert(suffix.begin(), static_cast<char16_t>(u'0' + n % 10));
    suffix.insert(suffix.begin(), u'_');
    std::size_t keep = std::min(dot, c.maxStem > suffix.size() ? c.maxStem - suffix.size() : 0);
    // Never end the kept part between the two halves of a surrogate pair.
    if (keep > 0 && keep < dot && (c.plain[keep - 1] & 0xFC00) == 0xD800) --keep;
    return c.plain.substr(0, keep) + suffix + c.plain.substr(dot);
}

// Exact names first, then free plain names, then numbered ones, so a numbered name never
// takes a name another entry could have had as it is.
std::vector<std::u16string> Unique(const std::vector<Candidate>& candidates) {
    const std::size_t count = candidates.size();
    std::vector<std::u16string> names(count);
    std::vector<bool> named(count, false);
    std::map<std::u16string, unsigned> used;  // each name taken, with the next number to try after it
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < count; ++i)
            if (!named[i] && (pass == 1 || candidates[i].exact) && used.emplace(candidates[i].plain, 1).second) {
                names[i] = candidates[i].plain;
                named[i] = true;
            }
    for (std::size_t i = 0; i < count; ++i) {
        if (named[i]) continue;
        unsigned& n = used[candidates[i].plain];
        do names[i] = Numbered(candidates[i], n++);
        while (!used.emplace(names[i], 1).second);
    }
    return names;
}

}  // namespace

std::string DCharacters(const std::u16string& text, std::size_t maxChars) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && out.size() < maxChars; ++i) {
        // One '_' for a character outside the basic plane, not two.
        if ((text[i] & 0xFC00) == 0xDC00 && i > 0 && (text[i - 1] & 0xFC00) == 0xD800) continue;
        out.push_back(DCharacter(text[i]));
    }
    return out;
}

std::u16string JolietCharacters(const std::u16string& text) {
    std::u16string out = text;
    for (char16_t& c : out)
        if (JolietForbids(c)) c = u'_';
    return out;
}

std::vector<std::string> PrimaryNames(const std::vector<DiscEntry>& entries) {
    std::vector<Candidate> candidates;
    for (const DiscEntry& entry : entries) {
        std::u16string plain = PlainPrimaryName(entry);
        const bool exact = plain == entry.name;
        candidates.push_back({std::move(plain), exact, entry.isFolder, kStemChars});
    }
    std::vector<std::string> names;
    for (const std::u16string& name : Unique(candidates)) names.emplace_back(name.begin(), name.end());
    return names;
}

std::vector<std::u16string> JolietNames(const std::vector<DiscEntry>& entries) {
    std::vector<Candidate> candidates;
    for (const DiscEntry& entry : entries) {
        std::u16string plain = JolietCharacters(entry.name);
        const bool exact = plain == entry.name;
        const std::size_t dot = ExtensionDot(plain, entry.isFolder);
        const std::size_t extension = dot == std::u16string::npos ? 0 : plain.size() - dot;
        // An extension too long to leave room for a number counts as part of the stem.
        const bool keepExtension = extension + 16 <= kMaxJolietNameChars;
        candidates.push_back({std::move(plain), exact, !keepExtension,
                              kMaxJolietNameChars - (keepExtension ? extension : 0)});
    }
    return Unique(candidates);
}

}  // namespace plivora::iso
