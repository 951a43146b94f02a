// Plivora.exe: started from the disc's root by autorun.inf (or by the Assistant's Test),
// it opens the target files as the switches on its command line ask.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "launch_rules.h"
#include "launcher_command_line.h"
#include "launcher_resources.h"
#include "launcher_window.h"
#include "shell_actions.h"

namespace plivora::launcher {

namespace {

constexpr DWORD MinimumShowMs = 1500;       // long enough to be read
constexpr DWORD LongestIdleWaitMs = 10000;  // the window stays while the program loads

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

struct Message {
    std::string Short;
    std::string Full;
    bool Error;
};

class Launch {
public:
    Launch(HINSTANCE instance, std::string arguments)
        : instance_(instance), arguments_(std::move(arguments)), root_(OwnFolder()) {}

    int Run() {
        SetCurrentDirectoryA(root_.c_str());
        ParsedLaunchArguments parsed = ParseLaunchArguments(arguments_);
        command_ = std::move(parsed.Command);
        for (const std::string& problem : parsed.Problems)
            Error("The disc's start-up line has a mistake; part of it was ignored.",
                  problem + "\r\nThe start-up line is: " + arguments_);
        if (command_.UseSplash) Splash();
        if (!command_.HideDialog) {
            status_ = std::make_unique<StatusWindow>(instance_);
            shownAt_ = GetTickCount64();
        }
        if (command_.UseSecondary && command_.SecondaryOrder == 1 && RunSecondary(FirstQuestion())) {
            Status("Waiting for " + Quote(command_.SecondaryProgram) + " to finish...");
            PumpMessagesUntil(secondaryProcess_.Get(), INFINITE);
        }
        const auto exists = [this](const std::string& name) { return PathExists(OnDisc(root_, name)); };
        for (const std::string& target : ResolveTargets(command_.TargetFiles, exists)) Open(target);
        if (secondaryRan_ && (command_.SecondaryPrompt == 1 || command_.SecondaryPrompt == 3)) {
            if (secondaryProcess_) {
                Status("Waiting for " + Quote(command_.SecondaryProgram) + " to finish...");
                PumpMessagesUntil(secondaryProcess_.Get(), INFINITE);
            }
            TellUser(Owner(),
                     Quote(command_.SecondaryProgram) +
                         " has finished. Please restart your computer, then insert this disc again.",
                     RESTART_TITLE);
        }
        return Finish();
    }

private:
    void Error(std::string shortText, std::string fullText) {
        messages_.push_back({std::move(shortText), std::move(fullText), true});
    }
    // Shown only with /verbose: what went wrong on the way to a result that worked.
    void Note(std::string fullText) { messages_.push_back({std::string(), std::move(fullText), false}); }
    void Status(const std::string& text) {
        if (status_) status_->SetStatus(text);
    }
    HWND Owner() const { return status_ ? status_->Get() : nullptr; }

    void Splash() {
        const std::string& name = command_.SplashFile;
        const std::string path = OnDisc(root_, name);
        if (name.empty() || !PathExists(path)) {
            Error("Cannot show the splash screen.",
                  "Cannot find the splash image " + Quote(name.empty() ? std::string("(none named)") : path) +
                      ".");
            return;
        }
        const std::string failure = ShowSplash(instance_, path, SplashMilliseconds(command_.SplashSeconds));
        if (!failure.empty())
            Error("Cannot show the splash screen.",
                  "Cannot show the splash image " + Quote(path) + ". " + failure);
    }

    std::string FirstQuestion() const {
        return "Before this disc opens " + Quote(command_.TargetFiles) + ", it runs " +
               Quote(command_.SecondaryProgram) + "." + RestartWarning() + "\n\nRun it now?";
    }
    std::string MissingProgramQuestion(const std::string& target) const {
        return "No program on this computer opens " + Quote(target) + ". This disc can run " +
               Quote(command_.SecondaryProgram) + " to install one." + RestartWarning() + "\n\nRun it now?";
    }
    std::string RestartWarning() const {
        return command_.SecondaryPrompt == 3 ? " You will need to restart your computer afterwards." : "";
    }

    // Asks first when the disc was made with a confirmation box, unless the user asked
    // not to be asked again. True when the program was started.
    bool RunSecondary(const std::string& question) {
        const std::string& name = command_.SecondaryProgram;
        const std::string path = OnDisc(root_, name);
        if (name.empty() || !PathExists(path)) {
            Error("Cannot find the secondary program " + Quote(name) + ".",
                  "Cannot find the secondary program " +
                      Quote(name.empty() ? std::string("(none named)") : path) +
                      ". Check that it was copied to the CD-ROM Base Folder before the disc was made.");
            return false;
        }
        if (command_.SecondaryPrompt >= 2) {
            const std::string key = ComposeLaunchArguments(command_);
            const RememberedAnswer remembered = ReadRememberedAnswer(key);
            if (remembered == RememberedAnswer::Skip) return false;
            if (remembered == RememberedAnswer::None) {
                bool dontAskAgain = false;
                const bool yes = AskYesNo(instance_, Owner(), question, dontAskAgain);
                if (dontAskAgain && !RememberAnswer(key, yes))
                    Note(
                        "The answer could not be kept in the registry under "
                        "HKEY_CURRENT_USER\\Software\\Classes\\" +
                        key + "; the question will come again.");
                if (!yes) return false;
            }
        }
        Status("Running " + Quote(name) + "...");
        Started started = ShellOpen(path, std::string(), root_);
        if (!started.Ok) {
            Error("Cannot run the secondary program " + Quote(name) + ".",
                  "Cannot run the secondary program " + Quote(path) + ": " + DescribeError(started.Error));
            return false;
        }
        secondaryRan_ = true;
        secondaryProcess_ = std::move(started.Process);
        return true;
    }

