// Waiting on state with a deadline, never a fixed sleep: Wine's timing varies too much.
#pragma once

#include <chrono>
#include <functional>

namespace plivora::fakes {

// Translates and dispatches every message waiting in this thread's queue.
void PumpMessages();

// True when the condition holds before the deadline. Between looks the thread's waiting
// messages go to pump, so that this thread's own windows keep working meanwhile.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds deadline = std::chrono::seconds(20),
             const std::function<void()>& pump = PumpMessages);

}  // namespace plivora::fakes
