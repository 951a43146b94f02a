// The real Plivora.exe under Wine, started from a scratch disc as autorun starts it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "launcher_command_line.h"
#include "launcher_harness.h"
#include "launcher_resources.h"
#include "project_settings.h"
#include "registry_cleaner.h"
#include "unique_handle.h"

namespace plivora::launcher_tests {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

std::string Lower(std::string text) {
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// The launcher's window once it shows its messages with its Close button, or null.
HWND WaitForMessages(const LauncherRun& run) {
    HWND window = run.WaitForWindow(LAUNCHER_TITLE);
    if (!window || !WaitFor([&] { return IsWindowVisible(GetDlgItem(window, IDCANCEL)) != FALSE; }))
        return nullptr;
    return window;
}

const char* const FailedHeading = "Plivora could not do everything this disc asks for:";
const char* const CopyHint = ". Check that it was copied to the CD-ROM Base Folder before the disc was made.";

std::vector<std::string> Programs(const std::vector<Record>& records) {
    std::vector<std::string> names;
    for (const Record& record : records) names.push_back(record.Program + ":" + record.Phase);
    return names;
}

class LauncherTest : public ::testing::Test {
protected:
    LauncherTest() : type_(disc_) { disc_.AddProgram("viewer"); }

    // The path the launcher hands to programs, quoted, as a recorded argument ends.
    std::string Quoted(const std::string& name) const { return "\"" + (disc_ / name) + "\""; }

    Disc disc_;
    TestFileType type_;
};

TEST_F(LauncherTest, OpensEachTargetFromTheDiscRootWithItsAssociatedProgram) {
    disc_.AddFile("doc one.plvtest");
    disc_.AddFile("sub\\Report, 2004.plvtest");
    LauncherRun run(disc_, "\"doc one.plvtest, sub\\Report, 2004.plvtest\" /hide ");
    EXPECT_EQ(run.ExitCode(), 0);
    ASSERT_TRUE(WaitFor([&] { return disc_.Started().size() == 2; }));
    // The two viewers run side by side: the order of their records means nothing.
    std::multiset<std::string> opened;
    for (const Record& record : disc_.Started()) {
        EXPECT_EQ(record.Program, "viewer");
        EXPECT_EQ(Lower(record.Folder), Lower(disc_.Root()));
        opened.insert(Lower(record.Arguments));
    }
    EXPECT_EQ(opened, (std::multiset<std::string>{Lower(Quoted("doc one.plvtest")),
                                                  Lower(Quoted("sub\\Report, 2004.plvtest"))}));
}

TEST_F(LauncherTest, SmallWindowSaysWhatIsOpenedWithTheTypesDescription) {
    disc_.AddFile("doc.plvtest");
    LauncherRun run(disc_, "\"doc.plvtest\" ");
    HWND window = run.WaitForWindow(LAUNCHER_TITLE);
    ASSERT_TRUE(window);
    EXPECT_EQ(Unusable(window), "");
    EXPECT_EQ(ItemText(window, IDC_STATUS_TEXT),
              std::string("Opening ") + TestTypeDescription + " \"doc.plvtest\"...");
    EXPECT_EQ(run.ExitCode(), 0) << "closes by itself once the program is up";
    EXPECT_EQ(Programs(disc_.Started()), (std::vector<std::string>{"viewer:start"}));
}

TEST_F(LauncherTest, NoRegLeavesTheLookUpToWindows) {
    disc_.AddFile("doc.plvtest");
    LauncherRun run(disc_, "\"doc.plvtest\" /noreg ");
    HWND window = run.WaitForWindow(LAUNCHER_TITLE);
    ASSERT_TRUE(window);
    EXPECT_EQ(ItemText(window, IDC_STATUS_TEXT), "Opening \"doc.plvtest\"...");
    EXPECT_EQ(run.ExitCode(), 0);
    ASSERT_TRUE(WaitFor([&] { return disc_.Started().size() == 1; }));
    EXPECT_EQ(Lower(disc_.Started()[0].Arguments), Lower(Quoted("doc.plvtest")));
}

TEST_F(LauncherTest, MissingTargetGetsAShortMessageAndVerboseTheDetailsAndEscapeOrEnterCloses) {
    const std::string shortText = "This disc's start-up file \"gone.plvtest\" could not be found.";
    struct Case {
        bool Verbose;
        UINT Key;
        std::string Messages;
    };
    const Case cases[] = {
        {false, VK_ESCAPE, shortText},
        {true, VK_RETURN, shortText + "\r\nIt should be at \"" + (disc_ / "gone.plvtest") + "\"" + CopyHint},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.Verbose ? "verbose" : "short");
        LauncherRun run(disc_, std::string("\"gone.plvtest\" ") + (testCase.Verbose ? "/verbose " : ""));
        HWND window = WaitForMessages(run);
        ASSERT_TRUE(window);
        EXPECT_EQ(ItemText(window, IDC_STATUS_TEXT), FailedHeading);
        EXPECT_EQ(ItemText(window, IDC_MESSAGES), testCase.Messages);
        EXPECT_EQ(Unusable(window), "");
        EXPECT_EQ(Unusable(GetDlgItem(window, IDCANCEL)), "");
        EXPECT_EQ(FocusOf(window), GetDlgItem(window, IDCANCEL)) << "Close has the focus";
        PressKey(window, testCase.Key);
        EXPECT_EQ(run.ExitCode(), 1);
    }
}

TEST_F(LauncherTest, UnassociatedTypeIsReportedWithoutRawInserts) {
    disc_.AddFile("x.plvnone");
    LauncherRun run(disc_, "\"x.plvnone\" /verbose ");
    HWND window = WaitForMessages(run);
    ASSERT_TRUE(window);
    const std::string messages = ItemText(window, IDC_MESSAGES);
    EXPECT_THAT(messages, ::testing::StartsWith("No program on this computer can open \"x.plvnone\".\r\n"
                                                "Windows found no program to open \"" +
                                                (disc_ / "x.plvnone") + "\": "));
    EXPECT_THAT(messages, Not(HasSubstr("%"))) << "Windows' own text names the file only through us";
    Click(window, IDCANCEL);
    EXPECT_EQ(run.ExitCode(), 1);
}

TEST_F(LauncherTest, HideKeepsSuccessSilentButStillShowsAFailure) {
    disc_.AddFile("doc.plvtest");
    struct Case {
        const char* Arguments;
        const char* Messages;  // null: no window at all
        std::size_t Opened;
    };
    const Case cases[] = {
        // A forced program that fails is only a note: the viewer opens the file in the end.
        {"\"doc.plvtest\" /verbose /hide /tryforce \"missing1.exe\" ", nullptr, 1},
        {"\"gone.plvtest, doc.plvtest\" /fast /hide ",
         "Part of this disc's start-up line was ignored: /fast\r\n\r\n"
         "This disc's start-up file \"gone.plvtest\" could not be found.",
         1},
        {"/hide ", "This disc names nothing to open.", 0},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.Arguments);
        ASSERT_TRUE(disc_.ClearRecords());
        LauncherRun run(disc_, testCase.Arguments);
        if (!testCase.Messages) {
            bool windowSeen = false;
            ASSERT_TRUE(WaitFor([&] {
                windowSeen = windowSeen || run.FindWindowTitled(LAUNCHER_TITLE) != nullptr;
                return run.HasEnded();
            }));
            EXPECT_FALSE(windowSeen);
            EXPECT_EQ(run.ExitCode(), 0);
        } else {
            HWND window = WaitForMessages(run);
            ASSERT_TRUE(window) << "a failure never passes in silence";
            EXPECT_EQ(Unusable(window), "");
            EXPECT_EQ(ItemText(window, IDC_STATUS_TEXT), FailedHeading);
            EXPECT_EQ(ItemText(window, IDC_MESSAGES), testCase.Messages);
            Click(window, IDCANCEL);
            EXPECT_EQ(run.ExitCode(), 1);
        }
        ASSERT_TRUE(WaitFor([&] { return disc_.Started().size() == testCase.Opened; }))
            << "what can be opened still is";
    }
}

