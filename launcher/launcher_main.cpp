// Plivora.exe: started from the disc's root by autorun.inf (or by the Assistant's Test),
// it opens the target files as the switches on its command line ask.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "borders.h"
#include "disc_launch_guard.h"
#include "launch_messages.h"
#include "launch_rules.h"
#include "launcher_command_line.h"
#include "launcher_resources.h"
#include "launcher_window.h"
#include "program_folders.h"
#include "shell_actions.h"

namespace plivora::launcher {

namespace {

constexpr DWORD MinimumShowMs = 1500;       // long enough to be read
constexpr DWORD LongestIdleWaitMs = 10000;  // the window stays while the program loads

struct Message {
    LaunchMessage Text;
    bool Error;
};

class Launch {
public:
    Launch(HINSTANCE instance, std::string arguments)
        : instance_(instance), arguments_(std::move(arguments)), root_(ProgramFolder()), guard_(root_) {}

    int Run() {
        // A second start of a busy disc (a double click) adds nothing: the first one's
        // window comes forward instead.
        if (!guard_.Taken()) {
            guard_.BringHolderToFront();
            return 0;
        }
        SetCurrentDirectoryA(root_.c_str());
        ParsedLaunchArguments parsed = ParseLaunchArguments(arguments_);
        command_ = std::move(parsed.Command);
        for (const LaunchArgumentProblem& problem : parsed.Problems) {
            if (problem.Ignored)
                Error(LinePartIgnored(problem));
            else
                Note(LinePartReadAnyway(problem));
        }
        // The form lets these be ticked without a file; then they do nothing.
        useSplash_ = command_.UseSplash && NamesAFile(command_.SplashFile, SplashNamesNothing());
        useSecondary_ = command_.UseSecondary && NamesAFile(command_.SecondaryProgram, SecondaryNamesNothing());

        if (useSplash_) Splash();
        if (!command_.HideDialog) {
            status_ = std::make_unique<StatusWindow>(instance_);
            shownAt_ = GetTickCount64();
        }
        if (useSecondary_ && command_.SecondaryOrder == 1 &&
            RunSecondary(RunFirstQuestion(command_.TargetFiles, command_.SecondaryProgram, RestartAfter()))) {
            Status(WaitingStatus(command_.SecondaryProgram));
            PumpMessagesUntil(secondaryProcess_.Get(), INFINITE);
        }
        const auto exists = [this](const std::string& name) { return PathExists(OnDisc(root_, name)); };
        const std::vector<std::string> targets = ResolveTargets(command_.TargetFiles, exists);
        if (targets.empty()) Error(NothingToOpen(arguments_));
        for (const std::string& target : targets) Open(target);
        // The disc's work is done: a later start is a new request, whatever window stays.
        guard_.Release();
        if (secondaryRan_ && (command_.SecondaryPrompt == 1 || command_.SecondaryPrompt == 3)) {
            if (secondaryProcess_) {
                Status(WaitingStatus(command_.SecondaryProgram));
                PumpMessagesUntil(secondaryProcess_.Get(), INFINITE);
            }
            TellUser(Owner(), RestartNotice(command_.SecondaryProgram), RESTART_TITLE);
        }
        return Finish();
    }

private:
    void Error(LaunchMessage text) { messages_.push_back({std::move(text), true}); }
    // What went wrong on the way to a result that worked: details for /verbose only.
    void Note(LaunchMessage text) { messages_.push_back({std::move(text), false}); }
    bool NamesAFile(const std::string& file, LaunchMessage skipped) {
        if (!file.empty()) return true;
        Note(std::move(skipped));
        return false;
    }
    void Status(const std::string& text) {
        if (status_) status_->SetStatus(text);
    }
    HWND Owner() const { return status_ ? status_->Get() : nullptr; }

    void Splash() {
        const std::string& name = command_.SplashFile;
        const std::string path = OnDisc(root_, name);
        if (!PathExists(path)) {
            Error(SplashMissing(name, path));
            return;
        }
        const std::string failure = ShowSplash(instance_, path, SplashMilliseconds(command_.SplashSeconds));
        if (!failure.empty()) Error(SplashNotShown(name, path, failure));
    }

    bool RestartAfter() const { return command_.SecondaryPrompt == 3; }

    // Asks first when the disc was made with a confirmation box, unless the user asked
    // not to be asked again. True when the program was started.
    bool RunSecondary(const std::string& question) {
        const std::string& name = command_.SecondaryProgram;
        const std::string path = OnDisc(root_, name);
        if (!PathExists(path)) {
            Error(SecondaryMissing(name, path));
            return false;
        }
        if (command_.SecondaryPrompt >= 2) {
            const std::string key = ComposeLaunchArguments(command_);
            const RememberedAnswer remembered = ReadRememberedAnswer(key);
            if (remembered == RememberedAnswer::Skip) return false;
            if (remembered == RememberedAnswer::None) {
                bool dontAskAgain = false;
                const bool yes = AskYesNo(instance_, Owner(), question, dontAskAgain);
                if (dontAskAgain && !RememberAnswer(key, yes)) Note(AnswerNotKept(key));
                if (!yes) return false;
            }
        }
        Status(RunningStatus(name));
        Started started = ShellOpen(path, std::string(), root_);
        if (!started.Ok) {
            Error(SecondaryNotStarted(name, path, DescribeError(started.Error, Quoted(name))));
            return false;
        }
        secondaryRan_ = true;
        secondaryProcess_ = std::move(started.Process);
        return true;
    }

