// The real form from the real resources, driven by messages with the pickers answered
// by the test.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <functional>
#include <cstdint>
#include <cstdio>
#include <map>
#include <sstream>
#include <thread>

#include "ansi_wide.h"
#include "com.h"
#include "control_ids.h"
#include "control_test_support.h"
#include "device_context.h"
#include "resource_ids.h"
#include "form_test_support.h"
#include "guidance.h"
#include "guidance_strings.h"
#include "program_folders.h"
#include "win32_test_support.h"

namespace plivora {
namespace {

using fakes::FakePickers;
using fakes::FormDriver;
using IdSet = std::set<int>;

const IdSet AtStart = {IDC_BASE_FOLDER_BOX, IDC_BASE_FOLDER_BUTTON, IDC_EXIT_BUTTON, IDC_GUIDANCE_LABEL};

IdSet Plus(IdSet set, std::initializer_list<int> more) {
    set.insert(more);
    return set;
}

std::string Message(GuidanceMessage message, const std::string& insert = {}) {
    BuiltInTexts texts;
    return GuidanceCatalogue(texts).MessageText(message, insert);
}

class AssistantFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The form's launcher lives beside this program, as in the distribution folder.
        programFolder_ = ProgramFolder();
        ASSERT_TRUE(fakes::FileExists(programFolder_ + "Backup\\Plivora.exe"));
        ASSERT_TRUE(fakes::WriteBytes(base_ / "index.html", "<html></html>"));
    }

    fakes::TemporaryFolder base_;
    FakePickers pickers_;
    std::string programFolder_;
};

TEST_F(AssistantFormTest, TypicalUseFromFolderToTest) {
    FormDriver form(pickers_);
    EXPECT_EQ(form.EnabledControls(), AtStart);
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgWelcome));
    EXPECT_EQ(form.Text(IDC_SECONDS_BOX), "5");
    EXPECT_EQ(form.Text(IDC_BASE_FOLDER_BOX), "");

    pickers_.Folder = base_.Path();
    form.Click(IDC_BASE_FOLDER_BUTTON);
    const IdSet folderChosen = Plus(AtStart, {IDC_TARGET_CAPTION, IDC_TARGET_BOX, IDC_TARGET_BUTTON});
    EXPECT_EQ(form.EnabledControls(), folderChosen);
    EXPECT_EQ(form.Text(IDC_BASE_FOLDER_BOX), base_.Path());
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgBaseFolderChosen));

    pickers_.Targets = FakePickers::File(base_ / "index.html", "html");
    form.Click(IDC_TARGET_BUTTON);
    EXPECT_EQ(pickers_.LastInitialFolder, base_.Path());
    const IdSet targetChosen =
        Plus(folderChosen, {IDC_ICON_CAPTION, IDC_ICON_PREVIEW, IDC_ICON_BOX, IDC_ICON_BUTTON, IDC_VERBOSE_CHECK,
                            IDC_NO_REGISTRY_CHECK, IDC_HIDE_CHECK, IDC_FORCE_CHECK, IDC_SECONDARY_CHECK,
                            IDC_SPLASH_CHECK, IDC_CREATE_BUTTON});
    EXPECT_EQ(form.EnabledControls(), targetChosen);
    EXPECT_EQ(form.Text(IDC_TARGET_BOX), "index.html");
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgTargetChosen));

    form.Click(IDC_VERBOSE_CHECK);
    EXPECT_TRUE(form.Checked(IDC_VERBOSE_CHECK));
    EXPECT_EQ(form.EnabledControls(), targetChosen);
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgTargetChosen));

    form.Click(IDC_CREATE_BUTTON);
    EXPECT_EQ(form.EnabledControls(), Plus(targetChosen, {IDC_TEST_BUTTON}));
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgTargetChosen));
    EXPECT_EQ(fakes::ReadBytes(base_ / "autorun.inf"),
              "[autorun]\r\nopen=Plivora.exe \"index.html\" /verbose \r\nicon=Plivora.exe\r\n");
    EXPECT_EQ(fakes::ReadBytes(base_ / "Plivora.exe"), fakes::ReadBytes(programFolder_ + "Backup\\Plivora.exe"));

    form.Click(IDC_TEST_BUTTON);
    // Read once readable: the record can be seen a moment before it can be opened.
    const std::string record = fakes::WaitForFile(base_ / "launch_record.txt").value_or("");
    EXPECT_EQ(record.substr(0, record.find('\n')), "\"index.html\" /verbose ");
    EXPECT_NE(record.find("\n" + fakes::LongPath(base_.Path()) + "\n"), std::string::npos) << record;
    EXPECT_EQ(form.EnabledControls(), Plus(targetChosen, {IDC_TEST_BUTTON}));

    // With the disc's launcher gone, the working copy beside the program must not stand in.
    ASSERT_TRUE(::DeleteFileA((base_ / "Plivora.exe").c_str()));
    ASSERT_TRUE(::DeleteFileA((base_ / "launch_record.txt").c_str()));
    ::DeleteFileA((programFolder_ + "launch_record.txt").c_str());
    form.Click(IDC_TEST_BUTTON);
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgLauncherMissing));
    EXPECT_TRUE(form.Enabled(IDC_TEST_BUTTON));
    form.Click(IDC_CREATE_BUTTON);
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgTargetChosen)) << "a full Create replaces the failure";
    form.Click(IDC_TEST_BUTTON);
    EXPECT_TRUE(fakes::WaitForFile(base_ / "launch_record.txt"));
    EXPECT_FALSE(fakes::FileExists(programFolder_ + "launch_record.txt")) << "another launcher ran";
}

