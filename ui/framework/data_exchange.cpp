#include "data_exchange.h"

#include "wnd.h"

namespace framework {

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
    HWND control = ::GetDlgItem(dx.Dialog(), id);
    if (!control) return;
    const std::string current = WindowText(control);
    if (dx.SaveAndValidate())
        value = current;
    else if (current != value)
        ::SetWindowTextA(control, value.c_str());
}

void DDX_Check(CDataExchange& dx, int id, int& value) {
    HWND control = ::GetDlgItem(dx.Dialog(), id);
    if (!control) return;
    if (dx.SaveAndValidate())
        value = ::SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    else
        ::SendMessageA(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DDX_Control(CDataExchange& dx, int id, CWnd& control) {
    if (!control.GetSafeHwnd()) {
        CWnd* dialog = CWnd::FromHandle(dx.Dialog());
        if (dialog) control.SubclassDlgItem(id, *dialog);
    }
}

}  // namespace framework
