#include "image_messages.h"

#include <algorithm>

#include "guidance_strings.h"

namespace plivora {

namespace {

struct Reason {
    DiscImageError error;
    int textId;
    bool aboutImage;  // names the image rather than an entry of the tree
};

constexpr Reason Reasons[] = {
    {DiscImageError::kNameTooLong, IDS_IMAGE_REASON_NAME_TOO_LONG, false},
    {DiscImageError::kFileTooLarge, IDS_IMAGE_REASON_FILE_TOO_LARGE, false},
    {DiscImageError::kTooManyFolders, IDS_IMAGE_REASON_TOO_MANY_FOLDERS, false},
    {DiscImageError::kImageTooLarge, IDS_IMAGE_REASON_IMAGE_TOO_LARGE, true},
    {DiscImageError::kReadFailed, IDS_IMAGE_REASON_READ_FAILED, false},
    {DiscImageError::kFileChanged, IDS_IMAGE_REASON_FILE_CHANGED, false},
    {DiscImageError::kTargetInUse, IDS_IMAGE_REASON_IN_USE, true},
    {DiscImageError::kTargetReadOnly, IDS_IMAGE_REASON_READ_ONLY, true},
};

}  // namespace

std::string ImageFailureReason(const GuidanceCatalogue& catalogue, DiscImageError error,
                               const std::string& image, const std::string& entry) {
    for (const Reason& reason : Reasons)
        if (reason.error == error) return catalogue.Text(reason.textId, reason.aboutImage ? image : entry);
    // The image could not be written, or went wrong in a way no other words fit.
    return catalogue.Text(IDS_IMAGE_REASON_WRITE_FAILED, image);
}

std::string MegabytesText(std::uint64_t bytes) {
    constexpr std::uint64_t megabyte = 1 << 20;
    // A small image is still something: never "0.0".
    const std::uint64_t tenths = std::max<std::uint64_t>((bytes * 10 + megabyte / 2) / megabyte, bytes > 0);
    if (tenths < 100) return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    return std::to_string((bytes + megabyte / 2) / megabyte);
}

}  // namespace plivora
