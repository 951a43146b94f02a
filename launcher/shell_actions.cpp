#include "shell_actions.h"

#include <shellapi.h>

#include <vector>

#include "ansi_text.h"
#include "base_paths.h"
#include "launch_messages.h"
#include "launcher_command_line.h"

namespace plivora::launcher {

namespace {

std::optional<std::string> ReadString(HKEY root, const std::string& keyName, const char* valueName) {
    UniqueRegKey key;
    if (RegOpenKeyExA(root, keyName.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    std::vector<char> data(size + 1);
    if (RegQueryValueExA(key.Get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::string text(data.data());
    if (type == REG_EXPAND_SZ) {
        const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
        std::vector<char> expanded(needed + 1);
        if (needed && ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed + 1))
            text = expanded.data();
    }
    return text;
}

}  // namespace

std::optional<FileType> LookUpFileType(const std::string& path) {
    const std::string extension = "." + FileExtension(path);
    if (extension.size() < 2) return std::nullopt;
    const std::optional<std::string> className = ReadString(HKEY_CLASSES_ROOT, extension, nullptr);
    FileType type;
    // Old-style types keep their command under the extension itself.
    for (const std::string& key : {className.value_or(std::string()), extension}) {
        if (key.empty()) continue;
        if (type.Description.empty() && key != extension)
            type.Description = ReadString(HKEY_CLASSES_ROOT, key, nullptr).value_or(std::string());
        std::string verb = ReadString(HKEY_CLASSES_ROOT, key + "\\shell", nullptr).value_or(std::string());
        if (verb.empty()) verb = "open";
        type.OpenCommand = ReadString(HKEY_CLASSES_ROOT, key + "\\shell\\" + verb + "\\command", nullptr)
                               .value_or(std::string());
        if (!type.OpenCommand.empty()) break;
    }
    if (!className && type.OpenCommand.empty()) return std::nullopt;
    return type;
}

Started RunCommandLine(const std::string& commandLine, const std::string& folder) {
    Started started;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
        started.Error = GetLastError();
        return started;
    }
    const UniqueKernelHandle thread(process.hThread);
    started.Ok = true;
    started.Process.Reset(process.hProcess);
    return started;
}

Started ShellOpen(const std::string& file, const std::string& parameters, const std::string& folder) {
    Started started;
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&info)) {
        started.Error = GetLastError();
        // Some shells report only through hInstApp.
        if (started.Error == 0) {
            const INT_PTR code = reinterpret_cast<INT_PTR>(info.hInstApp);
            started.Error = code == SE_ERR_NOASSOC ? ERROR_NO_ASSOCIATION : static_cast<DWORD>(code);
        }
        return started;
    }
    started.Ok = true;
    started.Process.Reset(info.hProcess);
    return started;
}

bool IsNoAssociation(DWORD error, const std::string& document) {
    if (error == ERROR_NO_ASSOCIATION || error == SE_ERR_NOASSOC) return true;
    if (error != ERROR_BAD_EXE_FORMAT) return false;
    const std::string extension = FileExtension(document);
    for (const char* program : {"exe", "com", "bat", "cmd", "pif", "scr"})
        if (EqualIgnoringCase(extension, program)) return false;
    return true;
}

std::string DescribeError(DWORD error, const std::string& subject) {
    LocalMemory<char*> buffer;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<char*>(buffer.Receive()), 0, nullptr);
    std::string text = length ? std::string(buffer.Get(), length) : std::string("Unknown error.");
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return FillInserts(text, subject) + " (error " + std::to_string(error) + ")";
}

RememberedAnswer ReadRememberedAnswer(const std::string& keyName) {
    const std::optional<std::string> answer =
        ReadString(HKEY_CURRENT_USER, UserClassesKey + keyName, LauncherStateValue);
    if (!answer) return RememberedAnswer::None;
    return *answer == "skip" ? RememberedAnswer::Skip : RememberedAnswer::Run;
}

bool RememberAnswer(const std::string& keyName, bool run) {
    UniqueRegKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, (UserClassesKey + keyName).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, key.Receive(), nullptr) != ERROR_SUCCESS)
        return false;
    const char* const data = run ? "run" : "skip";
    return RegSetValueExA(key.Get(), LauncherStateValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                          static_cast<DWORD>(std::char_traits<char>::length(data) + 1)) == ERROR_SUCCESS;
}

}  // namespace plivora::launcher