TEST_F(LauncherTest, ShortMessagesNameWhatWasIgnoredAndTheRestStillWorks) {
    disc_.AddFile("doc.plvtest");
    struct Case {
        const char* Arguments;
        const char* Messages;
        std::size_t Opened;
    };
    const Case cases[] = {
        {"\"doc.plvtest\" /Verbose /noreg ", "Part of this disc's start-up line was ignored: /Verbose", 1},
        {"\"doc.plvtest\" /secProg setup.exe$1$3 ",
         "Part of this disc's start-up line was ignored: /secProg setup.exe$1$3", 1},
        {"", "This disc names nothing to open.", 0},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.Arguments);
        ASSERT_TRUE(disc_.ClearRecords());
        LauncherRun run(disc_, testCase.Arguments);
        HWND window = WaitForMessages(run);
        ASSERT_TRUE(window);
        EXPECT_EQ(ItemText(window, IDC_MESSAGES), testCase.Messages);
        ASSERT_TRUE(WaitFor([&] { return disc_.Started().size() == testCase.Opened; }));
        Click(window, IDCANCEL);
        EXPECT_EQ(run.ExitCode(), 1);
    }
}

TEST_F(LauncherTest, SwitchesTickedWithoutAFileAreSkippedAndVerboseSaysSo) {
    disc_.AddFile("doc.plvtest");
    for (const bool verbose : {false, true}) {
        SCOPED_TRACE(verbose ? "verbose" : "short");
        ASSERT_TRUE(disc_.ClearRecords());
        LauncherRun run(disc_, std::string("\"doc.plvtest\" /splash \"$5\" /secProg \"$1$3\" ") +
                                   (verbose ? "/verbose " : ""));
        if (verbose) {
            HWND window = WaitForMessages(run);
            ASSERT_TRUE(window);
            EXPECT_EQ(ItemText(window, IDC_STATUS_TEXT), "Done. What happened on the way:");
            EXPECT_EQ(ItemText(window, IDC_MESSAGES),
                      "The Splash Screen is switched on but names no image, so it was skipped.\r\n\r\n"
                      "The Secondary Program is switched on but names no program, so it was skipped.");
            Click(window, IDCANCEL);
        }
        EXPECT_EQ(run.ExitCode(), 0) << "nothing failed";
        ASSERT_TRUE(WaitFor([&] { return !disc_.Started().empty(); }));
        EXPECT_EQ(Programs(disc_.Started()), (std::vector<std::string>{"viewer:start"}));
    }
}

