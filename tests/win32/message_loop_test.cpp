// The shared message loops: what each handles, and a WM_QUIT that ends one reaches the
// loop around it.
#include <gtest/gtest.h>

#include <vector>

#include "message_loop.h"

namespace plivora {
namespace {

std::vector<UINT> PostAppMessages(UINT count) {
    std::vector<UINT> posted;
    for (UINT i = 0; i < count; ++i) {
        ::PostThreadMessageA(::GetCurrentThreadId(), WM_APP + i, 0, 0);
        posted.push_back(WM_APP + i);
    }
    return posted;
}

TEST(MessageLoopTest, AQuitEndsEveryLoopInTurnWithItsExitCode) {
    const std::vector<UINT> posted = PostAppMessages(2);
    ::PostQuitMessage(7);
    std::vector<UINT> handled;
    const auto record = [&handled](MSG& msg) { handled.push_back(msg.message); };
    EXPECT_FALSE(HandleQueuedMessages(record));
    EXPECT_EQ(handled, posted) << "the queued messages first, then the quit";
    EXPECT_EQ(RunMessageLoop([] { return true; }, record), std::optional<int>(7));
    EXPECT_EQ(RunMessageLoop([] { return true; }, record), std::optional<int>(7)) << "the loop around it";
    EXPECT_EQ(handled, posted);
    MSG quit;
    ASSERT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(MessageLoopTest, ALoopEndsWhenItsConditionDoes) {
    const std::vector<UINT> posted = PostAppMessages(3);
    std::vector<UINT> handled;
    const auto record = [&handled](MSG& msg) { handled.push_back(msg.message); };
    EXPECT_EQ(RunMessageLoop([&handled] { return handled.size() < 2; }, record), std::nullopt);
    EXPECT_EQ(handled, std::vector<UINT>(posted.begin(), posted.begin() + 2));
    EXPECT_TRUE(HandleQueuedMessages(record));
    EXPECT_EQ(handled, posted);
}

}  // namespace
}  // namespace plivora
