// An icon that its owner destroys: one made by ExtractIcon, not a shared resource icon.
#pragma once

#include <windows.h>

namespace plivora {

class IconHandle {
public:
    IconHandle() = default;
    ~IconHandle() { Reset(nullptr); }
    IconHandle(const IconHandle&) = delete;
    IconHandle& operator=(const IconHandle&) = delete;

    HICON Get() const { return icon_; }
    void Reset(HICON icon) {
        if (icon_) ::DestroyIcon(icon_);
        icon_ = icon;
    }

private:
    HICON icon_ = nullptr;
};

}  // namespace plivora
