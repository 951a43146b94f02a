// Test starts the deployed launcher from the base folder: a recording launcher stands in
// for it and tells what it was started with.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "deploy_commands.h"
#include "recording_view.h"
#include "win32_platform_operations.h"
#include "win32_test_support.h"

namespace plivora {
namespace {

using fakes::EventLog;
using fakes::LongPath;
using fakes::MakeFolder;
using fakes::ModuleFolder;
using fakes::ReadBytes;
using fakes::RecordingView;
using fakes::TemporaryFolder;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// Paths compare without case, in their long form.
std::string Comparable(const std::string& path) {
    std::string text = LongPath(path);
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

TEST(Win32LaunchTest, TestRunsTheDeployedLauncherInTheBaseFolderWithTheDiscArguments) {
    TemporaryFolder scratch;
    const std::string programFolder = scratch / "Program\\";
    const std::string baseFolder = scratch / "Disc";
    ASSERT_TRUE(MakeFolder(scratch / "Program"));
    ASSERT_TRUE(MakeFolder(scratch / "Program\\Backup"));
    ASSERT_TRUE(MakeFolder(baseFolder));
    ASSERT_TRUE(CopyFileA((ModuleFolder() + "\\recording_launcher.exe").c_str(),
                          (programFolder + "Backup\\Plivora.exe").c_str(), FALSE));

    EventLog log;
    RecordingView view{log};
    BuiltInTexts texts;
    GuidanceCatalogue catalogue{texts};
    FormModel form{view, catalogue};
    form.SetFolders(scratch.Path(), programFolder);
    ProjectSettings& settings = form.Settings();
    settings.BaseFolder = baseFolder;
    settings.TargetFiles = "docs\\index.html, read me.pdf";
    settings.UseSplash = 1;
    settings.SplashFile = "splash.bmp";
    settings.SplashSeconds = "3";
    settings.HideDialog = 1;
    Win32PlatformOperations platform;

    Create(form, platform, 0, 0);
    ASSERT_TRUE(form.IsEnabled(TestButton));
    log.clear();
    plivora::Test(form, platform);  // qualified: the fixture inherits a class named Test

    const std::optional<std::string> record = fakes::WaitForFile(baseFolder + "\\launch_record.txt");
    ASSERT_TRUE(record) << "the launcher in the base folder never ran";
    const std::vector<std::string> lines = Lines(*record);
    ASSERT_EQ(lines.size(), 3u) << *record;
    EXPECT_EQ(lines[0], LaunchArguments(form.OpenEntry()));
    EXPECT_EQ(lines[0], "\"docs\\index.html, read me.pdf\" /splash \"splash.bmp$3\" /hide ");
    EXPECT_EQ(Comparable(lines[1]), Comparable(baseFolder));
    EXPECT_EQ(Comparable(lines[2]), Comparable(baseFolder + "\\Plivora.exe"));
    EXPECT_TRUE(log.empty()) << "Test changes nothing in the form";
}

}  // namespace
}  // namespace plivora
