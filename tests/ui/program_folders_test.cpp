#include "program_folders.h"

#include <gtest/gtest.h>

#include "win32_test_support.h"

namespace plivora {
namespace {

TEST(ProgramFoldersTest, ProgramFolderEndsInTheProgramsOwnBackslash) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_EQ(folder + "ui_tests.exe", ModulePath(nullptr));
}

// A working folder longer than any first guess at a buffer is read whole.
TEST(ProgramFoldersTest, LongCurrentDirectoryIsReadWhole) {
    fakes::TemporaryFolder root;
    std::string deep = root.Path();
    while (deep.size() < 1200) {
        deep += "\\a-rather-long-folder-name-to-make-the-path-grow";
        if (!::CreateDirectoryA(deep.c_str(), nullptr)) GTEST_SKIP() << "no paths this long here";
    }
    const std::string start = CurrentDirectory();
    if (!::SetCurrentDirectoryA(deep.c_str())) GTEST_SKIP() << "cannot enter a path this long here";
    const std::string read = CurrentDirectory();
    ::SetCurrentDirectoryA(start.c_str());
    EXPECT_EQ(read, deep);
    while (deep.size() > root.Path().size()) {
        ::RemoveDirectoryA(deep.c_str());
        deep.erase(deep.find_last_of('\\'));
    }
}

}  // namespace
}  // namespace plivora
