#include "deploy_commands.h"

#include <optional>

#include "image_messages.h"
#include "launcher_command_line.h"
#include "project_settings.h"
#include "whole_program.h"

namespace plivora {

namespace {

void Show(FormModel& form, GuidanceMessage message, const std::string& insert = {}) {
    form.ShowMessage(message, insert);
    form.RefreshControls();
    form.RepaintBand();
}

struct Warning {
    GuidanceMessage message;
    std::string insert;
};

// Where Windows will not do with the disc what its maker expects; the first that applies.
std::optional<Warning> DiscWarning(const std::string& baseFolder, PlatformOperations& platform) {
    if (platform.IsRemovableDriveRoot(baseFolder)) return Warning{MsgRemovableDrive, {}};
    // Counted as the image counts it, so this and Make Disc Image agree; a folder that
    // cannot be imaged is no reason to warn here.
    const DiscImageResult image = platform.MeasureImage(baseFolder);
    if (!image.Ok() || !image.LargerThanCd()) return std::nullopt;
    return Warning{MsgLargerThanCd, MegabytesText(image.bytes)};
}

// A launcher cut short or left empty starts nothing from a disc: it is no launcher.
bool HoldsWholeProgram(PlatformOperations& platform, const std::string& path) {
    const std::optional<std::string> bytes = platform.ReadFileBytes(path);
    return bytes && IsWholeProgram(*bytes);
}

}  // namespace

void Create(FormModel& form, PlatformOperations& platform, int secondaryOrder, int secondaryPrompt) {
    if (!form.DiscCheckPassed()) return;
    platform.ShowWaitCursor();

    ProjectSettings& settings = form.Settings();
    const std::string iconEntry = ComposeIconEntry(settings);
    const std::string openEntry = ComposeOpenEntry(settings, secondaryOrder, secondaryPrompt);
    form.SetEntries(openEntry, iconEntry);

    // Without a base folder the path would name the drive root: count it as a failed open.
    const bool written =
        !settings.BaseFolder.empty() &&
        platform.WriteTextFile(InfFilePath(settings.BaseFolder), InfFileText(openEntry, iconEntry));
    if (!written) {
        // What the folder holds now may not match the form: no image of it.
        form.LauncherCopied(false);
        platform.ShowArrowCursor();
        Show(form, MsgWriteFailed);
        return;
    }

    // Deploy from a fresh copy of the pristine launcher. A backup that is missing or not
    // whole goes unreported: whatever working copy exists is deployed instead, and a
    // failed refresh leaves that copy as it was.
    const std::string programFolder = form.ProgramFolder();
    const std::string backup = programFolder + "\\Backup\\" + LauncherName;
    const std::string workingCopy = programFolder + "\\" + LauncherName;
    if (HoldsWholeProgram(platform, backup)) {
        platform.CopyFileIntoFolder(backup, programFolder);
        platform.NotifyFolderChanged(programFolder);
    }

    const std::string baseFolder = BaseFolderWithSeparator(settings.BaseFolder);
    CopyOutcome deployed = CopyOutcome::Failed;
    if (HoldsWholeProgram(platform, workingCopy)) {
        deployed = platform.CopyFileIntoFolder(workingCopy, baseFolder);
        platform.NotifyFolderChanged(baseFolder);
    }
    if (deployed == CopyOutcome::Incomplete)
        Show(form, MsgCopyIncomplete);
    else if (deployed == CopyOutcome::InUse)
        Show(form, MsgLauncherInUse);
    else if (deployed == CopyOutcome::Failed)
        Show(form, MsgCopyFailed, programFolder);
    else if (const std::optional<Warning> warning = DiscWarning(settings.BaseFolder, platform))
        Show(form, warning->message, warning->insert);
    else
        form.FullCreateDone();

    // Forget what the launcher remembered for these arguments, so its next run starts afresh.
    platform.RemoveClassesValue(LaunchArguments(openEntry), LauncherStateValue);

    platform.ShowArrowCursor();
    form.LauncherCopied(deployed == CopyOutcome::Copied);
    form.SetEnabled(TestButton, true);
}

void Test(FormModel& form, PlatformOperations& platform) {
    // The disc's own launcher or none: a bare name would find another copy on the path.
    const std::string& baseFolder = form.Settings().BaseFolder;
    const std::string launcher = BaseFolderWithSeparator(baseFolder) + LauncherName;
    if (!platform.FileExists(launcher)) return Show(form, MsgLauncherMissing);
    platform.Launch(launcher, LaunchArguments(form.OpenEntry()), baseFolder);
}

}  // namespace plivora
