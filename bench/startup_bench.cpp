// Time from process start until the form is shown and waiting for input, for the
// program against a bare one that shows the same dialog template and nothing else.
// Prints figures only.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "process_windows.h"

namespace {

// Milliseconds until the program's window is visible and its thread idle; negative on failure.
double TimeOneStart(const std::string& program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program + "\"";
    LARGE_INTEGER frequency, started, shown;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&started);
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    HWND window = nullptr;
    for (int attempt = 0; attempt < 20000 && !window; ++attempt) {
        WaitForInputIdle(process.hProcess, 10);
        window = plivora::TopVisibleWindowOf(process.dwProcessId);
    }
    const bool idle = window && WaitForInputIdle(process.hProcess, 10000) == 0;
    QueryPerformanceCounter(&shown);
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!idle) return -1;
    return 1000.0 * static_cast<double>(shown.QuadPart - started.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// CMake passes Unix paths; Wine shows the Unix root as drive Z:.
std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("usage: startup_bench PROGRAM.exe BARE_DIALOG.exe [ROUNDS]\n");
        return 2;
    }
    const std::string programPath = WindowsPath(argv[1]), minimalPath = WindowsPath(argv[2]);
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    std::vector<double> program, minimal;
    // Alternate the two so that both see the same machine state.
    for (int i = 0; i < rounds; ++i) {
        const double p = TimeOneStart(programPath);
        const double m = TimeOneStart(minimalPath);
        if (p < 0 || m < 0) {
            std::printf("a program did not show its form\n");
            return 1;
        }
        program.push_back(p);
        minimal.push_back(m);
    }
    const double p = Median(program), m = Median(minimal);
    std::printf("start-up until shown and idle, median of %d rounds:\n", rounds);
    std::printf("  PlivoraAssistant.exe  %8.1f ms\n", p);
    std::printf("  bare dialog           %8.1f ms\n", m);
    std::printf("  ratio                 %8.2f\n", m > 0 ? p / m : 0.0);
    std::printf("  program size          %8lld bytes\n", FileSize(programPath));
    return 0;
}
