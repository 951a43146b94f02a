#include "ansi_text.h"

#include <cstdlib>
#include <cstring>

namespace plivora {

std::size_t CharLengthAt(const std::string& text, std::size_t at) {
    const std::size_t remaining = text.size() - at;
    const int length = std::mblen(text.data() + at, remaining);
    // Invalid or truncated sequences count as single bytes, as the shell treats them.
    return length > 1 ? static_cast<std::size_t>(length) : 1;
}

bool EndsWithSeparator(const std::string& text) {
    std::mblen(nullptr, 0);
    std::size_t last = text.size();
    for (std::size_t at = 0; at < text.size(); at += CharLengthAt(text, at)) last = at;
    return last < text.size() && last + 1 == text.size() && IsSeparator(text[last]);
}

std::string FolderOf(const std::string& path) {
    std::mblen(nullptr, 0);
    std::size_t end = 0;
    for (std::size_t at = 0; at < path.size(); at += CharLengthAt(path, at))
        if (IsSeparator(path[at])) end = at + 1;
    return path.substr(0, end);
}

std::string FileNameOf(const std::string& path) { return path.substr(FolderOf(path).size()); }

bool EqualIgnoringCase(const std::string& text, const char* word) {
    if (text.size() != std::strlen(word)) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(text[i]) != lower(word[i])) return false;
    }
    return true;
}

}  // namespace plivora