TEST_F(AssistantFormTest, HelpButtonsShowTheirTopicWithoutTouchingTest) {
    FormDriver form(pickers_);
    form.Click(IDC_HELP_HIDE);
    EXPECT_EQ(form.Form().Model().GuidanceTitle(), "Hide Plivora");
    BuiltInTexts texts;
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), GuidanceCatalogue(texts).TopicFor(IDC_HELP_HIDE)->Text);
    EXPECT_EQ(form.EnabledControls(), AtStart);
}

// Every switch ticked, both programs typed, both files chosen, the seconds typed and both
// lists moved: what Create writes for it.
const std::string FullOpenLine =
    "open=Plivora.exe \"index.html\" /splash \"splash.bmp$7\" /secProg \"setup.exe$1$3\" "
    "/verbose /noreg /hide /tryforce \"iexplore.exe -k, netscape.exe -sk\" ";

std::string InfWith(const std::string& openLine) {
    return "[autorun]\r\n" + openLine + "\r\nicon=Plivora.exe\r\n";
}

// From a full setup, each row changes one bound control, creates, and changes it back.
TEST_F(AssistantFormTest, EveryBoundControlReachesTheOpenLine) {
    ASSERT_TRUE(fakes::WriteBytes(base_ / "setup.exe", "MZ"));
    ASSERT_TRUE(fakes::WriteBytes(base_ / "splash.bmp", "BM"));
    FormDriver form(pickers_);
    using Change = std::function<void()>;
    const auto click = [&form](int id) -> Change { return [&form, id] { form.Click(id); }; };
    const auto type = [&form](int id, const char* text) -> Change {
        return [&form, id, text] { form.TypeText(id, text); };
    };
    const auto select = [&form](int id, int entry) -> Change {
        return [&form, id, entry] { form.SelectListEntry(id, entry); };
    };

    pickers_.Folder = base_.Path();
    pickers_.Targets = FakePickers::File(base_ / "index.html");
    pickers_.Secondary = FakePickers::File(base_ / "setup.exe");
    pickers_.Splash = FakePickers::File(base_ / "splash.bmp");
    for (int id : {IDC_BASE_FOLDER_BUTTON, IDC_TARGET_BUTTON, IDC_VERBOSE_CHECK, IDC_NO_REGISTRY_CHECK,
                   IDC_HIDE_CHECK, IDC_FORCE_CHECK})
        form.Click(id);
    form.TypeText(IDC_PROGRAM1_BOX, "iexplore.exe -k");
    form.TypeText(IDC_PROGRAM2_BOX, "netscape.exe -sk");
    for (int id : {IDC_SECONDARY_CHECK, IDC_SECONDARY_BUTTON, IDC_SPLASH_CHECK}) form.Click(id);
    form.Click(IDC_CREATE_BUTTON);
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgSwitchWithoutFile, "Splash Screen"));
    EXPECT_FALSE(fakes::FileExists(base_ / "autorun.inf")) << "a switch without its file writes nothing";
    form.Click(IDC_SPLASH_BUTTON);
    form.TypeText(IDC_SECONDS_BOX, "7");
    form.SelectListEntry(IDC_ORDER_LIST, 1);
    form.SelectListEntry(IDC_PROMPT_LIST, 3);
    form.Click(IDC_CREATE_BUTTON);
    ASSERT_EQ(fakes::ReadBytes(base_ / "autorun.inf"), InfWith(FullOpenLine));
    EXPECT_EQ(form.EnabledControls(),
              IdSet(fakes::RuledControls, fakes::RuledControls + fakes::RuledControlCount))
        << "a full setup leaves every control usable";
    EXPECT_EQ(form.Text(IDC_SECONDARY_BOX), "setup.exe");
    EXPECT_EQ(form.Text(IDC_SPLASH_BOX), "splash.bmp");

    struct Row {
        const char* Control;
        Change Set, Back;          // a switch changes back when clicked again
        std::string Was, Becomes;  // the part of the full line that changes
        bool KeepsTest;            // else the change asks for a new Create
    };
    const Row rows[] = {
        {"Verbose", click(IDC_VERBOSE_CHECK), {}, "/verbose ", "", false},
        {"No Registry Lookup", click(IDC_NO_REGISTRY_CHECK), {}, "/noreg ", "", false},
        {"Hide", click(IDC_HIDE_CHECK), {}, "/hide ", "", false},
        {"Try and Force", click(IDC_FORCE_CHECK), {}, "/tryforce \"iexplore.exe -k, netscape.exe -sk\" ", "",
         false},
        {"Secondary Program", click(IDC_SECONDARY_CHECK), {}, "/secProg \"setup.exe$1$3\" ", "", false},
        {"Splash Screen", click(IDC_SPLASH_CHECK), {}, "/splash \"splash.bmp$7\" ", "", false},
        {"Program 1", type(IDC_PROGRAM1_BOX, "opera.exe"), type(IDC_PROGRAM1_BOX, "iexplore.exe -k"),
         "iexplore.exe -k,", "opera.exe,", false},
        {"Program 2", type(IDC_PROGRAM2_BOX, ""), type(IDC_PROGRAM2_BOX, "netscape.exe -sk"),
         ", netscape.exe -sk", "", false},
        {"seconds read as zero", type(IDC_SECONDS_BOX, "0"), type(IDC_SECONDS_BOX, "7"), "$7", "$5", false},
        {"order list", select(IDC_ORDER_LIST, 0), select(IDC_ORDER_LIST, 1), "$1$3", "$0$3", true},
        {"prompt list", select(IDC_PROMPT_LIST, 1), select(IDC_PROMPT_LIST, 3), "$1$3", "$1$1", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Control);
        row.Set();
        EXPECT_EQ(form.Enabled(IDC_TEST_BUTTON), row.KeepsTest);
        form.Click(IDC_CREATE_BUTTON);
        std::string changed = FullOpenLine;
        changed.replace(changed.find(row.Was), row.Was.size(), row.Becomes);
        EXPECT_EQ(fakes::ReadBytes(base_ / "autorun.inf"), InfWith(changed));
        (row.Back ? row.Back : row.Set)();
        form.Click(IDC_CREATE_BUTTON);
        EXPECT_EQ(fakes::ReadBytes(base_ / "autorun.inf"), InfWith(FullOpenLine)) << "changed back";
    }

    // The line cannot carry a quote: the disc made last stays as it was.
    form.TypeText(IDC_PROGRAM1_BOX, "note\"pad.exe");
    form.Click(IDC_CREATE_BUTTON);
    EXPECT_EQ(fakes::ReadBytes(base_ / "autorun.inf"), InfWith(FullOpenLine));
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgTextNotWritable, "Program 1"));
    EXPECT_FALSE(form.Enabled(IDC_TEST_BUTTON));
}

