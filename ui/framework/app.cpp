#include "app.h"

#include "message_loop.h"

namespace framework {

CWinApp* CWinApp::current_ = nullptr;

CWinApp::CWinApp() { current_ = this; }

CWinApp::~CWinApp() {
    if (current_ == this) current_ = nullptr;
}

int CWinApp::Run() {
    if (!InitInstance()) return 0;
    const auto untilQuit = [] { return true; };
    const auto dispatch = [](MSG& msg) { plivora::DispatchFor(nullptr, msg); };
    return plivora::RunMessageLoop(untilQuit, dispatch).value_or(0);
}

}  // namespace framework
