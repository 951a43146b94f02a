#include "project_settings.h"

#include <gtest/gtest.h>

namespace plivora {
namespace {

ProjectSettings WithTarget(const std::string& target) {
    ProjectSettings settings;
    settings.BaseFolder = "C:\\CD_Temp";
    settings.TargetFiles = target;
    return settings;
}

TEST(ProjectSettingsTest, DefaultsAreEmptyOffAndFiveSeconds) {
    const ProjectSettings settings;
    EXPECT_EQ(settings, ProjectSettings{});
    EXPECT_TRUE(settings.BaseFolder.empty() && settings.TargetFiles.empty() && settings.IconFile.empty());
    EXPECT_EQ(settings.Verbose + settings.NoRegistryLookup + settings.HideDialog + settings.TryForce +
                  settings.UseSecondary + settings.UseSplash,
              0);
    EXPECT_EQ(settings.SplashSeconds, "5");
}

TEST(ComposeEntriesTest, WorkedExample) {
    ProjectSettings settings = WithTarget("index.html");
    settings.UseSplash = 1;
    settings.SplashFile = "splash.bmp";
    settings.SplashSeconds = "3";
    settings.UseSecondary = 1;
    settings.SecondaryProgram = "setup.exe";
    settings.Verbose = 1;
    settings.TryForce = 1;
    settings.ForceProgram1 = "iexplore.exe -k";

    const std::string open = ComposeOpenEntry(settings, 1, 2);
    EXPECT_EQ(open,
              "open=Plivora.exe \"index.html\" /splash \"splash.bmp$3\" /secProg \"setup.exe$1$2\" "
              "/verbose /tryforce \"iexplore.exe -k\" ");
    EXPECT_EQ(LaunchArguments(open),
              "\"index.html\" /splash \"splash.bmp$3\" /secProg \"setup.exe$1$2\" /verbose "
              "/tryforce \"iexplore.exe -k\" ");
    EXPECT_EQ(ComposeIconEntry(settings), "icon=Plivora.exe");
}

TEST(ComposeEntriesTest, NoSwitchesAndSeveralTargets) {
    ProjectSettings single = WithTarget("docs\\index.html");
    EXPECT_EQ(ComposeOpenEntry(single, 0, 0), "open=Plivora.exe \"docs\\index.html\" ");
    ProjectSettings several = WithTarget("a.htm, b.pdf");
    EXPECT_EQ(ComposeOpenEntry(several, 0, 0), "open=Plivora.exe \"a.htm, b.pdf\" ");
    EXPECT_EQ(LaunchArguments(ComposeOpenEntry(several, 0, 0)), "\"a.htm, b.pdf\" ");
}

TEST(ComposeEntriesTest, AllSwitchesComeInFixedOrder) {
    ProjectSettings settings = WithTarget("t.htm");
    settings.TryForce = 1;
    settings.ForceProgram1 = "one.exe";
    settings.ForceProgram2 = "two.exe -x";
    settings.HideDialog = 1;
    settings.NoRegistryLookup = 1;
    settings.Verbose = 1;
    settings.UseSecondary = 1;
    settings.UseSplash = 1;
    EXPECT_EQ(ComposeOpenEntry(settings, 0, 3),
              "open=Plivora.exe \"t.htm\" /splash \"$5\" /secProg \"$0$3\" /verbose /noreg /hide "
              "/tryforce \"one.exe, two.exe -x\" ");
}

TEST(ComposeEntriesTest, TryForceUsesWhicheverProgramIsFilled) {
    ProjectSettings settings = WithTarget("t");
    settings.TryForce = 1;
    EXPECT_EQ(ComposeOpenEntry(settings, 0, 0), "open=Plivora.exe \"t\" ");
    settings.ForceProgram2 = "netscape.exe -sk";
    EXPECT_EQ(ComposeOpenEntry(settings, 0, 0), "open=Plivora.exe \"t\" /tryforce \"netscape.exe -sk\" ");
    settings.TryForce = 0;
    EXPECT_EQ(ComposeOpenEntry(settings, 0, 0), "open=Plivora.exe \"t\" ");
}

TEST(ComposeEntriesTest, DollarsAndQuotesPassThroughUnescaped) {
    ProjectSettings settings = WithTarget("a$b\".htm");
    settings.UseSplash = 1;
    settings.SplashFile = "s$1.bmp";
    settings.SplashSeconds = "07s";
    EXPECT_EQ(ComposeOpenEntry(settings, 0, 0), "open=Plivora.exe \"a$b\".htm\" /splash \"s$1.bmp$07s\" ");
}

TEST(ComposeEntriesTest, IconEntryNamesTheChosenIcon) {
    ProjectSettings settings = WithTarget("t");
    settings.IconFile = "art\\logo.ico";
    EXPECT_EQ(ComposeIconEntry(settings), "icon=art\\logo.ico");
}

TEST(SplashSecondsTest, NonPositiveReadingsBecomeFive) {
    for (const char* typed : {"", "0", "-3", "abc", "  ", "+", "-", "00", " -0x"}) {
        ProjectSettings settings;
        settings.SplashSeconds = typed;
        NormaliseSplashSeconds(settings);
        EXPECT_EQ(settings.SplashSeconds, "5") << "typed \"" << typed << "\"";
    }
}

TEST(SplashSecondsTest, PositiveReadingsKeepTheTypedText) {
    for (const char* typed : {"3", " 7", "007", "12abc", "+4", "\t9 sec", "99999999999999999999999999"}) {
        ProjectSettings settings;
        settings.SplashSeconds = typed;
        NormaliseSplashSeconds(settings);
        EXPECT_EQ(settings.SplashSeconds, typed);
    }
}

TEST(SplashSecondsTest, ReadingSaturatesInsteadOfOverflowing) {
    EXPECT_EQ(ReadLeadingInteger("  42xyz"), 42);
    EXPECT_EQ(ReadLeadingInteger("-17"), -17);
    EXPECT_EQ(ReadLeadingInteger("x42"), 0);
    EXPECT_GT(ReadLeadingInteger("9223372036854775808000"), 0);
    EXPECT_LT(ReadLeadingInteger("-9223372036854775808000"), 0);
}

TEST(SplashSecondsTest, ComposingWithSplashStoresTheReplacement) {
    ProjectSettings settings = WithTarget("t");
    settings.SplashSeconds = "0";
    ComposeOpenEntry(settings, 0, 0);
    EXPECT_EQ(settings.SplashSeconds, "0") << "splash off: the duration is left alone";
    settings.UseSplash = 1;
    EXPECT_EQ(ComposeOpenEntry(settings, 0, 0), "open=Plivora.exe \"t\" /splash \"$5\" ");
    EXPECT_EQ(settings.SplashSeconds, "5");
}

TEST(InfFileTest, PathGetsOneSeparator) {
    EXPECT_EQ(InfFilePath("C:\\CD_Temp"), "C:\\CD_Temp\\autorun.inf");
    EXPECT_EQ(InfFilePath("C:\\"), "C:\\autorun.inf");
    EXPECT_EQ(InfFilePath("D:/cd/"), "D:/cd/autorun.inf");
    EXPECT_EQ(BaseFolderWithSeparator("C:\\CD_Temp"), "C:\\CD_Temp\\");
    EXPECT_EQ(BaseFolderWithSeparator("C:\\"), "C:\\");
}

TEST(InfFileTest, TextIsThreeLines) {
    ProjectSettings settings = WithTarget("index.html");
    const std::string text = InfFileText(ComposeOpenEntry(settings, 0, 0), ComposeIconEntry(settings));
    EXPECT_EQ(text, "[autorun]\nopen=Plivora.exe \"index.html\" \nicon=Plivora.exe\n");
}

TEST(LaunchArgumentsTest, ShortEntriesGiveNoArguments) {
    EXPECT_EQ(LaunchArguments(""), "");
    EXPECT_EQ(LaunchArguments("open=Plivora.exe "), "");
}

}  // namespace
}  // namespace plivora
