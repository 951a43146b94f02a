// One file of the base folder, read for the image from start to end.
#pragma once

#include <memory>
#include <string>

#include "disc_tree.h"
#include "unique_handle.h"

namespace plivora {

class FileDiscReader : public DiscFileReader {
public:
    // Null when the file cannot be opened. Others may read it meanwhile, not write it.
    static std::unique_ptr<DiscFileReader> Open(const std::u16string& path);

    bool Read(void* buffer, std::size_t size, std::size_t& bytesRead) override;

private:
    explicit FileDiscReader(HANDLE file) : file_(file) {}

    UniqueKernelHandle file_;
};

}  // namespace plivora
