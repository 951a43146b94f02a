#include "assistant_dlg.h"

#include <shellapi.h>

#include "about_dlg.h"
#include "control_ids.h"
#include "deploy_commands.h"
#include "device_context.h"
#include "gdi.h"
#include "guidance_strings.h"
#include "program_folders.h"
#include "resource_ids.h"
#include "screen_reader_names.h"
#include "string_table_texts.h"
#include "whole_files.h"
#include "win32_platform_operations.h"

namespace plivora {

using framework::OnNotify;
using framework::OnWindowMessage;

namespace {

constexpr UINT SystemCommandMask = 0xFFF0;
const int HelpButtonIds[10] = {IDC_HELP_BASE_FOLDER, IDC_HELP_TARGET, IDC_HELP_ICON,  IDC_HELP_VERBOSE,
                               IDC_HELP_NO_REGISTRY, IDC_HELP_HIDE,   IDC_HELP_FORCE, IDC_HELP_SECONDARY,
                               IDC_HELP_SPLASH,      IDC_HELP_SECONDARY_PARAMS};
const int DotsButtonIds[5] = {IDC_BASE_FOLDER_BUTTON, IDC_TARGET_BUTTON, IDC_ICON_BUTTON, IDC_SECONDARY_BUTTON,
                              IDC_SPLASH_BUTTON};

HICON LoadResourceIcon(int id) { return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }

Rgb ToRgb(COLORREF colour) { return {GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

COLORREF SystemRgbColour(Rgb colour) { return RGB(colour.Red, colour.Green, colour.Blue); }

RECT ChildRectInClient(HWND dialog, int id) {
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(dialog, id), &rect);
    ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

const framework::MessageEntry<CAssistantDlg> CAssistantDlg::MessageMap[] = {
    OnWindowMessage(WM_SYSCOMMAND, &CAssistantDlg::OnSysCommand),
    OnWindowMessage(WM_PAINT, &CAssistantDlg::OnPaint),
    OnWindowMessage(WM_DPICHANGED, &CAssistantDlg::OnDpiChanged),
    OnWindowMessage(WM_QUERYDRAGICON, &CAssistantDlg::OnQueryDragIcon),
    OnWindowMessage(WM_GETOBJECT, &CAssistantDlg::OnGetObject),
    OnWindowMessage(WM_DESTROY, &CAssistantDlg::OnDestroy),
    OnNotify(BN_CLICKED, IDC_HELP_BASE_FOLDER, IDC_HELP_FORCE, &CAssistantDlg::OnHelp),
    OnNotify(EN_CHANGE, IDC_BASE_FOLDER_BOX, &CAssistantDlg::OnTextChanged),
    OnNotify(EN_CHANGE, IDC_TARGET_BOX, &CAssistantDlg::OnTextChanged),
    OnNotify(EN_CHANGE, IDC_ICON_BOX, &CAssistantDlg::OnTextChanged),
    OnNotify(EN_CHANGE, IDC_PROGRAM1_BOX, &CAssistantDlg::OnTextChanged),
    OnNotify(EN_CHANGE, IDC_PROGRAM2_BOX, &CAssistantDlg::OnTextChanged),
    OnNotify(BN_CLICKED, IDC_BASE_FOLDER_BUTTON, &CAssistantDlg::OnBaseFolderButton),
    OnNotify(BN_CLICKED, IDC_TARGET_BUTTON, &CAssistantDlg::OnTargetButton),
    OnNotify(BN_CLICKED, IDC_ICON_BUTTON, &CAssistantDlg::OnIconButton),
    OnNotify(BN_CLICKED, IDC_VERBOSE_CHECK, IDC_HIDE_CHECK, &CAssistantDlg::OnSwitchCheck),
    OnNotify(BN_CLICKED, IDC_FORCE_CHECK, &CAssistantDlg::OnForceCheck),
    OnNotify(BN_CLICKED, IDC_CREATE_BUTTON, &CAssistantDlg::OnCreate),
    OnNotify(BN_CLICKED, IDC_TEST_BUTTON, &CAssistantDlg::OnTest),
    OnWindowMessage(WM_CLOSE, &CAssistantDlg::OnClose),
    OnNotify(BN_CLICKED, IDC_SECONDARY_CHECK, &CAssistantDlg::OnSecondaryCheck),
    OnNotify(BN_CLICKED, IDC_SECONDARY_BUTTON, &CAssistantDlg::OnSecondaryButton),
    OnNotify(EN_CHANGE, IDC_SECONDARY_BOX, &CAssistantDlg::OnTextChanged),
    OnNotify(BN_CLICKED, IDC_HELP_SECONDARY, &CAssistantDlg::OnHelp),
    OnNotify(BN_CLICKED, IDC_SPLASH_BUTTON, &CAssistantDlg::OnSplashButton),
    OnNotify(BN_CLICKED, IDC_HELP_SPLASH, &CAssistantDlg::OnHelp),
    OnNotify(BN_CLICKED, IDC_SPLASH_CHECK, &CAssistantDlg::OnSplashCheck),
    OnNotify(EN_CHANGE, IDC_SPLASH_BOX, &CAssistantDlg::OnTextChanged),
    OnNotify(CBN_SELCHANGE, IDC_ORDER_LIST, IDC_PROMPT_LIST, &CAssistantDlg::OnListSelection),
    OnNotify(BN_CLICKED, IDC_HELP_SECONDARY_PARAMS, &CAssistantDlg::OnHelp),
    OnNotify(EN_CHANGE, IDC_SECONDS_BOX, &CAssistantDlg::OnTextChanged),
    // Exit carries the OK id: it closes the form like the close box.
    OnNotify(BN_CLICKED, IDC_EXIT_BUTTON, &CAssistantDlg::OnClose),
};

CAssistantDlg::CAssistantDlg(Pickers& pickers, const TextSource& texts)
    : framework::CDialog(IDD_ASSISTANT),
      pickers_(pickers),
      catalogue_(texts),
      model_(*this, catalogue_),
      applicationIcon_(LoadResourceIcon(IDI_APPLICATION_ICON)) {}

BOOL CAssistantDlg::OnInitDialog() {
    // Beneath every other subclass, so that each is undone in the order it was made.
    NameControlsForScreenReaders(hwnd_);
    // The first exchange only attaches the bound controls; the model's Start writes
    // their values, inside its own exchange.
    framework::CDialog::OnInitDialog();

    AddSystemMenuItems();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(applicationIcon_));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(applicationIcon_));
    FillLists();
    for (int i = 0; i < 10; ++i) {
        helpButtons_[i].SubclassDlgItem(HelpButtonIds[i], *this);
        helpButtons_[i].ShowFlatFocus(true);
    }
    ScaleTo(WindowDpi(hwnd_));
    model_.SetFolders(CurrentDirectory(), ProgramFolder());
    model_.Start();
    return TRUE;
}

void CAssistantDlg::AddSystemMenuItems() {
    const StringTableTexts texts;
    const std::string aboutText = texts.Load(IDS_ABOUT_MENU);
    HMENU systemMenu = ::GetSystemMenu(hwnd_, FALSE);
    if (!systemMenu) return;
    ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    if (!aboutText.empty()) ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT_COMMAND, aboutText.c_str());
    // Greyed until the model's Start decides.
    ::AppendMenuA(systemMenu, MF_STRING | MF_GRAYED, IDM_MAKE_IMAGE_COMMAND,
                  texts.Load(IDS_MAKE_IMAGE_MENU).c_str());
    ::AppendMenuA(systemMenu, MF_STRING, IDM_OPEN_DISC_COMMAND, texts.Load(IDS_OPEN_DISC_MENU).c_str());
}

void CAssistantDlg::FillLists() {
    for (const char* entry : SecondaryOrderEntries) OrderList.AddString(entry);
    for (const char* entry : SecondaryPromptEntries) PromptList.AddString(entry);
    OrderList.SetCurSel(0);
    PromptList.SetCurSel(0);
}

void CAssistantDlg::ComputeBandRect() {
    const RECT divider = ChildRectInClient(hwnd_, IDC_DIVIDER);
    const RECT test = ChildRectInClient(hwnd_, IDC_TEST_BUTTON);
    bandMeasures_.DividerRight = divider.right;
    bandMeasures_.DividerTop = divider.top;
    bandMeasures_.TestButtonRight = test.right;
    bandMeasures_.IconWidth = LargeIconSize(dpi_);
    bandMeasures_.IconHeight = LargeIconSize(dpi_);
    const BandBox band = LayOutBand(bandMeasures_).Band;
    bandRect_ = {band.Left, band.Top, band.Right, band.Bottom};
}

void CAssistantDlg::ScaleTo(int dpi) {
    dpi_ = dpi;
    LoadScaledPictures();
    ComputeBandRect();
    // The paint context's default font, made for the system's DPI, grown with the window's
    // in its own face; an outline of the face, where there is one, rather than a bitmap
    // doubled.
    LOGFONTA font{};
    ::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof font, &font);
    const WindowDC screen(nullptr);
    const int height = BandTitleFontHeight(font.lfHeight, ::GetDeviceCaps(screen.Get(), LOGPIXELSY), dpi_);
    titleFont_.Reset();
    if (height > 0) {
        font.lfHeight = height;
        font.lfWidth = 0;
        font.lfOutPrecision = OUT_TT_PRECIS;
        titleFont_.Reset(::CreateFontIndirectA(&font));
    }
}

