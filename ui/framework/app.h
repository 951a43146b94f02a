// The application object: one global instance whose InitInstance is the program's
// entry into its own logic.
#pragma once

#include <windows.h>

#include "wnd.h"

namespace framework {

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    static CWinApp* Current() { return current_; }

    // False ends the program at once, without a message loop of its own.
    virtual BOOL InitInstance() = 0;
    // Runs InitInstance, and a message loop when it returned true.
    int Run();

    CWnd* MainWindow() const { return mainWindow_; }
    void SetMainWindow(CWnd* window) { mainWindow_ = window; }

    // Three-dimensional drawing of standard controls: always on in current Windows.
    static void Enable3dControlsStatic() {}

private:
    static CWinApp* current_;
    CWnd* mainWindow_ = nullptr;
};

}  // namespace framework
