#include "launch_rules.h"

#include <gtest/gtest.h>

#include "launch_messages.h"

#include <set>

namespace plivora::launcher {
namespace {

ExistsFunction Existing(std::set<std::string> names) {
    return [names = std::move(names)](const std::string& name) { return names.count(name) > 0; };
}

TEST(LaunchRulesTest, TargetNamesWithCommaBlankAreJoinedBackWhenTheyExist) {
    const ExistsFunction exists = Existing({"Report, 2004.pdf", "a, b, c.txt", "x.htm"});
    EXPECT_EQ(ResolveTargets("x.htm, Report, 2004.pdf", exists),
              (std::vector<std::string>{"x.htm", "Report, 2004.pdf"}));
    EXPECT_EQ(ResolveTargets("a, b, c.txt, x.htm", exists),
              (std::vector<std::string>{"a, b, c.txt", "x.htm"}));
    // Nothing joined exists: the plain pieces, missing ones included, so they get reported.
    EXPECT_EQ(ResolveTargets("one, two", exists), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(ResolveTargets(", x.htm, ", exists), (std::vector<std::string>{"x.htm"}));
    EXPECT_TRUE(ResolveTargets("", exists).empty());
}

TEST(LaunchRulesTest, DiscNamesAreTakenFromTheRootUnlessAbsolute) {
    EXPECT_EQ(OnDisc("D:\\", "docs\\a.htm"), "D:\\docs\\a.htm");
    EXPECT_EQ(OnDisc("D:\\", "C:\\x.htm"), "C:\\x.htm");
    EXPECT_EQ(OnDisc("D:\\", "\\\\server\\x.htm"), "\\\\server\\x.htm");
}

TEST(LaunchRulesTest, OpenCommandsGetTheDocumentWhereTheyAskForIt) {
    const std::string doc = "D:\\my docs\\a.pdf";
    struct Case {
        const char* Command;
        const char* Expected;
    };
    const Case cases[] = {
        {"\"C:\\v.exe\" \"%1\"", "\"C:\\v.exe\" \"D:\\my docs\\a.pdf\""},
        {"v.exe %L /p %*", "v.exe D:\\my docs\\a.pdf /p "},
        {"v.exe -n %2 \"%V\"", "v.exe -n  \"D:\\my docs\\a.pdf\""},
        {"v.exe 100%% %1", "v.exe 100% D:\\my docs\\a.pdf"},
        {"v.exe", "v.exe \"D:\\my docs\\a.pdf\""},
        {"v.exe %x %", "v.exe %x % \"D:\\my docs\\a.pdf\""},
    };
    for (const Case& testCase : cases) EXPECT_EQ(ExpandOpenCommand(testCase.Command, doc), testCase.Expected);
}

TEST(LaunchRulesTest, TypedProgramTextsSplitIntoProgramAndArguments) {
    const ExistsFunction exists = Existing({"C:\\Program Files\\v.exe", "tools\\my viewer.exe"});
    struct Case {
        const char* Text;
        const char* Program;
        const char* Arguments;
    };
    const Case cases[] = {
        {"iexplore.exe -k", "iexplore.exe", "-k"},
        {"netscape.exe", "netscape.exe", ""},
        {"  \"C:\\Program Files\\w.exe\"  -a b", "C:\\Program Files\\w.exe", "-a b"},
        {"\"unclosed name", "unclosed name", ""},
        {"C:\\Program Files\\v.exe -x -y", "C:\\Program Files\\v.exe", "-x -y"},
        {"C:\\Program Files\\v.exe", "C:\\Program Files\\v.exe", ""},
        {"tools\\my viewer -k", "tools\\my viewer", "-k"},
        {"C:\\Program Files\\gone.exe -x", "C:\\Program", "Files\\gone.exe -x"},
        {"   ", "", ""},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.Text);
        const ProgramText split = SplitProgramText(testCase.Text, exists);
        EXPECT_EQ(split.Program, testCase.Program);
        EXPECT_EQ(split.Arguments, testCase.Arguments);
    }
}

TEST(LaunchRulesTest, WindowsErrorTextsGetTheirInsertsFilled) {
    struct Case {
        const char* Text;
        const char* Subject;
        const char* Expected;
    };
    const Case cases[] = {
        {"Bad EXE format for %1.", "\"movie.xyz\"", "Bad EXE format for \"movie.xyz\"."},
        {"%1 is not a valid Win32 application.", "the registered program",
         "The registered program is not a valid Win32 application."},
        {"%1!s! needs %12 to run.", "\"a.exe\"", "\"a.exe\" needs \"a.exe\" to run."},
        {"Full to 100% or at %0 and %", "x", "Full to 100% or at %0 and %"},
        {"The system cannot find the file specified.", "x", "The system cannot find the file specified."},
    };
    for (const Case& testCase : cases) EXPECT_EQ(FillInserts(testCase.Text, testCase.Subject), testCase.Expected);
}

TEST(LaunchRulesTest, SplashDurationReadsLikeTheFormAndStaysBounded) {
    EXPECT_EQ(SplashMilliseconds("3"), 3000u);
    EXPECT_EQ(SplashMilliseconds(" 07 secs"), 7000u);
    EXPECT_EQ(SplashMilliseconds("0"), 5000u);
    EXPECT_EQ(SplashMilliseconds("-4"), 5000u);
    EXPECT_EQ(SplashMilliseconds("soon"), 5000u);
    EXPECT_EQ(SplashMilliseconds("99999999999999999999"), 600000u);
}

}  // namespace
}  // namespace plivora::launcher
