// What counts as a whole launcher, from programs built here and, on Windows, the real one.
#include "whole_program.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <tuple>
#include <vector>

#include "minimal_program.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace plivora {
namespace {

TEST(WholeProgramTest, OnlyAProgramWithEveryHeaderAndSectionCounts) {
    const std::string program = fakes::MinimalProgram('x', 1024);
    const std::string program64 = fakes::MinimalProgram('x', 1024, true);
    // A section with no bytes in the file, such as uninitialised data, may end it with its header.
    const std::string noSectionBytes = fakes::MinimalProgram('x', 0).substr(0, 0x170);
    const auto optionalHeaderOf = [&](char size) { return std::string(program).replace(0x54, 1, 1, size); };
    std::vector<std::tuple<const char*, std::string, bool>> cases = {
        {"PE32", program, true},
        {"PE32+", program64, true},
        {"empty", "", false},
        {"cut by one byte", program.substr(0, program.size() - 1), false},
        {"PE32+ cut in its section", program64.substr(0, 0x300), false},
        {"cut in its section table", program.substr(0, 0x150), false},
        {"no program at all", "pristine launcher " + std::string(4096, 'p'), false},
        {"its section header ending the file", noSectionBytes, true},
        {"cut in its last section header", noSectionBytes.substr(0, 0x16F), false},
        {"an optional header of its magic alone", optionalHeaderOf(2), true},
        {"an optional header too short for its magic", optionalHeaderOf(1), false},
    };
#ifdef _WIN32
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::ifstream real(std::string(self, std::strrchr(self, '\\') + 1) + "Plivora.exe", std::ios::binary);
    cases.emplace_back("the real launcher", std::string{std::istreambuf_iterator<char>(real), {}}, true);
#endif
    for (const auto& [file, bytes, whole] : cases) EXPECT_EQ(IsWholeProgram(bytes), whole) << file;
}

}  // namespace
}  // namespace plivora
