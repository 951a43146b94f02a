#include "deploy_commands.h"

#include "launcher_command_line.h"
#include "project_settings.h"

namespace plivora {

namespace {

void ShowFailure(FormModel& form, GuidanceMessage message, const std::string& insert = {}) {
    form.ShowMessage(message, insert);
    form.RefreshControls();
    form.RepaintBand();
}

}  // namespace

void Create(FormModel& form, PlatformOperations& platform, int secondaryOrder, int secondaryPrompt) {
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
        ShowFailure(form, MsgWriteFailed);
        return;
    }

    // Deploy from a fresh copy of the pristine launcher. A missing backup goes unreported:
    // whatever working copy exists is deployed instead. A refresh that left a broken
    // working copy has removed it, and nothing is deployed.
    const std::string programFolder = form.ProgramFolder();
    const CopyOutcome refreshed =
        platform.CopyFileIntoFolder(programFolder + "\\Backup\\" + LauncherName, programFolder);
    platform.NotifyFolderChanged(programFolder);

    const std::string baseFolder = BaseFolderWithSeparator(settings.BaseFolder);
    CopyOutcome deployed = CopyOutcome::Failed;
    if (refreshed != CopyOutcome::Incomplete) {
        deployed = platform.CopyFileIntoFolder(programFolder + "\\" + LauncherName, baseFolder);
        platform.NotifyFolderChanged(baseFolder);
    }
    if (deployed == CopyOutcome::Copied)
        form.ClearCreateFailure();
    else if (deployed == CopyOutcome::Incomplete)
        ShowFailure(form, MsgCopyIncomplete);
    else
        ShowFailure(form, MsgCopyFailed, programFolder);

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
    if (!platform.FileExists(launcher)) return ShowFailure(form, MsgLauncherMissing);
    platform.Launch(launcher, LaunchArguments(form.OpenEntry()), baseFolder);
}

}  // namespace plivora
