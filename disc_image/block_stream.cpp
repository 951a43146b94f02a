#include "block_stream.h"

#include <algorithm>
#include <cstring>

#include "iso_records.h"

namespace plivora::iso {

BlockStream::BlockStream(ImageSink& sink, ImageProgress* progress, std::uint64_t totalBytes)
    : sink_(sink), progress_(progress), total_(totalBytes), block_(new std::uint8_t[kBlockBytes]) {}

std::uint8_t* BlockStream::Room(std::size_t& size) {
    if (error_ != DiscImageError::kNone) return nullptr;
    if (used_ == kBlockBytes && !Flush()) return nullptr;
    size = kBlockBytes - used_;
    return block_.get() + used_;
}

bool BlockStream::Put(const void* data, std::size_t size) {
    const auto* from = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        std::size_t room = 0;
        std::uint8_t* to = Room(room);
        if (!to) return false;
        const std::size_t part = std::min(room, size);
        std::memcpy(to, from, part);
        Commit(part);
        from += part;
        size -= part;
    }
    return error_ == DiscImageError::kNone;
}

bool BlockStream::Zeros(std::uint64_t size) {
    while (size > 0) {
        std::size_t room = 0;
        std::uint8_t* to = Room(room);
        if (!to) return false;
        const std::size_t part = static_cast<std::size_t>(std::min<std::uint64_t>(room, size));
        std::memset(to, 0, part);
        Commit(part);
        size -= part;
    }
    return error_ == DiscImageError::kNone;
}

bool BlockStream::PadToSector() { return Zeros((kSector - Position() % kSector) % kSector); }

bool BlockStream::Flush() {
    if (error_ != DiscImageError::kNone) return false;
    if (used_ > 0 && !sink_.Write(block_.get(), used_)) {
        error_ = DiscImageError::kWriteFailed;
        return false;
    }
    written_ += used_;
    used_ = 0;
    if (progress_ && !progress_->Continue(written_, total_)) {
        error_ = DiscImageError::kCancelled;
        return false;
    }
    return true;
}

}  // namespace plivora::iso
