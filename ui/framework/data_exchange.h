// Moving values between a dialog's fields and its controls, in either direction.
#pragma once

#include <windows.h>

#include <string>

namespace framework {

class CWnd;

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool saveAndValidate) : dialog_(dialog), saveAndValidate_(saveAndValidate) {}
    HWND Dialog() const { return dialog_; }
    // True: controls to fields; false: fields to controls.
    bool SaveAndValidate() const { return saveAndValidate_; }

private:
    HWND dialog_;
    bool saveAndValidate_;
};

// A control's text; written only when it differs, so an unchanged box keeps its caret.
void DDX_Text(CDataExchange& dx, int id, std::string& value);
// A check box's state as 0 or 1.
void DDX_Check(CDataExchange& dx, int id, int& value);
// Attaches a control object to the dialog's control on the first exchange.
void DDX_Control(CDataExchange& dx, int id, CWnd& control);

}  // namespace framework
