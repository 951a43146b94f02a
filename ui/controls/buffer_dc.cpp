#include "buffer_dc.h"

namespace plivora {

CBufferDC::CBufferDC(framework::CDC& target) : Target(target) {
    Buffered = Target.IsPrinting() ? 0 : 1;
    if (Buffered) {
        Target.GetClipBox(ClipBox);
        const int width = ClipBox.right - ClipBox.left;
        const int height = ClipBox.bottom - ClipBox.top;
        Buffered = CreateCompatibleDC(Target) && Bitmap.CreateCompatibleBitmap(Target, width, height) ? 1 : 0;
    }
    if (Buffered) {
        OldBitmap.Select(*this, Bitmap);
        // The target's logical coordinates address the same pixels in the buffer.
        SetWindowOrg(ClipBox.left, ClipBox.top);
    } else {
        // Printing, or out of GDI resources: paint straight to the target rather than not at all.
        Bitmap.Reset();
        AttachTo(Target);
    }
}

// The members then put the old bitmap back and delete the buffer, and the base class
// deletes the memory context (or forgets the borrowed target).
CBufferDC::~CBufferDC() {
    if (Buffered)
        Target.BitBlt(ClipBox.left, ClipBox.top, ClipBox.right - ClipBox.left, ClipBox.bottom - ClipBox.top,
                      *this, ClipBox.left, ClipBox.top, SRCCOPY);
}

}  // namespace plivora
