// The platform operations of Create and Test on Win32: shell copy and notification,
// the file classes in the registry, cursors, file writing and launching.
#pragma once

#include <windows.h>

#include "platform_operations.h"

namespace plivora {

class Win32PlatformOperations final : public PlatformOperations {
public:
    // owner: the window the shell's copy progress belongs to; may be null.
    explicit Win32PlatformOperations(HWND owner = nullptr) : owner_(owner) {}

    void ShowWaitCursor() override;
    void ShowArrowCursor() override;
    bool WriteTextFile(const std::string& path, const std::string& text) override;
    CopyOutcome CopyFileIntoFolder(const std::string& sourceFile, const std::string& folder) override;
    std::optional<std::string> ReadFileBytes(const std::string& path) override;
    void NotifyFolderChanged(const std::string& folder) override;
    bool RemoveClassesValue(const std::string& subkey, const std::string& valueName) override;
    bool FileExists(const std::string& path) override;
    bool IsRemovableDriveRoot(const std::string& folder) override;
    DiscImageResult MeasureImage(const std::string& folder) override;
    void Launch(const std::string& program, const std::string& arguments, const std::string& folder) override;

private:
    HWND owner_;
};

}  // namespace plivora
