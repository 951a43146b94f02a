// Create and Test against a recording platform: the order of every step, and what each
// failure leaves behind.
#include "deploy_commands.h"

#include <algorithm>
#include <functional>
#include <set>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "minimal_program.h"
#include "recording_view.h"

namespace plivora {
namespace {

using fakes::EventLog;
using fakes::RecordingView;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

class RecordingPlatform : public PlatformOperations {
public:
    explicit RecordingPlatform(EventLog& log) : log_(log) {}

    void ShowWaitCursor() override { log_.push_back("wait"); }
    void ShowArrowCursor() override { log_.push_back("arrow"); }
    bool WriteTextFile(const std::string& path, const std::string& text) override {
        log_.push_back("write " + path);
        WrittenText = text;
        return WriteSucceeds;
    }
    CopyOutcome CopyFileIntoFolder(const std::string& sourceFile, const std::string& folder) override {
        log_.push_back("copy " + sourceFile + " -> " + folder);
        if (MissingFiles.count(sourceFile)) return CopyOutcome::Failed;
        if (ReplacingFilesInUse.count(sourceFile)) return CopyOutcome::InUse;
        return CutShort.count(sourceFile) ? CopyOutcome::Incomplete : CopyOutcome::Copied;
    }
    std::optional<std::string> ReadFileBytes(const std::string& path) override {
        if (MissingFiles.count(path)) return std::nullopt;
        const std::string program = fakes::MinimalProgram('w');
        return NotWhole.count(path) ? program.substr(0, program.size() / 2) : program;
    }
    void NotifyFolderChanged(const std::string& folder) override { log_.push_back("notify " + folder); }
    bool RemoveClassesValue(const std::string& subkey, const std::string& valueName) override {
        log_.push_back("unregister [" + subkey + "] " + valueName);
        return false;
    }
    bool FileExists(const std::string& path) override { return MissingFiles.count(path) == 0; }
    bool IsRemovableDriveRoot(const std::string&) override { return Removable; }
    DiscImageResult MeasureImage(const std::string&) override { return Image; }
    void Launch(const std::string& program, const std::string& arguments,
                const std::string& folder) override {
        log_.push_back("launch " + program + " [" + arguments + "] in " + folder);
    }

    bool WriteSucceeds = true;
    std::set<std::string> MissingFiles;
    // Sources whose copies come out short, or would replace a file another program holds;
    // files that read as programs cut short.
    std::set<std::string> CutShort, ReplacingFilesInUse, NotWhole;
    bool Removable = false;
    DiscImageResult Image;
    std::string WrittenText;

private:
    EventLog& log_;
};

const char* const ProgramFolder = "C:\\Tools\\Assistant\\";
const char* const Backup = "C:\\Tools\\Assistant\\\\Backup\\Plivora.exe";
const char* const WorkingCopy = "C:\\Tools\\Assistant\\\\Plivora.exe";

class CreateTest : public ::testing::Test {
protected:
    CreateTest() {
        form.SetFolders("C:\\Start", ProgramFolder);
        form.Settings().BaseFolder = "D:\\Disc";
        form.Settings().TargetFiles = "index.html";
        form.Settings().Verbose = 1;
        // Whatever the panel shows before Create, a successful Create leaves it.
        form.HelpPressed(IDC_HELP_ICON);
        form.SetEnabled(TestButton, false);
        log.clear();
    }

    std::string Message(GuidanceMessage message, const std::string& insert = {}) const {
        return catalogue.MessageText(message, insert);
    }

