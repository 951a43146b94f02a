// The guidance texts as the program's string table holds them.
#pragma once

#include <windows.h>

#include "guidance.h"

namespace plivora {

class StringTableTexts final : public TextSource {
public:
    explicit StringTableTexts(HINSTANCE module = ::GetModuleHandleA(nullptr)) : module_(module) {}
    std::string Load(int stringId) const override;

private:
    HINSTANCE module_;
};

}  // namespace plivora