TEST_F(LauncherTest, TryForceTriesProgramOneThenTwoThenTheAssociatedProgram) {
    disc_.AddFile("doc.plvtest");
    disc_.AddProgram("program1");
    disc_.AddProgram("program 2");
    struct Case {
        const char* Programs;
        const char* Expected;
        const char* Arguments;
    };
    const Case cases[] = {
        {"program1.exe -k, program 2.exe -sk", "program1", "-k "},
        {"missing1.exe -k, program 2.exe -sk", "program 2", "-sk "},
        {"missing2.exe", "viewer", ""},
        {"missing1.exe -k, missing2.exe -sk", "viewer", ""},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.Programs);
        ASSERT_TRUE(disc_.ClearRecords());
        LauncherRun run(disc_, std::string("\"doc.plvtest\" /hide /tryforce \"") + testCase.Programs + "\" ");
        EXPECT_EQ(run.ExitCode(), 0);
        ASSERT_TRUE(WaitFor([&] { return !disc_.Started().empty(); }));
        const std::vector<Record> started = disc_.Started();
        ASSERT_EQ(started.size(), 1u);
        EXPECT_EQ(started[0].Program, testCase.Expected);
        EXPECT_EQ(Lower(started[0].Arguments), Lower(testCase.Arguments + Quoted("doc.plvtest")));
    }
}

TEST_F(LauncherTest, VerboseTellsWhichForcedProgramFailed) {
    disc_.AddFile("doc.plvtest");
    LauncherRun run(disc_, "\"doc.plvtest\" /verbose /tryforce \"missing1.exe -k\" ");
    HWND window = WaitForMessages(run);
    ASSERT_TRUE(window);
    EXPECT_THAT(ItemText(window, IDC_MESSAGES), HasSubstr("Program 1 \"missing1.exe -k\" could not open"));
    Click(window, IDCANCEL);
    EXPECT_EQ(run.ExitCode(), 0) << "the associated program opened it in the end";
    EXPECT_EQ(Programs(disc_.Started()), (std::vector<std::string>{"viewer:start"}));
}

