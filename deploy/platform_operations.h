// The few platform services Create and Test need. The Win32 side implements them;
// tests record them.
#pragma once

#include <optional>
#include <string>

#include "disc_image_writer.h"

namespace plivora {

// How a file copy ended, judged by what the copy holds, not by what the copier said.
enum class CopyOutcome {
    Copied,      // the file in place equals its source
    Failed,      // the source could not be read, or the copy could not begin or take its place
    Incomplete,  // the copy did not arrive whole; it is removed
    InUse,       // the file it would replace is held open by another program
};

class PlatformOperations {
public:
    virtual ~PlatformOperations() = default;

    virtual void ShowWaitCursor() = 0;
    virtual void ShowArrowCursor() = 0;

    // Creates or replaces the file with the text, each line feed written as CR LF.
    // False when anything fails; a file that was there before is then left as it was.
    // What earlier writes and copies that died left in its folder is cleared first.
    virtual bool WriteTextFile(const std::string& path, const std::string& text) = 0;

    // Copies one file into a folder, replacing a file of the same name without asking.
    // Unless the copy is Copied, a file that was there before is left as it was.
    virtual CopyOutcome CopyFileIntoFolder(const std::string& sourceFile, const std::string& folder) = 0;

    // The file's bytes; nothing when it cannot be read whole.
    virtual std::optional<std::string> ReadFileBytes(const std::string& path) = 0;

    // Tells the shell that a folder's content changed, so open views show the new files.
    virtual void NotifyFolderChanged(const std::string& folder) = 0;

    // Deletes one value of a key of the file classes, both the machine's and the user's
    // own; false when it was in neither.
    virtual bool RemoveClassesValue(const std::string& subkey, const std::string& valueName) = 0;

    virtual bool FileExists(const std::string& path) = 0;

    // Whether the folder is the root of a removable drive (a USB stick, a memory card),
    // from which Windows starts nothing by itself.
    virtual bool IsRemovableDriveRoot(const std::string& folder) = 0;

    // What an image of the folder would take, as Make Disc Image would write it.
    virtual DiscImageResult MeasureImage(const std::string& folder) = 0;

    // Starts a program; whether it started is the shell's to report.
    virtual void Launch(const std::string& program, const std::string& arguments,
                        const std::string& folder) = 0;
};

}  // namespace plivora
