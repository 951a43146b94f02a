// Thin objects for the standard controls that the forms bind by id.
#pragma once

#include <string>

#include "wnd.h"

namespace framework {

class CButton : public CWnd {
public:
    HANDLE SetIcon(HICON icon) const {
        return reinterpret_cast<HANDLE>(SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
    }
    // Paints an owner-drawn button; its parent passes WM_DRAWITEM on to here.
    virtual void DrawItem(const DRAWITEMSTRUCT&) {}

protected:
    bool OnChildNotify(Message& message) override {
        if (message.id != WM_DRAWITEM) return false;
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.lParam));
        message.result = TRUE;
        return true;
    }
};

class CStatic : public CWnd {
public:
    HICON SetIcon(HICON icon) const {
        return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon)));
    }
    HICON GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }
};

class CComboBox : public CWnd {
public:
    int AddString(const std::string& text) const {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
};

}  // namespace framework
