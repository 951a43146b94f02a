// The whole state of the form and its rules, free of any window system. Each user
// action is one call; the view mirrors the result (texts, enabled states, band).
#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "control_ids.h"
#include "disc_image_writer.h"
#include "guidance.h"
#include "project_settings.h"

namespace plivora {

enum class FormStage { StageNoTarget, StageTargetChosen };

// What IconPreview shows.
enum class IconPicture { ApplicationIcon, CdIcon, ChosenFileIcon };

// The window side of the form, asked by the model exactly where the rules say.
class FormView {
public:
    virtual ~FormView() = default;
    // Push every bound field into its control, raising no change events.
    virtual void RefreshControls(const ProjectSettings& settings, const std::string& guidanceText) = 0;
    // Read every bound control back into its field.
    virtual void ReadControls(ProjectSettings& settings, std::string& guidanceText) = 0;
    virtual void RepaintBand() = 0;
    virtual void ControlEnabled(int controlId, bool enabled) = 0;
    // chosenFile is the absolute path when picture is ChosenFileIcon, else empty.
    virtual void ShowIconPicture(IconPicture picture, const std::string& chosenFile) = 0;
    // Whether a picked path names a file or folder that exists. A name the ANSI code
    // page cannot hold comes back from the pickers with stand-ins and names nothing.
    virtual bool Exists(const std::string& path) const = 0;
    // A small file's bytes; nothing when there is no such file or it cannot be read.
    virtual std::optional<std::string> ReadFile(const std::string& path) const = 0;
    // The two lists' positions, which no exchange touches.
    virtual void SelectListPositions(int secondaryOrder, int secondaryPrompt) = 0;
};

class FormModel {
public:
    FormModel(FormView& view, const GuidanceCatalogue& catalogue);

    // --- State ---
    const ProjectSettings& Settings() const { return settings_; }
    ProjectSettings& Settings() { return settings_; }
    const std::string& GuidanceTitle() const { return guidanceTitle_; }
    const std::string& GuidanceText() const { return guidanceText_; }
    const std::string& StartDirectory() const { return startDirectory_; }
    const std::string& ProgramFolder() const { return programFolder_; }
    const std::string& OpenEntry() const { return openEntry_; }
    const std::string& IconEntry() const { return iconEntry_; }
    IconPicture Picture() const { return picture_; }
    const std::string& PictureFile() const { return pictureFile_; }
    // Every control starts enabled, as the form's template creates it.
    bool IsEnabled(int controlId) const;

    // Captured by the window side before Start.
    void SetFolders(const std::string& startDirectory, const std::string& programFolder);

    // --- Events ---
    void Start();                                          // S
    void BaseFolderChosen(const std::string& folder);      // B1
    void BaseFolderCancelled();                            // B2
    // Open a Disc: a folder whose autorun.inf this program could have written comes back
    // into the form; any other folder changes nothing.
    void DiscChosen(const std::string& folder);
    void TargetCancelled();                                // T
    // dialogPath: the file's path, or the folder of several; selected: full paths in order.
    void TargetChosen(const std::string& dialogPath, const std::vector<std::string>& selected);
    void IconCancelled();                                                     // I
    // extension: FileExtension of path; a wrong one makes the choice ignored.
    void IconChosen(const std::string& path, const std::string& extension);   // I
    void SecondaryCancelled();                              // P
    void SecondaryChosen(const std::string& path);          // P
    void SplashCancelled();                                 // L
    void SplashChosen(const std::string& path);             // L
    void ForceClicked();                                    // G1
    void SecondaryClicked();                                // G2
    void SplashClicked();                                   // G3
    void SwitchClicked();                                   // G4
    void TextChanged();                                     // G5
    void ListSelectionChanged();                            // list rule
    void HelpPressed(int helpButtonId);                     // H

    // --- Operations the commands (Create, Test) use ---
    void ApplyStage(FormStage stage);
    void ShowMessage(GuidanceMessage message, const std::string& insert, const std::string& second = {});
    // Without inserts; one place makes the empty ones.
    void ShowMessage(GuidanceMessage message);
    void RefreshControls();
    void ReadControls();
    void RepaintBand();
    void SetEnabled(int controlId, bool enabled);
    void SetEntries(const std::string& openEntry, const std::string& iconEntry);
    // Before Create writes anything: false, with the first reason on the panel, when the
    // line would name a file the disc will not hold or text it cannot carry.
    bool DiscCheckPassed();
    // After a Create that wrote and deployed everything: a message it made untrue gives
    // way to the stage's own message (see GuidanceCatalogue::ReplacedByFullCreate).
    void FullCreateDone();
    // Whether Create copied the launcher into the base folder. Make Disc Image is usable
    // only while Test is, after such a Create: only then does the folder match the form.
    void LauncherCopied(bool copied);

    // --- Make Disc Image's outcomes ---
    void ImageInsideBase();
    // image: the image's path; entry: the full path of the file or folder result.path
    // names (the base folder when it names none).
    void ImageFinished(const DiscImageResult& result, const std::string& image, const std::string& entry);

private:
    class ExchangeScope;

    template <class Rule>
    void Enter(Rule&& rule);

    void SetGroupEnabled(std::initializer_list<int> ids, bool enabled);
    // True when every path exists; otherwise says so and the choice is not taken.
    bool AllUsable(const std::vector<std::string>& paths);
    // What the panel says once a target is set: ready to Create, or next the icon.
    GuidanceMessage TargetStageMessage() const;
    void ShowPicture(IconPicture picture, const std::string& chosenFile);
    void ClearTargetAndIcon();
    // B1 for a usable folder; foreignAutorun: it holds an autorun.inf this program did not write.
    void TakeBaseFolder(const std::string& folder, bool foreignAutorun);
    void ForceToggle();
    void DisableTestAndRead();
    // Enables or greys the Make Disc Image item as Test and the last Create decide.
    void FollowTestWithImageItem();
    // P and L: a file for a switch, which an outside choice unticks.
    void SwitchFileChosen(const std::string& path, std::string& file, int& useFlag,
                          std::initializer_list<int> group);

    // True while the controls are being exchanged; see Enter.
    bool exchanging_ = false;

    FormView& view_;
    const GuidanceCatalogue& catalogue_;
    ProjectSettings settings_;
    std::string guidanceTitle_;
    std::string guidanceText_;
    // The message on the panel; none while a help topic shows.
    std::optional<GuidanceMessage> shownMessage_;
    std::string startDirectory_;
    std::string programFolder_;
    std::string openEntry_;
    std::string iconEntry_;
    IconPicture picture_ = IconPicture::CdIcon;
    std::string pictureFile_;
    std::map<int, bool> enabled_;
    bool launcherCopied_ = false;
};

}  // namespace plivora
