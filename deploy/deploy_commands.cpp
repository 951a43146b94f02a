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
    // whatever working copy exists is deployed instead.
    const std::string programFolder = form.ProgramFolder();
    platform.CopyFileIntoFolder(programFolder + "\\Backup\\" + LauncherName, programFolder);
    platform.NotifyFolderChanged(programFolder);

    const std::string baseFolder = BaseFolderWithSeparator(settings.BaseFolder);
    const bool deployed = platform.CopyFileIntoFolder(programFolder + "\\" + LauncherName, baseFolder);
    platform.NotifyFolderChanged(baseFolder);
    if (deployed)
        form.ClearCreateFailure();
    else
        ShowFailure(form, MsgCopyFailed, programFolder);

    // Forget what the launcher remembered for these arguments, so its next run starts afresh.
    platform.RemoveClassesRootValue(LaunchArguments(openEntry), LauncherStateValue);

    platform.ShowArrowCursor();
    form.LauncherCopied(deployed);
    form.SetEnabled(TestButton, true);
}

void Test(const FormModel& form, PlatformOperations& platform) {
    platform.Launch(LauncherName, LaunchArguments(form.OpenEntry()), form.Settings().BaseFolder);
}

}  // namespace plivora
