// The image file: written under a name of its own beside the chosen one and put in that
// name's place only once complete, so that a failed or cancelled image leaves nothing
// behind and an older file at that name stays as it was until then.
#pragma once

#include <cstdint>
#include <string>

#include "image_output.h"
#include "unique_handle.h"

namespace plivora {

class ImageFileSink : public ImageSink {
public:
    explicit ImageFileSink(std::u16string path) : path_(std::move(path)) {}
    // Deletes an image that was not committed.
    ~ImageFileSink() override { Discard(); }
    ImageFileSink(const ImageFileSink&) = delete;
    ImageFileSink& operator=(const ImageFileSink&) = delete;

    // Creates the file being written; false when the folder takes no new file.
    bool Open();
    bool Write(const void* data, std::size_t size) override;
    // Closes the complete image and moves it to the chosen name, replacing what is there.
    // False, with the image deleted and the older file kept, when either step fails.
    bool Commit();

    // The file being written; empty before Open.
    const std::u16string& PartialPath() const { return partial_; }

private:
    void Discard();

    std::u16string path_;
    std::u16string partial_;
    UniqueKernelHandle file_;
    // What the writes said they wrote, held against what the file holds at the end.
    std::uint64_t written_ = 0;
};

}  // namespace plivora
