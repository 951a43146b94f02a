// Driving the real form from its real resources with messages, as a user would.
#pragma once

#include <windows.h>

#include <memory>
#include <set>
#include <string>

#include "assistant_dlg.h"
#include "fake_pickers.h"
#include "string_table_texts.h"
#include "user_input.h"
#include "wait_for.h"

namespace plivora::fakes {

// Every control whose enabled state the form's rules decide, plus Exit and the label.
extern const int RuledControls[];
extern const std::size_t RuledControlCount;
// The ten help buttons: always usable.
extern const int HelpButtons[10];

class FormDriver {
public:
    explicit FormDriver(Pickers& pickers);
    ~FormDriver();

    CAssistantDlg& Form() { return *form_; }
    HWND Window() const { return form_->GetSafeHwnd(); }
    HWND Item(int id) const { return ::GetDlgItem(Window(), id); }

    // A click as the button's own mouse handling produces it.
    void Click(int id);
    // Keys reach the form the way the modal loop delivers them.
    void PressKey(WPARAM key);
    void TypeText(int id, const std::string& text);
    void SelectListEntry(int id, int index);
    void Pump() { form_->PumpWaitingMessages(); }

    bool Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }
    bool Checked(int id) const { return ::SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    std::string Text(int id) const;
    // The ruled controls that are enabled; help buttons must be enabled throughout.
    std::set<int> EnabledControls() const;

private:
    StringTableTexts texts_;
    std::unique_ptr<CAssistantDlg> form_;
};

}  // namespace plivora::fakes
