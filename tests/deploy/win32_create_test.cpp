// Create with the real Win32 operations under Wine: real folders, files and registry.
#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ansi_wide.h"
#include "deploy_commands.h"
#include "folder_disc_tree.h"
#include "launcher_command_line.h"
#include "minimal_program.h"
#include "recording_view.h"
#include "unique_handle.h"
#include "win32_platform_operations.h"
#include "win32_test_support.h"

namespace plivora {
namespace {

using fakes::EventLog;
using fakes::FileExists;
using fakes::FolderEntries;
using fakes::MakeFolder;
using fakes::ReadBytes;
using fakes::RecordingView;
using fakes::ScratchKey;
using fakes::SetStringValue;
using fakes::TemporaryFolder;
using fakes::ValueExists;
using fakes::WriteBytes;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::string Pristine = fakes::MinimalProgram('p', 4096);
const std::string Stale = fakes::MinimalProgram('s');

class Win32CreateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(MakeFolder(scratch / "Program"));
        ASSERT_TRUE(MakeFolder(scratch / "Program\\Backup"));
        ASSERT_TRUE(MakeFolder(scratch / "Disc"));
        ASSERT_TRUE(WriteBytes(backup, Pristine));
        ASSERT_TRUE(WriteBytes(workingCopy, Stale));
        // As captured at start-up: with its trailing backslash.
        form.SetFolders(scratch.Path(), programFolder);
        form.Settings().BaseFolder = baseFolder;
        form.Settings().TargetFiles = target;
        form.Settings().Verbose = 1;
        form.SetEnabled(TestButton, false);
    }

    std::string Message(GuidanceMessage message, const std::string& insert = {}) const {
        return catalogue.MessageText(message, insert);
    }

    // An empty folder Disc on the emptied fault drive, as the base folder, and a backup
    // launcher larger than the room left once autorun.inf is written.
    void UseDiscOnTheFaultDrive(std::string& drive, std::string& disc) {
        std::string whyNot;
        const std::optional<std::string> emptied = fakes::EmptyFaultDrive(whyNot);
        ASSERT_TRUE(emptied) << whyNot;
        drive = *emptied;
        disc = drive + "Disc";
        ASSERT_TRUE(MakeFolder(disc));
        ASSERT_TRUE(WriteBytes(backup, fakes::MinimalProgram('L', 96 * 1024)));
        form.Settings().BaseFolder = disc;
    }

    TemporaryFolder scratch;
    const std::string programFolder = scratch / "Program\\";
    const std::string backup = scratch / "Program\\Backup\\Plivora.exe";
    const std::string workingCopy = scratch / "Program\\Plivora.exe";
    const std::string baseFolder = scratch / "Disc";
    // Unique per process: Create clears a registry key named after it.
    const std::string target = "disc-" + std::to_string(GetCurrentProcessId()) + ".html";
    const std::string launchArguments = "\"" + target + "\" /verbose ";

    EventLog log;
    RecordingView view{log};
    BuiltInTexts texts;
    GuidanceCatalogue catalogue{texts};
    FormModel form{view, catalogue};
    Win32PlatformOperations platform;
};

TEST_F(Win32CreateTest, SuccessLaysOutTheBaseFolderAndEnablesTest) {
    Create(form, platform, 0, 0);

    EXPECT_EQ(ReadBytes(baseFolder + "\\autorun.inf"),
              "[autorun]\r\nopen=Plivora.exe " + launchArguments + "\r\nicon=Plivora.exe\r\n");
    EXPECT_EQ(ReadBytes(baseFolder + "\\Plivora.exe"), Pristine);
    EXPECT_EQ(ReadBytes(workingCopy), Pristine) << "the working copy is refreshed from Backup";
    EXPECT_THAT(FolderEntries(baseFolder), ElementsAre("Plivora.exe", "autorun.inf"));
    EXPECT_TRUE(form.IsEnabled(TestButton));
    EXPECT_EQ(form.GuidanceText(), "");
}