TEST_F(LauncherTest, SecondaryTryingTheTargetFirstRunsOnlyWhenNoProgramOpensIt) {
    disc_.AddFile("doc.plvtest");
    disc_.AddFile("paper.plvnone");
    disc_.AddProgram("setup");
    struct Case {
        const char* Target;
        bool ViewerGone;  // the program registered for the type is missing
        const char* Started;
    };
    const Case cases[] = {
        {"doc.plvtest", false, "viewer:start"},
        {"paper.plvnone", false, "setup:start"},
        {"doc.plvtest", true, "setup:start"},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(std::string(testCase.Target) + (testCase.ViewerGone ? " without its viewer" : ""));
        ASSERT_TRUE(disc_.ClearRecords());
        if (testCase.ViewerGone) {
            ASSERT_TRUE(DeleteFileA((disc_ / "viewer.exe").c_str()));
        }
        LauncherRun run(disc_, std::string("\"") + testCase.Target + "\" /secProg \"setup.exe$0$0\" /hide ");
        EXPECT_EQ(run.ExitCode(), 0);
        ASSERT_TRUE(WaitFor([&] { return !disc_.Started().empty(); }));
        EXPECT_EQ(Programs(disc_.Started()), (std::vector<std::string>{testCase.Started}));
        EXPECT_EQ(Lower(disc_.Started()[0].Folder), Lower(disc_.Root()));
    }
}

TEST_F(LauncherTest, SecondaryRunFirstIsWaitedForBeforeTheTargetOpens) {
    disc_.AddFile("doc.plvtest");
    disc_.AddProgram("setup");
    disc_.Hold("setup");
    LauncherRun run(disc_, "\"doc.plvtest\" /secProg \"setup.exe$1$0\" ");
    HWND window = run.WaitForWindow(LAUNCHER_TITLE);
    ASSERT_TRUE(window);
    ASSERT_TRUE(WaitFor(
        [&] { return ItemText(window, IDC_STATUS_TEXT) == "Waiting for \"setup.exe\" to finish..."; }));
    ASSERT_TRUE(WaitFor([&] { return !disc_.Records().empty(); }));
    EXPECT_EQ(Programs(disc_.Records()), (std::vector<std::string>{"setup:start"}));
    disc_.Release("setup");
    EXPECT_EQ(run.ExitCode(), 0);
    ASSERT_TRUE(WaitFor([&] { return disc_.Records().size() == 4; }));
    EXPECT_EQ(Programs(disc_.Records()),
              (std::vector<std::string>{"setup:start", "setup:end", "viewer:start", "viewer:end"}));
}

TEST_F(LauncherTest, MissingSecondaryProgramIsReportedAndTheTargetStillOpens) {
    disc_.AddFile("doc.plvtest");
    LauncherRun run(disc_, "\"doc.plvtest\" /secProg \"codec\\setup.exe$1$0\" ");
    HWND window = WaitForMessages(run);
    ASSERT_TRUE(window);
    EXPECT_EQ(ItemText(window, IDC_MESSAGES), "This disc's program \"codec\\setup.exe\" could not be found.");
    ASSERT_TRUE(WaitFor([&] { return !disc_.Started().empty(); }));
    EXPECT_EQ(Programs(disc_.Started()), (std::vector<std::string>{"viewer:start"}));
    Click(window, IDCANCEL);
    EXPECT_EQ(run.ExitCode(), 1);
}

// The question, answered from the test; the answer kept when asked, in the key that
// Create clears.
class SecondaryQuestionTest : public LauncherTest {
protected:
    SecondaryQuestionTest() {
        disc_.AddFile("docs\\doc.plvtest");
        disc_.AddProgram("setup");
    }
    static constexpr const char* Arguments = "\"docs\\doc.plvtest\" /secProg \"setup.exe$1$2\" /hide ";