void CAssistantDlg::LoadScaledPictures() {
    const HMODULE module = ::GetModuleHandleA(nullptr);
    const int large = LargeIconSize(dpi_);
    for (CHoverButton& button : helpButtons_) button.SetIcons(IDI_HELP_OVER, IDI_HELP_NORMAL, HelpIconSize(dpi_));
    // Each control takes its new picture before the old one is destroyed.
    UniqueIcon dots = LoadIconAtSize(module, IDI_DOTS, large);
    for (int id : DotsButtonIds)
        ::SendMessageA(GetDlgItem(id), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(dots.Get()));
    dotsIcon_ = std::move(dots);
    UniqueIcon logo = LoadIconAtSize(module, IDI_LOGO, large);
    ::SendMessageA(GetDlgItem(IDC_LOGO), STM_SETICON, reinterpret_cast<WPARAM>(logo.Get()), 0);
    logoIcon_ = std::move(logo);
    const UniqueIcon oldCd(cdIcon_.Release());
    cdIcon_ = LoadIconAtSize(module, IDI_CD, large);
    ShowIconPicture(shownPicture_, chosenFile_);
    bandIcon_ = LoadIconAtSize(module, IDI_GUIDANCE_BULB, large);
}

void CAssistantDlg::DoDataExchange(framework::CDataExchange& dx) {
    using framework::DDX_Check;
    using framework::DDX_Control;
    using framework::DDX_Text;
    DDX_Control(dx, IDC_PROMPT_LIST, PromptList);
    DDX_Control(dx, IDC_ORDER_LIST, OrderList);
    DDX_Control(dx, IDC_SPLASH_BUTTON, SplashButton);
    DDX_Control(dx, IDC_SECONDARY_BUTTON, SecondaryButton);
    DDX_Control(dx, IDC_ICON_BUTTON, IconButton);
    DDX_Control(dx, IDC_TARGET_BUTTON, TargetButton);
    DDX_Control(dx, IDC_BASE_FOLDER_BUTTON, BaseFolderButton);
    DDX_Control(dx, IDC_ICON_PREVIEW, IconPreview);
    DDX_Control(dx, IDC_SWITCHES_LABEL, SwitchesLabel);
    DDX_Control(dx, IDC_PARAMETERS_LABEL, ParametersLabel);
    DDX_Control(dx, IDC_DIVIDER, Divider);
    if (!exchangeSettings_ || !exchangeText_) return;
    ProjectSettings& s = *exchangeSettings_;
    DDX_Text(dx, IDC_GUIDANCE_LABEL, *exchangeText_);
    DDX_Text(dx, IDC_BASE_FOLDER_BOX, s.BaseFolder);
    DDX_Text(dx, IDC_TARGET_BOX, s.TargetFiles);
    DDX_Text(dx, IDC_ICON_BOX, s.IconFile);
    DDX_Text(dx, IDC_PROGRAM1_BOX, s.ForceProgram1);
    DDX_Text(dx, IDC_PROGRAM2_BOX, s.ForceProgram2);
    DDX_Check(dx, IDC_VERBOSE_CHECK, s.Verbose);
    DDX_Check(dx, IDC_NO_REGISTRY_CHECK, s.NoRegistryLookup);
    DDX_Check(dx, IDC_HIDE_CHECK, s.HideDialog);
    DDX_Check(dx, IDC_FORCE_CHECK, s.TryForce);
    DDX_Check(dx, IDC_SECONDARY_CHECK, s.UseSecondary);
    DDX_Text(dx, IDC_SECONDARY_BOX, s.SecondaryProgram);
    DDX_Check(dx, IDC_SPLASH_CHECK, s.UseSplash);
    DDX_Text(dx, IDC_SPLASH_BOX, s.SplashFile);
    DDX_Text(dx, IDC_SECONDS_BOX, s.SplashSeconds);
}

