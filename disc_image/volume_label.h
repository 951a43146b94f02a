// The disc's label, made from the base folder's name.
#pragma once

#include <string>

namespace plivora {

struct VolumeLabel {
    std::string primary;  // up to 32 d-characters
    std::u16string joliet;  // up to 16 characters
};

// An empty name (the base folder is a drive's root) gives "CDROM".
VolumeLabel MakeVolumeLabel(const std::u16string& baseFolderName);

}  // namespace plivora
