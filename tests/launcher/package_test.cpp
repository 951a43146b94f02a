// The packages users get, under Wine: the zip (unpacked by the package_zip fixture) and
// the installer, which installs silently into a scratch folder, starts, and uninstalls.
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <tlhelp32.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "launcher_harness.h"
#include "unique_handle.h"
#include "win32_test_support.h"

namespace plivora::launcher_tests {
namespace {

using fakes::BuildPath;
using fakes::FileExists;
using fakes::ModuleFolder;

const char* const UninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\PlivoraAssistant";
const char* const ProgramTitle = "Plivora Assistant 2.1";

// A folder of the build machine that the environment names, or the fallback: the signed
// packing points the tests at the packages it made and unpacked.
std::string ChosenFolder(const char* variable, const std::string& fallback = {}) {
    const char* chosen = std::getenv(variable);
    return chosen && *chosen ? BuildPath(chosen) : fallback;
}
// Where the target `packages` made them, unless the signed packing names its own; the
// zip's test runs what the package_zip fixture unpacked from there.
std::string PackageFolder() { return ChosenFolder("PLIVORA_PACKAGE_DIR", BuildPath(PLIVORA_PACKAGE_DIR)); }
std::string UnpackedFolder() {
    return ChosenFolder("PLIVORA_UNZIPPED_DIR", ModuleFolder() + "\\unzipped") + "\\" PLIVORA_PACKAGE_NAME;
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string StartMenuFolder() {
    char programs[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
    return std::string(programs) + "\\Plivora Assistant";
}

bool UninstallEntryExists() { return fakes::KeyExists(UninstallKey, HKEY_CURRENT_USER); }

// Runs a command line to its end; its exit code, or -1.
int RunToEnd(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        return -1;
    CloseHandle(info.hThread);
    const bool ended = WaitForSingleObject(info.hProcess, 120000) == WAIT_OBJECT_0;
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    return ended ? static_cast<int>(code) : -1;
}

std::string Lower(std::string text) {
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// The DLLs a process has loaded, in lower case.
std::set<std::string> LoadedModules(DWORD processId) {
    std::set<std::string> names;
    const UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
    MODULEENTRY32 module{};
    module.dwSize = sizeof module;
    for (BOOL more = Module32First(snapshot.Get(), &module); more; more = Module32Next(snapshot.Get(), &module))
        names.insert(Lower(module.szModule));
    return names;
}

// Starts a program in its folder, waits for its form and closes it again; the DLLs it
// had loaded once idle.
std::set<std::string> ExpectProgramStartsAndCloses(const std::string& program, const std::string& folder) {
    EXPECT_TRUE(FileExists(program)) << program;
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info)) {
        ADD_FAILURE() << "cannot start " << program;
        return {};
    }
    CloseHandle(info.hThread);
    HWND form = nullptr;
    const bool shown = WaitFor([&] { return (form = FindVisibleWindow(info.dwProcessId, ProgramTitle)) != nullptr; });
    std::set<std::string> modules;
    if (shown && WaitForInputIdle(info.hProcess, 20000) == 0) modules = LoadedModules(info.dwProcessId);
    if (shown) PostMessageA(form, WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(info.hProcess, 20000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(info.hProcess, 1);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hProcess);
    EXPECT_TRUE(shown) << "no window titled \"" << ProgramTitle << "\" from " << program;
    EXPECT_TRUE(ended) << "the program did not close";
    return modules;
}

TEST(PackageTest, AtIdleTheProgramHasNotLoadedTheShellComOrTheFileDialogs) {
    // The shell, COM and the file dialogs load when a button first needs them. (Under
    // Wine the display driver itself loads OLE32 for any window, the bare one too.)
    const std::string bareDialog = BuildPath(PLIVORA_BARE_DIALOG);
    const std::set<std::string> bare = ExpectProgramStartsAndCloses(bareDialog, bareDialog.substr(0, bareDialog.rfind('\\')));
    const std::string dist = BuildPath(PLIVORA_DIST_FOLDER);
    const std::set<std::string> program = ExpectProgramStartsAndCloses(dist + "\\PlivoraAssistant.exe", dist);
    ASSERT_EQ(program.count("comctl32.dll"), 1u) << "its controls take the common controls' look at once";
    EXPECT_EQ(program.count("comdlg32.dll"), 0u);
    EXPECT_EQ(program.count("shell32.dll"), 0u);
    EXPECT_LE(program.count("ole32.dll"), bare.count("ole32.dll"));
}

struct Shortcut {
    std::string Target;
    std::string Folder;
};

// What a shortcut starts, read the way the shell reads it.
Shortcut ReadShortcut(const std::string& path) {
    Shortcut shortcut;
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t widePath[MAX_PATH] = {};
            MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
            char text[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(widePath, STGM_READ)) &&
                SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) {
                shortcut.Target = text;
                link->GetWorkingDirectory(text, MAX_PATH);
                shortcut.Folder = text;
            }
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return shortcut;
}

// The words beside the programs: a read-me in Windows' line ends that names each program,
// and the guide, every picture of which lies where the page looks for it.
void ExpectDocuments(const std::string& folder) {
    const std::optional<std::string> readMe = fakes::ReadBytes(folder + "\\ReadMe.txt");
    ASSERT_TRUE(readMe) << "no ReadMe.txt in " << folder;
    for (std::size_t at = readMe->find('\n'); at != std::string::npos; at = readMe->find('\n', at + 1))
        ASSERT_TRUE(at > 0 && (*readMe)[at - 1] == '\r')
            << "ReadMe.txt has a line without CR LF at byte " << at;
    for (const char* name : {"PlivoraAssistant.exe", "Plivora.exe", "Backup\\Plivora.exe", "Guide.html"})
        EXPECT_NE(readMe->find(name), std::string::npos) << "ReadMe.txt does not name " << name;

    const std::optional<std::string> guide = fakes::ReadBytes(folder + "\\Guide.html");
    ASSERT_TRUE(guide) << "no Guide.html in " << folder;
    EXPECT_EQ(guide->rfind("<!DOCTYPE html>", 0), 0u);
    const std::string image = "<img src=\"";
    std::size_t pictures = 0;
    for (std::size_t at = guide->find(image); at != std::string::npos;
         at = guide->find(image, at + 1), ++pictures) {
        const std::size_t begin = at + image.size();
        std::string path = folder + "\\" + guide->substr(begin, guide->find('"', begin) - begin);
        for (char& c : path)
            if (c == '/') c = '\\';
        const std::optional<std::string> picture = fakes::ReadBytes(path);
        EXPECT_TRUE(picture && picture->rfind("\x89PNG", 0) == 0)
            << "the guide shows " << path << ", not a PNG there";
    }
    EXPECT_GE(pictures, 5u) << "the guide shows too few pictures";
}

TEST(PackageTest, TheUnpackedZipRunsAsItIs) {
#ifdef PLIVORA_NO_MAKENSIS
    GTEST_SKIP()
        << "makensis was not found when this build was configured (Debian package nsis): no packages to test";
#endif
    const std::string unpacked = UnpackedFolder();
    ASSERT_TRUE(FileExists(unpacked + "\\Plivora.exe"));
    ASSERT_TRUE(FileExists(unpacked + "\\Backup\\Plivora.exe"));
    ExpectDocuments(unpacked);
    ExpectProgramStartsAndCloses(unpacked + "\\PlivoraAssistant.exe", unpacked);

    Disc disc;
    ASSERT_TRUE(CopyFileA((unpacked + "\\Plivora.exe").c_str(), (disc / "Plivora.exe").c_str(), FALSE));
    disc.AddProgram("setup");
    EXPECT_EQ(LauncherRun(disc, "\"setup.exe\" /hide ").ExitCode(), 0);
    ASSERT_TRUE(WaitFor([&] { return !disc.Started().empty(); })) << "the packed launcher started nothing";
    EXPECT_EQ(disc.Started()[0].Program, "setup");
}

TEST(PackageTest, InstallsSilentlyStartsAndUninstallsWhatItInstalled) {
#ifdef PLIVORA_NO_MAKENSIS
    GTEST_SKIP() << "makensis was not found when this build was configured (Debian package nsis): no "
                    "installer to test";
#endif
    const std::string installer = PackageFolder() + "\\" PLIVORA_PACKAGE_NAME "-setup.exe";
    ASSERT_TRUE(FileExists(installer)) << installer;
    fakes::TemporaryFolder scratch;
    const std::string folder = scratch / "Plivora Assistant";
    ASSERT_FALSE(UninstallEntryExists()) << "installed already: this test would remove a real installation";

    // NSIS wants /D= last and unquoted, blanks and all.
    ASSERT_EQ(RunToEnd("\"" + installer + "\" /S /D=" + folder), 0);
    for (const char* file : {"PlivoraAssistant.exe", "Plivora.exe", "Backup\\Plivora.exe", "Uninstall.exe"})
        EXPECT_TRUE(FileExists(folder + "\\" + file)) << file;
    const std::string menu = StartMenuFolder();
    EXPECT_TRUE(FileExists(menu + "\\Plivora Assistant.lnk"));
    EXPECT_TRUE(FileExists(menu + "\\Uninstall Plivora Assistant.lnk"));
    EXPECT_TRUE(UninstallEntryExists());
    ExpectDocuments(folder);
    EXPECT_EQ(Lower(ReadShortcut(menu + "\\Plivora Assistant Guide.lnk").Target),
              Lower(folder + "\\Guide.html"));

    const Shortcut shortcut = ReadShortcut(menu + "\\Plivora Assistant.lnk");
    EXPECT_EQ(Lower(shortcut.Target), Lower(folder + "\\PlivoraAssistant.exe"));
    EXPECT_EQ(Lower(shortcut.Folder), Lower(folder));
    ExpectProgramStartsAndCloses(folder + "\\PlivoraAssistant.exe", folder);
    // The signed packing verifies the installed programs on the build machine.
    if (const std::string copy = ChosenFolder("PLIVORA_INSTALLED_COPY_DIR"); !copy.empty()) {
        CreateDirectoryA((copy + "\\Backup").c_str(), nullptr);
        for (const char* file : {"PlivoraAssistant.exe", "Plivora.exe", "Backup\\Plivora.exe", "Uninstall.exe"})
            EXPECT_TRUE(CopyFileA((folder + "\\" + file).c_str(), (copy + "\\" + file).c_str(), FALSE)) << file;
    }

    // The user's own files in the folder stay; everything installed goes.
    ASSERT_TRUE(fakes::WriteBytes(folder + "\\notes.txt", "mine"));
    // The uninstaller copies itself away and returns at once; what it does comes after.
    ASSERT_EQ(RunToEnd("\"" + folder + "\\Uninstall.exe\" /S"), 0);
    EXPECT_TRUE(WaitFor(
        [&] {
            return !FolderExists(menu) && !UninstallEntryExists() &&
                   fakes::FolderEntries(folder) == std::vector<std::string>{"notes.txt"};
        },
        std::chrono::seconds(60)))
        << "left behind: start menu " << FolderExists(menu) << ", uninstall entry " << UninstallEntryExists()
        << ", files " << fakes::FolderEntries(folder).size();
    DeleteFileA((folder + "\\notes.txt").c_str());
    RemoveDirectoryA(folder.c_str());
    EXPECT_FALSE(FolderExists(folder));
}

}  // namespace
}  // namespace plivora::launcher_tests