TEST_F(AssistantFormTest, EscapeRunsCreateOnlyWhileItIsUsable) {
    FormDriver form(pickers_);
    form.PressKey(VK_ESCAPE);
    form.PressKey(VK_RETURN);
    EXPECT_FALSE(form.Form().IsEnded());
    EXPECT_TRUE(::IsWindowVisible(form.Window()));
    EXPECT_FALSE(fakes::FileExists(base_ / "autorun.inf"));

    pickers_.Folder = base_.Path();
    form.Click(IDC_BASE_FOLDER_BUTTON);
    pickers_.Targets = FakePickers::File(base_ / "index.html");
    form.Click(IDC_TARGET_BUTTON);
    form.PressKey(VK_ESCAPE);
    EXPECT_FALSE(form.Form().IsEnded());
    EXPECT_TRUE(fakes::FileExists(base_ / "autorun.inf"));
    EXPECT_TRUE(form.Enabled(IDC_TEST_BUTTON));
}

TEST_F(AssistantFormTest, ClosingRestoresTheStartDirectory) {
    const std::string start = CurrentDirectory();
    for (UINT close : {UINT(WM_CLOSE), UINT(WM_COMMAND)}) {
        FormDriver form(pickers_);
        ASSERT_TRUE(::SetCurrentDirectoryA(base_.Path().c_str()));
        if (close == WM_CLOSE)
            ::SendMessageA(form.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            form.Click(IDC_EXIT_BUTTON);
        EXPECT_TRUE(form.Form().IsEnded());
        EXPECT_EQ(form.Form().Result(), IDOK);
        EXPECT_EQ(CurrentDirectory(), start);
        ::SetCurrentDirectoryA(start.c_str());
    }
}

// What a person at the About box sees and does, checked from another thread while
// the box runs modally on the form's thread.
struct AboutVisit {
    bool visible = false;
    bool active = false;
    bool focusInside = false;
    bool formDisabled = false;
    bool closedByKey = false;
};

AboutVisit VisitAboutBox(HWND form, WPARAM key) {
    AboutVisit visit;
    HWND about = nullptr;
    fakes::WaitFor([&] {
        about = ::FindWindowA("#32770", "About Plivora_Assistant");
        return about && ::IsWindowVisible(about);
    });
    if (!about) return visit;
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(about, nullptr), &gui);
    visit.visible = ::IsWindowVisible(about) != FALSE;
    visit.active = gui.hwndActive == about;
    visit.focusInside = gui.hwndFocus && ::IsChild(about, gui.hwndFocus);
    visit.formDisabled = !::IsWindowEnabled(form);
    fakes::PressKey(about, static_cast<UINT>(key));
    visit.closedByKey = fakes::WaitFor([&] { return !::IsWindowVisible(about); }, std::chrono::seconds(5));
    // Never leave the form's thread stuck in a box that ignored the key.
    if (!visit.closedByKey) ::PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
    return visit;
}