    EventLog log;
    RecordingView view{log};
    BuiltInTexts texts;
    GuidanceCatalogue catalogue{texts};
    FormModel form{view, catalogue};
    RecordingPlatform platform{log};
};

TEST_F(CreateTest, SuccessRunsEveryStepInOrderAndLeavesThePanel) {
    const std::string titleBefore = form.GuidanceTitle();
    const std::string textBefore = form.GuidanceText();

    Create(form, platform, 0, 0);

    EXPECT_THAT(log, ElementsAre("wait", "write D:\\Disc\\autorun.inf",
                                 std::string("copy ") + Backup + " -> " + ProgramFolder,
                                 std::string("notify ") + ProgramFolder,
                                 std::string("copy ") + WorkingCopy + " -> D:\\Disc\\", "notify D:\\Disc\\",
                                 "unregister [\"index.html\" /verbose ] DontAsk", "arrow", "Enable 3",
                                 "Enable 32"));
    EXPECT_EQ(platform.WrittenText,
              "[autorun]\nopen=Plivora.exe \"index.html\" /verbose \nicon=Plivora.exe\n");
    EXPECT_EQ(form.OpenEntry(), "open=Plivora.exe \"index.html\" /verbose ");
    EXPECT_EQ(form.IconEntry(), "icon=Plivora.exe");
    EXPECT_TRUE(form.IsEnabled(TestButton));
    EXPECT_EQ(form.GuidanceTitle(), titleBefore);
    EXPECT_EQ(form.GuidanceText(), textBefore);
}

TEST_F(CreateTest, FailedWriteStopsBeforeAnyCopyAndKeepsTestAsItWas) {
    platform.WriteSucceeds = false;
    for (const bool testEnabled : {false, true}) {
        form.SetEnabled(TestButton, testEnabled);
        log.clear();

        Create(form, platform, 0, 0);

        EXPECT_THAT(log, ElementsAre("wait", "write D:\\Disc\\autorun.inf", "arrow", "Refresh", "Repaint"));
        EXPECT_EQ(form.IsEnabled(TestButton), testEnabled);
        EXPECT_FALSE(form.IsEnabled(MakeImageItem)) << "the folder may not match the form";
        EXPECT_EQ(form.GuidanceTitle(), "Plivora Assistant");
        EXPECT_EQ(form.GuidanceText(), Message(MsgWriteFailed));
        EXPECT_EQ(view.Label, Message(MsgWriteFailed));
        // The entries are composed all the same.
        EXPECT_EQ(form.OpenEntry(), "open=Plivora.exe \"index.html\" /verbose ");
    }
}

TEST_F(CreateTest, EmptyBaseFolderFailsAsAWriteWithoutTouchingTheDriveRoot) {
    form.Settings().BaseFolder.clear();

    Create(form, platform, 0, 0);

    EXPECT_THAT(log, ElementsAre("wait", "arrow", "Refresh", "Repaint"));
    EXPECT_EQ(form.GuidanceText(), Message(MsgWriteFailed));
    EXPECT_FALSE(form.IsEnabled(TestButton));
}

// A backup cut short counts as missing.
TEST_F(CreateTest, MissingBackupGoesUnreported) {
    const std::string textBefore = form.GuidanceText();
    platform.NotWhole = {Backup};

    Create(form, platform, 0, 0);

    EXPECT_THAT(log, Not(Contains(std::string("copy ") + Backup + " -> " + ProgramFolder)));
    EXPECT_THAT(log, Contains(std::string("copy ") + WorkingCopy + " -> D:\\Disc\\"));
    EXPECT_THAT(log, Not(Contains("Refresh")));
    EXPECT_EQ(form.GuidanceText(), textBefore);
    EXPECT_TRUE(form.IsEnabled(TestButton));
}

TEST_F(CreateTest, CopyFaultsAreWordedAndCarryOn) {
    struct Case {
        const char* fault;
        std::set<std::string> missing, notWhole, cutShort, inUse;
        bool deploys;  // whether the working copy is copied into the base folder
        GuidanceMessage message;
    };
    for (const Case& c : {
             Case{"neither launcher file", {Backup, WorkingCopy}, {}, {}, {}, false, MsgCopyFailed},
             Case{"an empty working copy", {Backup}, {WorkingCopy}, {}, {}, false, MsgCopyFailed},
             Case{"the disc's copy cut short", {}, {}, {WorkingCopy}, {}, true, MsgCopyIncomplete},
             Case{"the disc's launcher in use", {}, {}, {}, {WorkingCopy}, true, MsgLauncherInUse},
         }) {
        SCOPED_TRACE(c.fault);
        platform.MissingFiles = c.missing;
        platform.NotWhole = c.notWhole;
        platform.CutShort = c.cutShort;
        platform.ReplacingFilesInUse = c.inUse;
        log.clear();

        Create(form, platform, 0, 0);

        EventLog expected = {"wait", "write D:\\Disc\\autorun.inf"};
        if (!c.missing.count(Backup)) {
            expected.push_back(std::string("copy ") + Backup + " -> " + ProgramFolder);
            expected.push_back(std::string("notify ") + ProgramFolder);
        }
        if (c.deploys) {
            expected.push_back(std::string("copy ") + WorkingCopy + " -> D:\\Disc\\");
            expected.push_back("notify D:\\Disc\\");
        }
        for (const char* step : {"Refresh", "Repaint", "unregister [\"index.html\" /verbose ] DontAsk", "arrow"})
            expected.push_back(step);
        EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + std::min(log.size(), expected.size())),
                  expected);
        EXPECT_EQ(form.GuidanceTitle(), "Plivora Assistant");
        EXPECT_EQ(form.GuidanceText(), Message(c.message, ProgramFolder));
        EXPECT_TRUE(form.IsEnabled(TestButton));
        EXPECT_FALSE(form.IsEnabled(MakeImageItem)) << "no image of a folder without its launcher";
        form.SetEnabled(TestButton, false);
    }
    EXPECT_THAT(Message(MsgCopyFailed, ProgramFolder), HasSubstr("exists in C:\\Tools\\Assistant\\."));
}

