// Test input for the image writer: a tree described by a table, kept in memory, whose
// files produce their bytes on the fly; and sinks that keep or count the image.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "disc_image_writer.h"

namespace plivora::testing {

constexpr std::int64_t kDefaultTime = 1262347384;  // 2010-01-01 12:03:04 UTC

struct TreeEntry {
    TreeEntry(std::u16string path_, std::uint64_t size_ = 0, bool isFolder_ = false,
              std::int64_t modified_ = kDefaultTime, std::string primary_ = {})
        : path(std::move(path_)), size(size_), isFolder(isFolder_), modified(modified_),
          primary(std::move(primary_)) {}

    std::u16string path;  // base-relative, '\\' between names
    std::uint64_t size;
    bool isFolder;
    std::int64_t modified;
    std::string primary;  // the path expected in the primary tree, '/' between names
};

class GeneratedTree : public DiscTree {
public:
    // Folders on the way to an entry need no entry of their own.
    explicit GeneratedTree(const std::vector<TreeEntry>& entries);

    bool ListFolder(const std::u16string& folder, std::vector<DiscEntry>& entries) override;
    std::unique_ptr<DiscFileReader> OpenFile(const std::u16string& file) override;

    // The file at path holds ContentByte(ContentSeed(path), offset) at each offset.
    static std::uint64_t ContentSeed(const std::u16string& path);
    static std::uint8_t ContentByte(std::uint64_t seed, std::uint64_t offset) {
        return static_cast<std::uint8_t>((offset + seed) * 0x9E3779B97F4A7C15ull >> 56 ^ offset >> 11);
    }

    // Faults to inject, by path.
    std::set<std::u16string> Unlistable, Unopenable, FailsReading;
    std::map<std::u16string, std::int64_t> SizeChange;  // real size minus the listed one
    bool ReverseListing = false;
    bool CheapContent = false;  // one byte value per read, for trees of many GiB
    std::size_t FilesOpen = 0;

private:
    std::map<std::u16string, std::vector<DiscEntry>> folders_;
};

class MemorySink : public ImageSink {
public:
    bool Write(const void* data, std::size_t size) override;
    std::string Bytes;
    std::uint64_t FailAfter = UINT64_MAX;  // bytes accepted before failing
};

class CountingSink : public ImageSink {
public:
    bool Write(const void* data, std::size_t size) override;
    std::uint64_t Count = 0;
};

}  // namespace plivora::testing
