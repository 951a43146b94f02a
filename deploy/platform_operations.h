// The few platform services Create and Test need. The Win32 side implements them;
// tests record them.
#pragma once

#include <string>

namespace plivora {

class PlatformOperations {
public:
    virtual ~PlatformOperations() = default;

    virtual void ShowWaitCursor() = 0;
    virtual void ShowArrowCursor() = 0;

    // Creates or replaces the file with the text, each line feed written as CR LF.
    // False when anything fails; a file that was there before is then left as it was.
    virtual bool WriteTextFile(const std::string& path, const std::string& text) = 0;

    // Copies one file into a folder, replacing a file of the same name without asking.
    virtual bool CopyFileIntoFolder(const std::string& sourceFile, const std::string& folder) = 0;

    // Tells the shell that a folder's content changed, so open views show the new files.
    virtual void NotifyFolderChanged(const std::string& folder) = 0;

    // Deletes one value of a key under HKEY_CLASSES_ROOT; false when key or value is absent.
    virtual bool RemoveClassesRootValue(const std::string& subkey, const std::string& valueName) = 0;

    // Starts a program; whether it started is the shell's to report.
    virtual void Launch(const std::string& program, const std::string& arguments,
                        const std::string& folder) = 0;
};

}  // namespace plivora
