// Where Windows calls into the programs: nothing may unwind into the system.
#pragma once

#include <clocale>
#include <cstdlib>

namespace plivora {

// Runs a window procedure's handler: an exception stops here and the fallback answers.
template <class Result, class Handler>
Result WithinBorder(Result fallback, Handler&& handler) noexcept {
    try {
        return handler();
    } catch (...) {
        return fallback;
    }
}

// A program's WinMain. Character boundaries in paths follow the system's ANSI code page,
// and what no window procedure stopped ends the program as a failure.
template <class Main>
int RunProgram(Main&& main) noexcept {
    std::setlocale(LC_CTYPE, "");
    return WithinBorder(EXIT_FAILURE, main);
}

}  // namespace plivora