    // Answers the question of a run and returns the text it asked.
    static std::string Answer(LauncherRun& run, int button, bool dontAskAgain) {
        HWND prompt = run.WaitForWindow(PROMPT_TITLE);
        if (!prompt) return "(no question)";
        EXPECT_EQ(Unusable(prompt), "");
        EXPECT_EQ(FocusOf(prompt), GetDlgItem(prompt, IDYES)) << "Yes has the focus";
        const std::string question = ItemText(prompt, IDC_PROMPT_TEXT);
        if (dontAskAgain) SendMessageA(GetDlgItem(prompt, IDC_DONT_ASK), BM_SETCHECK, BST_CHECKED, 0);
        Click(prompt, button);
        return question;
    }
};

TEST_F(SecondaryQuestionTest, NoSkipsTheProgramAndAsksAgainNextTime) {
    const RememberedAnswerKey key(Arguments);
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(disc_.ClearRecords());
        LauncherRun run(disc_, Arguments);
        EXPECT_THAT(Answer(run, IDNO, false), HasSubstr("it runs \"setup.exe\""));
        EXPECT_EQ(run.ExitCode(), 0);
        ASSERT_TRUE(WaitFor([&] { return !disc_.Started().empty(); }));
        EXPECT_EQ(Programs(disc_.Started()), (std::vector<std::string>{"viewer:start"}));
        EXPECT_EQ(key.Value(), "(none)");
    }
}

TEST_F(SecondaryQuestionTest, DontAskAgainIsKeptUntilCreateClearsIt) {
    const RememberedAnswerKey key(Arguments);
    {
        LauncherRun run(disc_, Arguments);
        Answer(run, IDYES, true);
        EXPECT_EQ(run.ExitCode(), 0);
        ASSERT_TRUE(WaitFor([&] { return disc_.Started().size() == 2; }));
        EXPECT_EQ(Programs(disc_.Started()), (std::vector<std::string>{"setup:start", "viewer:start"}));
    }
    EXPECT_EQ(key.Value(), "run");
    ASSERT_TRUE(disc_.ClearRecords());
    {
        // Answered already: the run goes through without any question to answer.
        LauncherRun run(disc_, Arguments);
        EXPECT_EQ(run.ExitCode(), 0);
        ASSERT_TRUE(WaitFor([&] { return disc_.Started().size() == 2; }));
        EXPECT_EQ(Programs(disc_.Started()), (std::vector<std::string>{"setup:start", "viewer:start"}));
    }
    // Create clears the value named by its own arguments through HKEY_CLASSES_ROOT, which
    // on Windows shows the per-user classes; Wine's does not, so clear them directly.
    ProjectSettings settings;
    settings.TargetFiles = "docs\\doc.plvtest";
    settings.UseSecondary = 1;
    settings.SecondaryProgram = "setup.exe";
    settings.HideDialog = 1;
    const std::string created = LaunchArguments(ComposeOpenEntry(settings, 1, 2));
    ASSERT_EQ(created, Arguments);
    UniqueRegKey userClasses;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Classes", 0, KEY_READ, userClasses.Receive()),
              ERROR_SUCCESS);
    EXPECT_TRUE(RegistryCleaner(userClasses.Get()).RemoveEntry(created, std::string("DontAsk")));
    EXPECT_EQ(key.Value(), "(none)");
    ASSERT_TRUE(disc_.ClearRecords());
    LauncherRun run(disc_, Arguments);
    EXPECT_NE(Answer(run, IDNO, true), "(no question)") << "asks again after Create";
    EXPECT_EQ(run.ExitCode(), 0);
    EXPECT_EQ(key.Value(), "skip");
    ASSERT_TRUE(WaitFor([&] { return !disc_.Started().empty(); }));
    EXPECT_EQ(Programs(disc_.Started()), (std::vector<std::string>{"viewer:start"}));
}

