#include "launcher_command_line.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "autorun_file.h"
#include "project_settings.h"

namespace plivora {
namespace {

struct Choice {
    ProjectSettings Settings;
    int Order = 0;
    int Prompt = 0;
};

// What the launcher should read back for settings that ComposeOpenEntry has just used
// (so the splash duration is already normalised).
LauncherCommandLine Expected(const Choice& choice) {
    const ProjectSettings& s = choice.Settings;
    LauncherCommandLine c;
    c.TargetFiles = s.TargetFiles;
    if (s.UseSplash) {
        c.UseSplash = true;
        c.SplashFile = s.SplashFile;
        c.SplashSeconds = s.SplashSeconds;
    }
    if (s.UseSecondary) {
        c.UseSecondary = true;
        c.SecondaryProgram = s.SecondaryProgram;
        c.SecondaryOrder = choice.Order;
        c.SecondaryPrompt = choice.Prompt;
    }
    c.Verbose = s.Verbose;
    c.NoRegistryLookup = s.NoRegistryLookup;
    c.HideDialog = s.HideDialog;
    if (s.TryForce) {
        for (const std::string* program : {&s.ForceProgram1, &s.ForceProgram2})
            if (!program->empty()) c.ForcePrograms.push_back(*program);
        c.TryForce = !c.ForcePrograms.empty();
    }
    return c;
}

std::string Arguments(Choice& choice) {
    return LaunchArguments(ComposeOpenEntry(choice.Settings, choice.Order, choice.Prompt));
}

// Composed, parsed, composed again: the same values and the very same line.
void ExpectRoundTrip(Choice choice) {
    const std::string arguments = Arguments(choice);
    SCOPED_TRACE(arguments);
    const ParsedLaunchArguments parsed = ParseLaunchArguments(arguments);
    EXPECT_TRUE(parsed.Problems.empty()) << parsed.Problems.front().Detail;
    EXPECT_EQ(parsed.Command, Expected(choice));
    EXPECT_EQ(ComposeLaunchArguments(parsed.Command), arguments);
    // autorun.inf readers drop the trailing blank.
    EXPECT_EQ(ParseLaunchArguments(arguments.substr(0, arguments.size() - 1)).Command, parsed.Command);

    // Through the disc's own file, with either line end: read back into the form, written
    // again, byte for byte; and every field the line holds comes back.
    const std::string file =
        InfFileText(std::string("open=") + LauncherName + " " + arguments, ComposeIconEntry(choice.Settings));
    std::string crlf;
    for (char c : file) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text : {file, crlf}) {
        const std::optional<DiscSettings> disc = ReadAutorunFile(text);
        ASSERT_TRUE(disc.has_value());
        Choice again{disc->Settings, disc->SecondaryOrder, disc->SecondaryPrompt};
        EXPECT_EQ(InfFileText(ComposeOpenEntry(again.Settings, again.Order, again.Prompt),
                              ComposeIconEntry(again.Settings)),
                  file);
        const ProjectSettings& s = choice.Settings;
        const ProjectSettings& back = disc->Settings;
        EXPECT_EQ(back.TargetFiles, s.TargetFiles);
        EXPECT_EQ(back.IconFile, s.IconFile);
        EXPECT_EQ(std::tie(back.Verbose, back.NoRegistryLookup, back.HideDialog, back.UseSplash, back.UseSecondary),
                  std::tie(s.Verbose, s.NoRegistryLookup, s.HideDialog, s.UseSplash, s.UseSecondary));
        if (s.UseSplash) {
            EXPECT_EQ(std::tie(back.SplashFile, back.SplashSeconds), std::tie(s.SplashFile, s.SplashSeconds));
        }
        if (s.UseSecondary) {
            EXPECT_EQ(back.SecondaryProgram, s.SecondaryProgram);
            EXPECT_EQ(std::tie(again.Order, again.Prompt), std::tie(choice.Order, choice.Prompt));
        }
        // Program 2 alone reads back as Program 1; both empty write nothing to read.
        if (s.TryForce && !s.ForceProgram1.empty()) {
            EXPECT_EQ(std::tie(back.ForceProgram1, back.ForceProgram2), std::tie(s.ForceProgram1, s.ForceProgram2));
        }
    }
}

Choice Target(const std::string& targets) {
    Choice choice;
    choice.Settings.BaseFolder = "C:\\CD_Temp";
    choice.Settings.TargetFiles = targets;
    return choice;
}

TEST(LauncherCommandLineTest, RoundTripsEverySettingIncludingAwkwardNames) {
    struct Case {
        const char* Name;
        void (*Set)(Choice&);
        // A hand-written line that must read as the same choice.
        const char* HandWritten = nullptr;
    };
    const Case cases[] = {
        {"plain target", [](Choice&) {}},
        {"a word ends at a quote",
         [](Choice& c) {
             c.Settings.UseSplash = 1;
             c.Settings.SplashFile = "s.bmp";
             c.Settings.SplashSeconds = "2";
         },
         "\"index.html\" /splash\"s.bmp$2\""},
        {"splash duration with a trailing dollar",
         [](Choice& c) {
             c.Settings.UseSplash = 1;
             c.Settings.SplashFile = "s.bmp";
             c.Settings.SplashSeconds = "3$";
         }},
        {"several targets",
         [](Choice& c) { c.Settings.TargetFiles = "docs\\index.html, read me.pdf, a,b.txt"; }},
        {"dollars and blanks in the target",
         [](Choice& c) { c.Settings.TargetFiles = " $HOME$ \\my files\\price $5, now.htm "; }},
        {"switch words inside names", [](Choice& c) { c.Settings.TargetFiles = "x /hide y /splash z.htm"; }},
        {"splash",
         [](Choice& c) {
             c.Settings.UseSplash = 1;
             c.Settings.SplashFile = "art\\logo.bmp";
             c.Settings.SplashSeconds = "3";
         }},
        {"splash with dollars in the image name",
         [](Choice& c) {
             c.Settings.UseSplash = 1;
             c.Settings.SplashFile = "a$1$b, c.bmp$";
             c.Settings.SplashSeconds = "12";
         }},
        {"splash duration typed oddly",
         [](Choice& c) {
             c.Settings.UseSplash = 1;
             c.Settings.SplashFile = "s.avi";
             c.Settings.SplashSeconds = "  007 secs, ok";
         }},
        {"splash duration normalised",
         [](Choice& c) {
             c.Settings.UseSplash = 1;
             c.Settings.SplashSeconds = "-2";
         }},
        {"splash without an image",
         [](Choice& c) {
             c.Settings.UseSplash = 1;
             c.Settings.SplashSeconds = "";
         }},
        {"secondary, every order and prompt",
         [](Choice& c) {
             c.Settings.UseSecondary = 1;
             c.Settings.SecondaryProgram = "setup\\Acro Setup.exe";
             c.Order = 1;
             c.Prompt = 3;
         }},
        {"secondary with dollars and digits",
         [](Choice& c) {
             c.Settings.UseSecondary = 1;
             c.Settings.SecondaryProgram = "$1$2$";
             c.Order = 0;
             c.Prompt = 2;
         }},
        {"secondary without a program", [](Choice& c) { c.Settings.UseSecondary = 1; }},
        {"flags",
         [](Choice& c) { c.Settings.Verbose = c.Settings.NoRegistryLookup = c.Settings.HideDialog = 1; }},
        {"tryforce pair",
         [](Choice& c) {
             c.Settings.TryForce = 1;
             c.Settings.ForceProgram1 = "iexplore.exe -k";
             c.Settings.ForceProgram2 = "netscape.exe -sk, x";
         }},
        {"tryforce with only program 2",
         [](Choice& c) {
             c.Settings.TryForce = 1;
             c.Settings.ForceProgram2 = "C:\\Program Files\\v.exe -a,b";
         }},
        {"tryforce names ending in commas",
         [](Choice& c) {
             c.Settings.TryForce = 1;
             c.Settings.ForceProgram1 = "a,";
             c.Settings.ForceProgram2 = ", b";
         }},
        {"tryforce without programs", [](Choice& c) { c.Settings.TryForce = 1; }},
        {"switches off keep their values out",
         [](Choice& c) {
             c.Settings.SplashFile = "s.bmp";
             c.Settings.SecondaryProgram = "p.exe";
             c.Settings.ForceProgram1 = "x";
         }},
        {"everything",
         [](Choice& c) {
             ProjectSettings& s = c.Settings;
             s.UseSplash = s.UseSecondary = s.Verbose = s.NoRegistryLookup = s.HideDialog = s.TryForce = 1;
             s.SplashFile = "$.bmp";
             s.SplashSeconds = "1";
             s.SecondaryProgram = "a b$c.exe";
             s.ForceProgram1 = "p1 $x";
             s.ForceProgram2 = "p2";
             s.IconFile = "art\\logo.ico";
             c.Order = 1;
             c.Prompt = 1;
         }},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        Choice choice = Target("index.html");
        testCase.Set(choice);
        ExpectRoundTrip(choice);
        if (testCase.HandWritten) {
            EXPECT_EQ(ParseLaunchArguments(testCase.HandWritten).Command, Expected(choice));
        }
    }
    for (int order = 0; order < 2; ++order) {
        for (int prompt = 0; prompt < 4; ++prompt) {
            Choice choice = Target("a.pdf");
            choice.Settings.UseSecondary = 1;
            choice.Settings.SecondaryProgram = "setup.exe";
            choice.Order = order;
            choice.Prompt = prompt;
            ExpectRoundTrip(choice);
        }
    }
}

// Random settings over the values that can round-trip: no double quotes anywhere, no
// ", " in a tryforce program that stands first, no "$" in the splash duration.
TEST(LauncherCommandLineTest, RoundTripsAGeneratedSweep) {
    std::mt19937 random(20240607);
    const char* const pieces[] = {"a", "Z", "0", "7",  " ",     ",",       ", ",   "$",        "$3", "\\",
                                  "/", ".", "-", "\t", "/hide", "/splash", "\xE9", "\x81\x5C", "'",  "%1"};
    auto text = [&](int maxPieces) {
        std::string result;
        for (int n = std::uniform_int_distribution<int>(0, maxPieces)(random); n > 0; --n)
            result += pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(random)];
        return result;
    };
    auto withoutListSeparator = [](std::string value) {
        for (std::size_t at; (at = value.find(", ")) != std::string::npos;) value[at + 1] = '_';
        return value;
    };
    auto flag = [&] { return static_cast<int>(random() & 1); };
    for (int round = 0; round < 20000; ++round) {
        Choice choice = Target(text(8));
        ProjectSettings& s = choice.Settings;
        s.UseSplash = flag();
        s.SplashFile = text(5);
        s.SplashSeconds = text(3);
        for (std::size_t at; (at = s.SplashSeconds.find('$')) != std::string::npos;)
            s.SplashSeconds.erase(at, 1);
        s.UseSecondary = flag();
        s.SecondaryProgram = text(5);
        choice.Order = static_cast<int>(random() % 2);
        choice.Prompt = static_cast<int>(random() % 4);
        s.Verbose = flag();
        s.NoRegistryLookup = flag();
        s.HideDialog = flag();
        s.TryForce = flag();
        s.ForceProgram1 = withoutListSeparator(text(4));
        s.ForceProgram2 = text(4);
        if (s.ForceProgram1.empty()) s.ForceProgram2 = withoutListSeparator(s.ForceProgram2);
        if (SplitTargetList(s.TargetFiles).empty()) s.TargetFiles += "t";
        ExpectRoundTrip(choice);
        if (HasFailure()) return;
    }
}

