// Every text the launcher shows, in one place. Short texts are for the person who
// inserted the disc: one line naming what was ignored or could not be found or opened.
// The details that /verbose adds may address the disc's author.
#pragma once

#include <string>

#include "launcher_command_line.h"

namespace plivora::launcher {

struct LaunchMessage {
    std::string Short;    // empty: shown only with /verbose
    std::string Details;  // added with /verbose
};

// The short text, or with /verbose the short text and the details below it.
std::string ShownText(const LaunchMessage& message, bool verbose);

// A Windows error text as FORMAT_MESSAGE_IGNORE_INSERTS leaves it, with each insert
// ("%1", "%2!s!") replaced by the subject, so that no raw insert reaches the user.
std::string FillInserts(const std::string& systemText, const std::string& subject);

// What went wrong. A "reason" is a Windows error text with its inserts filled.
LaunchMessage NothingToOpen(const std::string& arguments);
LaunchMessage LinePartIgnored(const LaunchArgumentProblem& problem);
LaunchMessage TargetMissing(const std::string& name, const std::string& path);
LaunchMessage NoProgramOpens(const std::string& name, const std::string& path, const std::string& reason);
LaunchMessage TargetNotOpened(const std::string& name, const std::string& path, const std::string& reason);
LaunchMessage SplashMissing(const std::string& name, const std::string& path);
LaunchMessage SplashNotShown(const std::string& name, const std::string& path, const std::string& reason);
LaunchMessage SecondaryMissing(const std::string& name, const std::string& path);
LaunchMessage SecondaryNotStarted(const std::string& name, const std::string& path, const std::string& reason);

// What happened on the way to a result that worked: details only.
LaunchMessage LinePartReadAnyway(const LaunchArgumentProblem& problem);
LaunchMessage SplashNamesNothing();
LaunchMessage SecondaryNamesNothing();
LaunchMessage ForcedProgramFailed(std::size_t number, const std::string& programText, const std::string& name,
                                  const std::string& reason);
LaunchMessage RegisteredProgramFailed(const std::string& name, const std::string& commandLine,
                                      const std::string& reason);
LaunchMessage AnswerNotKept(const std::string& keyName);

// The status line, the message window's heading, the question and the restart notice.
std::string OpeningStatus(const std::string& typeDescription, const std::string& name);
std::string RunningStatus(const std::string& program);
std::string WaitingStatus(const std::string& program);
std::string FinishedHeading(bool failed);
std::string RunFirstQuestion(const std::string& targets, const std::string& program, bool restartAfter);
std::string InstallProgramQuestion(const std::string& target, const std::string& program, bool restartAfter);
std::string RestartNotice(const std::string& program);

}  // namespace plivora::launcher