// --- FormView ---

void CAssistantDlg::RefreshControls(const ProjectSettings& settings, const std::string& guidanceText) {
    const bool newGuidance = framework::WindowText(GetDlgItem(IDC_GUIDANCE_LABEL)) != guidanceText;
    ProjectSettings shown = settings;
    std::string text = guidanceText;
    Exchange(shown, text, false);
    if (newGuidance) AnnounceGuidance();
}

void CAssistantDlg::AnnounceGuidance() {
    // Windows tells of a static's new text only for its window object, which readers skip.
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, GetDlgItem(IDC_GUIDANCE_LABEL), OBJID_CLIENT, CHILDID_SELF);
    liveRegion_.Changed();
}

void CAssistantDlg::ReadControls(ProjectSettings& settings, std::string& guidanceText) {
    Exchange(settings, guidanceText, true);
}

void CAssistantDlg::Exchange(ProjectSettings& settings, std::string& guidanceText, bool save) {
    exchangeSettings_ = &settings;
    exchangeText_ = &guidanceText;
    UpdateData(save);
    exchangeSettings_ = nullptr;
    exchangeText_ = nullptr;
}

void CAssistantDlg::RepaintBand() { ::InvalidateRect(hwnd_, &bandRect_, TRUE); }

void CAssistantDlg::ControlEnabled(int controlId, bool enabled) {
    if (controlId == MakeImageItem) {
        ::EnableMenuItem(::GetSystemMenu(hwnd_, FALSE), IDM_MAKE_IMAGE_COMMAND,
                         MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        return;
    }
    ::EnableWindow(GetDlgItem(controlId), enabled ? TRUE : FALSE);
}

void CAssistantDlg::ShowIconPicture(IconPicture picture, const std::string& chosenFile) {
    shownPicture_ = picture;
    chosenFile_ = chosenFile;
    HICON icon = picture == IconPicture::ApplicationIcon ? applicationIcon_ : cdIcon_.Get();
    HICON extracted = nullptr;
    if (picture == IconPicture::ChosenFileIcon) {
        // The file's image nearest the preview's size, scaled to it.
        const int size = LargeIconSize(dpi_);
        if (::PrivateExtractIconsA(chosenFile.c_str(), 0, size, size, &extracted, nullptr, 1, LR_DEFAULTCOLOR) != 1)
            extracted = nullptr;
        icon = extracted;
    }
    IconPreview.SetIcon(icon);
    chosenIcon_.Reset(extracted);
}

bool CAssistantDlg::Exists(const std::string& path) const { return PathExists(path); }

std::optional<std::string> CAssistantDlg::ReadFile(const std::string& path) const { return ReadWholeFile(path); }

void CAssistantDlg::SelectListPositions(int secondaryOrder, int secondaryPrompt) {
    OrderList.SetCurSel(secondaryOrder);
    PromptList.SetCurSel(secondaryPrompt);
}

// --- Painting ---

void CAssistantDlg::PaintBand(HDC dc) const {
    ::FillRect(dc, &bandRect_, ::GetSysColorBrush(COLOR_HIGHLIGHT));
    const int iconSize = LargeIconSize(dpi_);
    ::DrawIconEx(dc, bandRect_.left, bandRect_.top, bandIcon_.Get(), iconSize, iconSize, 0, nullptr, DI_NORMAL);
    const Rgb titleColour = BandTitleColour(ToRgb(::GetSysColor(COLOR_CAPTIONTEXT)), ToRgb(::GetSysColor(COLOR_HIGHLIGHT)),
                                            ToRgb(::GetSysColor(COLOR_HIGHLIGHTTEXT)));
    ::SetTextColor(dc, SystemRgbColour(titleColour));
    ::SetBkMode(dc, TRANSPARENT);
    const std::string& title = model_.GuidanceTitle();
    const int length = static_cast<int>(title.size());
    // In the paint context's default font at 96 DPI, above it in a larger one of its face.
    const SelectObjectScope selected(dc, titleFont_.Get());
    const BandLayout layout = LayOutTitle(dc);
    const BandBox& box = layout.TitleClip;
    const RECT clip{box.Left, box.Top, box.Right, box.Bottom};
    // Only the band is ever repainted: a letter beyond it would stay there.
    ::ExtTextOutA(dc, layout.TitleX, layout.TitleY, ETO_CLIPPED, &clip, title.c_str(),
                  static_cast<UINT>(length), nullptr);
}

BandLayout CAssistantDlg::LayOutTitle(HDC dc) const {
    const std::string& title = model_.GuidanceTitle();
    TEXTMETRICA font{};
    ::GetTextMetricsA(dc, &font);
    SIZE extent{};
    ::GetTextExtentPoint32A(dc, title.c_str(), static_cast<int>(title.size()), &extent);
    BandMeasures measures = bandMeasures_;
    measures.TitleWidth = extent.cx;
    measures.TitleHeight = font.tmHeight;
    return LayOutBand(measures);
}

BandLayout CAssistantDlg::TitleLayout() const {
    const WindowDC dc(hwnd_);
    const SelectObjectScope selected(dc.Get(), titleFont_.Get());
    return LayOutTitle(dc.Get());
}

void CAssistantDlg::PaintMinimised() {
    framework::CPaintDC dc(hwnd_);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()));
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, applicationIcon_);
}