TEST_F(AssistantFormTest, AboutBoxShowsFocusedAndClosesOnEscapeOrEnter) {
    FormDriver form(pickers_);
    char item[100] = {};
    ::GetMenuStringA(::GetSystemMenu(form.Window(), FALSE), IDM_ABOUT_COMMAND, item, sizeof item, MF_BYCOMMAND);
    EXPECT_STREQ(item, "&About Plivora_Assistant...");

    for (WPARAM key : {WPARAM(VK_ESCAPE), WPARAM(VK_RETURN)}) {
        SCOPED_TRACE(key == VK_ESCAPE ? "Escape" : "Enter");
        AboutVisit visit;
        std::thread person([&] { visit = VisitAboutBox(form.Window(), key); });
        // Any command that differs from the About item only in its low four bits opens it.
        ::SendMessageA(form.Window(), WM_SYSCOMMAND, IDM_ABOUT_COMMAND | 0x000F, 0);
        person.join();
        EXPECT_TRUE(visit.visible);
        EXPECT_TRUE(visit.active);
        EXPECT_TRUE(visit.focusInside);
        EXPECT_TRUE(visit.formDisabled) << "the form waits while the box is open";
        EXPECT_TRUE(visit.closedByKey);
        EXPECT_EQ(::FindWindowA("#32770", "About Plivora_Assistant"), nullptr);
        EXPECT_TRUE(::IsWindowEnabled(form.Window()));
        EXPECT_EQ(::GetActiveWindow(), form.Window());
        EXPECT_FALSE(form.Form().IsEnded());
    }
}

HICON ResourceIcon(int id) { return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }

// Two icons that draw alike at their own size: the form loads its own at its DPI.
bool SamePicture(HICON a, HICON b) {
    testing_support::Canvas first(32, 32), second(32, 32);
    ::DrawIconEx(first.Dc(), 0, 0, a, 0, 0, 0, nullptr, DI_NORMAL);
    ::DrawIconEx(second.Dc(), 0, 0, b, 0, 0, 0, nullptr, DI_NORMAL);
    ::GdiFlush();
    return first.SameAs(second);
}

