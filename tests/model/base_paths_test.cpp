#include "base_paths.h"

#include "ansi_text.h"

#include <gtest/gtest.h>

namespace plivora {
namespace {

// Where a picked file or a disc image lies: the file system finds the folder whatever the
// letter case or separator, and a sibling that merely starts with its name is outside.
TEST(InsideBaseTest, BelowTheFolderInAnyCaseAndNowhereElse) {
    const struct {
        const char* path;
        const char* base;
        bool inside;
    } cases[] = {
        {"C:\\CD_Temp\\docs\\index.html", "C:\\CD_Temp", true},
        {"C:\\setup.exe", "C:\\", true},
        {"C:\\CD_Temp\\x.htm", "C:\\CD_Temp\\", true},
        {"C:\\CD_Temp", "C:\\CD_Temp", true},
        {"c:\\mydisc\\index.htm", "C:\\MyDisc", true},
        {"c:\\WORK\\cd_temp\\sub\\x.iso", "C:\\Work\\CD_Temp", true},
        {"C:\\Work\\CD_Temp/x.iso", "c:/work/cd_temp", true},
        {"c:\\x.iso", "C:\\", true},
        {"C:\\CD2\\x.htm", "C:\\CD", false},
        {"C:\\cd2\\x.htm", "C:\\CD", false},
        {"C:\\Work\\CD_Temp.iso", "C:\\Work\\CD_Temp", false},
        {"C:\\x.htm", "C:\\CD_Temp", false},
        {"D:\\CD_Temp\\x.htm", "C:\\CD_Temp", false},
        {"X:\\old\\C:\\CD_Temp\\x.htm", "C:\\CD_Temp", false},
        {"C:\\Work", "C:\\Work\\CD_Temp", false},
        {"C:\\x.htm", "", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsInsideBase(c.path, c.base), c.inside) << c.path << " in " << c.base;
}

TEST(MakeBaseRelativeTest, CutsTheFolderAndLeadingSeparators) {
    EXPECT_EQ(MakeBaseRelative("C:\\CD_Temp\\docs\\index.html", "C:\\CD_Temp"), "docs\\index.html");
    EXPECT_EQ(MakeBaseRelative("C:\\setup.exe", "C:\\"), "setup.exe");
    EXPECT_EQ(MakeBaseRelative("C:\\CD_Temp\\/\\x", "C:\\CD_Temp"), "x");
    EXPECT_EQ(MakeBaseRelative("C:\\CD_Temp\\", "C:\\CD_Temp"), "");
    EXPECT_EQ(MakeBaseRelative("C:\\CD", "C:\\CD_Temp"), "");
    EXPECT_EQ(MakeBaseRelative("c:\\mydisc\\Docs\\Index.htm", "C:\\MyDisc"), "Docs\\Index.htm");
}

TEST(JoinTargetsTest, SingleAndSeveralFiles) {
    EXPECT_EQ(JoinTargets("C:\\CD_Temp\\docs\\a.htm", {"C:\\CD_Temp\\docs\\a.htm"}, "C:\\CD_Temp"),
              "docs\\a.htm");
    EXPECT_EQ(JoinTargets("C:\\CD_Temp", {"C:\\CD_Temp\\a.htm", "C:\\CD_Temp\\b.pdf"}, "C:\\CD_Temp"),
              "a.htm, b.pdf");
    EXPECT_EQ(JoinTargets("C:\\CD_Temp\\sub", {"C:\\CD_Temp\\sub\\b.pdf", "", "C:\\CD_Temp\\sub\\a.htm"},
                          "C:\\CD_Temp"),
              "sub\\b.pdf, sub\\a.htm");
}

TEST(JoinTargetsTest, TheDialogPathDecidesInsideForTheWholeChoice) {
    EXPECT_FALSE(JoinTargets("C:\\Other", {"C:\\Other\\a.htm", "C:\\Other\\b.htm"}, "C:\\CD_Temp"));
    EXPECT_FALSE(JoinTargets("C:\\CD2\\x.htm", {"C:\\CD2\\x.htm"}, "C:\\CD"));
    EXPECT_EQ(JoinTargets("C:\\CD_Temp\\a.htm", {}, "C:\\CD_Temp"), "");
}

TEST(IconExtensionTest, IcoAndExeInAnyCase) {
    for (const char* ext : {"ico", "exe", "ICO", "Exe", "iCo"}) EXPECT_TRUE(IsIconExtension(ext)) << ext;
    for (const char* ext : {"", "bmp", "ico ", "icon", "ex", ".ico"}) EXPECT_FALSE(IsIconExtension(ext)) << ext;
}

TEST(FileExtensionTest, TextAfterTheLastDotOfTheName) {
    EXPECT_EQ(FileExtension("C:\\CD\\logo.ICO"), "ICO");
    EXPECT_EQ(FileExtension("C:\\CD\\archive.tar.gz"), "gz");
    EXPECT_EQ(FileExtension("C:\\CD.d\\README"), "");
    EXPECT_EQ(FileExtension("C:\\CD\\trailing."), "");
    EXPECT_EQ(FileExtension("logo.exe"), "exe");
}

TEST(FolderOfTest, KeepsTheLastBackslash) {
    EXPECT_EQ(FolderOf("C:\\Tools\\x.exe"), "C:\\Tools\\");
    EXPECT_EQ(FolderOf("C:\\x.exe"), "C:\\");
    EXPECT_EQ(FolderOf("x.exe"), "");
    EXPECT_EQ(FolderOf("D:/cd/autorun.inf"), "D:/cd/");
    EXPECT_EQ(FileNameOf("C:\\Tools\\x.exe"), "x.exe");
}

}  // namespace
}  // namespace plivora

#ifdef _WIN32
#include <clocale>

#include "project_settings.h"

namespace plivora {
namespace {

// In Shift-JIS the second byte of U+8868 is 0x5C, the backslash's code.
class DoubleByteCodePageTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::setlocale(LC_CTYPE, nullptr);
        if (!std::setlocale(LC_CTYPE, ".932")) GTEST_SKIP() << "code page 932 is not available";
    }
    void TearDown() override { std::setlocale(LC_CTYPE, previous_.c_str()); }

    const std::string base_ = "C:\\\x95\x5C";
    std::string previous_;
};

TEST_F(DoubleByteCodePageTest, TrailByteIsNoSeparator) {
    EXPECT_FALSE(IsInsideBase(base_ + "x\\a.htm", base_));
    EXPECT_TRUE(IsInsideBase(base_ + "\\a.htm", base_));
    EXPECT_EQ(InfFilePath(base_), base_ + "\\autorun.inf");
    EXPECT_EQ(FileExtension("C:\\a.\x95\x5C" "exe"), "\x95\x5C" "exe");
    EXPECT_EQ(FolderOf(base_ + "\\\x95\x5C.exe"), base_ + "\\");
}

}  // namespace
}  // namespace plivora
#endif
