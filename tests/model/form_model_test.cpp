#include "form_model.h"
#include "recording_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <tuple>
#include <string>
#include <vector>

namespace plivora {
namespace {

using Calls = fakes::EventLog;
using fakes::RecordingView;

Calls Switched(const char* verb, std::initializer_list<int> ids) {
    Calls calls;
    for (int id : ids) calls.push_back(std::string(verb) + " " + std::to_string(id));
    return calls;
}
Calls Enabled(std::initializer_list<int> ids) { return Switched("Enable", ids); }
Calls Disabled(std::initializer_list<int> ids) { return Switched("Disable", ids); }

Calls operator+(Calls left, const Calls& right) {
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

const std::vector<int> AllRoles = {
    BaseFolderBox, BaseFolderButton, TargetCaption, TargetBox,       TargetButton,    IconCaption,
    IconPreview,   IconBox,          IconButton,    VerboseCheck,    NoRegistryCheck, HideCheck,
    ForceCheck,    Program1Caption,  Program1Box,   Program2Caption, Program2Box,     SecondaryCheck,
    SecondaryBox,  SecondaryButton,  OrderList,     PromptList,      SplashCheck,     SplashBox,
    SplashButton,  SecondsBox,       CreateButton,  TestButton,      ExitButton,      GuidanceLabel,
    MakeImageItem};

const Calls NoTargetStage =
    Disabled({1028, 1002, 1010, 1029, 1030, 1001, 1011, 1003, 1004, 1005, 1006, 1032, 1033,
              1026, 1007, 1027, 1008, 2,    3,    1012, 1013, 1039, 1040, 1038, 1035, 1036});

const char* const Base = "C:\\CD_Temp";

class FormModelTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (int id : AllRoles) EXPECT_EQ(view_.ShownEnabled(id), model_.IsEnabled(id)) << "control " << id;
    }

    std::string Text(GuidanceMessage message) const { return catalogue_.MessageText(message); }
    std::string In(const std::string& relative) const { return std::string(Base) + "\\" + relative; }
    void ChooseTarget(const std::string& relative) { model_.TargetChosen(In(relative), {In(relative)}); }

    void StartWithTarget() {
        model_.Start();
        model_.BaseFolderChosen(Base);
        ChooseTarget("index.html");
    }
    // Every setting in use, then Create.
    void FullSetupAndCreate() {
        StartWithTarget();
        model_.IconChosen(In("logo.ico"), "ico");
        view_.Controls.TryForce = 1;
        view_.Controls.ForceProgram1 = "iexplore.exe -k";
        model_.ForceClicked();
        view_.Controls.UseSecondary = 1;
        model_.SecondaryClicked();
        model_.SecondaryChosen(In("setup\\setup.exe"));
        view_.Controls.UseSplash = 1;
        model_.SplashClicked();
        model_.SplashChosen(In("splash.bmp"));
        model_.SetEnabled(TestButton, true);
        calls_.clear();
    }
    // As above, with the launcher copied: Make Disc Image is usable.
    void FullSetupAndCreateWithLauncher() {
        FullSetupAndCreate();
        model_.LauncherCopied(true);
        calls_.clear();
    }

