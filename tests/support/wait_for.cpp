#include "wait_for.h"

#include <windows.h>

#include <thread>

#include "message_loop.h"

namespace plivora::fakes {

void PumpMessages() {
    HandleQueuedMessages([](MSG& msg) { DispatchFor(nullptr, msg); });
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds deadline,
             const std::function<void()>& pump) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        pump();
        if (condition()) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace plivora::fakes
