#include "iso_names.h"

#include <algorithm>
#include <map>
#include <set>

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

template <typename Text>
std::size_t ExtensionDot(const Text& name, bool isFolder) {
    return isFolder ? Text::npos : name.rfind(typename Text::value_type('.'));
}

std::string PlainPrimaryName(const DiscEntry& entry) {
    const std::size_t dot = ExtensionDot(entry.name, entry.isFolder);
    std::string name = DCharacters(entry.name.substr(0, dot), kStemChars);
    if (name.empty()) name = "_";
    if (dot != std::u16string::npos) {
        const std::string extension = DCharacters(entry.name.substr(dot + 1), kExtensionChars);
        if (!extension.empty()) name += '.' + extension;
    }
    return name;
}

bool SameText(const std::u16string& wide, const std::string& narrow) {
    if (wide.size() != narrow.size()) return false;
    for (std::size_t i = 0; i < wide.size(); ++i)
        if (wide[i] != static_cast<unsigned char>(narrow[i])) return false;
    return true;
}

// plain with "_N" before its extension, the stem and the number together at most maxStem.
template <typename Text>
Text WithSuffix(const Text& plain, bool noExtension, unsigned n, std::size_t maxStem) {
    std::size_t dot = ExtensionDot(plain, noExtension);
    if (dot == Text::npos) dot = plain.size();
    Text suffix;
    suffix.push_back('_');
    for (char c : std::to_string(n)) suffix.push_back(static_cast<typename Text::value_type>(c));
    const std::size_t extension = plain.size() - dot;
    std::size_t keep = std::min(dot, maxStem > suffix.size() ? maxStem - suffix.size() : 0);
    // Never end the kept part between the two halves of a surrogate pair.
    if (keep > 0 && keep < dot && (plain[keep - 1] & 0xFC00) == 0xD800) --keep;
    return plain.substr(0, keep) + suffix + plain.substr(dot, extension);
}

// Exact names first, then free plain names, then numbered ones, so a numbered name never
// takes a name another entry could have had as it is.
template <typename Text, typename Numbered>
std::vector<Text> Unique(std::vector<Text> plain, const std::vector<bool>& exact, Numbered numbered) {
    const std::size_t count = plain.size();
    std::vector<Text> names(count);
    std::vector<bool> named(count, false);
    std::set<Text> used;
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < count; ++i)
            if (!named[i] && (pass == 1 || exact[i]) && used.insert(plain[i]).second) {
                names[i] = plain[i];
                named[i] = true;
            }
    std::map<Text, unsigned> nextNumber;
    for (std::size_t i = 0; i < count; ++i) {
        if (named[i]) continue;
        unsigned& n = nextNumber.emplace(plain[i], 1).first->second;
        do names[i] = numbered(plain[i], i, n++);
        while (!used.insert(names[i]).second);
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
    std::vector<std::string> plain;
    std::vector<bool> exact;
    for (const DiscEntry& entry : entries) {
        plain.push_back(PlainPrimaryName(entry));
        exact.push_back(SameText(entry.name, plain.back()));
    }
    return Unique(std::move(plain), exact, [&](const std::string& name, std::size_t i, unsigned n) {
        return WithSuffix(name, entries[i].isFolder, n, kStemChars);
    });
}

std::vector<std::u16string> JolietNames(const std::vector<DiscEntry>& entries) {
    std::vector<std::u16string> plain;
    std::vector<bool> exact;
    for (const DiscEntry& entry : entries) {
        plain.push_back(JolietCharacters(entry.name));
        exact.push_back(plain.back() == entry.name);
    }
    return Unique(std::move(plain), exact, [&](const std::u16string& name, std::size_t i, unsigned n) {
        const std::size_t dot = ExtensionDot(name, entries[i].isFolder);
        const std::size_t extension = dot == std::u16string::npos ? 0 : name.size() - dot;
        // An extension too long to leave room for a number counts as part of the stem.
        const bool keepExtension = extension + 16 <= kMaxJolietNameChars;
        return WithSuffix(name, !keepExtension, n, kMaxJolietNameChars - (keepExtension ? extension : 0));
    });
}

}  // namespace plivora::iso