TEST_F(AssistantFormTest, IconPreviewFollowsFolderAndIconChoices) {
    FormDriver form(pickers_);
    auto preview = [&] { return reinterpret_cast<HICON>(::SendMessageA(form.Item(IDC_ICON_PREVIEW), STM_GETICON, 0, 0)); };
    pickers_.Folder = base_.Path();
    form.Click(IDC_BASE_FOLDER_BUTTON);
    EXPECT_TRUE(SamePicture(preview(), ResourceIcon(IDI_CD)));
    pickers_.Targets = FakePickers::File(base_ / "index.html");
    form.Click(IDC_TARGET_BUTTON);

    // This test program carries the form's icons, so it serves as a program file to take one from.
    ASSERT_TRUE(::CopyFileA(ModulePath(nullptr).c_str(), (base_ / "tool.exe").c_str(), FALSE));
    pickers_.Icon = FakePickers::File(base_ / "tool.exe", "exe");
    form.Click(IDC_ICON_BUTTON);
    EXPECT_EQ(form.Text(IDC_ICON_BOX), "tool.exe");
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgReadyToCreate));
    const HICON extracted = preview();
    EXPECT_NE(extracted, nullptr);
    EXPECT_NE(extracted, ResourceIcon(IDI_CD));

    pickers_.Icon = FakePickers::File(base_ / "picture.bmp", "bmp");
    form.Click(IDC_ICON_BUTTON);
    EXPECT_EQ(form.Text(IDC_ICON_BOX), "tool.exe") << "a wrong type is ignored";

    fakes::TemporaryFolder elsewhere;
    ASSERT_TRUE(fakes::WriteBytes(elsewhere / "logo.ico", "x"));
    pickers_.Icon = FakePickers::File(elsewhere / "logo.ico", "ico");
    form.Click(IDC_ICON_BUTTON);
    EXPECT_EQ(form.Text(IDC_ICON_BOX), "");
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgIconOutsideBase));
    EXPECT_EQ(preview(), extracted) << "an outside icon keeps the picture";

    pickers_.Folder.reset();
    form.Click(IDC_BASE_FOLDER_BUTTON);
    EXPECT_EQ(preview(), ResourceIcon(IDI_APPLICATION_ICON));
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgBaseFolderFailed));
    EXPECT_EQ(form.EnabledControls(), AtStart);
}

