// Every text compiled in, for where there is no string table (the host and its tests).
// A file of its own: a program that loads its string table links none of these bytes.
#include "guidance.h"
#include "guidance_strings.h"

namespace plivora {

std::string BuiltInTexts::Load(int stringId) const {
#define PLIVORA_TEXT_CASE(id, text) \
    case id:                        \
        return text;
    switch (stringId) {
        PLIVORA_GUIDANCE_STRINGS(PLIVORA_TEXT_CASE)
        default:
            return {};
    }
#undef PLIVORA_TEXT_CASE
}

}  // namespace plivora
