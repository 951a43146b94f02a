// A static text drawn as an etched line: horizontal through the middle with the caption
// cut into it, or, for a control taller than wide, vertical down the middle without
// a caption. Everything it draws is read from the window at paint time.
#pragma once

#include "controls.h"
#include "gdi.h"

namespace plivora {

class CEtchedLabel : public framework::CStatic {
public:
    CEtchedLabel() = default;
    ~CEtchedLabel() override = default;

    // What WM_PAINT draws, into any device context (also a memory one).
    void Paint(const framework::CDC& dc) const;

protected:
    bool HandleMessage(framework::Message& message) override;

private:
    void OnPaint(framework::Message& message);

    static const framework::MessageEntry<CEtchedLabel> MessageMap[];
};

}  // namespace plivora
