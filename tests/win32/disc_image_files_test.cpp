// File times as the image records them: seconds since 1970 in UTC. The folder read wide
// and the image swapped in on completion are tested through the form (tests/ui).
#include <gtest/gtest.h>

#include "folder_disc_tree.h"

namespace plivora {
namespace {

FILETIME FileTimeOf(std::int64_t ticks) {
    const auto value = static_cast<std::uint64_t>(ticks);
    return FILETIME{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
}

TEST(FileTimeTest, UnixSecondsCountFrom1970AndRoundDown) {
    constexpr std::int64_t epoch = 116444736000000000, second = 10000000;
    const struct {
        std::int64_t ticks;
        std::int64_t seconds;
    } cases[] = {{epoch, 0},
                 {epoch + second, 1},
                 {epoch + second - 1, 0},
                 {epoch - 1, -1},
                 {epoch - second, -1},
                 {epoch - second - 1, -2},
                 {0, -11644473600},
                 {epoch + 1262347384 * second, 1262347384}};
    for (const auto& c : cases) EXPECT_EQ(UnixSecondsFromFileTime(FileTimeOf(c.ticks)), c.seconds) << c.ticks;
}

}  // namespace
}  // namespace plivora
