// The common controls' tooltip window, owned by the object that created it.
#pragma once

#include "wnd.h"

namespace framework {

class CToolTipCtrl : public CWnd {
public:
    CToolTipCtrl() = default;
    ~CToolTipCtrl() override;

    // A tooltip owned by the given window; its style bits beyond the class's own.
    bool Create(HWND owner, DWORD style = WS_POPUP);
    void Activate(bool active) const;
    void RelayEvent(MSG& message) const;
    void DestroyWindow();
};

}  // namespace framework
