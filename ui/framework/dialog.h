// A dialog built from a template of the program's resources, run modally by its own
// message loop so that every window can pre-translate its messages.
#pragma once

#include "data_exchange.h"
#include "wnd.h"

namespace framework {

class CDialog : public CWnd {
public:
    explicit CDialog(int templateId) : templateId_(templateId) {}
    ~CDialog() override;

    // Runs the dialog until EndDialog; returns its result, or -1 when it cannot be made.
    INT_PTR DoModal(HWND owner = nullptr);
    // Makes the dialog without running it, for callers that pump messages themselves.
    bool Create(HWND owner = nullptr);
    // Handles the queued messages as the modal loop would, then returns.
    void PumpWaitingMessages();
    void EndDialog(INT_PTR result);
    bool IsEnded() const { return ended_; }
    INT_PTR Result() const { return result_; }
    void DestroyWindow();

    // Runs DoDataExchange: true reads the controls, false writes them. Notifications
    // that writing provokes reach the handlers; the form's model drops them.
    bool UpdateData(bool saveAndValidate = true);

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange& dx);
    virtual void OnOK();
    virtual void OnCancel();
    bool HandleMessage(Message& message) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam);
    void ProcessMessage(MSG& msg);

    int templateId_;
    bool ended_ = false;
    INT_PTR result_ = 0;
};

// True for the messages whose dialog-procedure result is the value itself.
bool ReturnsItsValueDirectly(UINT message);

}  // namespace framework
