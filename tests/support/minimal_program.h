// The smallest whole Windows program for the launcher checks: headers and one section of
// sectionBytes bytes of fill, so that launchers can be told apart.
#pragma once

#include <cstdint>
#include <string>

namespace plivora::fakes {

inline std::string MinimalProgram(char fill, std::size_t sectionBytes = 512, bool pe32Plus = false) {
    std::string bytes = std::string(0x200, '\0') + std::string(sectionBytes, fill);
    const auto put = [&](std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
    };
    constexpr std::size_t pe = 0x40, section = pe + 24 + 0xF0;  // past either optional header
    bytes.replace(0, 2, "MZ");
    put(0x3C, pe, 4);
    bytes.replace(pe, 2, "PE");
    put(pe + 4, pe32Plus ? 0x8664 : 0x14C, 2);  // machine
    put(pe + 6, 1, 2);                          // one section
    put(pe + 20, section - pe - 24, 2);         // optional header's size
    put(pe + 24, pe32Plus ? 0x20B : 0x10B, 2);  // its magic
    put(section + 16, static_cast<std::uint32_t>(sectionBytes), 4);
    put(section + 20, 0x200, 4);  // where the section's bytes start
    return bytes;
}

}  // namespace plivora::fakes
