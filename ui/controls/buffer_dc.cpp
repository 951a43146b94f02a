#include "buffer_dc.h"

namespace plivora {

CBufferDC::CBufferDC(framework::CDC& target) : Target(target) {
    Buffered = Target.IsPrinting() ? 0 : 1;
    if (Buffered) {
        Target.GetClipBox(ClipBox);
        const int width = ClipBox.right - ClipBox.left;
        const int height = ClipBox.bottom - ClipBox.top;
        if (CreateCompatibleDC(Target) && Bitmap.CreateCompatibleBitmap(Target, width, height)) {
            OldBitmap = SelectObject(Bitmap);
            // The target's logical coordinates address the same pixels in the buffer.
            SetWindowOrg(ClipBox.left, ClipBox.top);
        } else {
            // Out of GDI resources: paint straight to the target rather than not at all.
            Bitmap.DeleteObject();
            DeleteDC();
            Buffered = 0;
        }
    }
    if (!Buffered) AttachTo(Target);
}

CBufferDC::~CBufferDC() {
    if (Buffered) {
        Target.BitBlt(ClipBox.left, ClipBox.top, ClipBox.right - ClipBox.left, ClipBox.bottom - ClipBox.top,
                      *this, ClipBox.left, ClipBox.top, SRCCOPY);
        SelectObject(OldBitmap);
        Bitmap.DeleteObject();
    }
    // Deletes the memory context, or forgets the borrowed target.
    DeleteDC();
}

}  // namespace plivora
