// Between the programs' ANSI text and the wide text of the calls that reach every name.
#pragma once

#include <string>

namespace plivora {

// Windows' wide characters are UTF-16 code units, as char16_t are: the programs keep wide
// text in std::u16string (whose code is compiled in only as far as it is used) and hand
// it to the wide calls as they spell it.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide characters are UTF-16 code units");
inline const wchar_t* WideChars(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline wchar_t* WideChars(std::u16string& text) { return reinterpret_cast<wchar_t*>(text.data()); }

// In the system's ANSI code page.
std::u16string WideFromAnsi(const std::string& text);

// Characters the ANSI code page lacks become '?', never a look-alike letter: a path so
// converted names no other file, and '?' names none at all.
std::string AnsiFromWide(const std::u16string& text);

}  // namespace plivora
