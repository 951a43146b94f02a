// What a file or folder is, whatever name reaches it: short names, other letter case,
// links, junctions and mapped or substituted drives all lead to the same identity.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace plivora {

struct FileIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;

    bool operator==(const FileIdentity& other) const {
        return volume == other.volume && indexHigh == other.indexHigh && indexLow == other.indexLow;
    }
};

// Links on the way are followed. Nothing when the path cannot be opened or its file
// system gives no file index.
std::optional<FileIdentity> IdentityOf(const std::u16string& path);

// True when folder is base itself or lies anywhere below it, however either is spelt.
// Walks up from folder's own path (links resolved) comparing each folder with base.
bool IsSameOrBelowFolder(const std::u16string& folder, const std::u16string& base);

}  // namespace plivora
