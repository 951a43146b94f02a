// Between the programs' ANSI text and the wide text of the calls that reach every name.
#pragma once

#include <string>

namespace plivora {

// In the system's ANSI code page.
std::wstring WideFromAnsi(const std::string& text);

// Characters the ANSI code page lacks become '?', never a look-alike letter: a path so
// converted names no other file, and '?' names none at all.
std::string AnsiFromWide(const std::wstring& text);

}  // namespace plivora