TEST_F(LauncherTest, RebootPromptsTellTheUserToRestartAfterTheProgramHasRun) {
    disc_.AddFile("doc.plvtest");
    disc_.AddProgram("setup");
    disc_.Hold("setup");
    LauncherRun run(disc_, "\"doc.plvtest\" /secProg \"setup.exe$1$1\" /hide ");
    ASSERT_TRUE(WaitFor([&] { return !disc_.Records().empty(); }));
    EXPECT_FALSE(run.FindWindowTitled(PROMPT_TITLE)) << "prompt 1 asks nothing first";
    EXPECT_FALSE(run.FindWindowTitled(RESTART_TITLE)) << "not while the program still runs";
    disc_.Release("setup");
    HWND notice = run.WaitForWindow(RESTART_TITLE);
    ASSERT_TRUE(notice);
    EXPECT_THAT(MessageBoxText(notice), HasSubstr("restart your computer, then insert this disc again"));
    Click(notice, IDOK);
    EXPECT_EQ(run.ExitCode(), 0);
    ASSERT_TRUE(WaitFor([&] { return disc_.Records().size() == 4; }));
    EXPECT_EQ(Programs(disc_.Records()),
              (std::vector<std::string>{"setup:start", "setup:end", "viewer:start", "viewer:end"}));
}

TEST_F(LauncherTest, ConfirmAndRebootAsksThenTellsToRestart) {
    disc_.AddFile("paper.plvnone");
    disc_.AddProgram("setup");
    const std::string arguments = "\"paper.plvnone\" /secProg \"setup.exe$0$3\" /hide ";
    const RememberedAnswerKey key(arguments);
    LauncherRun run(disc_, arguments);
    HWND prompt = run.WaitForWindow(PROMPT_TITLE);
    ASSERT_TRUE(prompt);
    const std::string question = ItemText(prompt, IDC_PROMPT_TEXT);
    EXPECT_THAT(question, HasSubstr("No program on this computer can open \"paper.plvnone\""));
    EXPECT_THAT(question, HasSubstr("restart your computer afterwards"));
    Click(prompt, IDYES);
    HWND notice = run.WaitForWindow(RESTART_TITLE);
    ASSERT_TRUE(notice);
    Click(notice, IDOK);
    EXPECT_EQ(run.ExitCode(), 0);
    EXPECT_EQ(Programs(disc_.Records()), (std::vector<std::string>{"setup:start", "setup:end"}));
}

// A 24-bit Windows bitmap of one colour.
std::string Bitmap(int width, int height) {
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * height;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    bytes.append(static_cast<std::size_t>(stride) * height, '\x7f');
    return bytes;
}

TEST_F(LauncherTest, SplashShowsTheBitmapCentredForItsTimeBeforeTheTargetOpens) {
    disc_.AddFile("doc.plvtest");
    disc_.AddFile("art\\splash $1.bmp", Bitmap(64, 48));
    // Timed from before the start: however late this test sees the splash, the launcher
    // cannot have closed it sooner than its second after this.
    const ULONGLONG started = GetTickCount64();
    LauncherRun run(disc_, "\"doc.plvtest\" /splash \"art\\splash $1.bmp$1\" /hide ");
    HWND splash = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (splash = run.FindWindowOfClass(SPLASH_CLASS)) != nullptr; }));
    EXPECT_EQ(Unusable(splash), "");
    RECT frame{};
    GetWindowRect(splash, &frame);
    EXPECT_EQ(frame.right - frame.left, 64);
    EXPECT_EQ(frame.bottom - frame.top, 48);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 64) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 48) / 2);
    bool openedTooSoon = false;
    ASSERT_TRUE(WaitFor([&] {
        // A record counts only when the splash screen is still up after it was seen.
        const bool recorded = !disc_.Records().empty();
        const bool up = IsWindow(splash) != FALSE;
        openedTooSoon = openedTooSoon || (recorded && up);
        return !up;
    }));
    EXPECT_FALSE(openedTooSoon) << "the target opened while the splash screen was up";
    EXPECT_GE(GetTickCount64() - started, 1000u) << "shown for its second";
    EXPECT_EQ(run.ExitCode(), 0);
    ASSERT_TRUE(WaitFor([&] { return !disc_.Started().empty(); }));
}