// A disc made yesterday: the program ends, starts again and reads the disc back.
TEST_F(AssistantFormTest, OpenADiscBringsBackEverySettingAndCreatesTheSameFile) {
    for (const char* name : {"logo.ico", "setup.exe", "splash.bmp"}) ASSERT_TRUE(fakes::WriteBytes(base_ / name, "x"));
    const int boxes[] = {IDC_BASE_FOLDER_BOX, IDC_TARGET_BOX, IDC_ICON_BOX,   IDC_PROGRAM1_BOX,
                         IDC_PROGRAM2_BOX,    IDC_SECONDARY_BOX, IDC_SPLASH_BOX, IDC_SECONDS_BOX};
    const int checks[] = {IDC_VERBOSE_CHECK,  IDC_NO_REGISTRY_CHECK, IDC_HIDE_CHECK,
                          IDC_FORCE_CHECK,    IDC_SECONDARY_CHECK,   IDC_SPLASH_CHECK};
    std::vector<std::string> shown;
    std::string written;
    {
        FormDriver form(pickers_);
        pickers_.Folder = base_.Path();
        form.Click(IDC_BASE_FOLDER_BUTTON);
        pickers_.Targets = FakePickers::File(base_ / "index.html");
        form.Click(IDC_TARGET_BUTTON);
        pickers_.Icon = FakePickers::File(base_ / "logo.ico", "ico");
        form.Click(IDC_ICON_BUTTON);
        for (int id : checks) form.Click(id);
        form.TypeText(IDC_PROGRAM1_BOX, "iexplore.exe -k");
        form.TypeText(IDC_PROGRAM2_BOX, "netscape.exe -sk");
        pickers_.Secondary = FakePickers::File(base_ / "setup.exe");
        form.Click(IDC_SECONDARY_BUTTON);
        pickers_.Splash = FakePickers::File(base_ / "splash.bmp");
        form.Click(IDC_SPLASH_BUTTON);
        form.TypeText(IDC_SECONDS_BOX, "7");
        form.SelectListEntry(IDC_ORDER_LIST, 1);
        form.SelectListEntry(IDC_PROMPT_LIST, 2);
        form.Click(IDC_CREATE_BUTTON);
        ASSERT_TRUE(form.Enabled(IDC_TEST_BUTTON));
        written = fakes::ReadBytes(base_ / "autorun.inf").value_or("");
        for (int id : boxes) shown.push_back(form.Text(id));
    }

    FormDriver form(pickers_);
    HMENU menu = ::GetSystemMenu(form.Window(), FALSE);
    const int count = ::GetMenuItemCount(menu);
    EXPECT_EQ(::GetMenuItemID(menu, count - 2), UINT(IDM_MAKE_IMAGE_COMMAND));
    EXPECT_EQ(::GetMenuItemID(menu, count - 1), UINT(IDM_OPEN_DISC_COMMAND));
    char item[100] = {};
    ::GetMenuStringA(menu, IDM_OPEN_DISC_COMMAND, item, sizeof item, MF_BYCOMMAND);
    EXPECT_STREQ(item, "Open a &Disc...");
    EXPECT_FALSE(::GetMenuState(menu, IDM_OPEN_DISC_COMMAND, MF_BYCOMMAND) & MF_GRAYED);

    pickers_.DiscFolder = base_.Path();
    ::SendMessageA(form.Window(), WM_SYSCOMMAND, IDM_OPEN_DISC_COMMAND, 0);
    for (std::size_t i = 0; i < std::size(boxes); ++i) EXPECT_EQ(form.Text(boxes[i]), shown[i]) << boxes[i];
    for (int id : checks) EXPECT_TRUE(form.Checked(id)) << id;
    EXPECT_EQ(::SendMessageA(form.Item(IDC_ORDER_LIST), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(::SendMessageA(form.Item(IDC_PROMPT_LIST), CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgDiscReopened));
    EXPECT_TRUE(form.Enabled(IDC_CREATE_BUTTON) && form.Enabled(IDC_PROGRAM2_BOX) && form.Enabled(IDC_PROMPT_LIST));
    EXPECT_FALSE(form.Enabled(IDC_TEST_BUTTON)) << "Test waits for the next Create";

    ASSERT_TRUE(::DeleteFileA((base_ / "autorun.inf").c_str()));
    form.Click(IDC_CREATE_BUTTON);
    EXPECT_EQ(fakes::ReadBytes(base_ / "autorun.inf"), written);
    EXPECT_TRUE(form.Enabled(IDC_TEST_BUTTON));
}

// A disc that names files outside itself comes back without them, its folder untouched.
TEST_F(AssistantFormTest, OpenADiscLeavesOutNamesOutsideTheFolder) {
    const std::string inf = "[autorun]\r\nopen=Plivora.exe \"..\\..\\windows\\notepad.exe\" /splash "
                            "\"..\\outside\\s.bmp$3\" /verbose \r\nicon=Plivora.exe\r\n";
    ASSERT_TRUE(fakes::WriteBytes(base_ / "autorun.inf", inf));
    FormDriver form(pickers_);
    pickers_.DiscFolder = base_.Path();
    ::SendMessageA(form.Window(), WM_SYSCOMMAND, IDM_OPEN_DISC_COMMAND, 0);
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgSettingsLeftOut, "Target Filename, Splash Screen"));
    EXPECT_EQ(form.Text(IDC_TARGET_BOX) + form.Text(IDC_SPLASH_BOX), "");
    EXPECT_TRUE(!form.Checked(IDC_SPLASH_CHECK) && form.Checked(IDC_VERBOSE_CHECK)) << "what came back is kept";
    EXPECT_EQ(form.EnabledControls(), Plus(AtStart, {IDC_TARGET_CAPTION, IDC_TARGET_BOX, IDC_TARGET_BUTTON}));
    EXPECT_EQ(fakes::ReadBytes(base_ / "autorun.inf"), inf) << "Open a Disc writes nothing";
}

