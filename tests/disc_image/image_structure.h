// An ISO 9660 image's structure read back byte by byte, apart from the writer: the
// primary and Joliet descriptors, both path tables of each, and every directory record.
// Standard library only, so the host and the Windows tests can both link it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace plivora::testing {

// What is wrong with the image, one finding a line; empty when the structure is sound.
std::vector<std::string> CheckImageStructure(const std::string& image);

// The same for an image file; a file that cannot be read is a finding.
std::vector<std::string> CheckImageFileStructure(const std::filesystem::path& image);

}  // namespace plivora::testing
