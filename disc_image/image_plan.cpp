#include "image_plan.h"

#include <algorithm>
#include <cstdint>

#include "iso_names.h"

namespace plivora::iso {
namespace {

constexpr std::uint64_t kFourGiB = 0x100000000ull;
constexpr std::uint32_t kFirstFreeSector = 19;  // after the system area and three descriptors
constexpr std::size_t kMaxFolders = 0xFFFF;     // path table parent numbers are 16 bits

DiscImageResult Failure(DiscImageError error, std::u16string path = {}) {
    DiscImageResult result;
    result.error = error;
    result.path = std::move(path);
    return result;
}

std::u16string Join(const std::u16string& folder, const std::u16string& name) {
    return folder.empty() ? name : folder + u'\\' + name;
}

const std::u16string& JolietName(const PlanNode& node) { return node.joliet.empty() ? node.name : node.joliet; }

// Identifiers sort by their name part, then by extension, shorter before longer when
// one is the start of the other.
template <typename Text>
bool IdentifierLess(const Text& a, bool aIsFolder, const Text& b, bool bIsFolder) {
    const std::size_t aDot = aIsFolder ? Text::npos : a.rfind('.');
    const std::size_t bDot = bIsFolder ? Text::npos : b.rfind('.');
    const int stems = a.compare(0, aDot, b, 0, bDot);
    if (stems != 0) return stems < 0;
    const std::size_t aExtension = aDot == Text::npos ? a.size() : aDot + 1;
    const std::size_t bExtension = bDot == Text::npos ? b.size() : bDot + 1;
    return a.compare(aExtension, Text::npos, b, bExtension, Text::npos) < 0;
}

std::uint64_t SectorsFor(std::uint64_t bytes) { return (bytes + kSector - 1) / kSector; }

// Every sort here orders indices through this one type, so the sort is compiled once.
struct IndexLess {
    bool (*less)(const void* context, std::uint32_t a, std::uint32_t b);
    const void* context;
    bool operator()(std::uint32_t a, std::uint32_t b) const { return less(context, a, b); }
};

void SortIndices(std::vector<std::uint32_t>::iterator begin, std::size_t count, IndexLess less) {
    for (std::size_t i = 0; i < count; ++i) begin[i] = static_cast<std::uint32_t>(i);
    std::sort(begin, begin + count, less);
}

// The entries in the order of their real names, whatever order the tree gave.
void SortByName(std::vector<DiscEntry>& entries, std::vector<std::uint32_t>& order,
                std::vector<DiscEntry>& sorted) {
    order.resize(entries.size());
    SortIndices(order.begin(), entries.size(), {[](const void* context, std::uint32_t a, std::uint32_t b) {
                    const auto& list = *static_cast<const std::vector<DiscEntry>*>(context);
                    return list[a].name < list[b].name;
                }, &entries});
    sorted.clear();
    for (std::uint32_t i : order) sorted.push_back(std::move(entries[i]));
}

// Reads every folder below the base folder into plan.nodes, checking what a disc cannot hold.
DiscImageResult ReadTree(DiscTree& tree, ImageProgress* progress, ImagePlan& plan) {
    plan.newest = INT64_MIN;
    plan.nodes.push_back(PlanNode());
    plan.nodes[0].folder = 0;
    plan.folders.emplace_back();
    std::vector<std::uint32_t> pending{0};  // folder nodes still to list, next one last
    std::vector<DiscEntry> listed, entries;
    std::vector<std::uint32_t> order;
    while (!pending.empty()) {
        const std::uint32_t folder = pending.back();
        pending.pop_back();
        const std::u16string path = RelativePath(plan, folder);
        listed.clear();
        if (!tree.ListFolder(path, listed)) return Failure(DiscImageError::kReadFailed, path);
        SortByName(listed, order, entries);
        for (const DiscEntry& entry : entries) {
            if (entry.name.empty()) return Failure(DiscImageError::kReadFailed, path);
            if (entry.name.size() > kMaxJolietNameChars)
                return Failure(DiscImageError::kNameTooLong, Join(path, entry.name));
            if (!entry.isFolder && entry.size >= kFourGiB)
                return Failure(DiscImageError::kFileTooLarge, Join(path, entry.name));
        }
        const std::vector<std::string> primary = PrimaryNames(entries);
        const std::vector<std::u16string> joliet = JolietNames(entries);
        const auto first = static_cast<std::uint32_t>(plan.nodes.size());
        plan.nodes[folder].firstChild = first;
        plan.nodes[folder].childCount = static_cast<std::uint32_t>(entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            PlanNode node;
            node.name = std::move(entries[i].name);
            if (joliet[i] != node.name) node.joliet = joliet[i];
            node.primary = primary[i];
            node.modified = entries[i].modified;
            node.parent = folder;
            if (entries[i].isFolder) {
                node.folder = static_cast<std::uint32_t>(plan.folders.size());
                plan.folders.emplace_back();
                plan.folders.back().node = first + static_cast<std::uint32_t>(i);
            } else {
                node.size = entries[i].size;
            }
            plan.newest = std::max(plan.newest, node.modified);
            plan.nodes.push_back(std::move(node));
        }
        for (std::size_t i = entries.size(); i-- > 0;)
            if (plan.nodes[first + i].folder != kNoFolder) pending.push_back(first + static_cast<std::uint32_t>(i));
        if (progress && !progress->Continue(0, 0)) return Failure(DiscImageError::kCancelled);
    }
    if (plan.nodes.size() == 1) plan.newest = 0;  // nothing but the base folder
    plan.nodes[0].modified = plan.newest;
    return {};
}

struct TreeOrder {
    const ImagePlan& plan;
    Tree tree;
    std::uint32_t firstChild;
};

void SortChildren(ImagePlan& plan) {
    for (int t = 0; t < kTrees; ++t) {
        std::vector<std::uint32_t>& order = plan.childOrder[t];
        order.resize(plan.nodes.size());
        for (const PlanFolder& folder : plan.folders) {
            const PlanNode& parent = plan.nodes[folder.node];
            const TreeOrder context{plan, Tree(t), parent.firstChild};
            SortIndices(order.begin() + parent.firstChild, parent.childCount,
                        {[](const void* c, std::uint32_t a, std::uint32_t b) {
                             const auto& o = *static_cast<const TreeOrder*>(c);
                             const PlanNode& x = o.plan.nodes[o.firstChild + a];
                             const PlanNode& y = o.plan.nodes[o.firstChild + b];
                             const bool xFolder = x.folder != kNoFolder;
                             const bool yFolder = y.folder != kNoFolder;
                             return o.tree == kPrimary
                                        ? IdentifierLess(x.primary, xFolder, y.primary, yFolder)
                                        : IdentifierLess(JolietName(x), xFolder, JolietName(y), yFolder);
                         }, &context});
            for (std::uint32_t i = 0; i < parent.childCount; ++i) order[parent.firstChild + i] += parent.firstChild;
        }
    }
}

// Path tables list folders level by level, each level by parent number, then by name:
// breadth first through the sorted children gives just that order.
void NumberFolders(ImagePlan& plan) {
    for (int t = 0; t < kTrees; ++t) {
        std::vector<std::uint32_t>& order = plan.pathOrder[t];
        order.assign(1, 0);
        for (std::size_t at = 0; at < order.size(); ++at) {
            PlanFolder& folder = plan.folders[order[at]];
            folder.number[t] = static_cast<std::uint16_t>(at + 1);
            const PlanNode& node = plan.nodes[folder.node];
            for (std::uint32_t i = 0; i < node.childCount; ++i) {
                const PlanNode& child = plan.nodes[plan.childOrder[t][node.firstChild + i]];
                if (child.folder != kNoFolder) order.push_back(child.folder);
            }
        }
        std::uint8_t identifier[kMaxIdentifierBytes];
        std::uint64_t bytes = PathRecordLength(1);
        for (std::size_t at = 1; at < order.size(); ++at)
            bytes += PathRecordLength(Identifier(plan.nodes[plan.folders[order[at]].node], Tree(t), identifier));
        plan.pathTableBytes[t] = static_cast<std::uint32_t>(bytes);
    }
}

DiscImageResult PlaceExtents(ImagePlan& plan) {
    std::uint64_t next = kFirstFreeSector;
    for (int t = 0; t < kTrees; ++t)
        for (std::uint32_t& extent : plan.pathTableExtent[t]) {
            extent = static_cast<std::uint32_t>(next);
            next += SectorsFor(plan.pathTableBytes[t]);
        }
    for (int t = 0; t < kTrees; ++t) {
        for (PlanFolder& folder : plan.folders) {
            SectorPacker packer;
            ForEachRecord(plan, folder, Tree(t), [&](const DirectoryRecord& record) {
                packer.Place(DirectoryRecordLength(record.identifierBytes));
            });
            if (packer.Total() >= kFourGiB) return Failure(DiscImageError::kImageTooLarge);
            folder.bytes[t] = static_cast<std::uint32_t>(packer.Total());
        }
        for (std::uint32_t folder : plan.pathOrder[t]) {
            plan.folders[folder].extent[t] = static_cast<std::uint32_t>(next);
            next += plan.folders[folder].bytes[t] / kSector;
        }
    }
    for (PlanNode& node : plan.nodes) {
        if (node.folder != kNoFolder || node.size == 0) continue;
        if (next >= kFourGiB) return Failure(DiscImageError::kImageTooLarge);
        node.extent = static_cast<std::uint32_t>(next);
        next += SectorsFor(node.size);
    }
    if (next >= kFourGiB) return Failure(DiscImageError::kImageTooLarge);
    plan.sectors = static_cast<std::uint32_t>(next);
    return {};
}

}  // namespace

DiscImageResult PlanImage(DiscTree& tree, ImageProgress* progress, ImagePlan& plan) {
    plan = ImagePlan();
    DiscImageResult result = ReadTree(tree, progress, plan);
    if (!result.Ok()) return result;
    if (plan.folders.size() > kMaxFolders) return Failure(DiscImageError::kTooManyFolders);
    SortChildren(plan);
    NumberFolders(plan);
    return PlaceExtents(plan);
}

std::u16string RelativePath(const ImagePlan& plan, std::uint32_t node) {
    std::vector<std::uint32_t> chain;
    for (; node != 0; node = plan.nodes[node].parent) chain.push_back(node);
    std::u16string path;
    for (std::size_t i = chain.size(); i-- > 0;) path = Join(path, plan.nodes[chain[i]].name);
    return path;
}

std::size_t Identifier(const PlanNode& node, Tree tree, std::uint8_t* out) {
    const bool isFile = node.folder == kNoFolder;
    std::size_t length = 0;
    if (tree == kPrimary) {
        for (char c : node.primary) out[length++] = static_cast<std::uint8_t>(c);
        if (isFile && node.primary.find('.') == std::string::npos) out[length++] = '.';
        if (isFile) {
            out[length++] = ';';
            out[length++] = '1';
        }
        return length;
    }
    for (char16_t c : JolietName(node)) {
        PutBig16(out + length, c);
        length += 2;
    }
    if (isFile) {
        PutBig16(out + length, u';');
        PutBig16(out + length + 2, u'1');
        length += 4;
    }
    return length;
}

}  // namespace plivora::iso
