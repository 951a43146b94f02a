// The base folder as the image writer reads it: names and times through the wide calls,
// so that names outside the ANSI code page survive; links to elsewhere (reparse points)
// are left out, as a disc cannot hold them, and so are the image being written, should it
// lie inside, and what a Create that died left in the root.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "disc_tree.h"
#include "file_identity.h"

namespace plivora {

class FolderDiscTree : public DiscTree {
public:
    // imageFile: the file the image is being written to, never listed.
    FolderDiscTree(const std::u16string& baseFolder, const std::u16string& imageFile);

    bool ListFolder(const std::u16string& folder, std::vector<DiscEntry>& entries) override;
    std::unique_ptr<DiscFileReader> OpenFile(const std::u16string& file) override;

private:
    std::u16string PathOf(const std::u16string& relative) const;
    bool IsImageFile(const std::u16string& folder, const std::u16string& name) const;

    // In its "\\?\" form, so that folders nested past MAX_PATH stay in reach.
    std::u16string base_;
    std::u16string imageName_;
    std::optional<FileIdentity> image_;
};

// Seconds since 1970-01-01 UTC; earlier times are negative.
std::int64_t UnixSecondsFromFileTime(const FILETIME& time);

}  // namespace plivora
