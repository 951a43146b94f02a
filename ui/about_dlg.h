// The About box, opened from the form's system menu.
#pragma once

#include "resource_ids.h"
#include "dialog.h"

namespace plivora {

class CAboutDlg : public framework::CDialog {
public:
    CAboutDlg() : framework::CDialog(IDD_ABOUT) {}
};

}  // namespace plivora
