// Scratch folders, whole-file reads and writes and registry keys for the tests that run
// against the real platform under Wine.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace plivora::fakes {

// A fresh folder under the temporary folder, removed with everything in it at the end.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // Without a trailing backslash.
    const std::string& Path() const { return path_; }
    // Path() + "\" + relative.
    std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

private:
    std::string path_;
};

bool MakeFolder(const std::string& path);
// The folder and everything in it, whatever the names.
void RemoveTree(const std::string& folder);
bool WriteBytes(const std::string& path, const std::string& bytes);
// Nothing when the file cannot be read.
std::optional<std::string> ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
// The file once it can be read, or nothing when the deadline passes first.
std::optional<std::string> WaitForFile(const std::string& path);
// The names in a folder, sorted, without "." and "..".
std::vector<std::string> FolderEntries(const std::string& folder);
// The folder of the running test program, without a trailing backslash.
std::string ModuleFolder();
// A path of the build machine as a program under Wine sees it: Wine shows the Linux
// root file system as drive Z.
std::string BuildPath(std::string path);
// The long, absolute form of an existing path, for comparing paths the platform returns.
std::string LongPath(const std::string& path);

// Drive E: of the test session, a 1 MB tmpfs that tools/fault-drive.sh mounts, emptied;
// its root. Nothing, with whyNot saying why, when the session has no such drive.
std::optional<std::string> EmptyFaultDrive(std::string& whyNot);
// Fills the drive with a file until no byte is free, then gives room bytes of it back.
bool FillDriveLeaving(const std::string& root, std::size_t room);

// A key under HKEY_CLASSES_ROOT (or another root) that the test owns: removed with its
// tree at the end.
class ScratchKey {
public:
    explicit ScratchKey(std::string name, HKEY root = HKEY_CLASSES_ROOT);
    ~ScratchKey();
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    const std::string& Name() const { return name_; }
    // Name() + "\" + relative.
    std::string operator/(const std::string& relative) const { return name_ + "\\" + relative; }

private:
    std::string name_;
    HKEY root_;
};

// Under HKEY_CLASSES_ROOT unless another root is given.
bool CreateKey(const std::string& path, HKEY root = HKEY_CLASSES_ROOT);
bool SetStringValue(const std::string& keyPath, const std::string& name, const std::string& data,
                    HKEY root = HKEY_CLASSES_ROOT);
bool KeyExists(const std::string& path, HKEY root = HKEY_CLASSES_ROOT);
bool ValueExists(const std::string& keyPath, const std::string& name, HKEY root = HKEY_CLASSES_ROOT);

}  // namespace plivora::fakes
