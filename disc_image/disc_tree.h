// What the image writer reads: the folders and files below the base folder.
// Paths are relative to the base folder, names joined by backslashes; the base folder
// itself is the empty path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace plivora {

struct DiscEntry {
    std::u16string name;  // one name, without separators
    bool isFolder = false;
    std::uint64_t size = 0;     // bytes; ignored for folders
    std::int64_t modified = 0;  // seconds since 1970-01-01 UTC
};

// A file opened for reading from its start.
class DiscFileReader {
public:
    virtual ~DiscFileReader() = default;
    // Reads up to size bytes; bytesRead is 0 only at the end of the file.
    // False when the file can no longer be read.
    virtual bool Read(void* buffer, std::size_t size, std::size_t& bytesRead) = 0;
};

class DiscTree {
public:
    virtual ~DiscTree() = default;
    // The folder's files and folders in any order, without "." and "..".
    // False when the folder cannot be read.
    virtual bool ListFolder(const std::u16string& folder, std::vector<DiscEntry>& entries) = 0;
    // Null when the file cannot be opened.
    virtual std::unique_ptr<DiscFileReader> OpenFile(const std::u16string& file) = 0;
};

}  // namespace plivora
