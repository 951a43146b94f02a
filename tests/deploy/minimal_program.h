// The smallest file the launcher checks take for a whole Windows program: DOS and PE
// headers and one section of sectionBytes bytes of fill, for tests that need a launcher
// to copy and tell apart.
#pragma once

#include <cstdint>
#include <string>

namespace plivora::fakes {

inline std::string MinimalProgram(char fill, std::size_t sectionBytes = 512, bool pe32Plus = false) {
    const auto put = [](std::string& bytes, std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
    };
    constexpr std::size_t pe = 0x40, headersBytes = 0x200;
    const std::size_t optionalBytes = pe32Plus ? 0xF0 : 0xE0;
    const std::size_t section = pe + 24 + optionalBytes;
    std::string bytes(headersBytes, '\0');
    bytes.append(sectionBytes, fill);
    bytes[0] = 'M';
    bytes[1] = 'Z';
    put(bytes, 0x3C, pe, 4);
    bytes.replace(pe, 4, std::string("PE\0\0", 4));
    put(bytes, pe + 4, pe32Plus ? 0x8664 : 0x14C, 2);  // machine
    put(bytes, pe + 6, 1, 2);                          // one section
    put(bytes, pe + 20, static_cast<std::uint32_t>(optionalBytes), 2);
    put(bytes, pe + 24, pe32Plus ? 0x20B : 0x10B, 2);  // optional header magic
    bytes.replace(section, 5, ".text");
    put(bytes, section + 16, static_cast<std::uint32_t>(sectionBytes), 4);  // raw size
    put(bytes, section + 20, headersBytes, 4);                              // raw start
    return bytes;
}

}  // namespace plivora::fakes