TEST_F(Win32CreateTest, SecondCreateOverwritesBothFilesWithoutAsking) {
    Create(form, platform, 0, 0);
    const std::string newLauncher = fakes::MinimalProgram('n', 2048, true);
    ASSERT_TRUE(WriteBytes(backup, newLauncher));
    form.Settings().Verbose = 0;
    form.Settings().IconFile = "logo.ico";
    // Users often hide autorun.inf on their discs; the new file stays hidden.
    const std::string inf = baseFolder + "\\autorun.inf";
    const DWORD hidden = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    ASSERT_TRUE(SetFileAttributesA(inf.c_str(), hidden));

    Create(form, platform, 0, 0);

    EXPECT_EQ(ReadBytes(inf), "[autorun]\r\nopen=Plivora.exe \"" + target + "\" \r\nicon=logo.ico\r\n");
    EXPECT_EQ(GetFileAttributesA(inf.c_str()) & hidden, hidden);
    EXPECT_EQ(ReadBytes(baseFolder + "\\Plivora.exe"), newLauncher);
    EXPECT_THAT(FolderEntries(baseFolder), ElementsAre("Plivora.exe", "autorun.inf"));
    EXPECT_TRUE(form.IsEnabled(TestButton));
}

TEST_F(Win32CreateTest, MissingBaseFolderShowsWriteFailedAndCopiesNothing) {
    const std::string missing = scratch / "Missing";
    form.Settings().BaseFolder = missing;

    Create(form, platform, 0, 0);

    EXPECT_EQ(form.GuidanceText(), Message(MsgWriteFailed));
    EXPECT_EQ(ReadBytes(workingCopy), Stale) << "no copy at all";
    EXPECT_EQ(GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(form.IsEnabled(TestButton));
}

TEST_F(Win32CreateTest, ReadOnlyAutorunIsKeptWhole) {
    const std::string inf = baseFolder + "\\autorun.inf";
    const std::string previous = "[autorun]\r\nopen=earlier.exe\r\n";
    ASSERT_TRUE(WriteBytes(inf, previous));
    ASSERT_TRUE(SetFileAttributesA(inf.c_str(), FILE_ATTRIBUTE_READONLY));
    form.SetEnabled(TestButton, true);

    Create(form, platform, 0, 0);

    EXPECT_EQ(form.GuidanceText(), Message(MsgWriteFailed));
    EXPECT_EQ(ReadBytes(inf), previous);
    EXPECT_THAT(FolderEntries(baseFolder), ElementsAre("autorun.inf")) << "no launcher, no temporary file";
    EXPECT_EQ(ReadBytes(workingCopy), Stale);
    EXPECT_TRUE(form.IsEnabled(TestButton)) << "Test keeps its state";
}

TEST_F(Win32CreateTest, MissingLauncherAndBackupStillWriteAutorunAndEnableTest) {
    ASSERT_TRUE(DeleteFileA(backup.c_str()));
    ASSERT_TRUE(DeleteFileA(workingCopy.c_str()));

    Create(form, platform, 0, 0);

    EXPECT_TRUE(FileExists(baseFolder + "\\autorun.inf"));
    EXPECT_FALSE(FileExists(baseFolder + "\\Plivora.exe"));
    EXPECT_EQ(form.GuidanceText(), Message(MsgCopyFailed, programFolder));
    EXPECT_THAT(form.GuidanceText(), HasSubstr(programFolder));
    EXPECT_TRUE(form.IsEnabled(TestButton));
}

TEST_F(Win32CreateTest, MissingBackupDeploysTheWorkingCopySilently) {
    ASSERT_TRUE(DeleteFileA(backup.c_str()));

    Create(form, platform, 0, 0);

    EXPECT_EQ(ReadBytes(baseFolder + "\\Plivora.exe"), Stale);
    EXPECT_EQ(form.GuidanceText(), "");
    EXPECT_TRUE(form.IsEnabled(TestButton));
}

TEST_F(Win32CreateTest, RemovesDontAskUnderTheArgumentsKeyOnly) {
    // Where Windows merges the classes, and where the launcher itself writes the answer.
    for (const auto& [root, below] : {std::pair<HKEY, std::string>{HKEY_CLASSES_ROOT, ""},
                                      std::pair<HKEY, std::string>{HKEY_CURRENT_USER, UserClassesKey}}) {
        SCOPED_TRACE(below);
        ScratchKey key(below + launchArguments, root);
        ScratchKey withoutBlank(below + launchArguments.substr(0, launchArguments.size() - 1), root);
        ASSERT_TRUE(SetStringValue(key.Name(), "DontAsk", "1", root));
        ASSERT_TRUE(SetStringValue(key.Name(), "Other", "kept", root));
        ASSERT_TRUE(SetStringValue(withoutBlank.Name(), "DontAsk", "1", root));

        Create(form, platform, 0, 0);

        EXPECT_FALSE(ValueExists(key.Name(), "DontAsk", root));
        EXPECT_TRUE(ValueExists(key.Name(), "Other", root));
        EXPECT_TRUE(ValueExists(withoutBlank.Name(), "DontAsk", root)) << "the trailing blank is part of the name";
    }
}

TEST_F(Win32CreateTest, AFullDiskLosesNothingAndIsNeverCalledASuccess) {
    std::string drive, disc;
    ASSERT_NO_FATAL_FAILURE(UseDiscOnTheFaultDrive(drive, disc));
    const std::string inf = disc + "\\autorun.inf";
    const std::string previous = "[autorun]\r\nopen=earlier.exe\r\n";
    const std::string written = "[autorun]\r\nopen=Plivora.exe " + launchArguments + "\r\nicon=Plivora.exe\r\n";

    struct Case {
        const char* room;
        std::size_t bytes;
        const std::string& inf;
        GuidanceMessage message;
    };
    for (const Case& c : {Case{"none", 0, previous, MsgWriteFailed},
                          Case{"for autorun.inf only", 16 * 1024, written, MsgCopyIncomplete}}) {
        SCOPED_TRACE(std::string("room: ") + c.room);
        ASSERT_TRUE(WriteBytes(inf, previous));
        ASSERT_TRUE(fakes::FillDriveLeaving(drive, c.bytes));
        form.SetEnabled(TestButton, false);

        Create(form, platform, 0, 0);

        EXPECT_EQ(ReadBytes(inf), c.inf);
        EXPECT_THAT(FolderEntries(disc), ElementsAre("autorun.inf")) << "no broken launcher, no temporary file";
        EXPECT_EQ(form.GuidanceText(), Message(c.message));
        EXPECT_EQ(form.IsEnabled(TestButton), c.message != MsgWriteFailed);
        EXPECT_FALSE(form.IsEnabled(MakeImageItem));
        ASSERT_TRUE(DeleteFileA((drive + "filler").c_str()));
    }
}

// The disc's earlier launcher, read-only and hidden, against a full drive and a program
// holding it open: it stays byte for byte until a Create can put a whole one in its place.
// What Creates that died left is cleared, or never listed for the image while held.
TEST_F(Win32CreateTest, TheEarlierLauncherSurvivesUntilAWholeOneReplacesIt) {
    std::string drive, disc;
    ASSERT_NO_FATAL_FAILURE(UseDiscOnTheFaultDrive(drive, disc));
    const std::string earlier = disc + "\\Plivora.exe";
    const std::string earlierBytes = fakes::MinimalProgram('e');
    ASSERT_TRUE(WriteBytes(earlier, earlierBytes));
    const DWORD marks = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
    ASSERT_TRUE(SetFileAttributesA(earlier.c_str(), marks));
    // Ours in any letter case; the user's own only look like them.
    for (const char* leftover : {"autorun.inf.00.partial", "Plivora.exe.07.partial", "PLIVORA.EXE.05.PARTIAL",
                                 "pla2f1.tmp", "PLAFFFF.TMP", "plaG1.tmp", "pla12345.tmp",
                                 "autorun.inf.0a.partial"})
        ASSERT_TRUE(WriteBytes(disc + "\\" + leftover, "[autorun]\r\n"));
    for (const char* own : {"notes.07.partial", "pla1.tmp"})
        ASSERT_TRUE(WriteBytes(disc + "\\" + own, "the user's own"));
    const auto entries = ElementsAre("Plivora.exe", "autorun.inf", "autorun.inf.0a.partial", "notes.07.partial",
                                     "pla1.tmp", "pla12345.tmp", "plaG1.tmp");

    ASSERT_TRUE(fakes::FillDriveLeaving(drive, 16 * 1024));
    Create(form, platform, 0, 0);
    EXPECT_EQ(form.GuidanceText(), Message(MsgCopyIncomplete));
    EXPECT_EQ(ReadBytes(earlier), earlierBytes);
    EXPECT_EQ(GetFileAttributesA(earlier.c_str()) & marks, marks);
    EXPECT_THAT(FolderEntries(disc), entries);
    ASSERT_TRUE(DeleteFileA((drive + "filler").c_str()));

    {
        // As a running test launcher holds it on Windows, and a staging file another holds.
        const auto hold = [](const std::string& path, DWORD disposition) {
            return OwnedFile(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, disposition, 0, nullptr));
        };
        const UniqueKernelHandle held = hold(earlier, OPEN_EXISTING);
        const UniqueKernelHandle heldStaging = hold(disc + "\\Plivora.exe.03.partial", CREATE_NEW);
        ASSERT_TRUE(held && heldStaging);
        Create(form, platform, 0, 0);
        EXPECT_EQ(form.GuidanceText(), Message(MsgLauncherInUse));
        std::vector<DiscEntry> listed;
        ASSERT_TRUE(FolderDiscTree(WideFromAnsi(disc), u"").ListFolder(u"", listed));
        std::vector<std::string> names;
        for (const DiscEntry& entry : listed) names.push_back(AnsiFromWide(entry.name));
        std::sort(names.begin(), names.end());
        EXPECT_THAT(names, entries) << "what the image and the CD-size measure read";
    }
    EXPECT_EQ(ReadBytes(earlier), earlierBytes);
    {
        // A reader that lets others read but not replace it: the swap itself fails.
        const UniqueKernelHandle reader = OwnedFile(
            CreateFileA(earlier.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(reader);
        Create(form, platform, 0, 0);
        EXPECT_EQ(form.GuidanceText(), Message(MsgCopyFailed, programFolder));
        EXPECT_EQ(GetFileAttributesA(earlier.c_str()) & marks, marks) << "the marks come back";
        EXPECT_THAT(FolderEntries(disc), entries);
    }
    EXPECT_EQ(ReadBytes(earlier), earlierBytes);

    Create(form, platform, 0, 0);
    EXPECT_EQ(form.GuidanceText(), Message(MsgTargetChosen));
    EXPECT_EQ(ReadBytes(earlier), ReadBytes(backup));
    EXPECT_EQ(GetFileAttributesA(earlier.c_str()) & marks, DWORD(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_THAT(FolderEntries(disc), entries);
}

TEST_F(Win32CreateTest, ARemovableDrivesRootIsWarnedOfAfterAFullCreate) {
    std::string whyNot;
    const std::optional<std::string> drive = fakes::EmptyFaultDrive(whyNot);
    ASSERT_TRUE(drive) << whyNot;
    ASSERT_EQ(GetDriveTypeA(drive->c_str()), UINT(DRIVE_REMOVABLE)) << "tools/fault-drive.sh marks it removable";
    ASSERT_TRUE(MakeFolder(*drive + "Disc"));
    for (const std::string& folder : {*drive, *drive + "Disc"}) {
        SCOPED_TRACE(folder);
        form.Settings().BaseFolder = folder;
        form.HelpPressed(IDC_HELP_ICON);

        Create(form, platform, 0, 0);

        EXPECT_EQ(ReadBytes(BaseFolderWithSeparator(folder) + "Plivora.exe"), Pristine);
        EXPECT_TRUE(form.IsEnabled(TestButton));
        // Only a drive's root starts by itself; a folder on it would not even on a CD.
        if (folder == *drive)
            EXPECT_EQ(form.GuidanceText(), Message(MsgRemovableDrive));
        else
            EXPECT_EQ(form.GuidanceTitle(), "CD-ROM Icon") << "the panel stays as it was";
    }
}

TEST_F(Win32CreateTest, ProgramFolderPastThePathLimitFailsTheCopyCleanly) {
    const std::string overlong = scratch / (std::string(MAX_PATH, 'x') + "\\");
    form.SetFolders(scratch.Path(), overlong);

    Create(form, platform, 0, 0);

    EXPECT_TRUE(FileExists(baseFolder + "\\autorun.inf"));
    EXPECT_FALSE(FileExists(baseFolder + "\\Plivora.exe"));
    EXPECT_EQ(form.GuidanceText(), Message(MsgCopyFailed, overlong));
    EXPECT_TRUE(form.IsEnabled(TestButton));
}

TEST_F(Win32CreateTest, CopyRefusesATargetPathPastTheLimit) {
    // Source and folder both exist within the limit; the copied file's path would not.
    const std::string source = scratch / "launcher-with-a-rather-long-file-name.exe";
    ASSERT_TRUE(WriteBytes(source, Pristine));
    std::string deep = scratch.Path();
    while (deep.size() < 230) {
        deep += "\\" + std::string(std::min<std::size_t>(40, 230 - deep.size()), 'd');
        ASSERT_TRUE(MakeFolder(deep)) << deep.size();
    }
    ASSERT_GE(deep.size() + source.size() - scratch.Path().size(), static_cast<std::size_t>(MAX_PATH));

    EXPECT_EQ(platform.CopyFileIntoFolder(source, deep), CopyOutcome::Failed);
    EXPECT_TRUE(FolderEntries(deep).empty());
    EXPECT_EQ(platform.CopyFileIntoFolder(source, baseFolder), CopyOutcome::Copied)
        << "the same file copies to a short path";
}

}  // namespace
}  // namespace plivora
