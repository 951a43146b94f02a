#include "launch_messages.h"

namespace plivora::launcher {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string WhereItShouldBe(const std::string& path) {
    return "It should be at " + Quoted(path) +
           ". Check that it was copied to the CD-ROM Base Folder before the disc was made.";
}

std::string RestartWarning(bool restartAfter) {
    return restartAfter ? " You will need to restart your computer afterwards." : "";
}

}  // namespace

std::string ShownText(const LaunchMessage& message, bool verbose) {
    if (!verbose || message.Details.empty()) return message.Short;
    return message.Short.empty() ? message.Details : message.Short + "\r\n" + message.Details;
}

std::string FillInserts(const std::string& systemText, const std::string& subject) {
    std::string result;
    for (std::size_t at = 0; at < systemText.size(); ++at) {
        const bool insert = systemText[at] == '%' && at + 1 < systemText.size() && IsDigit(systemText[at + 1]) &&
                            systemText[at + 1] != '0';
        if (!insert) {
            result += systemText[at];
            continue;
        }
        ++at;
        if (at + 1 < systemText.size() && IsDigit(systemText[at + 1])) ++at;
        // "%1!s!": the insert's format goes with it.
        if (at + 1 < systemText.size() && systemText[at + 1] == '!') {
            const std::size_t close = systemText.find('!', at + 2);
            if (close != std::string::npos) at = close;
        }
        std::string filled = subject;
        if (result.empty() && !filled.empty() && filled[0] >= 'a' && filled[0] <= 'z')
            filled[0] = static_cast<char>(filled[0] - 'a' + 'A');
        result += filled;
    }
    return result;
}

LaunchMessage NothingToOpen(const std::string& arguments) {
    const bool blank = arguments.find_first_not_of(" \t") == std::string::npos;
    return {"This disc names nothing to open.",
            std::string(blank ? "Its start-up line is empty." : "Its start-up line names no target file.") +
                " Choose a Target Filename and create the disc again."};
}

LaunchMessage LinePartIgnored(const LaunchArgumentProblem& problem) {
    return {"Part of this disc's start-up line was ignored: " + problem.Piece, problem.Detail};
}

LaunchMessage TargetMissing(const std::string& name, const std::string& path) {
    return {"This disc's start-up file " + Quoted(name) + " could not be found.", WhereItShouldBe(path)};
}

LaunchMessage NoProgramOpens(const std::string& name, const std::string& path, const std::string& reason) {
    return {"No program on this computer can open " + Quoted(name) + ".",
            "Windows found no program to open " + Quoted(path) + ": " + reason};
}

LaunchMessage TargetNotOpened(const std::string& name, const std::string& path, const std::string& reason) {
    return {"This disc's start-up file " + Quoted(name) + " could not be opened.",
            "Windows could not open " + Quoted(path) + ": " + reason};
}

LaunchMessage SplashMissing(const std::string& name, const std::string& path) {
    return {"This disc's splash screen " + Quoted(name) + " could not be found.", WhereItShouldBe(path)};
}

LaunchMessage SplashNotShown(const std::string& name, const std::string& path, const std::string& reason) {
    return {"This disc's splash screen " + Quoted(name) + " could not be shown.", Quoted(path) + " " + reason + "."};
}

LaunchMessage SecondaryMissing(const std::string& name, const std::string& path) {
    return {"This disc's program " + Quoted(name) + " could not be found.", WhereItShouldBe(path)};
}

LaunchMessage SecondaryNotStarted(const std::string& name, const std::string& path, const std::string& reason) {
    return {"This disc's program " + Quoted(name) + " could not be started.",
            "Windows could not run " + Quoted(path) + ": " + reason};
}

LaunchMessage LinePartReadAnyway(const LaunchArgumentProblem& problem) {
    return {std::string(), problem.Detail};
}

LaunchMessage SplashNamesNothing() {
    return {std::string(), "The Splash Screen is switched on but names no image, so it was skipped."};
}

LaunchMessage SecondaryNamesNothing() {
    return {std::string(), "The Secondary Program is switched on but names no program, so it was skipped."};
}

LaunchMessage ForcedProgramFailed(std::size_t number, const std::string& programText, const std::string& name,
                                  const std::string& reason) {
    return {std::string(), "Program " + std::to_string(number) + " " + Quoted(programText) + " could not open " +
                               Quoted(name) + ": " + reason};
}

LaunchMessage RegisteredProgramFailed(const std::string& name, const std::string& commandLine,
                                      const std::string& reason) {
    return {std::string(), "The program registered for " + Quoted(name) + " could not be started (" + commandLine +
                               "): " + reason + " Windows was asked to find one."};
}

LaunchMessage AnswerNotKept(const std::string& keyName) {
    return {std::string(),
            "The answer could not be kept in the registry under HKEY_CURRENT_USER\\Software\\Classes\\" + keyName +
                "; the question will come again."};
}

std::string OpeningStatus(const std::string& typeDescription, const std::string& name) {
    return "Opening " + (typeDescription.empty() ? std::string() : typeDescription + " ") + Quoted(name) + "...";
}

std::string RunningStatus(const std::string& program) { return "Running " + Quoted(program) + "..."; }

std::string WaitingStatus(const std::string& program) { return "Waiting for " + Quoted(program) + " to finish..."; }

std::string FinishedHeading(bool failed) {
    return failed ? "Plivora could not do everything this disc asks for:" : "Done. What happened on the way:";
}

std::string RunFirstQuestion(const std::string& targets, const std::string& program, bool restartAfter) {
    const std::string runs = targets.empty() ? "This disc runs " + Quoted(program) + "."
                                             : "Before this disc opens " + Quoted(targets) + ", it runs " +
                                                   Quoted(program) + ".";
    return runs + RestartWarning(restartAfter) + "\n\nRun it now?";
}

std::string InstallProgramQuestion(const std::string& target, const std::string& program, bool restartAfter) {
    return "No program on this computer can open " + Quoted(target) + ". This disc can run " + Quoted(program) +
           " to install one." + RestartWarning(restartAfter) + "\n\nRun it now?";
}

std::string RestartNotice(const std::string& program) {
    return Quoted(program) + " has finished. Please restart your computer, then insert this disc again.";
}

}  // namespace plivora::launcher
