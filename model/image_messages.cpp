#include "image_messages.h"

#include <algorithm>

#include "guidance_strings.h"

namespace plivora {

std::string ImageFailureReason(const GuidanceCatalogue& catalogue, DiscImageError error,
                               const std::string& image, const std::string& entry) {
    switch (error) {
        case DiscImageError::kNameTooLong:
            return catalogue.Text(IDS_IMAGE_REASON_NAME_TOO_LONG, entry);
        case DiscImageError::kFileTooLarge:
            return catalogue.Text(IDS_IMAGE_REASON_FILE_TOO_LARGE, entry);
        case DiscImageError::kTooManyFolders:
            return catalogue.Text(IDS_IMAGE_REASON_TOO_MANY_FOLDERS, entry);
        case DiscImageError::kImageTooLarge:
            return catalogue.Text(IDS_IMAGE_REASON_IMAGE_TOO_LARGE, image);
        case DiscImageError::kReadFailed:
            return catalogue.Text(IDS_IMAGE_REASON_READ_FAILED, entry);
        case DiscImageError::kFileChanged:
            return catalogue.Text(IDS_IMAGE_REASON_FILE_CHANGED, entry);
        default:
            return catalogue.Text(IDS_IMAGE_REASON_WRITE_FAILED, image);
    }
}

std::string MegabytesText(std::uint64_t bytes) {
    constexpr std::uint64_t megabyte = 1 << 20;
    // A small image is still something: never "0.0".
    const std::uint64_t tenths = std::max<std::uint64_t>((bytes * 10 + megabyte / 2) / megabyte, bytes > 0);
    if (tenths < 100) return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    return std::to_string((bytes + megabyte / 2) / megabyte);
}

}  // namespace plivora
