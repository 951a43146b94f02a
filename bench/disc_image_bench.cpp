// Imaging a generated folder of mixed file sizes against a plain copy of the same bytes
// into one file, both in 1 MiB blocks; and the heap the writer holds at its peak, which
// follows the number of entries, not their bytes.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include "heap_meter.h"
#include "posix_folder_tree.h"

namespace plivora::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kBlock = 1 << 20;

// Per round: one 8 MiB file, a few of 1 MiB, more of 256 and 64 KiB, many small ones.
const struct {
    std::size_t bytes;
    int count;
} kMix[] = {{8 << 20, 1}, {1 << 20, 4}, {256 << 10, 10}, {64 << 10, 20}, {16 << 10, 50}, {4 << 10, 50},
            {1 << 10, 50}, {100, 20}};

std::vector<fs::path> MakeFolder(const fs::path& base, std::uint64_t total) {
    std::vector<fs::path> files;
    std::vector<char> bytes(kMix[0].bytes + 2048, 'x');
    for (std::uint64_t made = 0, round = 0; made < total; ++round)
        for (const auto& mix : kMix)
            for (int i = 0; i < mix.count; ++i) {
                const fs::path folder = base / ("round" + std::to_string(round)) / ("size" + std::to_string(mix.bytes));
                fs::create_directories(folder);
                files.push_back(folder / ("file " + std::to_string(i) + ".dat"));
                const std::size_t size = mix.bytes + files.size() * 37 % 2000;  // rarely whole sectors
                std::ofstream(files.back(), std::ios::binary).write(bytes.data(), size);
                made += size;
            }
    return files;
}

bool CopyInto(const std::vector<fs::path>& files, const std::string& target, std::vector<char>& block) {
    FileSink sink(target);
    for (const fs::path& file : files) {
        const int fd = open(file.c_str(), O_RDONLY);
        if (fd < 0) return false;
        ssize_t got = 0;
        while ((got = read(fd, block.data(), block.size())) > 0)
            if (!sink.Write(block.data(), static_cast<std::size_t>(got))) break;
        close(fd);
        if (got != 0) return false;
    }
    return true;
}

void BM_ImageVersusCopy(benchmark::State& state) {
    const fs::path dir = fs::temp_directory_path() / ("plivora_disc_bench_" + std::to_string(getpid()));
    const std::vector<fs::path> files = MakeFolder(dir / "CD_Temp", std::uint64_t(state.range(0)) << 20);
    std::uint64_t bytes = 0;
    for (const fs::path& file : files) bytes += fs::file_size(file);
    std::vector<char> block(kBlock);
    const fs::path copy = dir / "copy.bin", image = dir / "image.iso";
    // Best of the runs: the disk's write-back makes single runs noisy.
    double copySeconds = 1e9, imageSeconds = 1e9;
    std::size_t heapPeak = 0;
    for (auto _ : state) {
        fs::remove(copy);
        fs::remove(image);
        const auto start = Clock::now();
        if (!CopyInto(files, copy.string(), block)) state.SkipWithError("copy failed");
        const auto copied = Clock::now();
        testing::ResetHeapPeak();
        const std::size_t heapBefore = testing::HeapInUse();
        PosixFolderTree tree((dir / "CD_Temp").string());
        FileSink sink(image.string());
        if (!WriteDiscImage(tree, MakeVolumeLabel(u"CD_Temp"), sink, nullptr).Ok())
            state.SkipWithError("image failed");
        const auto imaged = Clock::now();
        heapPeak = std::max(heapPeak, testing::HeapPeak() - heapBefore);
        copySeconds = std::min(copySeconds, std::chrono::duration<double>(copied - start).count());
        imageSeconds = std::min(imageSeconds, std::chrono::duration<double>(imaged - copied).count());
        state.SetIterationTime(std::chrono::duration<double>(imaged - copied).count());
    }
    const double megabytes = double(bytes) / 1e6;
    state.counters["files"] = double(files.size());
    state.counters["copy_MB/s"] = megabytes / copySeconds;
    state.counters["image_MB/s"] = megabytes / imageSeconds;
    state.counters["image/copy"] = imageSeconds / copySeconds;
    state.counters["heap_peak_KiB"] = double(heapPeak >> 10);
    state.counters["heap_per_file_B"] = double(heapPeak - kBlock) / double(files.size());
    state.counters["resident_peak_KiB"] = double(testing::PeakResidentKiB());
    fs::remove_all(dir);
}
BENCHMARK(BM_ImageVersusCopy)->Arg(50)->Arg(200)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace plivora::bench