TEST_F(LauncherTest, UnreadableSplashIsReportedAndTheTargetStillOpens) {
    disc_.AddFile("doc.plvtest");
    disc_.AddFile("broken.bmp", "not a bitmap");
    struct Case {
        const char* Splash;
        std::string Messages;
    };
    const Case cases[] = {
        {"missing.bmp$1", "This disc's splash screen \"missing.bmp\" could not be found.\r\nIt should be at \"" +
                              (disc_ / "missing.bmp") + "\"" + CopyHint},
        {"broken.bmp$1", "This disc's splash screen \"broken.bmp\" could not be shown.\r\n\"" +
                             (disc_ / "broken.bmp") + "\" cannot be read as a Windows bitmap (BMP)."},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.Splash);
        ASSERT_TRUE(disc_.ClearRecords());
        LauncherRun run(disc_, std::string("\"doc.plvtest\" /splash \"") + testCase.Splash + "\" /verbose ");
        HWND window = WaitForMessages(run);
        ASSERT_TRUE(window);
        EXPECT_EQ(ItemText(window, IDC_MESSAGES), testCase.Messages);
        ASSERT_TRUE(WaitFor([&] { return !disc_.Started().empty(); }));
        Click(window, IDCANCEL);
        EXPECT_EQ(run.ExitCode(), 1);
    }
}

// One launcher per disc: a second start of a busy disc (by any spelling of its folder)
// ends at once, and another disc is not held up by it.
TEST_F(LauncherTest, SecondStartOfABusyDiscEndsAtOnceAndOtherDiscsRun) {
    Disc other;
    for (Disc* disc : {&disc_, &other}) {
        disc->AddFile("doc.plvtest");
        disc->AddFile("splash.bmp", Bitmap(64, 48));
    }
    const std::string arguments = "\"doc.plvtest\" /splash \"splash.bmp$3\" /hide ";
    LauncherRun first(disc_, arguments);
    LauncherRun otherDisc(other, arguments);
    HWND splash = nullptr;
    HWND otherSplash = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        splash = first.FindWindowOfClass(SPLASH_CLASS);
        otherSplash = otherDisc.FindWindowOfClass(SPLASH_CLASS);
        return splash && otherSplash;
    })) << "both discs show their splash screens at once";
    EXPECT_EQ(Unusable(splash), "");

    std::string sameFolder = disc_ / "Plivora.exe";
    CharUpperBuffA(sameFolder.data(), static_cast<DWORD>(sameFolder.size()));
    LauncherRun second(disc_, arguments, sameFolder);
    bool secondShowedAWindow = false;
    ASSERT_TRUE(WaitFor([&] {
        secondShowedAWindow = secondShowedAWindow || second.FindWindowTitled("") != nullptr;
        return second.HasEnded();
    }));
    EXPECT_EQ(second.ExitCode(0), 0);
    EXPECT_FALSE(secondShowedAWindow);
    ASSERT_TRUE(IsWindowVisible(splash)) << "the first start was still busy";
    EXPECT_EQ(GetForegroundWindow(), splash) << "the first start's window comes to the front";

    EXPECT_EQ(first.ExitCode(), 0);
    EXPECT_EQ(otherDisc.ExitCode(), 0);
    // Both discs open their target with the one registered viewer, each once.
    ASSERT_TRUE(WaitFor([&] { return disc_.Records().size() == 4; }));
    std::multiset<std::string> opened;
    for (const Record& record : disc_.Started()) opened.insert(Lower(record.Arguments));
    EXPECT_EQ(opened, (std::multiset<std::string>{Lower(Quoted("doc.plvtest")),
                                                  Lower("\"" + (other / "doc.plvtest") + "\"")}));
}

TEST_F(LauncherTest, ALaterStartRunsWhileTheFirstShowsItsClosingMessages) {
    disc_.AddFile("doc.plvtest");
    LauncherRun first(disc_, "\"gone.plvtest\" ");
    HWND window = WaitForMessages(first);
    ASSERT_TRUE(window);
    LauncherRun later(disc_, "\"doc.plvtest\" /hide ");
    EXPECT_EQ(later.ExitCode(), 0);
    ASSERT_TRUE(WaitFor([&] { return !disc_.Started().empty(); }));
    EXPECT_EQ(Programs(disc_.Started()), (std::vector<std::string>{"viewer:start"}));
    Click(window, IDCANCEL);
    EXPECT_EQ(first.ExitCode(), 1);
}

}  // namespace
}  // namespace plivora::launcher_tests
