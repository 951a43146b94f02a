// The words the guidance panel uses for how a disc image ended.
#pragma once

#include <cstdint>
#include <string>

#include "disc_image_writer.h"
#include "guidance.h"

namespace plivora {

// Why the image failed, naming the file or folder concerned: entry for what the tree
// held (the base folder itself when the error names no entry), image for the image.
std::string ImageFailureReason(const GuidanceCatalogue& catalogue, DiscImageError error,
                               const std::string& image, const std::string& entry);

// The image's size in megabytes of 1,048,576 bytes, as a CD's "700 MB" counts them:
// one decimal below 10 MB, whole megabytes above.
std::string MegabytesText(std::uint64_t bytes);

}  // namespace plivora
