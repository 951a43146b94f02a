// The image's bytes on their way to the sink: gathered in one reusable block, handed
// over whole, with progress told and a stop honoured after each block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "disc_image_writer.h"

namespace plivora::iso {

class BlockStream {
public:
    static constexpr std::size_t kBlockBytes = 1 << 20;

    BlockStream(ImageSink& sink, ImageProgress* progress, std::uint64_t totalBytes);
    BlockStream(const BlockStream&) = delete;
    BlockStream& operator=(const BlockStream&) = delete;

    // Each returns false once the sink has failed or the progress said stop; Error() says which.
    bool Put(const void* data, std::size_t size);
    bool Zeros(std::uint64_t size);
    bool PadToSector();
    // Free room in the block to read into directly, at least one byte; null on failure.
    std::uint8_t* Room(std::size_t& size);
    // Takes size bytes written into Room().
    void Commit(std::size_t size) { used_ += size; }
    bool Flush();

    std::uint64_t Position() const { return written_ + used_; }
    DiscImageError Error() const { return error_; }

private:
    ImageSink& sink_;
    ImageProgress* progress_;
    std::uint64_t total_;
    std::unique_ptr<std::uint8_t[]> block_;
    std::size_t used_ = 0;
    std::uint64_t written_ = 0;
    DiscImageError error_ = DiscImageError::kNone;
};

}  // namespace plivora::iso
