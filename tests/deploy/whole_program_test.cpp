// What counts as a whole launcher, from programs built here and, on Windows, the real one.
#include "whole_program.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
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
    std::string misplaced = program;
    misplaced[0x3C] = 0x48;  // the PE signature is not where the header says
    struct Case {
        const char* file;
        std::string bytes;
        bool whole;
    };
    std::vector<Case> cases = {
        {"PE32", program, true},
        {"PE32+", program64, true},
        {"empty", "", false},
        {"cut by one byte", program.substr(0, program.size() - 1), false},
        {"PE32+ cut in its section", program64.substr(0, 0x300), false},
        {"cut in its section table", program.substr(0, 0x150), false},
        {"signature misplaced", misplaced, false},
        {"no program at all", "pristine launcher " + std::string(4096, 'p'), false},
    };
#ifdef _WIN32
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string launcher(module);
    std::ifstream file(launcher.substr(0, launcher.find_last_of('\\') + 1) + "Plivora.exe", std::ios::binary);
    cases.push_back({"the real launcher", {std::istreambuf_iterator<char>(file), {}}, true});
    ASSERT_GT(cases.back().bytes.size(), 4096u);
#endif
    for (const Case& c : cases) EXPECT_EQ(IsWholeProgram(c.bytes), c.whole) << c.file;
}

}  // namespace
}  // namespace plivora
