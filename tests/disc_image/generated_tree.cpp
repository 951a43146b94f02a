#include "generated_tree.h"

#include <algorithm>
#include <cstring>

namespace plivora::testing {
namespace {

class GeneratedFile : public DiscFileReader {
public:
    GeneratedFile(const std::u16string& path, std::uint64_t size, bool failsReading, bool cheap,
                  std::size_t& open)
        : seed_(GeneratedTree::ContentSeed(path)), size_(size), failsReading_(failsReading), cheap_(cheap), open_(open) {
        ++open_;
    }
    ~GeneratedFile() override { --open_; }

    bool Read(void* buffer, std::size_t size, std::size_t& bytesRead) override {
        if (failsReading_ && offset_ > 0) return false;
        bytesRead = static_cast<std::size_t>(std::min<std::uint64_t>(size, size_ - offset_));
        auto* to = static_cast<std::uint8_t*>(buffer);
        if (cheap_)
            std::memset(to, static_cast<int>(offset_ >> 20), bytesRead);
        else
            for (std::size_t i = 0; i < bytesRead; ++i) to[i] = GeneratedTree::ContentByte(seed_, offset_ + i);
        offset_ += bytesRead;
        return true;
    }

private:
    std::uint64_t seed_;
    std::uint64_t size_;
    std::uint64_t offset_ = 0;
    bool failsReading_;
    bool cheap_;
    std::size_t& open_;
};

}  // namespace

GeneratedTree::GeneratedTree(const std::vector<TreeEntry>& entries) {
    folders_[u""];
    std::set<std::u16string> known;
    for (const TreeEntry& entry : entries) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = entry.path.find(u'\\', start);
            const bool last = end == std::u16string::npos;
            const std::u16string folder = start == 0 ? u"" : entry.path.substr(0, start - 1);
            const std::u16string path = entry.path.substr(0, end);
            DiscEntry disc;
            disc.name = entry.path.substr(start, last ? std::u16string::npos : end - start);
            disc.isFolder = !last || entry.isFolder;
            disc.size = last ? entry.size : 0;
            disc.modified = entry.modified;
            if (disc.isFolder && folders_.count(path) == 0) folders_[path];
            if (known.insert(path).second) folders_[folder].push_back(disc);
            if (last) break;
            start = end + 1;
        }
    }
}

bool GeneratedTree::ListFolder(const std::u16string& folder, std::vector<DiscEntry>& entries) {
    const auto found = folders_.find(folder);
    if (found == folders_.end() || Unlistable.count(folder)) return false;
    entries = found->second;
    if (ReverseListing) std::reverse(entries.begin(), entries.end());
    return true;
}

std::unique_ptr<DiscFileReader> GeneratedTree::OpenFile(const std::u16string& file) {
    if (Unopenable.count(file)) return nullptr;
    const std::size_t slash = file.rfind(u'\\');
    const auto folder = folders_.find(slash == std::u16string::npos ? u"" : file.substr(0, slash));
    if (folder == folders_.end()) return nullptr;
    const std::u16string name = slash == std::u16string::npos ? file : file.substr(slash + 1);
    for (const DiscEntry& entry : folder->second) {
        if (entry.name != name || entry.isFolder) continue;
        const auto change = SizeChange.find(file);
        const std::uint64_t size = entry.size + (change == SizeChange.end() ? 0 : change->second);
        return std::make_unique<GeneratedFile>(file, size, FailsReading.count(file) > 0, CheapContent, FilesOpen);
    }
    return nullptr;
}

std::uint64_t GeneratedTree::ContentSeed(const std::u16string& path) {
    std::uint64_t seed = 1469598103934665603ull;
    for (char16_t c : path) seed = (seed ^ c) * 1099511628211ull;
    return seed;
}

bool MemorySink::Write(const void* data, std::size_t size) {
    if (Bytes.size() + size > FailAfter) return false;
    Bytes.append(static_cast<const char*>(data), size);
    return true;
}

bool CountingSink::Write(const void*, std::size_t size) {
    Count += size;
    return true;
}

}  // namespace plivora::testing
