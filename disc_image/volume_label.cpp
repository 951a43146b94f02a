#include "volume_label.h"

#include "iso_names.h"

namespace plivora {

namespace {
constexpr std::size_t kPrimaryLabelChars = 32;
constexpr std::size_t kJolietLabelChars = 16;
}  // namespace

VolumeLabel MakeVolumeLabel(const std::u16string& baseFolderName) {
    if (baseFolderName.empty()) return {"CDROM", u"CDROM"};
    VolumeLabel label;
    label.primary = iso::DCharacters(baseFolderName, kPrimaryLabelChars);
    label.joliet = iso::JolietCharacters(baseFolderName.substr(0, kJolietLabelChars));
    // Never end between the two halves of a surrogate pair.
    if (label.joliet.size() == kJolietLabelChars && (label.joliet.back() & 0xFC00) == 0xD800)
        label.joliet.pop_back();
    return label;
}

}  // namespace plivora