    BuiltInTexts texts_;
    GuidanceCatalogue catalogue_{texts_};
    Calls calls_;
    RecordingView view_{calls_};
    FormModel model_{view_, catalogue_};
};

TEST_F(FormModelTest, TypicalUseUpToCreate) {
    model_.SetFolders("C:\\Work", "C:\\Tools\\");
    model_.Start();
    EXPECT_EQ(calls_, Disabled({32, 1026, 1007, 1027, 1008}) + NoTargetStage + Calls{"Refresh"});
    EXPECT_EQ(model_.GuidanceTitle(), "Plivora Assistant");
    EXPECT_EQ(view_.Label, Text(MsgWelcome));
    for (int id : {BaseFolderBox, BaseFolderButton, ExitButton}) EXPECT_TRUE(model_.IsEnabled(id));

    calls_.clear();
    model_.BaseFolderChosen(Base);
    EXPECT_EQ(calls_, (Calls{"Picture Cd ", "Refresh"} + NoTargetStage + Enabled({1010, 1002, 1028}) +
                            Calls{"Repaint"}));
    EXPECT_EQ(view_.Controls.BaseFolder, Base);
    EXPECT_EQ(view_.Label, Text(MsgBaseFolderChosen));
    EXPECT_FALSE(model_.IsEnabled(IconButton));

    calls_.clear();
    ChooseTarget("docs\\index.html");
    EXPECT_EQ(calls_,
              Enabled({2}) + Calls{"Refresh"} +
                  Enabled({1028, 1002, 1010, 1029, 1030, 1001, 1011, 1003, 1004, 1005, 1006, 1032, 1033}) +
                  Disabled({3}) + Calls{"Read"} + Disabled({1026, 1007, 1027, 1008}) +
                  Disabled({1012, 1013, 1039, 1040}) + Disabled({1035, 1038, 1036}) + Enabled({2}) +
                  Disabled({3}) + Calls{"Repaint"});
    EXPECT_EQ(model_.Settings().TargetFiles, "docs\\index.html");
    EXPECT_EQ(view_.Label, Text(MsgTargetChosen));

    view_.Controls.Verbose = 1;
    model_.SwitchClicked();
    EXPECT_EQ(model_.Settings().Verbose, 1);
    EXPECT_FALSE(model_.IsEnabled(TestButton));

    EXPECT_EQ(model_.ProgramFolder(), "C:\\Tools\\");
    EXPECT_EQ(model_.StartDirectory(), "C:\\Work");
    EXPECT_TRUE(model_.IsEnabled(CreateButton));
}

TEST_F(FormModelTest, ReChoosingTheBaseFolderKeepsSwitchesForTheNextTarget) {
    FullSetupAndCreate();
    model_.BaseFolderChosen("D:\\Disc");
    const ProjectSettings& s = model_.Settings();
    EXPECT_EQ(s.TargetFiles, "");
    EXPECT_EQ(s.IconFile, "");
    for (int id : {CreateButton, TestButton, IconButton, Program1Box, Program2Box, SecondaryBox, OrderList,
                   SplashBox, SecondsBox, ForceCheck}) {
        EXPECT_FALSE(model_.IsEnabled(id)) << id;
    }
    EXPECT_EQ(s.SecondaryProgram, "setup\\setup.exe");
    EXPECT_EQ(s.SplashFile, "splash.bmp");
    EXPECT_EQ(s.ForceProgram1, "iexplore.exe -k");
    EXPECT_EQ(s.TryForce + s.UseSecondary + s.UseSplash, 3);

    model_.TargetChosen("D:\\Disc\\a.htm", {"D:\\Disc\\a.htm"});
    for (int id :
         {CreateButton, Program1Box, Program2Caption, SecondaryBox, PromptList, SplashButton, SecondsBox}) {
        EXPECT_TRUE(model_.IsEnabled(id)) << id;
    }
    EXPECT_EQ(view_.Label, Text(MsgTargetChosen));
}

// A folder's autorun.inf decides what choosing it says, and whether Open a Disc takes it.
TEST_F(FormModelTest, AFolderIsToldByItsAutorunFile) {
    const std::string ours = "[autorun]\r\nopen=Plivora.exe \"a.htm\" /secProg \"s.exe$1$2\" \r\nicon=i.ico\r\n";
    const std::string foreign = "[autorun]\r\nopen=setup.exe\r\n";
    const std::string foreignText = Text(MsgForeignAutorun) + "\n\n" + Text(MsgBaseFolderChosen);
    const struct {
        const char* folder;
        std::optional<std::string> file;
        std::string chosenText;  // after the base folder's picker
        bool reopens;            // by Open a Disc
    } cases[] = {
        {"no autorun.inf", std::nullopt, Text(MsgBaseFolderChosen), false},
        {"one of ours", ours, Text(MsgBaseFolderChosen), true},
        {"another program's", foreign, foreignText, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        view_.Files.clear();
        if (c.file) view_.Files["D:\\Disc\\autorun.inf"] = *c.file;
        FullSetupAndCreate();
        model_.BaseFolderChosen("D:\\Disc");
        EXPECT_EQ(view_.Label, c.chosenText);

        FullSetupAndCreate();
        const ProjectSettings before = model_.Settings();
        model_.DiscChosen("D:\\Disc");
        EXPECT_EQ(model_.Settings() != before, c.reopens);
        if (!c.reopens) {
            EXPECT_EQ(calls_, (Calls{"Refresh", "Repaint"}));
            EXPECT_EQ(view_.Label, Text(MsgNoDiscHere));
            continue;
        }
        const ProjectSettings& s = model_.Settings();
        EXPECT_EQ(s.BaseFolder, "D:\\Disc");
        EXPECT_EQ(std::tie(s.TargetFiles, s.IconFile, s.SecondaryProgram), std::tie("a.htm", "i.ico", "s.exe"));
        EXPECT_EQ(s.UseSecondary + s.UseSplash + s.TryForce, 1) << "unticked switches and their paths are cleared";
        EXPECT_EQ(std::tie(s.SplashFile, s.ForceProgram1), std::tie("", ""));
        EXPECT_NE(std::find(calls_.begin(), calls_.end(), "Lists 1 2"), calls_.end());
        EXPECT_NE(std::find(calls_.begin(), calls_.end(), "Picture File D:\\Disc\\i.ico"),
                  calls_.end());
        EXPECT_EQ(view_.Label, Text(MsgDiscReopened));
        EXPECT_EQ(view_.Controls.TargetFiles, "a.htm");
        EXPECT_TRUE(model_.IsEnabled(CreateButton) && model_.IsEnabled(SecondaryButton));
        EXPECT_FALSE(model_.IsEnabled(TestButton) || model_.IsEnabled(MakeImageItem) || model_.IsEnabled(SplashBox));
    }
}

TEST_F(FormModelTest, CancelledOrEmptyFolderChoiceLeavesNoBaseFolder) {
    for (bool cancelled : {true, false}) {
        FullSetupAndCreate();
        if (cancelled)
            model_.BaseFolderCancelled();
        else
            model_.BaseFolderChosen("");
        EXPECT_EQ(calls_, (Calls{"Picture Application ", "Refresh"} + NoTargetStage + Calls{"Repaint"}));
        EXPECT_EQ(model_.Settings().BaseFolder, "");
        EXPECT_EQ(model_.Settings().TargetFiles, "");
        EXPECT_EQ(model_.Picture(), IconPicture::ApplicationIcon);
        EXPECT_EQ(view_.Label, Text(MsgBaseFolderFailed));
        EXPECT_TRUE(model_.IsEnabled(BaseFolderButton));
    }
}

TEST_F(FormModelTest, TargetOutsideTheBaseFolderDisablesCreate) {
    for (const char* outside :
         {"C:\\CD_Temp2\\x.htm", "D:\\CD_Temp\\x.htm", "C:\\x.htm", "c:\\cd_temp2\\x.htm"}) {
        StartWithTarget();
        calls_.clear();
        model_.TargetChosen(outside, {outside});
        EXPECT_EQ(calls_, Calls{"Refresh"} + Disabled({2, 3}) + Calls{"Repaint"}) << outside;
        EXPECT_EQ(model_.Settings().TargetFiles, "");
        EXPECT_EQ(view_.Label, Text(MsgFileOutsideBase));
        // The icon and the switches stay usable.
        EXPECT_TRUE(model_.IsEnabled(IconButton));
    }
}

TEST_F(FormModelTest, SeveralTargetsAreJoinedInDialogOrder) {
    StartWithTarget();
    model_.TargetChosen(Base, {In("b.pdf"), In("a.htm")});
    EXPECT_EQ(model_.Settings().TargetFiles, "b.pdf, a.htm");
    EXPECT_TRUE(model_.IsEnabled(CreateButton));
}

TEST_F(FormModelTest, TargetChoiceWithoutFilesCountsAsCancelled) {
    StartWithTarget();
    calls_.clear();
    model_.TargetChosen(Base, {});
    model_.TargetCancelled();
    EXPECT_EQ(calls_, (Calls{"Repaint", "Repaint"}));
    EXPECT_EQ(model_.Settings().TargetFiles, "index.html");
}

TEST_F(FormModelTest, IconBeforeTargetThenTargetIsReadyToCreate) {
    StartWithTarget();
    model_.TargetChosen("D:\\x.htm", {"D:\\x.htm"});
    calls_.clear();
    model_.IconChosen(In("art\\logo.ICO"), "ICO");
    EXPECT_EQ(calls_,
              (Calls{"Picture File C:\\CD_Temp\\art\\logo.ICO", "Refresh", "Disable 3", "Repaint"}));
    EXPECT_EQ(model_.Settings().IconFile, "art\\logo.ICO");
    EXPECT_EQ(model_.PictureFile(), In("art\\logo.ICO"));
    EXPECT_EQ(view_.Label, Text(MsgIconChosen));
    ChooseTarget("index.html");
    EXPECT_EQ(view_.Label, Text(MsgReadyToCreate));
    model_.IconChosen(In("run.Exe"), "Exe");
    EXPECT_EQ(view_.Label, Text(MsgReadyToCreate));
}

TEST_F(FormModelTest, IconWithWrongExtensionIsIgnoredBeforeTheInsideTest) {
    StartWithTarget();
    model_.IconChosen(In("logo.ico"), "ico");
    const ProjectSettings before = model_.Settings();
    const std::string text = model_.GuidanceText();
    calls_.clear();
    model_.IconChosen(In("logo.bmp"), "bmp");
    model_.IconChosen("D:\\logo.bmp", "bmp");
    model_.IconChosen(In("logo"), "");
    model_.IconCancelled();
    EXPECT_EQ(calls_, Calls(4, "Repaint"));
    EXPECT_EQ(model_.Settings(), before);
    EXPECT_EQ(model_.GuidanceText(), text);
}

TEST_F(FormModelTest, IconOutsideEmptiesTheIconButKeepsThePicture) {
    for (const char* outside : {"D:\\logo.ico", "C:\\CD_Temp2\\logo.ico"}) {
        StartWithTarget();
        model_.IconChosen(In("logo.ico"), "ico");
        calls_.clear();
        model_.IconChosen(outside, "ico");
        EXPECT_EQ(calls_, (Calls{"Refresh", "Disable 3", "Repaint"})) << outside;
        EXPECT_EQ(model_.Settings().IconFile, "");
        EXPECT_EQ(model_.Picture(), IconPicture::ChosenFileIcon);
        EXPECT_EQ(view_.Label, Text(MsgIconOutsideBase));
    }
}

TEST_F(FormModelTest, UnusableNameIsRefusedByEveryPickerAndChangesNothingElse) {
    const std::string unusable = In("?????.htm");
    const std::vector<std::pair<const char*, std::function<void()>>> choices = {
        {"folder", [&] { model_.BaseFolderChosen("C:\???"); }},
        {"targets", [&] { model_.TargetChosen(Base, {In("a.htm"), unusable}); }},
        {"icon", [&] { model_.IconChosen(In("?.ico"), "ico"); }},
        {"outside icon", [&] { model_.IconChosen("D:\?.ico", "ico"); }},
        {"secondary", [&] { model_.SecondaryChosen(In("?.exe")); }},
        {"splash", [&] { model_.SplashChosen("D:\?.bmp"); }},
    };
    view_.Missing = {"C:\???", unusable, In("?.ico"), "D:\?.ico", In("?.exe"), "D:\?.bmp"};
    for (const auto& [name, choose] : choices) {
        SCOPED_TRACE(name);
        FullSetupAndCreate();
        const ProjectSettings before = model_.Settings();
        choose();
        EXPECT_EQ(calls_, (Calls{"Refresh", "Repaint"}));
        EXPECT_EQ(view_.Label, Text(MsgUnusableName));
        EXPECT_EQ(model_.Settings(), before);
        EXPECT_TRUE(model_.IsEnabled(TestButton));
        EXPECT_EQ(model_.Picture(), IconPicture::ChosenFileIcon);
    }
    // The icon's type filter comes first: a wrong type is ignored, usable or not.
    calls_.clear();
    model_.IconChosen(In("?.bmp"), "bmp");
    EXPECT_EQ(calls_, Calls{"Repaint"});
}

// The secondary program and the splash image follow one rule.
struct SwitchFile {
    const char* Name;
    void (FormModel::*Choose)(const std::string&);
    void (FormModel::*Cancel)();
    std::string ProjectSettings::*File;
    int ProjectSettings::*Flag;
    Calls GroupOff;
};

const SwitchFile SwitchFiles[] = {
    {"secondary", &FormModel::SecondaryChosen, &FormModel::SecondaryCancelled,
     &ProjectSettings::SecondaryProgram, &ProjectSettings::UseSecondary, Disabled({1012, 1013, 1039, 1040})},
    {"splash", &FormModel::SplashChosen, &FormModel::SplashCancelled, &ProjectSettings::SplashFile,
     &ProjectSettings::UseSplash, Disabled({1035, 1038, 1036})},
};

TEST_F(FormModelTest, SwitchFileOutsideUnticksItsSwitch) {
    for (const SwitchFile& sw : SwitchFiles) {
        for (const char* outside : {"D:\\f.exe", "C:\\CD_Temp2\\f.exe"}) {
            SCOPED_TRACE(std::string(sw.Name) + " " + outside);
            FullSetupAndCreate();
            (model_.*sw.Choose)(outside);
            EXPECT_EQ(calls_, (sw.GroupOff + Calls{"Refresh", "Disable 3", "Repaint"}));
            EXPECT_EQ(model_.Settings().*sw.File, "");
            EXPECT_EQ(model_.Settings().*sw.Flag, 0);
            EXPECT_EQ(view_.Controls.*sw.Flag, 0);
            EXPECT_EQ(view_.Label, Text(MsgFileOutsideBase));
        }
    }
}

TEST_F(FormModelTest, SwitchFileInsideLeavesTheGuidance) {
    for (const SwitchFile& sw : SwitchFiles) {
        SCOPED_TRACE(sw.Name);
        FullSetupAndCreate();
        const std::string text = model_.GuidanceText();
        (model_.*sw.Choose)(In("sub\\f.exe"));
        (model_.*sw.Cancel)();
        EXPECT_EQ(calls_, (Calls{"Refresh", "Disable 3"}));
        EXPECT_EQ(model_.Settings().*sw.File, "sub\\f.exe");
        EXPECT_EQ(model_.Settings().*sw.Flag, 1);
        EXPECT_EQ(model_.GuidanceText(), text);
    }
}

TEST_F(FormModelTest, TogglesUnlockTheirGroups) {
    StartWithTarget();
    view_.Controls.TryForce = 1;
    model_.ForceClicked();
    view_.Controls.UseSecondary = 1;
    model_.SecondaryClicked();
    view_.Controls.UseSplash = 1;
    model_.SplashClicked();
    for (int id : {Program1Caption, Program1Box, Program2Caption, Program2Box, SecondaryBox, SecondaryButton,
                   OrderList, PromptList, SplashBox, SecondsBox, SplashButton}) {
        EXPECT_TRUE(model_.IsEnabled(id)) << id;
    }
    calls_.clear();
    view_.Controls.TryForce = 0;
    model_.ForceClicked();
    EXPECT_EQ(calls_, Disabled({3}) + Calls{"Read"} + Disabled({1026, 1007, 1027, 1008}));
}

TEST_F(FormModelTest, HelpShowsTheTopicAndChangesNothingElse) {
    FullSetupAndCreate();
    const ProjectSettings before = model_.Settings();
    model_.HelpPressed(IDC_HELP_HIDE);
    EXPECT_EQ(calls_, (Calls{"Refresh", "Repaint"}));
    EXPECT_EQ(model_.GuidanceTitle(), "Hide Plivora");
    EXPECT_EQ(view_.Label, catalogue_.TopicFor(IDC_HELP_HIDE)->Text);
    EXPECT_EQ(model_.Settings(), before);

    calls_.clear();
    model_.HelpPressed(IDC_TEST_BUTTON);
    EXPECT_TRUE(calls_.empty());
    EXPECT_EQ(model_.GuidanceTitle(), "Hide Plivora");

    // A message brings the default title back.
    model_.ShowMessage(MsgCopyFailed, "C:\\Tools\\");
    EXPECT_EQ(model_.GuidanceTitle(), "Plivora Assistant");
    EXPECT_EQ(model_.GuidanceText(), catalogue_.MessageText(MsgCopyFailed, "C:\\Tools\\"));
}

TEST_F(FormModelTest, EventsRaisedByARefreshAreDropped) {
    FullSetupAndCreate();
    view_.DuringRefresh = [this] {
        view_.Controls.ForceProgram2 = "typed";
        model_.TextChanged();
        model_.SwitchClicked();
        model_.ForceClicked();
    };
    model_.HelpPressed(IDC_HELP_FORCE);
    EXPECT_TRUE(model_.IsEnabled(TestButton));
    EXPECT_EQ(model_.Settings().ForceProgram2, "");
    view_.DuringRefresh = nullptr;
    model_.TextChanged();
    EXPECT_FALSE(model_.IsEnabled(TestButton));
}

TEST_F(FormModelTest, NoTargetStageTouchesNoSetting) {
    FullSetupAndCreate();
    const ProjectSettings before = model_.Settings();
    model_.ApplyStage(FormStage::StageNoTarget);
    EXPECT_EQ(calls_, NoTargetStage);
    EXPECT_EQ(model_.Settings(), before);
}

// Test runs the entries of the last Create, so every change of a setting disables it.
// Create stays usable exactly while there is a target.
TEST_F(FormModelTest, TestStaysEnabledOnlyWhileNoSettingChanges) {
    using Event = std::function<void(FormModel&, RecordingView&)>;
    struct Case {
        const char* Name;
        Event Run;
        bool TestEnabled;
    };
    const std::string in = In("f.exe");
    const Case cases[] = {
        {"B1", [](FormModel& m, RecordingView&) { m.BaseFolderChosen("C:\\Other"); }, false},
        {"B2", [](FormModel& m, RecordingView&) { m.BaseFolderCancelled(); }, false},
        {"T cancelled", [](FormModel& m, RecordingView&) { m.TargetCancelled(); }, true},
        {"T outside", [](FormModel& m, RecordingView&) { m.TargetChosen("D:\\a", {"D:\\a"}); }, false},
        {"T accepted", [&](FormModel& m, RecordingView&) { m.TargetChosen(in, {in}); }, false},
        {"I cancelled", [](FormModel& m, RecordingView&) { m.IconCancelled(); }, true},
        {"I wrong extension", [&](FormModel& m, RecordingView&) { m.IconChosen(in + ".bmp", "bmp"); }, true},
        {"I outside", [](FormModel& m, RecordingView&) { m.IconChosen("D:\\a.ico", "ico"); }, false},
        {"I accepted", [&](FormModel& m, RecordingView&) { m.IconChosen(in, "exe"); }, false},
        {"P cancelled", [](FormModel& m, RecordingView&) { m.SecondaryCancelled(); }, true},
        {"P outside", [](FormModel& m, RecordingView&) { m.SecondaryChosen("D:\\a.exe"); }, false},
        {"P accepted", [&](FormModel& m, RecordingView&) { m.SecondaryChosen(in); }, false},
        {"L cancelled", [](FormModel& m, RecordingView&) { m.SplashCancelled(); }, true},
        {"L outside", [](FormModel& m, RecordingView&) { m.SplashChosen("D:\\a.bmp"); }, false},
        {"L accepted", [&](FormModel& m, RecordingView&) { m.SplashChosen(in); }, false},
        {"G1",
         [](FormModel& m, RecordingView& v) {
             v.Controls.TryForce = 0;
             m.ForceClicked();
         },
         false},
        {"G2",
         [](FormModel& m, RecordingView& v) {
             v.Controls.UseSecondary = 0;
             m.SecondaryClicked();
         },
         false},
        {"G3",
         [](FormModel& m, RecordingView& v) {
             v.Controls.UseSplash = 0;
             m.SplashClicked();
         },
         false},
        {"G4 verbose",
         [](FormModel& m, RecordingView& v) {
             v.Controls.Verbose = 1;
             m.SwitchClicked();
         },
         false},
        {"G4 noreg",
         [](FormModel& m, RecordingView& v) {
             v.Controls.NoRegistryLookup = 1;
             m.SwitchClicked();
         },
         false},
        {"G4 hide",
         [](FormModel& m, RecordingView& v) {
             v.Controls.HideDialog = 1;
             m.SwitchClicked();
         },
         false},
        {"G5 program 1",
         [](FormModel& m, RecordingView& v) {
             v.Controls.ForceProgram1 += "x";
             m.TextChanged();
         },
         false},
        {"G5 seconds",
         [](FormModel& m, RecordingView& v) {
             v.Controls.SplashSeconds = "9";
             m.TextChanged();
         },
         false},
        {"list", [](FormModel& m, RecordingView&) { m.ListSelectionChanged(); }, true},
        {"H", [](FormModel& m, RecordingView&) { m.HelpPressed(IDC_HELP_SECONDARY_PARAMS); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        FullSetupAndCreateWithLauncher();
        ASSERT_TRUE(model_.IsEnabled(TestButton));
        ASSERT_TRUE(model_.IsEnabled(MakeImageItem));
        c.Run(model_, view_);
        EXPECT_EQ(model_.IsEnabled(TestButton), c.TestEnabled);
        // The image is of the folder as Create left it: it follows Test.
        EXPECT_EQ(model_.IsEnabled(MakeImageItem), c.TestEnabled);
        EXPECT_EQ(model_.IsEnabled(CreateButton), !model_.Settings().TargetFiles.empty());
    }
}

TEST_F(FormModelTest, ImageOutcomesAreToldOnThePanel) {
    const std::string image = "C:\\Work\\CD_Temp.iso", entry = "C:\\CD_Temp\\big.bin";
    auto result = [](DiscImageError error, std::uint64_t bytes, std::uint32_t sectors) {
        DiscImageResult r;
        r.error = error;
        r.bytes = bytes;
        r.sectors = sectors;
        return r;
    };
    const std::string ready = "Your CD-ROM image C:\\Work\\CD_Temp.iso (";
    const std::string burn =
        " MB) is ready. On Windows 8 or later double-click it to open it as a CD-ROM drive and "
        "try your disc; right-click it and choose 'Burn disc image' to burn it.";
    const std::string failed = "The CD-ROM image could not be written: ";
    const struct {
        DiscImageResult Result;
        std::string Text;
    } cases[] = {
        {result(DiscImageError::kNone, 3 << 20, 1536), ready + "3.0" + burn},
        {result(DiscImageError::kNone, 52428, 26), ready + "0.1" + burn},  // never "0.0"
        {result(DiscImageError::kNone, 10380902, 5069), ready + "9.9" + burn},
        {result(DiscImageError::kNone, (10 << 20) - 1, 5120), ready + "10" + burn},  // not "10.0"
        {result(DiscImageError::kNone, 21 << 19, 5376), ready + "11" + burn},        // 10.5 rounds up
        {result(DiscImageError::kNone, 737280000, 360000), ready + "703" + burn},
        {result(DiscImageError::kNone, 737282048, 360001),
         ready + "703" + burn + " It is larger than a CD-ROM (700 MB); burn it to a DVD."},
        {result(DiscImageError::kCancelled, 0, 0), "The CD-ROM image was not written."},
        {result(DiscImageError::kNameTooLong, 0, 0),
         failed + "the name of 'C:\\CD_Temp\\big.bin' is longer than 103 letters. Nothing was left behind."},
        {result(DiscImageError::kFileTooLarge, 0, 0),
         failed + "'C:\\CD_Temp\\big.bin' is 4 GB or larger. Nothing was left behind."},
        {result(DiscImageError::kTooManyFolders, 0, 0),
         failed + "'C:\\CD_Temp\\big.bin' holds more than 65,535 folders. Nothing was left behind."},
        {result(DiscImageError::kImageTooLarge, 0, 0),
         failed + "'C:\\Work\\CD_Temp.iso' would be larger than a disc image can be. "
                  "Nothing was left behind."},
        {result(DiscImageError::kReadFailed, 0, 0),
         failed + "'C:\\CD_Temp\\big.bin' could not be read. Nothing was left behind."},
        {result(DiscImageError::kFileChanged, 0, 0),
         failed + "'C:\\CD_Temp\\big.bin' changed while it was being read. Nothing was left behind."},
        {result(DiscImageError::kWriteFailed, 0, 0),
         failed + "'C:\\Work\\CD_Temp.iso' could not be saved; the disk may be full or the folder read-only. "
                  "Nothing was left behind."},
    };
    for (const auto& c : cases) {
        FullSetupAndCreateWithLauncher();
        model_.ImageFinished(c.Result, image, entry);
        EXPECT_EQ(calls_, (Calls{"Refresh", "Repaint"}));
        EXPECT_EQ(view_.Label, c.Text);
        EXPECT_TRUE(model_.IsEnabled(MakeImageItem)) << "another image may follow";
    }
    model_.ImageInsideBase();
    EXPECT_EQ(view_.Label,
              "Please save the CD-ROM image outside your CD-ROM Base Folder, or it would contain itself.");
}

}  // namespace
}  // namespace plivora
