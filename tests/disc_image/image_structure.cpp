#include "image_structure.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <tuple>

namespace plivora::testing {
namespace {

constexpr std::size_t kSector = 2048;
constexpr std::size_t kFirstDescriptor = 16;
constexpr std::size_t kMaxDescriptors = 16;
constexpr std::size_t kMaxFindings = 30;

std::string N(std::uint64_t value) { return std::to_string(value); }

// A name as a person can read it: a lone control byte in hex, otherwise its printable
// bytes (a Joliet name's UCS-2 loses its zero high bytes).
std::string Shown(const std::string& identifier) {
    if (identifier.size() == 1 && static_cast<std::uint8_t>(identifier[0]) < 0x20) {
        const char* digits = "0123456789abcdef";
        return std::string("byte 0x") + digits[identifier[0] >> 4] + digits[identifier[0] & 15];
    }
    std::string text = "'";
    for (char c : identifier)
        if (c >= 0x20 && c < 0x7f) text += c;
    return text + "'";
}

struct Record {
    std::uint32_t extent = 0;
    std::uint32_t bytes = 0;
    bool isFolder = false;
    std::string identifier;
};

// A folder reached from the root: where it is, and where its parent is.
struct Folder {
    std::uint32_t extent, bytes, parentExtent, parentBytes;
    std::string identifier;
};

struct PathRecord {
    std::uint32_t extent;
    std::uint32_t parent;  // 1-based number of the parent's record
    std::string identifier;
    bool operator!=(const PathRecord& o) const {
        return std::tie(extent, parent, identifier) != std::tie(o.extent, o.parent, o.identifier);
    }
};

using FolderKey = std::tuple<std::uint32_t, std::uint32_t, std::string>;  // extent, parent's extent, name

class StructureCheck {
public:
    explicit StructureCheck(const std::string& image) : image_(image) {}

    std::vector<std::string> Run() {
        if (image_.size() % kSector != 0)
            Fail("the image is " + N(image_.size()) + " bytes, not whole sectors");
        bool primary = false, joliet = false, ended = false;
        for (std::size_t s = kFirstDescriptor; !ended && s < kFirstDescriptor + kMaxDescriptors; ++s) {
            const std::size_t at = s * kSector;
            if (!Readable(at, kSector, "sector " + N(s))) break;
            if (image_.compare(at + 1, 6, std::string("CD001\1", 6)) != 0) {
                Fail("sector " + N(s) + " is no volume descriptor");
                break;
            }
            const std::uint8_t type = Byte(at);
            const std::string escape = image_.substr(at + 88, 3);
            ended = type == 255;
            if (type == 1) {
                primary = true;
                CheckVolume(at, "primary");
            } else if (type == 2 && (escape == "%/@" || escape == "%/C" || escape == "%/E")) {
                joliet = true;
                CheckVolume(at, "Joliet");
            }
        }
        tree_.clear();
        if (!ended) Fail("the volume descriptors have no terminator");
        if (!primary) Fail("no primary volume descriptor");
        if (!joliet) Fail("no Joliet volume descriptor");
        if (dropped_ > 0) findings_.push_back("and " + N(dropped_) + " more");
        return findings_;
    }

private:
    void Fail(const std::string& text) {
        if (findings_.size() < kMaxFindings)
            findings_.push_back(tree_.empty() ? text : tree_ + ": " + text);
        else
            ++dropped_;
    }

    std::uint8_t Byte(std::size_t at) const { return static_cast<std::uint8_t>(image_[at]); }

    std::uint32_t Little(std::size_t at, int bytes) const {
        std::uint32_t value = 0;
        for (int i = bytes - 1; i >= 0; --i) value = value << 8 | Byte(at + i);
        return value;
    }

    std::uint32_t Big(std::size_t at, int bytes) const {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) value = value << 8 | Byte(at + i);
        return value;
    }

    // A both-endian field: its little-endian half, then the same number big-endian.
    std::uint32_t Both(std::size_t at, int bytes, const std::string& what) {
        const std::uint32_t little = Little(at, bytes), big = Big(at + bytes, bytes);
        if (little != big) Fail(what + ": little-endian " + N(little) + ", big-endian " + N(big));
        return little;
    }

    bool Readable(std::uint64_t at, std::uint64_t bytes, const std::string& what) {
        if (at + bytes <= image_.size()) return true;
        Fail(what + " lies beyond the image's end");
        return false;
    }