TEST_F(CreateTest, FullSuccessReplacesWhatItMadeUntrueWithTheStageMessage) {
    const auto failCreate = [&](GuidanceMessage failure) {
        platform.WriteSucceeds = failure != MsgWriteFailed;
        if (failure == MsgCopyFailed) platform.MissingFiles = {Backup, WorkingCopy};
        if (failure == MsgCopyIncomplete) platform.CutShort = {WorkingCopy};
        if (failure == MsgLauncherInUse) platform.ReplacingFilesInUse = {WorkingCopy};
        platform.Removable = failure == MsgRemovableDrive;
        platform.Image.sectors = failure == MsgLargerThanCd ? kCdSectors + 1 : 0;
        platform.Image.bytes = std::uint64_t{platform.Image.sectors} * kSectorBytes;
        ProjectSettings& settings = form.Settings();
        settings.UseSplash = failure == MsgSwitchWithoutFile;
        settings.UseSecondary = failure == MsgFileNotInBase;
        settings.SecondaryProgram = "setup.exe";
        if (failure == MsgFileNotInBase) view.Missing = {"D:\\Disc\\setup.exe"};
        settings.TryForce = failure == MsgTextNotWritable || failure == MsgForceWithoutProgram;
        settings.ForceProgram1 = failure == MsgTextNotWritable ? "note\"pad.exe" : "";
        Create(form, platform, 0, 0);
        settings.UseSplash = settings.UseSecondary = settings.TryForce = 0;
        view.Missing = {};
        platform.Removable = false;
        platform.Image = {};
        if (failure != MsgLauncherMissing) return;
        platform.MissingFiles = {"D:\\Disc\\Plivora.exe"};
        plivora::Test(form, platform);
    };
    // Every failure a full Create replaces, with what it names.
    const std::pair<GuidanceMessage, const char*> failures[] = {
        {MsgWriteFailed, ProgramFolder},         {MsgCopyFailed, ProgramFolder},
        {MsgCopyIncomplete, ProgramFolder},      {MsgLauncherMissing, ProgramFolder},
        {MsgSwitchWithoutFile, "Splash Screen"}, {MsgRemovableDrive, ProgramFolder},
        {MsgFileNotInBase, "setup.exe"},         {MsgTextNotWritable, "Program 1"},
        {MsgLargerThanCd, "703"},                {MsgLauncherInUse, ProgramFolder},
        {MsgForceWithoutProgram, ""}};
    // Open a Disc on the form's own folder, whose disc has the form's icon and the switches given.
    const auto openDisc = [&](const std::string& switches) {
        const std::string& icon = form.Settings().IconFile;
        view.Files["D:\\Disc\\autorun.inf"] = "[autorun]\r\nopen=Plivora.exe \"index.html\" " + switches +
                                              "\r\nicon=" + (icon.empty() ? "Plivora.exe" : icon) + "\r\n";
        form.DiscChosen("D:\\Disc");
    };
    // What the panel shows before the full Create, how it came to, and whether the Create replaces it.
    using Row = std::tuple<std::string, std::function<void()>, bool>;
    std::vector<Row> rows = {
        {Message(MsgNoDiscHere), [&] { form.DiscChosen("D:\\Empty"); }, true},
        {Message(MsgDiscReopened), [&] { openDisc("/verbose "); }, true},
        {Message(MsgSettingsLeftOut, "Splash Screen"), [&] { openDisc("/splash \"..\\s.bmp$5\" /verbose "); },
         true},
        {catalogue.MessageText(MsgImageWritten, "E:\\disc.iso", "3.0"),
         [&] { form.ImageFinished({DiscImageError::kNone, {}, 3 << 20}, "E:\\disc.iso", "D:\\Disc"); }, true},
        {catalogue.TopicFor(IDC_HELP_FORCE)->Text, [&] { form.HelpPressed(IDC_HELP_FORCE); }, false},
        {Message(MsgIconOutsideBase), [&] { form.IconChosen("E:\\logo.ico", "ico"); }, false}};
    for (const auto& [failure, named] : failures)
        rows.emplace_back(Message(failure, named), [&, f = failure] { failCreate(f); }, true);
    for (const char* icon : {"", "logo.ico"}) {
        for (const auto& [text, show, replaced] : rows) {
            SCOPED_TRACE(std::string(icon) + " after " + text.substr(0, 60));
            form.Settings().IconFile = icon;
            show();
            ASSERT_EQ(form.GuidanceText(), text);

            platform.WriteSucceeds = true;
            platform.MissingFiles = {};
            platform.CutShort = {};
            platform.ReplacingFilesInUse = {};
            log.clear();
            Create(form, platform, 0, 0);
            const std::string stage = Message(*icon ? MsgReadyToCreate : MsgTargetChosen);
            EXPECT_EQ(form.GuidanceText(), replaced ? stage : text);
            EXPECT_EQ(view.Label, form.GuidanceText());
            EXPECT_EQ(std::count(log.begin(), log.end(), "Repaint"), replaced ? 1 : 0);
            EXPECT_TRUE(form.IsEnabled(MakeImageItem));
        }
    }
}

