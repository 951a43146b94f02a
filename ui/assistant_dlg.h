// The program's only window: binds every control of the form to the form model, routes
// each notification to the model's rules or to Create and Test, and mirrors the model.
#pragma once

#include "controls.h"
#include "dialog.h"
#include "disc_image_command.h"
#include "etched_label.h"
#include "form_model.h"
#include "guidance_band.h"
#include "hover_button.h"
#include "live_region.h"
#include "pickers.h"
#include "scaled_drawing.h"
#include "unique_handle.h"

namespace plivora {

class CAssistantDlg : public framework::CDialog, private FormView {
public:
    CAssistantDlg(Pickers& pickers, const TextSource& texts);

    const FormModel& Model() const { return model_; }
    const RECT& BandRect() const { return bandRect_; }
    // The DPI the form draws its own pictures and band at.
    int Dpi() const { return dpi_; }
    // Where the band's title is drawn, in its font.
    BandLayout TitleLayout() const;
    // What Make Disc Image reads in place of the base folder.
    void UseImageInput(ImageInput& input) { imageInput_ = &input; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(framework::CDataExchange& dx) override;
    bool HandleMessage(framework::Message& message) override;

private:
    using Message = framework::Message;

    // FormView
    void RefreshControls(const ProjectSettings& settings, const std::string& guidanceText) override;
    void ReadControls(ProjectSettings& settings, std::string& guidanceText) override;
    void RepaintBand() override;
    void ControlEnabled(int controlId, bool enabled) override;
    void ShowIconPicture(IconPicture picture, const std::string& chosenFile) override;
    bool Exists(const std::string& path) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    void SelectListPositions(int secondaryOrder, int secondaryPrompt) override;

    // The fields' one exchange with the controls; outside it only the controls are attached.
    void Exchange(ProjectSettings& settings, std::string& guidanceText, bool save);
    void AddSystemMenuItems();
    void FillLists();
    void ComputeBandRect();
    // Everything the form draws itself, at the given DPI.
    void ScaleTo(int dpi);
    void LoadScaledPictures();
    void PaintBand(HDC dc) const;
    // In the font selected into the context.
    BandLayout LayOutTitle(HDC dc) const;
    void PaintMinimised();
    void AnnounceGuidance();

    // Message map handlers.
    void OnSysCommand(Message& m);
    void OpenDisc();
    void OnPaint(Message& m);
    void OnDpiChanged(Message& m);
    void OnGetObject(Message& m);
    void OnDestroy(Message& m);
    void OnQueryDragIcon(Message& m);
    void OnHelp(Message& m);
    void OnTextChanged(Message& m);
    void OnBaseFolderButton(Message& m);
    void OnTargetButton(Message& m);
    void OnIconButton(Message& m);
    void OnSwitchCheck(Message& m);
    void OnForceCheck(Message& m);
    void OnCreate(Message& m);
    void OnTest(Message& m);
    void OnClose(Message& m);
    void Close();
    void OnSecondaryCheck(Message& m);
    void OnSecondaryButton(Message& m);
    void OnSplashButton(Message& m);
    void OnSplashCheck(Message& m);
    void OnListSelection(Message& m);

    static const framework::MessageEntry<CAssistantDlg> MessageMap[];

    Pickers& pickers_;
    FolderImageInput folderImageInput_;
    ImageInput* imageInput_ = &folderImageInput_;
    // True while an image is written: the form waits for it.
    bool imaging_ = false;
    // A close asked for meanwhile: the image stops, then the form closes.
    bool closeRequested_ = false;
    GuidanceCatalogue catalogue_;
    FormModel model_;

    framework::CComboBox PromptList;
    framework::CComboBox OrderList;
    framework::CButton SplashButton;
    framework::CButton SecondaryButton;
    framework::CButton IconButton;
    framework::CButton TargetButton;
    framework::CButton BaseFolderButton;
    framework::CStatic IconPreview;
    CEtchedLabel SwitchesLabel;
    CEtchedLabel ParametersLabel;
    CEtchedLabel Divider;
    HICON applicationIcon_;
    CHoverButton helpButtons_[10];
    int dpi_ = BaseDpi;
    BandMeasures bandMeasures_;
    RECT bandRect_{};
    // Each loaded at the form's DPI, and again when it changes.
    UniqueIcon bandIcon_;
    UniqueIcon dotsIcon_;
    UniqueIcon cdIcon_;
    UniqueIcon logoIcon_;
    // Above 96 DPI the title's font, grown from the default one; empty at 96.
    UniqueGdiObject<HFONT> titleFont_;
    // The icon taken from the user's chosen file, released when another replaces it.
    UniqueIcon chosenIcon_;
    IconPicture shownPicture_ = IconPicture::CdIcon;
    std::string chosenFile_;
    // The guidance label, marked once an accessibility client first asks about the form.
    PoliteLiveRegion liveRegion_;
    bool liveRegionTried_ = false;

    // The fields an exchange reads or writes.
    ProjectSettings* exchangeSettings_ = nullptr;
    std::string* exchangeText_ = nullptr;
};

}  // namespace plivora
