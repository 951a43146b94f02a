// Times Create on a base folder with a 1 MiB launcher against its floor: writing the same
// three lines and copying the same file twice with CopyFile. Prints figures only.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <windows.h>

#include "deploy_commands.h"
#include "minimal_program.h"
#include "unique_handle.h"
#include "win32_platform_operations.h"

namespace {

using namespace plivora;

class NullView : public FormView {
public:
    void RefreshControls(const ProjectSettings&, const std::string&) override {}
    void ReadControls(ProjectSettings&, std::string&) override {}
    void RepaintBand() override {}
    void ControlEnabled(int, bool) override {}
    void ShowIconPicture(IconPicture, const std::string&) override {}
    bool Exists(const std::string&) const override { return true; }
    std::optional<std::string> ReadFile(const std::string&) const override { return std::nullopt; }
    void SelectListPositions(int, int) override {}
};

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

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Average seconds per call over runs calls, after a few untimed ones.
template <typename Action>
double TimePerRun(int runs, Action action) {
    for (int i = 0; i < 3; ++i) action();
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < runs; ++i) action();
    QueryPerformanceCounter(&end);
    return Seconds(start, end, frequency) / runs;
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

    NullView view;
    BuiltInTexts texts;
    GuidanceCatalogue catalogue(texts);
    FormModel form(view, catalogue);
    form.SetFolders(folder.Path(""), programFolder);
    form.Settings().BaseFolder = baseFolder;
    form.Settings().TargetFiles = "index.html";
    form.Settings().Verbose = 1;
    Win32PlatformOperations platform;

    bool createOk = true;
    const double createSeconds = TimePerRun(runs, [&] {
        Create(form, platform, 0, 0);
        createOk = createOk && form.GuidanceText().empty();
    });

    const std::string openEntry = form.OpenEntry();
    const std::string iconEntry = form.IconEntry();
    const std::string inf = baseFolder + "\\autorun.inf";
    const std::string deployed = baseFolder + "\\Plivora.exe";
    bool floorOk = true;
    const double floorSeconds = TimePerRun(runs, [&] {
        UniqueFile file(std::fopen(inf.c_str(), "wt"));
        floorOk = floorOk && file &&
                  std::fprintf(file.Get(), "[autorun]\n%s\n%s\n", openEntry.c_str(), iconEntry.c_str()) > 0 &&
                  file.Close() && CopyFileA(backup.c_str(), workingCopy.c_str(), FALSE) &&
                  CopyFileA(workingCopy.c_str(), deployed.c_str(), FALSE);
    });

    if (!createOk || !floorOk) {
        std::fprintf(stderr, "a timed run failed (Create %s, floor %s)\n", createOk ? "ok" : "failed",
                     floorOk ? "ok" : "failed");
        return 1;
    }
    std::printf("Create, 1 MiB launcher, %d runs: %8.3f ms per run\n", runs, createSeconds * 1000.0);
    std::printf("Floor (fprintf + 2 x CopyFile):   %8.3f ms per run\n", floorSeconds * 1000.0);
    std::printf("Create / floor:                   %8.2f\n", createSeconds / floorSeconds);
    return 0;
}
