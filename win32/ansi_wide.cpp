#include "ansi_wide.h"

#include <windows.h>

namespace plivora {

std::u16string WideFromAnsi(const std::string& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::u16string wide(
        static_cast<std::size_t>(::MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0)), u'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, WideChars(wide), static_cast<int>(wide.size()));
    return wide;
}

std::string AnsiFromWide(const std::u16string& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    std::string ansi(static_cast<std::size_t>(::WideCharToMultiByte(CP_ACP, flags, WideChars(text), size,
                                                                    nullptr, 0, "?", nullptr)),
                     '\0');
    ::WideCharToMultiByte(CP_ACP, flags, WideChars(text), size, ansi.data(), static_cast<int>(ansi.size()),
                          "?", nullptr);
    return ansi;
}

}  // namespace plivora
