// Where the image writer puts the image, and whom it tells how far it has got.
#pragma once

#include <cstddef>
#include <cstdint>

namespace plivora {

// Takes the image strictly in order, never seeking: a file or a byte counter will do.
class ImageSink {
public:
    virtual ~ImageSink() = default;
    // False when the bytes could not be written.
    virtual bool Write(const void* data, std::size_t size) = 0;
};

class ImageProgress {
public:
    virtual ~ImageProgress() = default;
    // Called after each folder read (bytesTotal still 0) and after each block written.
    // False stops the work; the writer then reports it cancelled.
    virtual bool Continue(std::uint64_t bytesDone, std::uint64_t bytesTotal) = 0;
};

}  // namespace plivora