// What a screen reader in another process hears for each window: the probe's lines, one
// per window, "one-object role standard-role name"; none when the probe failed.
std::vector<std::string> HearFromAnotherProcess(const std::vector<HWND>& windows, const std::string& output) {
    std::string line = "\"" + ProgramFolder() + "screen_reader_probe.exe\" \"" + output + "\"";
    for (HWND window : windows) {
        char handle[24];
        std::snprintf(handle, sizeof handle, " %llx",
                      static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)));
        line += handle;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return {};
    const UniqueKernelHandle process(started.hProcess), thread(started.hThread);
    // The form answers the probe on this thread, which handles its messages while it waits.
    DWORD exitCode = 1;
    if (!fakes::WaitFor([&] { return ::WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0; },
                        std::chrono::seconds(60))) {
        ::TerminateProcess(process.Get(), 1);
        return {};
    }
    if (!::GetExitCodeProcess(process.Get(), &exitCode) || exitCode != 0) return {};
    std::istringstream in(fakes::ReadBytes(output).value_or(""));
    std::vector<std::string> lines;
    for (std::string heard; std::getline(in, heard);) lines.push_back(heard);
    return lines;
}

std::vector<COLORREF> Pixels(HWND window) {
    ::UpdateWindow(window);
    RECT client{};
    ::GetClientRect(window, &client);
    const WindowDC screen(window);
    const MemoryDC memory(::CreateCompatibleDC(screen.Get()));
    const UniqueGdiObject<HBITMAP> bitmap(
        ::CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
    const SelectObjectScope selected(memory.Get(), bitmap.Get());
    ::BitBlt(memory.Get(), 0, 0, client.right, client.bottom, screen.Get(), 0, 0, SRCCOPY);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) pixels.push_back(::GetPixel(memory.Get(), x, y));
    return pixels;
}

struct AccessibilityEvent {
    HWND Window;
    LONG Object;
    LONG Child;
};
std::vector<AccessibilityEvent> nameChanges;
void CALLBACK RecordNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    nameChanges.push_back({window, object, child});
}