    bool InVolume(std::uint64_t extent, std::uint64_t bytes, const std::string& what) {
        const std::uint64_t end = extent + (bytes + kSector - 1) / kSector;
        if (extent < kFirstDescriptor || end > volume_) {
            Fail(what + " at sectors " + N(extent) + ".." + N(end) + " lies outside the volume of " +
                 N(volume_));
            return false;
        }
        return Readable(extent * kSector, bytes, what);
    }

    void CheckVolume(std::size_t descriptor, const std::string& tree) {
        tree_ = tree;
        volume_ = Both(descriptor + 80, 4, "volume size");
        if (std::uint64_t{volume_} * kSector != image_.size())
            Fail("the volume is " + N(volume_) + " sectors, the image " + N(image_.size() / kSector));
        Both(descriptor + 120, 2, "volume set size");
        Both(descriptor + 124, 2, "volume sequence number");
        if (Both(descriptor + 128, 2, "block size") != kSector) Fail("the block size is not 2048");
        const std::uint32_t tableBytes = Both(descriptor + 132, 4, "path table size");
        const std::vector<Folder> folders = WalkDirectories(descriptor + 156);
        CheckPathTables(Little(descriptor + 140, 4), Big(descriptor + 148, 4), tableBytes, folders);
    }

    bool ReadRecord(std::size_t at, const std::string& what, Record& record) {
        if (!Readable(at, 33, what)) return false;
        const std::size_t length = Byte(at), identifierBytes = Byte(at + 32);
        if (length < 33 + identifierBytes || identifierBytes == 0) {
            Fail(what + " is " + N(length) + " bytes with a name of " + N(identifierBytes));
            return false;
        }
        if (!Readable(at, length, what)) return false;
        record.extent = Both(at + 2, 4, what + " extent");
        record.bytes = Both(at + 10, 4, what + " size");
        Both(at + 28, 2, what + " volume sequence number");
        record.isFolder = (Byte(at + 25) & 2) != 0;
        record.identifier = image_.substr(at + 33, identifierBytes);
        return true;
    }

    void ExpectDot(const Record& record, char identifier, std::uint32_t extent, std::uint32_t bytes,
                   const std::string& what) {
        const std::string name = identifier == 0 ? "'.'" : "'..'";
        if (record.identifier != std::string(1, identifier))
            Fail(what + " should be " + name + " but is named " + Shown(record.identifier));
        if (record.extent != extent || record.bytes != bytes || !record.isFolder)
            Fail(what + " (" + name + ") points to sector " + N(record.extent) + " of " + N(record.bytes) +
                 " bytes, not to the directory at sector " + N(extent) + " of " + N(bytes));
    }

    // Every folder reached from the root record, breadth first, each directory checked.
    std::vector<Folder> WalkDirectories(std::size_t rootRecord) {
        std::vector<Folder> folders;
        Record root;
        if (!ReadRecord(rootRecord, "the root record", root)) return folders;
        if (root.identifier != std::string(1, '\0') || !root.isFolder) Fail("the root record is no root");
        folders.push_back({root.extent, root.bytes, root.extent, root.bytes, root.identifier});
        std::set<std::uint32_t> reached{root.extent};
        for (std::size_t f = 0; f < folders.size(); ++f) {
            const Folder folder = folders[f];
            const std::string where = "directory at sector " + N(folder.extent);
            if (folder.bytes == 0 || folder.bytes % kSector != 0)
                Fail(where + " is " + N(folder.bytes) + " bytes, not whole sectors");
            if (!InVolume(folder.extent, folder.bytes, where)) continue;
            const std::size_t start = std::size_t{folder.extent} * kSector;
            std::size_t index = 0;
            for (std::size_t r = 0; r < folder.bytes;) {
                const std::size_t length = Byte(start + r);
                if (length == 0) {  // the rest of the sector is padding
                    r = (r / kSector + 1) * kSector;
                    continue;
                }
                const std::string what = where + ", record " + N(++index);
                Record record;
                if (r % kSector + length > kSector) Fail(what + " crosses a sector's end");
                if (r % kSector + length > kSector || !ReadRecord(start + r, what, record)) break;
                r += length;
                if (index == 1) ExpectDot(record, 0, folder.extent, folder.bytes, what);
                if (index == 2) ExpectDot(record, 1, folder.parentExtent, folder.parentBytes, what);
                if (index <= 2) continue;
                if (record.identifier.size() == 1 && record.identifier[0] <= 1)
                    Fail(what + " is named " + Shown(record.identifier) + " after '.' and '..'");
                if (!record.isFolder) {
                    if (record.bytes > 0) InVolume(record.extent, record.bytes, what);
                } else if (!reached.insert(record.extent).second) {
                    Fail(what + " names a directory already reached");
                } else {
                    folders.push_back(
                        {record.extent, record.bytes, folder.extent, folder.bytes, record.identifier});
                }
            }
            if (index < 2) Fail(where + " lacks its '.' or '..'");
        }
        return folders;
    }

