#include "form_test_support.h"

#include "control_ids.h"
#include "wnd.h"

namespace plivora::fakes {

const int RuledControls[] = {
    IDC_BASE_FOLDER_BOX, IDC_BASE_FOLDER_BUTTON, IDC_TARGET_CAPTION, IDC_TARGET_BOX, IDC_TARGET_BUTTON,
    IDC_ICON_CAPTION,    IDC_ICON_PREVIEW,       IDC_ICON_BOX,       IDC_ICON_BUTTON, IDC_VERBOSE_CHECK,
    IDC_NO_REGISTRY_CHECK, IDC_HIDE_CHECK,       IDC_FORCE_CHECK,    IDC_PROGRAM1_CAPTION, IDC_PROGRAM1_BOX,
    IDC_PROGRAM2_CAPTION, IDC_PROGRAM2_BOX,      IDC_SECONDARY_CHECK, IDC_SECONDARY_BOX, IDC_SECONDARY_BUTTON,
    IDC_ORDER_LIST,      IDC_PROMPT_LIST,        IDC_SPLASH_CHECK,   IDC_SPLASH_BOX, IDC_SPLASH_BUTTON,
    IDC_SECONDS_BOX,     IDC_CREATE_BUTTON,      IDC_TEST_BUTTON,    IDC_EXIT_BUTTON, IDC_GUIDANCE_LABEL,
};
const std::size_t RuledControlCount = sizeof RuledControls / sizeof RuledControls[0];
const int HelpButtons[10] = {IDC_HELP_BASE_FOLDER, IDC_HELP_TARGET, IDC_HELP_ICON,  IDC_HELP_VERBOSE,
                             IDC_HELP_NO_REGISTRY, IDC_HELP_HIDE,   IDC_HELP_FORCE, IDC_HELP_SECONDARY,
                             IDC_HELP_SPLASH,      IDC_HELP_SECONDARY_PARAMS};

FormDriver::FormDriver(Pickers& pickers) : form_(std::make_unique<CAssistantDlg>(pickers, texts_)) {
    form_->Create();
    Pump();
}

FormDriver::~FormDriver() {
    form_->DestroyWindow();
    Pump();
}

void FormDriver::Click(int id) {
    fakes::Click(Window(), id);
    Pump();
}

void FormDriver::PressKey(WPARAM key) {
    fakes::PressKey(Window(), static_cast<UINT>(key));
    Pump();
}

void FormDriver::TypeText(int id, const std::string& text) {
    // WM_SETTEXT on an edit raises EN_CHANGE, as typing does.
    ::SendMessageA(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Pump();
}

void FormDriver::SelectListEntry(int id, int index) {
    ::SendMessageA(Item(id), CB_SETCURSEL, index, 0);
    // The list tells its parent only for the user's own choices; do as it would.
    ::SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
    Pump();
}

std::string FormDriver::Text(int id) const { return framework::WindowText(Item(id)); }

std::set<int> FormDriver::EnabledControls() const {
    std::set<int> enabled;
    for (std::size_t i = 0; i < RuledControlCount; ++i)
        if (Enabled(RuledControls[i])) enabled.insert(RuledControls[i]);
    for (int id : HelpButtons)
        if (!Enabled(id)) enabled.insert(-id);  // shows up as a mismatch in any comparison
    return enabled;
}

}  // namespace plivora::fakes
