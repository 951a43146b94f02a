#include "string_table_texts.h"

#include <vector>

namespace plivora {

std::string StringTableTexts::Load(int stringId) const {
    // A text may be longer than any fixed buffer: grow until it fits with room to spare.
    std::vector<char> buffer(1024);
    for (;;) {
        const int length = ::LoadStringA(module_, static_cast<UINT>(stringId), buffer.data(),
                                         static_cast<int>(buffer.size()));
        if (length <= 0) return std::string();
        if (static_cast<std::size_t>(length) < buffer.size() - 1) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace plivora
