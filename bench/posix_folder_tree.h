// The image writer's input and output over a real folder and file on the host, for the
// benchmark: names are UTF-8 on disk, UTF-16 to the writer.
#pragma once

#include <string>

#include "disc_image_writer.h"

namespace plivora::bench {

class PosixFolderTree : public DiscTree {
public:
    explicit PosixFolderTree(std::string base) : base_(std::move(base)) {}
    bool ListFolder(const std::u16string& folder, std::vector<DiscEntry>& entries) override;
    std::unique_ptr<DiscFileReader> OpenFile(const std::u16string& file) override;

private:
    std::string Path(const std::u16string& relative) const;
    std::string base_;
};

class FileSink : public ImageSink {
public:
    explicit FileSink(const std::string& path);
    ~FileSink() override;
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;
    bool Write(const void* data, std::size_t size) override;

private:
    int fd_;
};

}  // namespace plivora::bench
