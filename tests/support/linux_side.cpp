#include "linux_side.h"

#include <windows.h>

#include <functional>
#include <vector>

#include "ansi_wide.h"
#include "wait_for.h"

namespace plivora::fakes {

namespace {

// Wine starts Linux programs but gives no handles to wait on (what it leaves in the process
// information is not ours to close): the result is waited for instead.
bool RunLinux(const std::vector<std::string>& arguments, const std::function<bool()>& done) {
    std::string line;
    for (const std::string& argument : arguments) line += (line.empty() ? "\"" : " \"") + argument + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return false;
    return WaitFor(done, std::chrono::seconds(10));
}

bool IsLink(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

std::string LinuxPath(const std::string& windowsPath) {
    using UnixFileName = char*(CDECL*)(const wchar_t*);
    const auto unixFileName = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    if (!unixFileName) return {};
    char* path = unixFileName(WideChars(WideFromAnsi(windowsPath)));
    if (!path) return {};
    std::string result = path;
    ::HeapFree(::GetProcessHeap(), 0, path);
    return result;
}

LinuxLink::LinuxLink(const std::string& target, const std::string& link) : link_(link) {
    made_ = RunLinux({"/bin/ln", "-s", LinuxPath(target), LinuxPath(link)}, [&] { return IsLink(link); });
}

LinuxLink::~LinuxLink() {
    if (IsLink(link_)) RunLinux({"/bin/rm", LinuxPath(link_)}, [&] { return !Exists(link_); });
}

MappedDrive::MappedDrive(const std::string& folder) {
    const std::string devices = LinuxPath("C:\\");
    const std::size_t end = devices.rfind("/c:");
    if (end == std::string::npos) return;
    const DWORD used = ::GetLogicalDrives();
    for (char letter = 'm'; letter <= 'y'; ++letter) {
        if (used & (1u << (letter - 'a'))) continue;
        const std::string root = std::string(1, static_cast<char>(letter - 'a' + 'A')) + ":\\";
        device_ = devices.substr(0, end + 1) + letter + ":";
        if (RunLinux({"/bin/ln", "-s", LinuxPath(folder), device_}, [&] { return Exists(root); }))
            root_ = root;
        return;
    }
}

MappedDrive::~MappedDrive() {
    if (!device_.empty())
        RunLinux({"/bin/rm", "-f", device_}, [&] { return root_.empty() || !Exists(root_); });
}

}  // namespace plivora::fakes
