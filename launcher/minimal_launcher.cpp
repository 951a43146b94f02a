// A stand-in launcher: opens the first target named on its command line with the
// program associated with its type, from the folder it was started in.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

// The text between the first pair of double quotes; a list of targets is cut at its first comma.
std::string FirstTarget(const char* commandLine) {
    const std::string line(commandLine ? commandLine : "");
    const std::size_t open = line.find('"');
    if (open == std::string::npos) return std::string();
    const std::size_t close = line.find('"', open + 1);
    std::string targets = line.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
    const std::size_t comma = targets.find(", ");
    return comma == std::string::npos ? targets : targets.substr(0, comma);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const std::string target = FirstTarget(commandLine);
    if (target.empty()) return 1;
    const HINSTANCE result = ::ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32 ? 0 : 2;
}
