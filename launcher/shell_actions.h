// What the launcher asks of Windows: file types from the registry, starting programs,
// and the remembered answer of the secondary program's question.
#pragma once

#include <optional>
#include <string>

#include "unique_handle.h"

namespace plivora::launcher {

struct FileType {
    std::string Description;  // may be empty
    std::string OpenCommand;  // may be empty: then the type has no program of its own
};

// The type of a file by its extension, read from HKEY_CLASSES_ROOT.
std::optional<FileType> LookUpFileType(const std::string& path);

struct Started {
    bool Ok = false;
    DWORD Error = 0;
    UniqueKernelHandle Process;  // empty when the shell handed the file to a running program
};

// A whole command line, as the registry gives it.
Started RunCommandLine(const std::string& commandLine, const std::string& folder);

// The shell's own way: a document with its associated program, or a program (found like
// the Run box does) with its parameters. Never shows the shell's own error boxes.
Started ShellOpen(const std::string& file, const std::string& parameters, const std::string& folder);

// Whether opening the document failed for want of a program for its type. Some shells
// (Wine's) try to run a document of an unknown type as a program and so report a bad
// program format instead.
bool IsNoAssociation(DWORD error, const std::string& document);

// Windows' text for the error with its inserts filled with the subject:
// "Bad EXE format for "movie.xyz". (error 193)"
std::string DescribeError(DWORD error, const std::string& subject);

// The answer kept for the secondary program's question under the launcher's key, when
// the user asked not to be asked again.
enum class RememberedAnswer { None, Run, Skip };
RememberedAnswer ReadRememberedAnswer(const std::string& keyName);
bool RememberAnswer(const std::string& keyName, bool run);

}  // namespace plivora::launcher
