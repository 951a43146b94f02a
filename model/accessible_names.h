// The names a screen reader speaks for the form's controls that show no caption of their
// own, or whose nearest label is another control's.
#pragma once

namespace plivora {

// A name is the text of First, followed by the text of Second where that is not 0.
struct AccessibleNameIds {
    int First = 0;
    int Second = 0;
};

// Both 0 for a control that its own caption names.
AccessibleNameIds AccessibleNameFor(int controlId);

}  // namespace plivora
