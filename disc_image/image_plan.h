// The first pass: the tree's metadata read whole, checked, named and laid out in
// sectors, so the second pass can stream the image front to back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "disc_image_writer.h"
#include "iso_records.h"

namespace plivora::iso {

enum Tree { kPrimary = 0, kJoliet = 1, kTrees = 2 };

constexpr std::uint32_t kNoFolder = 0xFFFFFFFF;

struct PlanNode {
    std::u16string name;    // as the tree gave it
    std::u16string joliet;  // Joliet name when it differs from name
    std::string primary;    // "NAME" or "NAME.EXT"
    std::uint64_t size = 0;
    std::int64_t modified = 0;
    std::uint32_t parent = 0;
    std::uint32_t firstChild = 0;  // children are nodes[firstChild, firstChild + childCount)
    std::uint32_t childCount = 0;
    std::uint32_t folder = kNoFolder;  // index into ImagePlan::folders
    std::uint32_t extent = 0;          // a file's data
};

struct PlanFolder {
    std::uint32_t node = 0;
    std::uint32_t extent[kTrees] = {};
    std::uint32_t bytes[kTrees] = {};
    std::uint16_t number[kTrees] = {};  // 1-based position in the path table
};

struct ImagePlan {
    std::vector<PlanNode> nodes;  // nodes[0] is the base folder
    std::vector<PlanFolder> folders;
    // Per tree, a folder's children in record order: childOrder[t][firstChild + i].
    std::vector<std::uint32_t> childOrder[kTrees];
    std::vector<std::uint32_t> pathOrder[kTrees];  // folder indices in path table order
    std::uint32_t pathTableBytes[kTrees] = {};
    std::uint32_t pathTableExtent[kTrees][2] = {};  // [tree][0: little-endian, 1: big-endian]
    std::uint32_t sectors = 0;
    std::int64_t newest = 0;  // the volume's date
};

// Reads the tree and lays the image out; nothing is written.
DiscImageResult PlanImage(DiscTree& tree, ImageProgress* progress, ImagePlan& plan);

// The node's base-relative path, names joined by backslashes.
std::u16string RelativePath(const ImagePlan& plan, std::uint32_t node);

// The node's identifier in a tree's directory record and path table: d-characters with
// ";1" after file names, or big-endian UCS-2. out holds kMaxIdentifierBytes.
std::size_t Identifier(const PlanNode& node, Tree tree, std::uint8_t* out);

// Calls visit(record) for a folder's directory records in order: '.', '..', then the
// children in the tree's order.
template <typename Visit>
void ForEachRecord(const ImagePlan& plan, const PlanFolder& folder, Tree tree, Visit visit) {
    const PlanNode& self = plan.nodes[folder.node];
    const PlanFolder& parent = plan.folders[plan.nodes[self.parent].folder];
    std::uint8_t identifier[kMaxIdentifierBytes];
    DirectoryRecord record;
    record.isFolder = true;
    record.identifier = identifier;
    record.identifierBytes = 1;
    // By position, not by address: the root is its own parent, yet its '..' is still 0x01.
    const PlanFolder* const dots[] = {&folder, &parent};
    for (std::uint8_t dot = 0; dot < 2; ++dot) {
        identifier[0] = dot;
        record.extent = dots[dot]->extent[tree];
        record.bytes = dots[dot]->bytes[tree];
        record.modified = plan.nodes[dots[dot]->node].modified;
        visit(record);
    }
    for (std::uint32_t i = 0; i < self.childCount; ++i) {
        const PlanNode& child = plan.nodes[plan.childOrder[tree][self.firstChild + i]];
        record.isFolder = child.folder != kNoFolder;
        record.extent = record.isFolder ? plan.folders[child.folder].extent[tree] : child.extent;
        record.bytes = record.isFolder ? plan.folders[child.folder].bytes[tree]
                                       : static_cast<std::uint32_t>(child.size);
        record.modified = child.modified;
        record.identifierBytes = Identifier(child, tree, identifier);
        visit(record);
    }
}

}  // namespace plivora::iso