// Each reason the disc could not work stops Create before it composes or writes anything.
TEST_F(CreateTest, DiscCheckStopsCreateBeforeAnythingIsWritten) {
    struct Case {
        const char* problem;
        std::function<void(ProjectSettings&)> set;
        std::set<std::string> missing;
        GuidanceMessage message;  // MsgReadyToCreate: no problem, Create writes
        const char* insert;
    };
    const auto splash = [](const char* file, const char* seconds) {
        return [=](ProjectSettings& s) {
            s.UseSplash = 1;
            s.SplashFile = file;
            s.SplashSeconds = seconds;
        };
    };
    const auto force = [](const char* first, const char* second) {
        return [=](ProjectSettings& s) {
            s.TryForce = 1;
            s.ForceProgram1 = first;
            s.ForceProgram2 = second;
        };
    };
    const auto target = [](const char* names, const char* base = "D:\\Disc") {
        return [=](ProjectSettings& s) {
            s.TargetFiles = names;
            s.BaseFolder = base;
        };
    };
    const std::vector<Case> cases = {
        {"a dot segment", target(".\\x"), {}, MsgReadyToCreate, ""},
        {"a climb that comes back", target("docs\\..\\a.htm"), {}, MsgReadyToCreate, ""},
        {"three dots", target("...\\x"), {}, MsgFileNotInBase, "...\\x"},
        {"back at the base", target("x\\.."), {}, MsgFileNotInBase, "x\\.."},
        {"a device", target("nul"), {}, MsgFileNotInBase, "nul"},
        {"a device with an extension", target("con.txt"), {}, MsgFileNotInBase, "con.txt"},
        {"a device with blanks before its extension", target("con .txt"), {}, MsgFileNotInBase, "con .txt"},
        {"a numbered serial port", target("docs\\com1"), {}, MsgFileNotInBase, "docs\\com1"},
        {"a numbered printer port", target("LPT9.txt"), {}, MsgFileNotInBase, "LPT9.txt"},
        {"a stream", target("a.htm:s"), {}, MsgFileNotInBase, "a.htm:s"},
        {"drive-relative", target("C:x"), {}, MsgFileNotInBase, "C:x"},
        {"rooted by a slash", target("/x"), {}, MsgFileNotInBase, "/x"},
        {"climbing by slashes", target("docs/../../x"), {}, MsgFileNotInBase, "docs/../../x"},
        {"climbing out", target("..\\a.htm"), {}, MsgFileNotInBase, "..\\a.htm"},
        {"out of a drive root", target("..\\x\\a.htm", "C:\\"), {}, MsgFileNotInBase, "..\\x\\a.htm"},
        {"splash ticked without a file", splash("", "5"), {}, MsgSwitchWithoutFile, "Splash Screen"},
        {"secondary ticked without a file", [](ProjectSettings& s) { s.UseSecondary = 1; }, {},
         MsgSwitchWithoutFile, "Secondary Program"},
        {"one of several targets gone", [](ProjectSettings& s) { s.TargetFiles = "index.html, gone.htm"; },
         {"D:\\Disc\\gone.htm", "D:\\Disc\\index.html, gone.htm"}, MsgFileNotInBase, "gone.htm"},
        {"a target whose name holds a comma", [](ProjectSettings& s) { s.TargetFiles = "Report, 2004.pdf"; },
         {"D:\\Disc\\Report", "D:\\Disc\\2004.pdf"}, MsgReadyToCreate, ""},
        {"icon gone", [](ProjectSettings& s) { s.IconFile = "art\\logo.ico"; }, {"D:\\Disc\\art\\logo.ico"},
         MsgFileNotInBase, "art\\logo.ico"},
        {"secondary program gone",
         [](ProjectSettings& s) {
             s.UseSecondary = 1;
             s.SecondaryProgram = "setup.exe";
         },
         {"D:\\Disc\\setup.exe"}, MsgFileNotInBase, "setup.exe"},
        {"splash kept from an earlier base folder", splash("logo\\splash.bmp", "5"),
         {"D:\\Disc\\logo\\splash.bmp"}, MsgFileNotInBase, "logo\\splash.bmp"},
        {"unticked splash whose file is gone", [](ProjectSettings& s) { s.SplashFile = "splash.bmp"; },
         {"D:\\Disc\\splash.bmp"}, MsgReadyToCreate, ""},
        {"quote in Program 1", force("note\"pad.exe", "wordpad.exe"), {}, MsgTextNotWritable, "Program 1"},
        {"comma in Program 1 beside Program 2", force("a.exe, b", "c.exe"), {}, MsgTextNotWritable, "Program 1"},
        {"comma in Program 1 alone", force("a.exe, b", ""), {}, MsgReadyToCreate, ""},
        {"quote in Program 2", force("a.exe", "c.exe \"x\""), {}, MsgTextNotWritable, "Program 2"},
        {"line end in Program 1", force("a.exe\r\n", ""), {}, MsgTextNotWritable, "Program 1"},
        {"comma in Program 2 alone", force("", "c.exe, d"), {}, MsgTextNotWritable, "Program 2"},
        {"Try and Force without a program", force("", ""), {}, MsgForceWithoutProgram, ""},
        {"Try and Force with Program 2 alone", force("", "c.exe"), {}, MsgReadyToCreate, ""},
        {"quote while Try and Force is off",
         [](ProjectSettings& s) { s.ForceProgram1 = "note\"pad.exe"; }, {}, MsgReadyToCreate, ""},
        {"dollar in the duration", splash("splash.bmp", "3$"), {}, MsgTextNotWritable, "the splash duration"},
        {"quote in the duration", splash("splash.bmp", "4\""), {}, MsgTextNotWritable, "the splash duration"},
        {"duration that becomes 5", splash("splash.bmp", "$3"), {}, MsgReadyToCreate, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.problem);
        ProjectSettings& settings = form.Settings();
        settings = ProjectSettings();
        settings.BaseFolder = "D:\\Disc";
        settings.TargetFiles = "index.html";
        c.set(settings);
        view.Missing = c.missing;
        form.SetEntries("open=earlier", "icon=earlier");
        form.ShowMessage(MsgReadyToCreate);
        form.SetEnabled(TestButton, true);
        log.clear();

        Create(form, platform, 0, 0);

        if (c.message == MsgReadyToCreate) {
            EXPECT_THAT(log, Contains("write D:\\Disc\\autorun.inf"));
            continue;
        }
        EXPECT_THAT(log, ElementsAre("Refresh", "Repaint")) << "nothing written, copied or unregistered";
        EXPECT_EQ(form.GuidanceTitle(), "Plivora Assistant");
        EXPECT_EQ(form.GuidanceText(), Message(c.message, c.insert));
        EXPECT_EQ(form.OpenEntry(), "open=earlier") << "nothing composed";
        EXPECT_TRUE(form.IsEnabled(TestButton));
    }
}