    void Open(const std::string& name) {
        const std::string path = OnDisc(root_, name);
        if (!PathExists(path)) {
            Error(TargetMissing(name, path));
            return;
        }
        const std::optional<FileType> type = command_.NoRegistryLookup ? std::nullopt : LookUpFileType(path);
        Status(OpeningStatus(type ? type->Description : std::string(), name));

        if (command_.TryForce) {
            const auto exists = [](const std::string& candidate) { return PathExists(candidate); };
            for (std::size_t i = 0; i < command_.ForcePrograms.size(); ++i) {
                const ProgramText program = SplitProgramText(command_.ForcePrograms[i], exists);
                const std::string parameters =
                    program.Arguments + (program.Arguments.empty() ? "" : " ") + Quoted(path);
                if (Opened(ShellOpen(program.Program, parameters, root_))) return;
                Note(ForcedProgramFailed(i + 1, command_.ForcePrograms[i], name,
                                         DescribeError(lastError_, Quoted(program.Program))));
            }
        }
        if (type && !type->OpenCommand.empty()) {
            const std::string commandLine = ExpandOpenCommand(type->OpenCommand, path);
            if (Opened(RunCommandLine(commandLine, root_))) return;
            Note(RegisteredProgramFailed(name, commandLine, DescribeError(lastError_, "the registered program")));
        }
        if (Opened(ShellOpen(path, std::string(), root_))) return;

        // The target exists, so a file that cannot be found is its program.
        const bool noProgram = IsNoAssociation(lastError_, path) || lastError_ == ERROR_FILE_NOT_FOUND ||
                               lastError_ == ERROR_PATH_NOT_FOUND;
        if (noProgram && useSecondary_ && command_.SecondaryOrder == 0 && !secondaryTried_) {
            secondaryTried_ = true;
            const DWORD openError = lastError_;
            if (RunSecondary(InstallProgramQuestion(name, command_.SecondaryProgram, RestartAfter()))) return;
            lastError_ = openError;
        }
        const std::string reason = DescribeError(lastError_, Quoted(name));
        Error(noProgram ? NoProgramOpens(name, path, reason) : TargetNotOpened(name, path, reason));
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
            const std::string text = ShownText(message.Text, command_.Verbose);
            if (text.empty()) continue;
            bool repeated = false;
            for (const std::string& earlier : seen) repeated = repeated || earlier == text;
            if (repeated) continue;
            seen.push_back(text);
            shown += (shown.empty() ? "" : "\r\n\r\n") + text;
        }
        // /hide keeps a success silent, never a failure: the disc must not seem to do nothing.
        if (!shown.empty() && (status_ || failed)) {
            if (!status_) status_ = std::make_unique<StatusWindow>(instance_);
            status_->SetStatus(FinishedHeading(failed));
            if (!status_->ShowMessagesAndWait(shown))
                TellUser(nullptr, FinishedHeading(failed) + "\n\n" + shown, LAUNCHER_TITLE);
            return failed ? 1 : 0;
        }
        if (!status_) return failed ? 1 : 0;
        // Users see that something is loading until the program is ready for them.
        const ULONGLONG idleDeadline = GetTickCount64() + LongestIdleWaitMs;
        while (lastProcess_ && WaitForInputIdle(lastProcess_.Get(), 0) == WAIT_TIMEOUT &&
               GetTickCount64() < idleDeadline)
            PumpMessagesUntil(nullptr, 50);
        const ULONGLONG shownUntil = shownAt_ + MinimumShowMs;
        const ULONGLONG now = GetTickCount64();
        if (now < shownUntil) PumpMessagesUntil(nullptr, static_cast<DWORD>(shownUntil - now));
        return failed ? 1 : 0;
    }

    HINSTANCE instance_;
    std::string arguments_;
    std::string root_;  // the disc's root: the launcher's own folder
    DiscLaunchGuard guard_;
    LauncherCommandLine command_;
    std::vector<Message> messages_;
    std::unique_ptr<StatusWindow> status_;
    ULONGLONG shownAt_ = 0;
    DWORD lastError_ = 0;
    UniqueKernelHandle lastProcess_;
    UniqueKernelHandle secondaryProcess_;
    bool useSplash_ = false;
    bool useSecondary_ = false;
    bool secondaryTried_ = false;
    bool secondaryRan_ = false;
};

}  // namespace

}  // namespace plivora::launcher

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    return plivora::RunProgram(
        [&] { return plivora::launcher::Launch(instance, commandLine ? commandLine : "").Run(); });
}