// Through the accessibility interface, as a screen reader reads the form, and by keyboard.
TEST_F(AssistantFormTest, EveryTabStopIsNamedFocusShowsAndThePanelSpeaks) {
    for (const char* name : {"setup.exe", "splash.bmp"}) ASSERT_TRUE(fakes::WriteBytes(base_ / name, "x"));
    ComApartment apartment;
    FormDriver form(pickers_);
    pickers_.Folder = base_.Path();
    pickers_.Targets = FakePickers::File(base_ / "index.html");
    pickers_.Secondary = FakePickers::File(base_ / "setup.exe");
    pickers_.Splash = FakePickers::File(base_ / "splash.bmp");
    for (int id : {IDC_BASE_FOLDER_BUTTON, IDC_TARGET_BUTTON, IDC_FORCE_CHECK}) form.Click(id);
    form.TypeText(IDC_PROGRAM1_BOX, "iexplore.exe -k");
    for (int id :
         {IDC_SECONDARY_CHECK, IDC_SECONDARY_BUTTON, IDC_SPLASH_CHECK, IDC_SPLASH_BUTTON, IDC_CREATE_BUTTON})
        form.Click(id);
    ASSERT_EQ(form.EnabledControls(),
              IdSet(fakes::RuledControls, fakes::RuledControls + fakes::RuledControlCount));

    const std::map<int, std::string> names = {
        {IDC_BASE_FOLDER_BOX, "CD-ROM Base Folder"},
        {IDC_TARGET_BOX, "Target Filename"},
        {IDC_ICON_BOX, "CD-ROM Icon"},
        {IDC_PROGRAM1_BOX, "Program 1"},
        {IDC_PROGRAM2_BOX, "Program 2"},
        {IDC_SPLASH_BOX, "Splash Screen file"},
        {IDC_SECONDS_BOX, "Splash Screen seconds"},
        {IDC_SECONDARY_BOX, "Secondary Program file"},
        {IDC_ORDER_LIST, "Secondary Program order"},
        {IDC_PROMPT_LIST, "Secondary Program confirmation"},
        {IDC_BASE_FOLDER_BUTTON, "Choose the CD-ROM Base Folder"},
        {IDC_TARGET_BUTTON, "Choose the Target Filename"},
        {IDC_ICON_BUTTON, "Choose the CD-ROM Icon"},
        {IDC_SECONDARY_BUTTON, "Choose the Secondary Program"},
        {IDC_SPLASH_BUTTON, "Choose the Splash Screen image"},
        {IDC_HELP_BASE_FOLDER, "Help: CD-ROM Base Folder"},
        {IDC_HELP_TARGET, "Help: Target Filename"},
        {IDC_HELP_ICON, "Help: CD-ROM Icon"},
        {IDC_HELP_VERBOSE, "Help: Verbose Output"},
        {IDC_HELP_NO_REGISTRY, "Help: No Registry Lookup"},
        {IDC_HELP_HIDE, "Help: Hide Plivora"},
        {IDC_HELP_FORCE, "Help: Try and Force"},
        {IDC_HELP_SECONDARY, "Help: Secondary Program"},
        {IDC_HELP_SPLASH, "Help: Splash Screen"},
        {IDC_HELP_SECONDARY_PARAMS, "Help: Sec Prog Parameters"},
    };
    std::vector<HWND> stops;
    for (HWND stop = ::GetNextDlgTabItem(form.Window(), nullptr, FALSE); stop && stops.size() < 40;
         stop = ::GetNextDlgTabItem(form.Window(), stop, FALSE)) {
        if (!stops.empty() && stop == stops.front()) break;
        stops.push_back(stop);
    }
    EXPECT_EQ(stops.size(), 34u);
    const std::string guidance = form.Text(IDC_GUIDANCE_LABEL);
    const std::vector<std::string> heard = HearFromAnotherProcess(stops, base_ / "heard.txt");
    ASSERT_EQ(heard.size(), stops.size());
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const int id = ::GetDlgCtrlID(stops[i]);
        SCOPED_TRACE(heard[i]);
        std::istringstream fields(heard[i]);
        int oneObject = 0;
        long role = -1, standardRole = -2;
        std::string name;
        fields >> oneObject >> role >> standardRole;
        std::getline(fields >> std::ws, name);
        const auto named = names.find(id);
        EXPECT_EQ(name, named != names.end() ? named->second : form.Text(id));
        EXPECT_NE(name, guidance);
        EXPECT_EQ(role, standardRole) << "the system's object answers the rest";
        EXPECT_EQ(oneObject, 1) << "one object that knows its window, whichever interface is asked";
    }
    // The "..." buttons carry their names as text they never paint.
    HWND dots = form.Item(IDC_TARGET_BUTTON);
    const std::vector<COLORREF> withName = Pixels(dots);
    ::SetWindowTextA(dots, "");
    ::InvalidateRect(dots, nullptr, TRUE);
    EXPECT_EQ(Pixels(dots), withName);

    // Tab from Exit reaches the first help button, and the button shows it.
    ::SendMessageA(form.Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(form.Item(IDC_EXIT_BUTTON)), TRUE);
    HWND firstHelp = form.Item(IDC_HELP_BASE_FOLDER);
    const std::vector<COLORREF> unfocused = Pixels(firstHelp);
    form.PressKey(VK_TAB);
    ASSERT_TRUE(fakes::WaitFor([&] { return ::GetFocus() == firstHelp; }));
    EXPECT_NE(Pixels(firstHelp), unfocused) << "focus on a help button shows";

    // A help press changes the panel's text, and listeners hear of it.
    ComPointer<IAccessible> wholeForm;
    ::AccessibleObjectFromWindow(form.Window(), OBJID_WINDOW, __uuidof(IAccessible),
                                 reinterpret_cast<void**>(wholeForm.Receive()));
    nameChanges.clear();
    HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                           &RecordNameChange, ::GetCurrentProcessId(), 0,
                                           WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    form.Click(IDC_HELP_HIDE);
    HWND label = form.Item(IDC_GUIDANCE_LABEL);
    const auto heardLabel = [&] {
        for (const AccessibilityEvent& seen : nameChanges)
            if (seen.Window == label && seen.Object == OBJID_CLIENT && seen.Child == CHILDID_SELF)
                return true;
        return false;
    };
    EXPECT_TRUE(fakes::WaitFor(heardLabel, std::chrono::milliseconds(3000)));
    ::UnhookWinEvent(hook);
}

TEST_F(AssistantFormTest, QueryDragIconAnswersTheApplicationIcon) {
    FormDriver form(pickers_);
    const LRESULT icon = ::SendMessageA(form.Window(), WM_QUERYDRAGICON, 0, 0);
    EXPECT_EQ(reinterpret_cast<HICON>(icon), ResourceIcon(IDI_APPLICATION_ICON));
}

}  // namespace
}  // namespace plivora