// Written and copied whole, but Windows will not start it as the user expects.
TEST_F(CreateTest, DiscWarningsAfterAFullCreate) {
    const auto image = [](std::uint32_t sectors) {
        DiscImageResult result;
        result.sectors = sectors;
        result.bytes = std::uint64_t{sectors} * kSectorBytes;
        return result;
    };
    DiscImageResult unreadable;
    unreadable.error = DiscImageError::kReadFailed;
    struct Case {
        const char* disc;
        bool removable;
        DiscImageResult image;
        std::string text;  // empty: the panel stays as it was
    };
    for (const Case& c : {
             Case{"removable and large", true, image(kCdSectors + 1), Message(MsgRemovableDrive)},
             Case{"a sector over a CD", false, image(kCdSectors + 1), Message(MsgLargerThanCd, "703")},
             Case{"exactly a CD", false, image(kCdSectors), ""},
             Case{"unreadable", false, unreadable, ""},
         }) {
        SCOPED_TRACE(c.disc);
        platform.Removable = c.removable;
        platform.Image = c.image;
        form.HelpPressed(IDC_HELP_ICON);
        const std::string before = form.GuidanceText();

        Create(form, platform, 0, 0);

        EXPECT_EQ(form.GuidanceText(), c.text.empty() ? before : c.text);
        EXPECT_TRUE(form.IsEnabled(TestButton));
        EXPECT_TRUE(form.IsEnabled(MakeImageItem));
    }
    EXPECT_THAT(Message(MsgLargerThanCd, "703"), HasSubstr("holds 703 MB, more than a CD-ROM can hold (700 MB)."));
}

