// How far an image has got, in units the shell's progress dialog can take.
#pragma once

#include <cstdint>

namespace plivora {

// A fixed scale: the dialog keeps its numbers in 31 bits, which the bytes of a DVD-sized
// image already overflow.
constexpr std::uint32_t kProgressScale = 10000;

// bytesDone, at most bytesTotal, on the scale; 0 while the total is unknown.
constexpr std::uint32_t ProgressOnScale(std::uint64_t bytesDone, std::uint64_t bytesTotal) {
    if (bytesTotal == 0) return 0;
    // Halved together, the ratio stays and the product below cannot overflow.
    while (bytesTotal >= (std::uint64_t{1} << 50)) {
        bytesDone >>= 1;
        bytesTotal >>= 1;
    }
    return static_cast<std::uint32_t>(bytesDone * kProgressScale / bytesTotal);
}

}  // namespace plivora
