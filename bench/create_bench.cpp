// Times Create on a base folder with a 1 MiB launcher, against its floor of plain calls:
//   with the launcher to copy (neither copy there): writing the same three lines and
//   copying the same file twice with CopyFile;
//   with the launcher in place (both copies there already, so Create copies nothing):
//   writing the three lines and reading the three copies to compare them.
// Prints figures only.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <windows.h>

#include "deploy_commands.h"
#include "minimal_program.h"
#include "recording_view.h"
#include "unique_handle.h"
#include "win32_platform_operations.h"

namespace {

using namespace plivora;

// A scratch layout under the temporary folder, removed at the end.
class BenchFolder {
public:
    BenchFolder() {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        root_ = std::string(base) + "plivora-create-bench-" + std::to_string(GetCurrentProcessId());
        ok_ = CreateDirectoryA(root_.c_str(), nullptr) && MakeFolder("Program") &&
              MakeFolder("Program\\Backup") && MakeFolder("Disc");
    }
    ~BenchFolder() {
        for (const char* file : {"Program\\Backup\\Plivora.exe", "Program\\Plivora.exe", "Disc\\Plivora.exe",
                                 "Disc\\autorun.inf"})
            DeleteFileA(Path(file).c_str());
        for (const char* folder : {"Program\\Backup", "Program", "Disc"})
            RemoveDirectoryA(Path(folder).c_str());
        RemoveDirectoryA(root_.c_str());
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    bool Ok() const { return ok_; }
    std::string Path(const std::string& relative) const { return root_ + "\\" + relative; }

private:
    bool MakeFolder(const char* relative) const {
        return CreateDirectoryA(Path(relative).c_str(), nullptr) != 0;
    }

    std::string root_;
    bool ok_ = false;
};

bool WriteLauncher(const std::string& path, std::size_t size) {
    UniqueFile file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    // A program Create takes for a whole one, its section filled with varied bytes.
    std::string bytes = fakes::MinimalProgram('\0', size - 512);
    for (std::size_t i = 512; i < size; ++i) bytes[i] = static_cast<char>(i * 131 + (i >> 10));
    return std::fwrite(bytes.data(), 1, size, file.Get()) == size && file.Close();
}

std::string ReadAll(const std::string& path) {
    const UniqueKernelHandle file =
        OwnedFile(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size{};
    DWORD got = 0;
    std::string bytes;
    if (file.Get() && GetFileSizeEx(file.Get(), &size)) bytes.resize(static_cast<std::size_t>(size.QuadPart));
    if (!bytes.empty() && !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr))
        got = 0;
    bytes.resize(got);
    return bytes;
}

// Average seconds per action over runs, after a few untimed ones; prepare runs untimed
// before each.
template <typename Prepare, typename Action>
double TimePerRun(int runs, Prepare prepare, Action action) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    double total = 0;
    for (int i = -3; i < runs; ++i) {
        prepare();
        QueryPerformanceCounter(&start);
        action();
        QueryPerformanceCounter(&end);
        if (i >= 0) total += static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
    }
    return total / runs;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const std::size_t launcherSize = 1 << 20;

    BenchFolder folder;
    if (!folder.Ok() || !WriteLauncher(folder.Path("Program\\Backup\\Plivora.exe"), launcherSize)) {
        std::fprintf(stderr, "cannot lay out the bench folder\n");
        return 1;
    }
    const std::string programFolder = folder.Path("Program\\");
    const std::string backup = folder.Path("Program\\Backup\\Plivora.exe");
    const std::string workingCopy = folder.Path("Program\\Plivora.exe");
    const std::string baseFolder = folder.Path("Disc");
    const std::string deployed = baseFolder + "\\Plivora.exe";

    fakes::EventLog log;
    fakes::RecordingView view(log);
    BuiltInTexts texts;
    GuidanceCatalogue catalogue(texts);
    FormModel form(view, catalogue);
    form.SetFolders(folder.Path(""), programFolder);
    form.Settings().BaseFolder = baseFolder;
    form.Settings().TargetFiles = "index.html";
    form.Settings().Verbose = 1;
    Win32PlatformOperations platform;
    Create(form, platform, 0, 0);
    const std::string openEntry = form.OpenEntry();
    const std::string iconEntry = form.IconEntry();
    const std::string inf = baseFolder + "\\autorun.inf";

    bool ok = form.GuidanceText().empty();
    const auto create = [&] {
        Create(form, platform, 0, 0);
        // Make Disc Image becomes usable only once the launcher on the disc is whole.
        ok = ok && form.GuidanceText().empty() && form.IsEnabled(MakeImageItem);
        log.clear();
    };
    const auto writeInf = [&] {
        UniqueFile file(std::fopen(inf.c_str(), "wt"));
        return file && std::fprintf(file.Get(), "[autorun]\n%s\n%s\n", openEntry.c_str(), iconEntry.c_str()) > 0 &&
               file.Close();
    };
    const auto removeCopies = [&] {
        DeleteFileA(workingCopy.c_str());
        DeleteFileA(deployed.c_str());
    };
    const auto copiesInPlace = [] {};

    const double toCopy = TimePerRun(runs, removeCopies, create);
    const double toCopyFloor = TimePerRun(runs, removeCopies, [&] {
        ok = ok && writeInf() && CopyFileA(backup.c_str(), workingCopy.c_str(), FALSE) &&
             CopyFileA(workingCopy.c_str(), deployed.c_str(), FALSE);
    });
    const double inPlace = TimePerRun(runs, copiesInPlace, create);
    const double inPlaceFloor = TimePerRun(runs, copiesInPlace, [&] {
        const std::string working = ReadAll(workingCopy);
        ok = ok && writeInf() && ReadAll(backup) == working && ReadAll(deployed) == working &&
             working.size() == launcherSize;
    });

    if (!ok) {
        std::fprintf(stderr, "a timed run failed\n");
        return 1;
    }
    std::printf("Create, 1 MiB launcher, %d runs each, ms per run:\n", runs);
    std::printf("                     Create    floor  Create / floor\n");
    std::printf("  launcher to copy %8.3f %8.3f %8.2f   (floor: fprintf + 2 x CopyFile)\n", toCopy * 1000.0,
                toCopyFloor * 1000.0, toCopy / toCopyFloor);
    std::printf("  launcher in place%8.3f %8.3f %8.2f   (floor: fprintf + ReadFile of the 3 copies)\n",
                inPlace * 1000.0, inPlaceFloor * 1000.0, inPlace / inPlaceFloor);
    return 0;
}
