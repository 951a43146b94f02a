// The base of every window object: a window handle, message dispatch through the
// message map, and subclassing of controls that a dialog template created.
#pragma once

#include <windows.h>

#include <string>

#include "message_map.h"

namespace framework {

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return hwnd_; }
    operator HWND() const { return hwnd_; }

    // The framework object attached to a window, if any.
    static CWnd* FromHandle(HWND hwnd);

    // Takes over an existing child control: its messages go through this object first.
    bool SubclassDlgItem(int id, CWnd& parent);
    bool SubclassWindow(HWND hwnd);
    HWND UnsubclassWindow();

    // Called for every queued message of the modal loop aimed at this window or a child.
    virtual bool PreTranslateMessage(MSG& message);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(hwnd_, message, wParam, lParam);
    }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(hwnd_, id); }
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text) const { ::SetWindowTextA(hwnd_, text.c_str()); }
    void Invalidate(BOOL erase = TRUE) const { ::InvalidateRect(hwnd_, nullptr, erase); }

protected:
    // Once the window is subclassed, before the caller goes on.
    virtual void PreSubclassWindow() {}
    // The message map: true when handled, with message.result set.
    virtual bool HandleMessage(Message& message);
    // The processing the window had before it was subclassed.
    LRESULT Default(const Message& message);
    // A message that the parent passes back to the control it concerns; true when handled.
    virtual bool OnChildNotify(Message& message);
    // Run by a parent: hands WM_DRAWITEM to the control object it names, if there is one.
    static bool ReflectChildNotify(Message& message);

    void Attach(HWND hwnd);
    void Detach();

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam);
    WNDPROC previousProc_ = nullptr;
};

// Retrieves every byte of a window's text.
std::string WindowText(HWND hwnd);

}  // namespace framework