    std::vector<PathRecord> ReadPathTable(std::uint32_t sector, std::uint32_t bytes, bool bigEndian,
                                          const std::string& table) {
        std::vector<PathRecord> records;
        if (!InVolume(sector, bytes, table)) return records;
        const std::size_t start = std::size_t{sector} * kSector;
        for (std::size_t p = 0; p < bytes;) {
            const std::size_t identifierBytes = p + 8 <= bytes ? Byte(start + p) : 0;
            const std::size_t length = 8 + identifierBytes + identifierBytes % 2;
            if (identifierBytes == 0 || p + length > bytes) {
                Fail(table + " ends inside its record " + N(records.size() + 1));
                break;
            }
            records.push_back({bigEndian ? Big(start + p + 2, 4) : Little(start + p + 2, 4),
                               bigEndian ? Big(start + p + 6, 2) : Little(start + p + 6, 2),
                               image_.substr(start + p + 8, identifierBytes)});
            p += length;
        }
        return records;
    }

    // Both tables hold the same records, and those name the folders of the tree, each
    // with its parent, parents listed before children.
    void CheckPathTables(std::uint32_t littleSector, std::uint32_t bigSector, std::uint32_t bytes,
                         const std::vector<Folder>& folders) {
        const std::vector<PathRecord> little = ReadPathTable(littleSector, bytes, false, "the L path table");
        const std::vector<PathRecord> big = ReadPathTable(bigSector, bytes, true, "the M path table");
        for (std::size_t i = 0; i < std::max(little.size(), big.size()); ++i)
            if (i >= little.size() || i >= big.size() || little[i] != big[i]) {
                Fail("the L and M path tables differ from record " + N(i + 1));
                break;
            }
        std::vector<FolderKey> listed, walked;
        for (std::size_t i = 0, previousParent = 1; i < little.size(); ++i) {
            const PathRecord& record = little[i];
            if (record.parent < previousParent || record.parent > std::max<std::size_t>(i, 1)) {
                Fail("path table record " + N(i + 1) + " has parent number " + N(record.parent));
                continue;
            }
            previousParent = record.parent;
            listed.emplace_back(record.extent, little[record.parent - 1].extent, record.identifier);
        }
        for (const Folder& folder : folders)
            walked.emplace_back(folder.extent, folder.parentExtent, folder.identifier);
        std::sort(listed.begin(), listed.end());
        std::sort(walked.begin(), walked.end());
        std::vector<FolderKey> onlyListed, onlyWalked;
        std::set_difference(listed.begin(), listed.end(), walked.begin(), walked.end(),
                            std::back_inserter(onlyListed));
        std::set_difference(walked.begin(), walked.end(), listed.begin(), listed.end(),
                            std::back_inserter(onlyWalked));
        for (const FolderKey& key : onlyListed)
            Fail("the path table lists " + Shown(std::get<2>(key)) + " at sector " + N(std::get<0>(key)) +
                 " in sector " + N(std::get<1>(key)) + ", which the directories do not hold");
        for (const FolderKey& key : onlyWalked)
            Fail("the path table lacks the directory " + Shown(std::get<2>(key)) + " at sector " +
                 N(std::get<0>(key)) + " in sector " + N(std::get<1>(key)));
    }

    const std::string& image_;
    std::string tree_;  // which tree the findings are about
    std::uint32_t volume_ = 0;
    std::vector<std::string> findings_;
    std::size_t dropped_ = 0;
};

}  // namespace

std::vector<std::string> CheckImageStructure(const std::string& image) { return StructureCheck(image).Run(); }

std::vector<std::string> CheckImageFileStructure(const std::filesystem::path& image) {
    std::ifstream file(image, std::ios::binary);
    if (!file) return {"the image " + image.u8string() + " could not be opened"};
    return CheckImageStructure({std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
}

}  // namespace plivora::testing
