// Make Disc Image's Windows side on a generated folder of a few hundred files (about
// 300 MB), timed under Wine against its floor: every file read and appended to one file
// in the image writer's blocks, in the same run. Then where the time goes: the folder read alone, the image
// into nothing, the image file without and with the shell's progress dialog, and that
// dialog alone. Prints figures only; each is the best of a few runs. Run it with a window
// manager: without one, Wine waits 2 s for it each time a window is hidden.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ansi_wide.h"
#include "block_stream.h"
#include "com.h"
#include "disc_image_writer.h"
#include "folder_disc_tree.h"
#include "image_file_sink.h"
#include "shell_progress.h"
#include "unique_handle.h"

namespace {

using namespace plivora;

constexpr int kFiles = 300;
constexpr int kFolders = 6;

std::u16string Wide(const std::string& text) { return WideFromAnsi(text); }

// Sizes from 4 KiB to 2 MiB, about 1 MB on average, rarely whole sectors.
std::size_t SizeOf(int file) {
    return (4u << 10) + static_cast<std::size_t>(file) * 2654435761u % (2u << 20);
}

bool WriteFileOf(const std::string& path, const std::vector<char>& bytes, std::size_t size) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(size), &written, nullptr) && written == size;
    return CloseHandle(file) && ok;
}

void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolder(folder + "\\" + name);
            else
                DeleteFileA((folder + "\\" + name).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

class NullSink : public ImageSink {
public:
    bool Write(const void*, std::size_t) override { return true; }
};

// Best of runs, in seconds; cleanup runs after each, untimed.
double BestOf(int runs, const std::function<bool()>& action, const std::function<void()>& cleanup) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QueryPerformanceCounter(&start);
        const bool ok = action();
        QueryPerformanceCounter(&end);
        cleanup();
        if (!ok) return -1;
        best = std::min(best, static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart);
    }
    return best;
}

void ListTree(DiscTree& tree, const std::u16string& folder, std::size_t& entries) {
    std::vector<DiscEntry> found;
    tree.ListFolder(folder, found);
    entries += found.size();
    for (const DiscEntry& entry : found)
        if (entry.isFolder)
            ListTree(tree, folder.empty() ? entry.name : folder + u'\\' + entry.name, entries);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string root =
        std::string(temp) + "plivora-image-bench-" + std::to_string(GetCurrentProcessId());
    const std::string base = root + "\\Disc", joined = root + "\\Joined.dat", image = root + "\\Disc.iso";
    bool made = CreateDirectoryA(root.c_str(), nullptr) && CreateDirectoryA(base.c_str(), nullptr);
    std::vector<std::string> files;
    std::vector<char> bytes((2u << 20) + (4u << 10));
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 131 + (i >> 12));
    std::uint64_t total = 0;
    for (int f = 0; made && f < kFolders; ++f)
        made = CreateDirectoryA((base + "\\folder " + std::to_string(f)).c_str(), nullptr);
    for (int i = 0; made && i < kFiles; ++i) {
        files.push_back("folder " + std::to_string(i % kFolders) + "\\file " + std::to_string(i) + ".dat");
        made = WriteFileOf(base + "\\" + files.back(), bytes, SizeOf(i));
        total += SizeOf(i);
    }
    if (!made) {
        std::fprintf(stderr, "cannot lay out the bench folder under %s\n", root.c_str());
        RemoveFolder(root);
        return 1;
    }

    std::vector<char> block(iso::BlockStream::kBlockBytes);
    const double floor = BestOf(
        runs,
        [&] {
            const UniqueKernelHandle out = OwnedFile(
                CreateFileW(WideChars(Wide(joined)), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
            DWORD used = 0;
            bool ok = out.Get() != nullptr;
            const auto flush = [&] {
                DWORD written = 0;
                ok = ok && WriteFile(out.Get(), block.data(), used, &written, nullptr) && written == used;
                used = 0;
            };
            for (std::size_t i = 0; ok && i < files.size(); ++i) {
                const UniqueKernelHandle in = OwnedFile(CreateFileW(WideChars(Wide(base + "\\" + files[i])),
                                                                    GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                                    OPEN_EXISTING, 0, nullptr));
                DWORD got = 0;
                do {
                    ok = in.Get() &&
                         ReadFile(in.Get(), block.data() + used, DWORD(block.size()) - used, &got, nullptr);
                    if ((used += got) == block.size()) flush();
                } while (ok && got > 0);
            }
            if (used > 0) flush();
            return ok;
        },
        [&] { DeleteFileA(joined.c_str()); });

    const std::u16string wideBase = Wide(base), wideImage = Wide(image);
    const auto removeImage = [&] { DeleteFileA(image.c_str()); };
    std::size_t entries = 0;
    const double read = BestOf(
        runs,
        [&] {
            FolderDiscTree tree(wideBase, u"");
            entries = 0;
            ListTree(tree, u"", entries);
            return entries == files.size() + kFolders;
        },
        [] {});
    const double intoNothing = BestOf(
        runs,
        [&] {
            FolderDiscTree tree(wideBase, u"");
            NullSink sink;
            return WriteDiscImage(tree, MakeVolumeLabel(u"Disc"), sink, nullptr).Ok();
        },
        [] {});
    const auto imageFile = [&](bool withProgress) {
        ImageFileSink sink(wideImage);
        if (!sink.Open()) return false;
        FolderDiscTree tree(wideBase, sink.PartialPath());
        ComApartment apartment;
        const bool stop = false;
        std::unique_ptr<ShellProgress> progress;
        if (withProgress) progress = std::make_unique<ShellProgress>(nullptr, u"Disc.iso", wideBase, stop);
        return WriteDiscImage(tree, MakeVolumeLabel(u"Disc"), sink, progress.get()).Ok() && sink.Commit();
    };
    const double withoutProgress = BestOf(
        runs, [&] { return imageFile(false); }, removeImage);
    const double full = BestOf(
        runs, [&] { return imageFile(true); }, removeImage);
    const double dialogOnly = BestOf(
        runs,
        [&] {
            ComApartment apartment;
            const bool stop = false;
            ShellProgress progress(nullptr, u"Disc.iso", wideBase, stop);
            return true;
        },
        [] {});
    RemoveFolder(root);

    if (floor < 0 || read < 0 || intoNothing < 0 || withoutProgress < 0 || full < 0 || dialogOnly < 0) {
        std::fprintf(stderr, "a timed run failed\n");
        return 1;
    }
    std::printf("Disc image, %d files in %d folders, %.0f MB, best of %d runs:\n", kFiles, kFolders,
                total / 1e6, runs);
    std::printf("  floor: files read into one file    %8.3f s\n", floor);
    std::printf("  folder read alone                  %8.3f s\n", read);
    std::printf("  image into nothing (read, format)  %8.3f s\n", intoNothing);
    std::printf("  image file, no progress dialog     %8.3f s\n", withoutProgress);
    std::printf("  progress dialog shown and closed   %8.3f s\n", dialogOnly);
    std::printf("  image file with progress (command) %8.3f s\n", full);
    std::printf("Image / floor:                       %8.2f\n", full / floor);
    return 0;
}
