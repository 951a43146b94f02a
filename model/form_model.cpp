#include "form_model.h"

#include <algorithm>

#include "autorun_file.h"
#include "base_paths.h"
#include "disc_check.h"
#include "guidance_strings.h"
#include "image_messages.h"
#include "launcher_command_line.h"

namespace plivora {

namespace {

const char* const DefaultTitle = "Plivora Assistant";

// What a folder's autorun.inf says of it.
struct FolderAutorun {
    bool present = false;
    std::optional<DiscSettings> ours;  // when this program could have written it
};

// exactly: read as Open a Disc reads it, see ReadAutorunFile.
FolderAutorun ReadFolderAutorun(const FormView& view, const std::string& folder, bool exactly = false) {
    FolderAutorun found;
    if (folder.empty()) return found;
    const std::optional<std::string> text = view.ReadFile(InfFilePath(folder));
    found.present = text.has_value();
    if (text) found.ours = ReadAutorunFile(*text, exactly);
    return found;
}

// Empties a name that leads outside the folder and unticks its switch, if any; adds its
// caption to those already left out.
void LeaveOut(std::string& name, int* useSwitch, int captionId, const GuidanceCatalogue& catalogue,
              std::string& captions) {
    name.clear();
    if (useSwitch) *useSwitch = 0;
    if (!captions.empty()) captions += ", ";
    captions += catalogue.Text(captionId);
}

// The captions of the settings of a disc read back that were left out, joined by ", ".
std::string LeaveOutNamesOutsideBase(ProjectSettings& s, const GuidanceCatalogue& catalogue) {
    std::string captions;
    const std::vector<std::string> targets = SplitTargetList(s.TargetFiles);
    if (targets.empty() || !std::all_of(targets.begin(), targets.end(), NamesFileInsideBase))
        LeaveOut(s.TargetFiles, nullptr, IDS_TOPIC_TITLE_TARGET, catalogue, captions);
    if (!s.IconFile.empty() && !NamesFileInsideBase(s.IconFile))
        LeaveOut(s.IconFile, nullptr, IDS_TOPIC_TITLE_ICON, catalogue, captions);
    if (s.UseSplash && !NamesFileInsideBase(s.SplashFile))
        LeaveOut(s.SplashFile, &s.UseSplash, IDS_SWITCH_SPLASH, catalogue, captions);
    if (s.UseSecondary && !NamesFileInsideBase(s.SecondaryProgram))
        LeaveOut(s.SecondaryProgram, &s.UseSecondary, IDS_SWITCH_SECONDARY, catalogue, captions);
    return captions;
}

}  // namespace

class FormModel::ExchangeScope {
public:
    explicit ExchangeScope(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~ExchangeScope() { flag_ = previous_; }
    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;

private:
    bool& flag_;
    bool previous_;
};

// Where every event enters: one that arrives while the controls are being exchanged
// comes from that exchange, not from the user, and is dropped.
template <class Rule>
void FormModel::Enter(Rule&& rule) {
    if (!exchanging_) rule();
}

FormModel::FormModel(FormView& view, const GuidanceCatalogue& catalogue)
    : view_(view), catalogue_(catalogue), guidanceTitle_(DefaultTitle) {}

bool FormModel::IsEnabled(int controlId) const {
    const auto found = enabled_.find(controlId);
    return found == enabled_.end() || found->second;
}

void FormModel::SetFolders(const std::string& startDirectory, const std::string& programFolder) {
    startDirectory_ = startDirectory;
    programFolder_ = programFolder;
}

// --- Events ---

void FormModel::Start() {
    SetEnabled(MakeImageItem, false);
    SetGroupEnabled({Program1Caption, Program1Box, Program2Caption, Program2Box}, false);
    ApplyStage(FormStage::StageNoTarget);
    guidanceText_ = catalogue_.MessageText(MsgWelcome);
    shownMessage_ = MsgWelcome;
    RefreshControls();
}

void FormModel::BaseFolderChosen(const std::string& folder) {
    Enter([&] {
        // A picker that returns no path (a folder outside the file system) chose nothing.
        if (folder.empty()) return BaseFolderCancelled();
        if (!AllUsable({folder})) return;
        const FolderAutorun autorun = ReadFolderAutorun(view_, folder);
        TakeBaseFolder(folder, autorun.present && !autorun.ours);
    });
}

void FormModel::BaseFolderCancelled() {
    Enter([&] {
        settings_.BaseFolder.clear();
        ShowMessage(MsgBaseFolderFailed);
        ShowPicture(IconPicture::ApplicationIcon, {});
        ClearTargetAndIcon();
        RefreshControls();
        ApplyStage(FormStage::StageNoTarget);
        RepaintBand();
    });
}

void FormModel::DiscChosen(const std::string& folder) {
    Enter([&] {
        const std::optional<DiscSettings> disc = ReadFolderAutorun(view_, folder, true).ours;
        if (!disc) {
            ShowMessage(MsgNoDiscHere);
            RefreshControls();
            RepaintBand();
            return;
        }
        if (!AllUsable({folder})) return;
        TakeBaseFolder(folder, false);
        settings_ = disc->Settings;
        settings_.BaseFolder = folder;
        {
            const std::string leftOut = LeaveOutNamesOutsideBase(settings_, catalogue_);
            ShowMessage(leftOut.empty() ? MsgDiscReopened : MsgSettingsLeftOut, leftOut);
        }
        RefreshControls();
        view_.SelectListPositions(disc->SecondaryOrder, disc->SecondaryPrompt);
        if (settings_.IconFile.empty())
            ShowPicture(IconPicture::CdIcon, {});
        else
            ShowPicture(IconPicture::ChosenFileIcon, BaseFolderWithSeparator(folder) + settings_.IconFile);
        // Without its target the form stays as choosing the folder left it: only the target to choose.
        if (!settings_.TargetFiles.empty()) ApplyStage(FormStage::StageTargetChosen);
        RefreshControls();
        RepaintBand();
    });
}

void FormModel::TargetCancelled() {
    Enter([&] { RepaintBand(); });
}

void FormModel::TargetChosen(const std::string& dialogPath, const std::vector<std::string>& selected) {
    Enter([&] {
        if (!AllUsable(selected)) return;
        const std::optional<std::string> targets = JoinTargets(dialogPath, selected, settings_.BaseFolder);
        if (!targets) {
            settings_.TargetFiles.clear();
            ShowMessage(MsgFileOutsideBase);
            RefreshControls();
            // Create needs a target; leaving it usable would write an empty one.
            SetEnabled(CreateButton, false);
            SetEnabled(TestButton, false);
            RepaintBand();
            return;
        }
        // A result that names no file is no choice at all.
        if (targets->empty()) return TargetCancelled();
        settings_.TargetFiles = *targets;
        SetEnabled(CreateButton, true);
        ShowMessage(TargetStageMessage());
        RefreshControls();
        ApplyStage(FormStage::StageTargetChosen);
        SetEnabled(TestButton, false);
        RepaintBand();
    });
}

void FormModel::IconCancelled() {
    Enter([&] { RepaintBand(); });
}

void FormModel::IconChosen(const std::string& path, const std::string& extension) {
    Enter([&] {
        if (!IsIconExtension(extension)) return RepaintBand();
        if (!AllUsable({path})) return;
        if (!IsInsideBase(path, settings_.BaseFolder)) {
            settings_.IconFile.clear();
            ShowMessage(MsgIconOutsideBase);
            RefreshControls();
            SetEnabled(TestButton, false);
            RepaintBand();
            return;
        }
        ShowPicture(IconPicture::ChosenFileIcon, path);
        settings_.IconFile = MakeBaseRelative(path, settings_.BaseFolder);
        ShowMessage(settings_.TargetFiles.empty() ? MsgIconChosen : MsgReadyToCreate);
        RefreshControls();
        SetEnabled(TestButton, false);
        RepaintBand();
    });
}

void FormModel::SecondaryCancelled() {}

void FormModel::SecondaryChosen(const std::string& path) {
    Enter([&] {
        SwitchFileChosen(path, settings_.SecondaryProgram, settings_.UseSecondary,
                         {SecondaryBox, SecondaryButton, OrderList, PromptList});
    });
}

void FormModel::SplashCancelled() {}

void FormModel::SplashChosen(const std::string& path) {
    Enter([&] {
        SwitchFileChosen(path, settings_.SplashFile, settings_.UseSplash,
                         {SplashBox, SecondsBox, SplashButton});
    });
}

void FormModel::ForceClicked() {
    Enter([&] { ForceToggle(); });
}

void FormModel::SecondaryClicked() {
    Enter([&] {
        DisableTestAndRead();
        SetGroupEnabled({SecondaryBox, SecondaryButton, OrderList, PromptList}, settings_.UseSecondary != 0);
    });
}

void FormModel::SplashClicked() {
    Enter([&] {
        DisableTestAndRead();
        SetGroupEnabled({SplashBox, SecondsBox, SplashButton}, settings_.UseSplash != 0);
    });
}

void FormModel::SwitchClicked() {
    Enter([&] { DisableTestAndRead(); });
}

void FormModel::TextChanged() {
    Enter([&] { DisableTestAndRead(); });
}

void FormModel::ListSelectionChanged() {
    Enter([&] { ReadControls(); });
}

void FormModel::HelpPressed(int helpButtonId) {
    Enter([&] {
        const std::optional<HelpTopic> topic = catalogue_.TopicFor(helpButtonId);
        if (!topic) return;
        guidanceTitle_ = topic->Title;
        guidanceText_ = topic->Text;
        shownMessage_.reset();
        RefreshControls();
        RepaintBand();
    });
}

// --- Operations ---

void FormModel::ApplyStage(FormStage stage) {
    if (stage == FormStage::StageNoTarget) {
        SetGroupEnabled(
            {TargetCaption, TargetBox,       TargetButton,    IconCaption,     IconPreview, IconBox,
             IconButton,    VerboseCheck,    NoRegistryCheck, HideCheck,       ForceCheck,  SecondaryCheck,
             SplashCheck,   Program1Caption, Program1Box,     Program2Caption, Program2Box, CreateButton,
             TestButton,    SecondaryBox,    SecondaryButton, OrderList,       PromptList,  SecondsBox,
             SplashBox,     SplashButton},
            false);
        return;
    }
    SetGroupEnabled({TargetCaption, TargetBox, TargetButton, IconCaption, IconPreview, IconBox, IconButton,
                     VerboseCheck, NoRegistryCheck, HideCheck, ForceCheck, SecondaryCheck, SplashCheck},
                    true);
    ForceToggle();
    SetGroupEnabled({SecondaryBox, SecondaryButton, OrderList, PromptList}, settings_.UseSecondary != 0);
    SetGroupEnabled({SplashBox, SecondsBox, SplashButton}, settings_.UseSplash != 0);
    SetEnabled(CreateButton, !settings_.TargetFiles.empty());
}

void FormModel::ShowMessage(GuidanceMessage message, const std::string& insert, const std::string& second) {
    guidanceTitle_ = DefaultTitle;
    guidanceText_ = catalogue_.MessageText(message, insert, second);
    shownMessage_ = message;
}

void FormModel::ShowMessage(GuidanceMessage message) { ShowMessage(message, {}, {}); }

void FormModel::RefreshControls() {
    ExchangeScope scope(exchanging_);
    view_.RefreshControls(settings_, guidanceText_);
}

void FormModel::ReadControls() {
    ExchangeScope scope(exchanging_);
    view_.ReadControls(settings_, guidanceText_);
}

void FormModel::RepaintBand() { view_.RepaintBand(); }

void FormModel::SetEnabled(int controlId, bool enabled) {
    enabled_[controlId] = enabled;
    view_.ControlEnabled(controlId, enabled);
    if (controlId != TestButton) return;
    // A change that disables Test may leave the folder unlike the form until the next Create.
    if (!enabled) launcherCopied_ = false;
    FollowTestWithImageItem();
}

void FormModel::SetEntries(const std::string& openEntry, const std::string& iconEntry) {
    openEntry_ = openEntry;
    iconEntry_ = iconEntry;
}

bool FormModel::DiscCheckPassed() {
    const std::optional<DiscProblem> problem =
        CheckDisc(settings_, [this](const std::string& path) { return view_.Exists(path); });
    if (!problem) return true;
    ShowMessage(problem->Message, problem->InsertTextId ? catalogue_.Text(problem->InsertTextId) : problem->File);
    RefreshControls();
    RepaintBand();
    return false;
}

void FormModel::FullCreateDone() {
    if (!shownMessage_ || !catalogue_.ReplacedByFullCreate(*shownMessage_)) return;
    ShowMessage(TargetStageMessage());
    RefreshControls();
    RepaintBand();
}

void FormModel::LauncherCopied(bool copied) {
    launcherCopied_ = copied;
    FollowTestWithImageItem();
}

void FormModel::ImageInsideBase() {
    ShowMessage(MsgImageInsideBase);
    RefreshControls();
    RepaintBand();
}

void FormModel::ImageFinished(const DiscImageResult& result, const std::string& image,
                              const std::string& entry) {
    if (result.Ok()) {
        ShowMessage(MsgImageWritten, image, MegabytesText(result.bytes));
        if (result.LargerThanCd()) guidanceText_ += " " + catalogue_.Text(IDS_MSG_IMAGE_LARGER_THAN_CD);
    } else if (result.error == DiscImageError::kCancelled) {
        ShowMessage(MsgImageCancelled);
    } else {
        ShowMessage(MsgImageFailed, ImageFailureReason(catalogue_, result.error, image, entry));
    }
    RefreshControls();
    RepaintBand();
}

// --- Helpers ---

void FormModel::FollowTestWithImageItem() {
    const bool usable = IsEnabled(TestButton) && launcherCopied_;
    if (usable != IsEnabled(MakeImageItem)) SetEnabled(MakeImageItem, usable);
}

GuidanceMessage FormModel::TargetStageMessage() const {
    return settings_.IconFile.empty() ? MsgTargetChosen : MsgReadyToCreate;
}

bool FormModel::AllUsable(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        if (path.empty() || view_.Exists(path)) continue;
        ShowMessage(MsgUnusableName);
        RefreshControls();
        RepaintBand();
        return false;
    }
    return true;
}

void FormModel::SetGroupEnabled(std::initializer_list<int> ids, bool enabled) {
    for (int id : ids) SetEnabled(id, enabled);
}

void FormModel::ShowPicture(IconPicture picture, const std::string& chosenFile) {
    picture_ = picture;
    pictureFile_ = chosenFile;
    view_.ShowIconPicture(picture, chosenFile);
}

void FormModel::TakeBaseFolder(const std::string& folder, bool foreignAutorun) {
    settings_.BaseFolder = folder;
    if (foreignAutorun) {
        // Create would replace another program's file: say so before it is lost.
        ShowMessage(MsgForeignAutorun);
        guidanceText_ += "\n\n" + catalogue_.MessageText(MsgBaseFolderChosen);
    } else {
        ShowMessage(MsgBaseFolderChosen);
    }
    ShowPicture(IconPicture::CdIcon, {});
    ClearTargetAndIcon();
    RefreshControls();
    ApplyStage(FormStage::StageNoTarget);
    SetGroupEnabled({TargetButton, TargetBox, TargetCaption}, true);
    RepaintBand();
}

void FormModel::ClearTargetAndIcon() {
    settings_.TargetFiles.clear();
    settings_.IconFile.clear();
}

void FormModel::ForceToggle() {
    DisableTestAndRead();
    SetGroupEnabled({Program1Caption, Program1Box, Program2Caption, Program2Box}, settings_.TryForce != 0);
}

void FormModel::DisableTestAndRead() {
    SetEnabled(TestButton, false);
    ReadControls();
}

void FormModel::SwitchFileChosen(const std::string& path, std::string& file, int& useFlag,
                                 std::initializer_list<int> group) {
    if (!AllUsable({path})) return;
    if (!IsInsideBase(path, settings_.BaseFolder)) {
        file.clear();
        ShowMessage(MsgFileOutsideBase);
        useFlag = 0;
        SetGroupEnabled(group, false);
        RefreshControls();
        SetEnabled(TestButton, false);
        RepaintBand();
        return;
    }
    file = MakeBaseRelative(path, settings_.BaseFolder);
    RefreshControls();
    SetEnabled(TestButton, false);
}

}  // namespace plivora
