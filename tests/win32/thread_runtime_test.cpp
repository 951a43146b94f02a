// The shipped programs' own answers to the runtime's thread calls, under the load they
// must bear: exceptions thrown at once on several threads, each with its own
// thread-local state, and the thread's last error kept across that state's first use.
// A plain program: the test framework would bring the POSIX thread library back.
#include <windows.h>

#include <cstdio>
#include <stdexcept>

namespace {

constexpr int kThreads = 6;
constexpr int kRounds = 2000;
thread_local int caught = 0;

struct Failure : std::exception {};

DWORD WINAPI ThrowAndCatch(void*) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    caught = 0;  // first use on this thread: allocates the thread's storage
    if (GetLastError() != ERROR_FILE_NOT_FOUND) return 1;
    for (int round = 0; round < kRounds; ++round) {
        try {
            throw Failure();
        } catch (const std::exception&) {
            ++caught;
        }
    }
    return caught == kRounds ? 0 : 2;
}

}  // namespace

int main() {
    HANDLE threads[kThreads];
    for (HANDLE& thread : threads) {
        thread = CreateThread(nullptr, 0, ThrowAndCatch, nullptr, 0, nullptr);
        if (!thread) return std::printf("could not start a thread\n"), 1;
    }
    WaitForMultipleObjects(kThreads, threads, TRUE, INFINITE);
    int failures = 0;
    for (HANDLE thread : threads) {
        DWORD code = 1;
        GetExitCodeThread(thread, &code);
        if (code == 1) std::printf("the last error was lost on a thread's first thread-local use\n");
        if (code == 2) std::printf("a thread caught fewer exceptions than it threw\n");
        failures += code != 0;
        CloseHandle(thread);
    }
    if (ThrowAndCatch(nullptr) != 0) ++failures;  // and the main thread, after the others
    std::printf("%d threads x %d exceptions: %s\n", kThreads + 1, kRounds, failures ? "FAILED" : "ok");
    return failures ? 1 : 0;
}
