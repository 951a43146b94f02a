// Walking ANSI byte strings one character at a time, so that the trail byte of a
// double-byte character (which may be 0x5C, a backslash) is never read as a separator.
// The character boundaries follow the C library's current LC_CTYPE locale.
#pragma once

#include <string>

namespace plivora {

inline bool IsSeparator(char c) { return c == '\\' || c == '/'; }
// Wide text has no double-byte characters: every unit may be tested alone.
inline bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

// Length in bytes of the character that starts at text[at]; at least 1.
std::size_t CharLengthAt(const std::string& text, std::size_t at);

// True when the last character of text is a backslash or a slash.
bool EndsWithSeparator(const std::string& text);

// Everything up to and including the last backslash or slash; empty when there is none.
std::string FolderOf(const std::string& path);

// Everything after the last backslash or slash.
std::string FileNameOf(const std::string& path);

// True when text is the plain ASCII word, whatever the case of its letters. No byte of
// a double-byte character can match a word of plain ASCII, as lead bytes are not ASCII.
bool EqualIgnoringCase(const std::string& text, const char* word);

}  // namespace plivora