void CAssistantDlg::OnPaint(Message&) {
    if (::IsIconic(hwnd_)) {
        PaintMinimised();
        return;
    }
    framework::CPaintDC dc(hwnd_);
    PaintBand(dc);
}

void CAssistantDlg::OnDpiChanged(Message& m) {
    // The rectangle Windows suggests keeps the form under the pointer on its new screen.
    MoveToSuggestedRect(hwnd_, m.lParam);
    ScaleTo(HIWORD(m.wParam));
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void CAssistantDlg::OnQueryDragIcon(Message& m) { m.result = reinterpret_cast<LRESULT>(applicationIcon_); }

// --- Accessibility ---

void CAssistantDlg::OnGetObject(Message& m) {
    // A client is reading the form: from now on the panel's changes are worth marking.
    if (!liveRegionTried_) {
        liveRegionTried_ = true;
        liveRegion_.Mark(GetDlgItem(IDC_GUIDANCE_LABEL));
    }
    m.passOn = true;
}

void CAssistantDlg::OnDestroy(Message& m) {
    liveRegion_.Clear();
    m.passOn = true;
}

// --- Commands ---

bool CAssistantDlg::HandleMessage(Message& message) {
    return framework::DispatchMessageMap(*this, MessageMap, message) ||
           framework::CDialog::HandleMessage(message);
}

void CAssistantDlg::OnSysCommand(Message& m) {
    if ((m.wParam & SystemCommandMask) == IDM_MAKE_IMAGE_COMMAND) {
        // A greyed item can still be sent; it counts only while the model allows it.
        if (imaging_ || !model_.IsEnabled(MakeImageItem)) return;
        imaging_ = true;
        closeRequested_ = false;
        {
            struct Done {
                bool& flag;
                ~Done() { flag = false; }
            } done{imaging_};
            MakeDiscImage(hwnd_, model_, pickers_, *imageInput_, closeRequested_);
        }
        if (closeRequested_) Close();
        return;
    }
    if ((m.wParam & SystemCommandMask) == IDM_OPEN_DISC_COMMAND) return OpenDisc();
    if ((m.wParam & SystemCommandMask) != IDM_ABOUT_COMMAND) {
        m.passOn = true;
        return;
    }
    CAboutDlg about;
    about.DoModal(hwnd_);
}

void CAssistantDlg::OpenDisc() {
    // The form is the image's while one is written.
    if (imaging_) return;
    if (const std::optional<std::string> folder = pickers_.ChooseDiscFolder(hwnd_)) model_.DiscChosen(*folder);
}

void CAssistantDlg::OnHelp(Message& m) { model_.HelpPressed(LOWORD(m.wParam)); }

void CAssistantDlg::OnTextChanged(Message&) { model_.TextChanged(); }

void CAssistantDlg::OnBaseFolderButton(Message&) {
    const std::optional<std::string> folder = pickers_.ChooseBaseFolder(hwnd_);
    folder ? model_.BaseFolderChosen(*folder) : model_.BaseFolderCancelled();
}

void CAssistantDlg::OnTargetButton(Message&) {
    const std::optional<FileChoice> choice = pickers_.ChooseTargets(hwnd_, model_.Settings().BaseFolder);
    choice ? model_.TargetChosen(choice->Path, choice->Selected) : model_.TargetCancelled();
}

void CAssistantDlg::OnIconButton(Message&) {
    const std::optional<FileChoice> choice = pickers_.ChooseIcon(hwnd_, model_.Settings().BaseFolder);
    choice ? model_.IconChosen(choice->Path, choice->Extension) : model_.IconCancelled();
}

void CAssistantDlg::OnSecondaryButton(Message&) {
    const std::optional<FileChoice> choice = pickers_.ChooseSecondaryProgram(hwnd_, model_.Settings().BaseFolder);
    choice ? model_.SecondaryChosen(choice->Path) : model_.SecondaryCancelled();
}

void CAssistantDlg::OnSplashButton(Message&) {
    const std::optional<FileChoice> choice = pickers_.ChooseSplash(hwnd_, model_.Settings().BaseFolder);
    choice ? model_.SplashChosen(choice->Path) : model_.SplashCancelled();
}

void CAssistantDlg::OnSwitchCheck(Message&) { model_.SwitchClicked(); }
void CAssistantDlg::OnForceCheck(Message&) { model_.ForceClicked(); }
void CAssistantDlg::OnSecondaryCheck(Message&) { model_.SecondaryClicked(); }
void CAssistantDlg::OnSplashCheck(Message&) { model_.SplashClicked(); }
void CAssistantDlg::OnListSelection(Message&) { model_.ListSelectionChanged(); }

void CAssistantDlg::OnCreate(Message&) {
    // Enter and Escape reach here too; the command counts only while its button is usable.
    if (!model_.IsEnabled(CreateButton)) return;
    Win32PlatformOperations platform(hwnd_);
    plivora::Create(model_, platform, OrderList.GetCurSel(), PromptList.GetCurSel());
}

void CAssistantDlg::OnTest(Message&) {
    Win32PlatformOperations platform(hwnd_);
    plivora::Test(model_, platform);
}

void CAssistantDlg::OnClose(Message&) {
    // An image being written is stopped first; the form closes once it is cleaned up.
    if (imaging_) {
        closeRequested_ = true;
        return;
    }
    Close();
}

void CAssistantDlg::Close() {
    ::SetCurrentDirectoryA(model_.StartDirectory().c_str());
    model_.ReadControls();
    EndDialog(IDOK);
}

}  // namespace plivora
