#include "disc_image_writer.h"

#include <algorithm>
#include <memory>

#include "block_stream.h"
#include "image_plan.h"
#include "iso_records.h"

namespace plivora {
namespace {

using namespace iso;

// The second pass: the planned image, front to back.
class ImageStreamer {
public:
    ImageStreamer(const ImagePlan& plan, DiscTree& tree, ImageSink& sink, ImageProgress* progress)
        : plan_(plan), tree_(tree), out_(sink, progress, std::uint64_t{plan.sectors} * kSector) {}

    DiscImageResult Write(const VolumeLabel& label) {
        if (!(Descriptors(label) && PathTables() && Directories() && Files() && out_.Flush()))
            return Failed();
        DiscImageResult result;
        result.sectors = plan_.sectors;
        result.bytes = out_.Position();
        return result;
    }

private:
    bool Descriptors(const VolumeLabel& label) {
        std::uint8_t sector[kSector];
        if (!out_.Zeros(16 * kSector)) return false;  // the system area
        for (int t = 0; t < kTrees; ++t) {
            VolumeDescriptor descriptor;
            descriptor.joliet = t == kJoliet;
            descriptor.volumeSectors = plan_.sectors;
            descriptor.pathTableBytes = plan_.pathTableBytes[t];
            descriptor.littleEndianTable = plan_.pathTableExtent[t][0];
            descriptor.bigEndianTable = plan_.pathTableExtent[t][1];
            descriptor.rootExtent = plan_.folders[0].extent[t];
            descriptor.rootBytes = plan_.folders[0].bytes[t];
            descriptor.created = plan_.newest;
            PutVolumeDescriptor(sector, descriptor, label);
            if (!out_.Put(sector, kSector)) return false;
        }
        PutTerminator(sector);
        return out_.Put(sector, kSector);
    }

    bool PathTables() {
        std::uint8_t identifier[kMaxIdentifierBytes];
        std::uint8_t record[8 + kMaxIdentifierBytes + 1];
        for (int t = 0; t < kTrees; ++t)
            for (int bigEndian = 0; bigEndian < 2; ++bigEndian) {
                if (!AtSector(plan_.pathTableExtent[t][bigEndian])) return false;
                for (std::uint32_t f : plan_.pathOrder[t]) {
                    const PlanFolder& folder = plan_.folders[f];
                    const PlanNode& node = plan_.nodes[folder.node];
                    std::size_t length = 1;
                    identifier[0] = 0;
                    if (f != 0) length = Identifier(node, Tree(t), identifier);
                    const PlanFolder& parent = plan_.folders[plan_.nodes[node.parent].folder];
                    PutPathRecord(record, identifier, length, folder.extent[t], parent.number[t], bigEndian != 0);
                    if (!out_.Put(record, PathRecordLength(length))) return false;
                }
                if (!out_.PadToSector()) return false;
            }
        return true;
    }

    bool Directories() {
        std::uint8_t bytes[255];
        for (int t = 0; t < kTrees; ++t)
            for (std::uint32_t f : plan_.pathOrder[t]) {
                const PlanFolder& folder = plan_.folders[f];
                if (!AtSector(folder.extent[t])) return false;
                SectorPacker packer;
                bool ok = true;
                ForEachRecord(plan_, folder, Tree(t), [&](const DirectoryRecord& record) {
                    const std::size_t length = DirectoryRecordLength(record.identifierBytes);
                    PutDirectoryRecord(bytes, record);
                    ok = ok && out_.Zeros(packer.Place(length)) && out_.Put(bytes, length);
                });
                if (!ok || !out_.PadToSector()) return false;
            }
        return true;
    }

    bool Files() {
        for (std::uint32_t n = 0; n < plan_.nodes.size(); ++n) {
            const PlanNode& node = plan_.nodes[n];
            if (node.folder != kNoFolder || node.size == 0) continue;
            if (!AtSector(node.extent) || !CopyFile(n) || !out_.PadToSector()) return false;
        }
        return true;
    }

    // Exactly the size the first pass saw, or the file has changed under us.
    bool CopyFile(std::uint32_t n) {
        const PlanNode& node = plan_.nodes[n];
        const std::unique_ptr<DiscFileReader> file = tree_.OpenFile(RelativePath(plan_, n));
        if (!file) return FileFailed(DiscImageError::kReadFailed, n);
        for (std::uint64_t left = node.size; left > 0;) {
            std::size_t room = 0;
            std::uint8_t* to = out_.Room(room);
            if (!to) return false;
            const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(room, left));
            std::size_t got = 0;
            if (!file->Read(to, wanted, got) || got > wanted) return FileFailed(DiscImageError::kReadFailed, n);
            if (got == 0) return FileFailed(DiscImageError::kFileChanged, n);
            out_.Commit(got);
            left -= got;
        }
        std::uint8_t more = 0;
        std::size_t got = 0;
        if (!file->Read(&more, 1, got)) return FileFailed(DiscImageError::kReadFailed, n);
        return got == 0 || FileFailed(DiscImageError::kFileChanged, n);
    }

    // Every extent was planned in the order it is written; anything else is a fault here.
    bool AtSector(std::uint32_t sector) {
        if (out_.Position() == std::uint64_t{sector} * kSector) return true;
        fileError_ = DiscImageError::kWriteFailed;
        return false;
    }

    bool FileFailed(DiscImageError error, std::uint32_t node) {
        fileError_ = error;
        failedNode_ = node;
        return false;
    }

    DiscImageResult Failed() const {
        DiscImageResult result;
        result.error = out_.Error() != DiscImageError::kNone ? out_.Error() : fileError_;
        if (out_.Error() == DiscImageError::kNone && failedNode_ != 0) result.path = RelativePath(plan_, failedNode_);
        return result;
    }

    const ImagePlan& plan_;
    DiscTree& tree_;
    BlockStream out_;
    DiscImageError fileError_ = DiscImageError::kWriteFailed;
    std::uint32_t failedNode_ = 0;
};

}  // namespace

DiscImageResult WriteDiscImage(DiscTree& tree, const VolumeLabel& label, ImageSink& sink,
                               ImageProgress* progress) {
    ImagePlan plan;
    const DiscImageResult planned = PlanImage(tree, progress, plan);
    if (!planned.Ok()) return planned;
    return ImageStreamer(plan, tree, sink, progress).Write(label);
}

DiscImageResult MeasureDiscImage(DiscTree& tree) {
    ImagePlan plan;
    DiscImageResult planned = PlanImage(tree, nullptr, plan);
    if (!planned.Ok()) return planned;
    planned.sectors = plan.sectors;
    planned.bytes = std::uint64_t{plan.sectors} * kSectorBytes;
    return planned;
}

}  // namespace plivora