    void Open(const std::string& name) {
        const std::string path = OnDisc(root_, name);
        if (!PathExists(path)) {
            Error("Cannot find " + Quote(name) + ".",
                  "Cannot find the target file " + Quote(path) +
                      ". Check that it was copied to the CD-ROM Base Folder before the disc was made.");
            return;
        }
        const std::optional<FileType> type = command_.NoRegistryLookup ? std::nullopt : LookUpFileType(path);
        const std::string description = type ? type->Description : std::string();
        Status("Opening " + (description.empty() ? std::string() : description + " ") + Quote(name) + "...");

        if (command_.TryForce) {
            const auto exists = [](const std::string& candidate) { return PathExists(candidate); };
            for (std::size_t i = 0; i < command_.ForcePrograms.size(); ++i) {
                const ProgramText program = SplitProgramText(command_.ForcePrograms[i], exists);
                const std::string parameters =
                    program.Arguments + (program.Arguments.empty() ? "" : " ") + Quote(path);
                if (Opened(ShellOpen(program.Program, parameters, root_))) return;
                Note("Program " + std::to_string(i + 1) + " " + Quote(command_.ForcePrograms[i]) +
                     " could not open " + Quote(name) + ": " + DescribeError(lastError_) + ".");
            }
        }
        if (type && !type->OpenCommand.empty()) {
            const std::string commandLine = ExpandOpenCommand(type->OpenCommand, path);
            if (Opened(RunCommandLine(commandLine, root_))) return;
            Note("The program registered for " + Quote(name) + " could not be started (" + commandLine +
                 "): " + DescribeError(lastError_) + ". Windows was asked to find one.");
        }
        if (Opened(ShellOpen(path, std::string(), root_))) return;

        // The target exists, so a file that cannot be found is its program.
        const bool noProgram = IsNoAssociation(lastError_, path) || lastError_ == ERROR_FILE_NOT_FOUND ||
                               lastError_ == ERROR_PATH_NOT_FOUND;
        if (noProgram && command_.UseSecondary && command_.SecondaryOrder == 0 && !secondaryTried_) {
            secondaryTried_ = true;
            const DWORD openError = lastError_;
            if (RunSecondary(MissingProgramQuestion(name))) return;
            lastError_ = openError;
        }
        if (noProgram)
            Error(
                "No program on this computer opens " + Quote(name) + ".",
                "No program on this computer opens " + Quote(path) + ": " + DescribeError(lastError_) + ".");
        else
            Error("Cannot open " + Quote(name) + ".",
                  "Cannot open " + Quote(path) + ": " + DescribeError(lastError_) + ".");
    }

    bool Opened(Started started) {
        if (!started.Ok) {
            lastError_ = started.Error;
            return false;
        }
        if (started.Process) lastProcess_ = std::move(started.Process);
        return true;
    }

    int Finish() {
        bool failed = false;
        std::string shown;
        std::vector<std::string> seen;
        for (const Message& message : messages_) {
            failed = failed || message.Error;
            const std::string& text = command_.Verbose ? message.Full : message.Short;
            if (text.empty()) continue;
            bool repeated = false;
            for (const std::string& earlier : seen) repeated = repeated || earlier == text;
            if (repeated) continue;
            seen.push_back(text);
            shown += (shown.empty() ? "" : "\r\n\r\n") + text;
        }
        if (!status_) return failed ? 1 : 0;
        if (!shown.empty()) {
            status_->SetStatus(failed ? "Plivora could not do everything this disc asks for:"
                                      : "Done. What happened on the way:");
            status_->ShowMessagesAndWait(shown);
            return failed ? 1 : 0;
        }
        // Users see that something is loading until the program is ready for them.
        const ULONGLONG idleDeadline = GetTickCount64() + LongestIdleWaitMs;
        while (lastProcess_ && WaitForInputIdle(lastProcess_.Get(), 0) == WAIT_TIMEOUT &&
               GetTickCount64() < idleDeadline)
            PumpMessagesUntil(nullptr, 50);
        const ULONGLONG shownUntil = shownAt_ + MinimumShowMs;
        const ULONGLONG now = GetTickCount64();
        if (now < shownUntil) PumpMessagesUntil(nullptr, static_cast<DWORD>(shownUntil - now));
        return 0;
    }

    HINSTANCE instance_;
    std::string arguments_;
    std::string root_;  // the disc's root: the launcher's own folder
    LauncherCommandLine command_;
    std::vector<Message> messages_;
    std::unique_ptr<StatusWindow> status_;
    ULONGLONG shownAt_ = 0;
    DWORD lastError_ = 0;
    ProcessHandle lastProcess_;
    ProcessHandle secondaryProcess_;
    bool secondaryTried_ = false;
    bool secondaryRan_ = false;
};

}  // namespace

}  // namespace plivora::launcher

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    return plivora::launcher::Launch(instance, commandLine ? commandLine : "").Run();
}