TEST(LauncherCommandLineTest, SplitsTargetsOnCommaBlankOnly) {
    EXPECT_EQ(SplitTargetList("a.htm, b c.pdf"), (std::vector<std::string>{"a.htm", "b c.pdf"}));
    EXPECT_EQ(SplitTargetList("a,b.txt"), (std::vector<std::string>{"a,b.txt"}));
    EXPECT_EQ(SplitTargetList(", a, , b, "), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(SplitTargetList("").empty());
}

TEST(LauncherCommandLineTest, ReadsHandWrittenLinesLeniently) {
    ParsedLaunchArguments parsed = ParseLaunchArguments("  \"a.htm\"\t/hide   /splash \"s.bmp$2\"/verbose");
    EXPECT_TRUE(parsed.Problems.empty());
    EXPECT_EQ(parsed.Command.TargetFiles, "a.htm");
    EXPECT_TRUE(parsed.Command.HideDialog && parsed.Command.Verbose && parsed.Command.UseSplash);
    EXPECT_EQ(parsed.Command.SplashFile, "s.bmp");
    EXPECT_EQ(parsed.Command.SplashSeconds, "2");

    parsed = ParseLaunchArguments("index.html /noreg");
    EXPECT_TRUE(parsed.Problems.empty());
    EXPECT_EQ(parsed.Command.TargetFiles, "index.html");
    EXPECT_TRUE(parsed.Command.NoRegistryLookup);

    // A duration that is not positive falls back to 5 seconds, as the form does.
    parsed = ParseLaunchArguments("\"a\" /splash \"s$x.bmp$0\"");
    EXPECT_TRUE(parsed.Problems.empty());
    EXPECT_EQ(parsed.Command.SplashFile, "s$x.bmp");
    EXPECT_EQ(parsed.Command.SplashSeconds, "5");
}

TEST(LauncherCommandLineTest, ReportsWhatItCannotReadAndKeepsTheRest) {
    struct Case {
        const char* Arguments;
        const char* Piece;
        bool Ignored;
        const char* DetailPart;
    };
    const Case cases[] = {
        {"\"a\" /fast /hide", "/fast", true, "Unknown switch \"/fast\""},
        {"\"a\" /speed \"9\" /hide", "/speed \"9\"", true, "Unknown switch \"/speed\""},
        {"\"a\" /secprog \"p$0$0\" /hide", "/secprog \"p$0$0\"", true, "did you mean /secProg?"},
        {"\"a\" /hide /hide", "/hide", true, "more than once"},
        {"\"a\" /splash /hide", "/splash", true, "/splash needs a value"},
        {"\"a\" /secProg setup.exe$1$3 /hide", "/secProg setup.exe$1$3", true,
         "must be in double quotes, as in /secProg \"setup.exe$1$3\"."},
        {"\"a\" /hide /tryforce \"x", "/tryforce \"x", false, "no closing quote"},
        {"\"a\" /hide /secProg \"p$2$0\"", "/secProg \"p$2$0\"", true, "order outside 0 to 1"},
        {"\"a\" /hide /secProg \"p$0$4\"", "/secProg \"p$0$4\"", true, "prompt outside 0 to 3"},
        {"\"a\" /hide /secProg \"p$x$0\"", "/secProg \"p$x$0\"", true, "program$order$prompt"},
        {"\"a\" /hide /secProg \"p$0\"", "/secProg \"p$0\"", true, "program$order$prompt"},
        {"\"a\" /hide /splash \"s.bmp\"", "/splash \"s.bmp\"", false, "no \"$\""},
        {"\"a\" /hide /tryforce \"\"", "/tryforce \"\"", true, "names no program"},
        {"\"a\" /hide \"b\"", "\"b\"", true, "does not belong to any switch"},
        {"\"a\" /verbose  \"b\" /hide", "\"b\"", true, "does not belong to any switch"},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.Arguments);
        const ParsedLaunchArguments parsed = ParseLaunchArguments(testCase.Arguments);
        ASSERT_EQ(parsed.Problems.size(), 1u);
        EXPECT_EQ(parsed.Problems[0].Piece, testCase.Piece);
        EXPECT_EQ(parsed.Problems[0].Ignored, testCase.Ignored);
        EXPECT_NE(parsed.Problems[0].Detail.find(testCase.DetailPart), std::string::npos)
            << parsed.Problems[0].Detail;
        EXPECT_TRUE(parsed.Command.HideDialog) << "the readable switches still count";
        EXPECT_FALSE(parsed.Command.UseSecondary) << "a doubtful secondary program is never run";
    }
    const ParsedLaunchArguments unterminated = ParseLaunchArguments("\"a.htm /hide");
    EXPECT_EQ(unterminated.Command.TargetFiles, "a.htm /hide");
    EXPECT_FALSE(unterminated.Command.HideDialog);
    ASSERT_EQ(unterminated.Problems.size(), 1u);
    EXPECT_EQ(unterminated.Problems[0].Piece, "\"a.htm /hide");
    EXPECT_FALSE(unterminated.Problems[0].Ignored);
    EXPECT_NE(unterminated.Problems[0].Detail.find("no closing quote"), std::string::npos);
    // Naming nothing is no mistake of writing: the launcher tells the user itself.
    for (const char* nothing : {"", "  ", "\"\" /hide", "/hide"}) {
        SCOPED_TRACE(nothing);
        const ParsedLaunchArguments parsed = ParseLaunchArguments(nothing);
        EXPECT_TRUE(parsed.Problems.empty());
        EXPECT_EQ(parsed.Command.TargetFiles, "");
    }
}

}  // namespace
}  // namespace plivora
