#include "heap_meter.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace plivora::testing {
namespace {

// Each block starts with its size; the header keeps the block's alignment.
constexpr std::size_t kHeader = alignof(std::max_align_t);
std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

void* Allocate(std::size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (!block) throw std::bad_alloc();
    std::memcpy(block, &size, sizeof size);
    const std::size_t now = inUse += size;
    for (std::size_t seen = peak; now > seen && !peak.compare_exchange_weak(seen, now);) {
    }
    return block + kHeader;
}

void Release(void* memory) {
    if (!memory) return;
    unsigned char* block = static_cast<unsigned char*>(memory) - kHeader;
    std::size_t size = 0;
    std::memcpy(&size, block, sizeof size);
    inUse -= size;
    std::free(block);
}

}  // namespace

std::size_t HeapInUse() { return inUse; }
std::size_t HeapPeak() { return peak; }
void ResetHeapPeak() { peak = inUse.load(); }

std::size_t PeakResidentKiB() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return 0;
    char line[256];
    std::size_t kib = 0;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %zu kB", &kib) == 1) break;
    std::fclose(status);
    return kib;
}

}  // namespace plivora::testing

void* operator new(std::size_t size) { return plivora::testing::Allocate(size); }
void* operator new[](std::size_t size) { return plivora::testing::Allocate(size); }
void operator delete(void* memory) noexcept { plivora::testing::Release(memory); }
void operator delete[](void* memory) noexcept { plivora::testing::Release(memory); }
void operator delete(void* memory, std::size_t) noexcept { plivora::testing::Release(memory); }
void operator delete[](void* memory, std::size_t) noexcept { plivora::testing::Release(memory); }
