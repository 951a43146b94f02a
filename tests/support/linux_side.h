// What only Linux can make inside a Wine drive, for tests of folders reached by other
// names: symbolic links (Wine shows them as reparse points; under Wine 8
// CreateSymbolicLink reports success and makes nothing, and junctions cannot be made)
// and drive letters (a link among the prefix's dos devices; DefineDosDevice reports
// success, but the letter reaches no file). Each is removed at the end.
#pragma once

#include <string>

namespace plivora::fakes {

// The Linux path of a Windows path; empty when not under Wine.
std::string LinuxPath(const std::string& windowsPath);

// link -> target, both Windows paths; link's folder exists.
class LinuxLink {
public:
    LinuxLink(const std::string& target, const std::string& link);
    ~LinuxLink();
    LinuxLink(const LinuxLink&) = delete;
    LinuxLink& operator=(const LinuxLink&) = delete;

    // True once Windows sees the link as a reparse point.
    bool Made() const { return made_; }

private:
    std::string link_;
    bool made_ = false;
};

// A free drive letter mapped onto folder.
class MappedDrive {
public:
    explicit MappedDrive(const std::string& folder);
    ~MappedDrive();
    MappedDrive(const MappedDrive&) = delete;
    MappedDrive& operator=(const MappedDrive&) = delete;

    // "M:\", or empty when no drive could be mapped.
    const std::string& Root() const { return root_; }

private:
    std::string device_;
    std::string root_;
};

}  // namespace plivora::fakes
