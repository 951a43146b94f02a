// An off-screen copy of the part of a device context that is being painted: drawing
// goes into a memory bitmap, and the whole picture reaches the target in one BitBlt
// when the object goes out of scope, so a half-drawn control is never seen.
#pragma once

#include "gdi.h"

namespace plivora {

class CBufferDC : public framework::CDC {
public:
    explicit CBufferDC(framework::CDC& target);
    ~CBufferDC() override;

private:
    framework::CBitmap Bitmap;
    // Keeps Bitmap selected; puts back what the memory context held before.
    framework::SelectObjectScope OldBitmap;
    framework::CDC& Target;
    RECT ClipBox{};
    int Buffered = 1;
};

}  // namespace plivora
