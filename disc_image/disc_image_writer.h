// Writes an ISO 9660 image with Joliet names of a folder tree: first reads the whole
// tree's metadata and refuses what a disc cannot hold, then streams the image in large
// blocks, never holding file contents beyond one block.
#pragma once

#include <cstdint>
#include <string>

#include "disc_tree.h"
#include "image_output.h"
#include "volume_label.h"

namespace plivora {

constexpr std::uint32_t kSectorBytes = 2048;
constexpr std::uint32_t kCdSectors = 360000;  // a "700 MB" CD-ROM
constexpr std::size_t kMaxJolietNameChars = 103;

enum class DiscImageError {
    kNone,
    kCancelled,       // the progress callback said stop
    kNameTooLong,     // path: the entry whose name has more than kMaxJolietNameChars
    kFileTooLarge,    // path: a file of 4 GiB or more
    kTooManyFolders,  // more folders than the path tables can number (65,535)
    kImageTooLarge,   // more sectors than the volume can address
    kReadFailed,      // path: a folder that could not be listed or a file that could not be read
    kFileChanged,     // path: a file whose size changed while it was imaged
    kWriteFailed,     // the sink refused bytes
    kTargetInUse,     // an older file at the image's name is held open by another program
    kTargetReadOnly,  // an older file at the image's name is read-only
};

struct DiscImageResult {
    DiscImageError error = DiscImageError::kNone;
    std::u16string path;  // the entry the error is about, base-relative; empty for the base folder
    std::uint64_t bytes = 0;  // image size when written
    std::uint32_t sectors = 0;

    bool Ok() const { return error == DiscImageError::kNone; }
    bool LargerThanCd() const { return sectors > kCdSectors; }
};

// progress may be null. Nothing reaches the sink when the tree is refused before writing;
// after a failure while writing, the sink holds a partial image for the caller to delete.
DiscImageResult WriteDiscImage(DiscTree& tree, const VolumeLabel& label, ImageSink& sink,
                               ImageProgress* progress);

// What WriteDiscImage would make of the tree, read but not written: its sectors and bytes,
// or why it would refuse the tree.
DiscImageResult MeasureDiscImage(DiscTree& tree);

}  // namespace plivora