TEST_F(CreateTest, BaseFolderGetsOneSeparatorForFileAndCopy) {
    struct Case {
        const char* baseFolder;
        const char* infPath;
        const char* copyFolder;
    };
    for (const Case& c :
         {Case{"D:\\Disc", "D:\\Disc\\autorun.inf", "D:\\Disc\\"}, Case{"D:\\", "D:\\autorun.inf", "D:\\"},
          Case{"D:\\Disc/", "D:\\Disc/autorun.inf", "D:\\Disc/"}}) {
        SCOPED_TRACE(c.baseFolder);
        form.Settings().BaseFolder = c.baseFolder;
        log.clear();

        Create(form, platform, 0, 0);

        // The first Create also enables Make Disc Image.
        ASSERT_GE(log.size(), 9u);
        EXPECT_EQ(log[1], std::string("write ") + c.infPath);
        EXPECT_EQ(log[4], std::string("copy ") + WorkingCopy + " -> " + c.copyFolder);
        EXPECT_EQ(log[5], std::string("notify ") + c.copyFolder);
    }
}

TEST_F(CreateTest, ListPositionsReachTheEntryAndTheRegistryKey) {
    ProjectSettings& settings = form.Settings();
    settings.Verbose = 0;
    settings.UseSecondary = 1;
    settings.SecondaryProgram = "setup.exe";
    settings.IconFile = "logo.ico";

    Create(form, platform, 1, 2);

    EXPECT_EQ(platform.WrittenText,
              "[autorun]\nopen=Plivora.exe \"index.html\" /secProg \"setup.exe$1$2\" \n"
              "icon=logo.ico\n");
    EXPECT_EQ(log[6], "unregister [\"index.html\" /secProg \"setup.exe$1$2\" ] DontAsk");
}

TEST_F(CreateTest, ZeroSplashDurationBecomesFiveAndShowsAtTheNextRefresh) {
    ProjectSettings& settings = form.Settings();
    settings.UseSplash = 1;
    settings.SplashFile = "splash.bmp";
    settings.SplashSeconds = "0";

    Create(form, platform, 0, 0);

    EXPECT_THAT(platform.WrittenText, HasSubstr("/splash \"splash.bmp$5\" "));
    EXPECT_EQ(settings.SplashSeconds, "5");
    form.RefreshControls();
    EXPECT_EQ(view.Controls.SplashSeconds, "5");
}

TEST_F(CreateTest, TestRunsTheLastCreatedEntriesWithTheDiscsOwnLauncher) {
    Create(form, platform, 0, 0);
    form.Settings().TargetFiles = "other.html";  // not created yet
    log.clear();

    plivora::Test(form, platform);  // qualified: the fixture inherits a class named Test

    EXPECT_THAT(log, ElementsAre("launch D:\\Disc\\Plivora.exe [\"index.html\" /verbose ] in D:\\Disc"));

    // Deleted since: nothing else may stand in for it.
    platform.MissingFiles = {"D:\\Disc\\Plivora.exe"};
    log.clear();
    plivora::Test(form, platform);
    EXPECT_THAT(log, ElementsAre("Refresh", "Repaint"));
    EXPECT_EQ(form.GuidanceText(), Message(MsgLauncherMissing));
    EXPECT_TRUE(form.IsEnabled(TestButton));
}

}  // namespace
}  // namespace plivora
