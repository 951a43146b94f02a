#include "shell_progress.h"

#include "lazy_imports.h"
#include "message_loop.h"

namespace plivora {

ShellProgress::ShellProgress(HWND owner, const std::wstring& title, const std::wstring& line)
    : owner_(owner), ownerWasEnabled_(::EnableWindow(owner, FALSE) == FALSE) {
    IProgressDialog* dialog = nullptr;
    if (FAILED(lazy::CoCreateInstance(CLSID_ProgressDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IProgressDialog,
                                      reinterpret_cast<void**>(&dialog))) ||
        !dialog)
        return;
    dialog_.Reset(dialog);
    dialog->SetTitle(title.c_str());
    dialog->SetLine(1, line.c_str(), TRUE, nullptr);
    if (FAILED(dialog->StartProgressDialog(owner, nullptr, PROGDLG_NORMAL | PROGDLG_AUTOTIME, nullptr)))
        dialog_.Reset();
}

ShellProgress::~ShellProgress() {
    // The form comes back before the dialog goes, so that it is the one activated.
    if (ownerWasEnabled_) ::EnableWindow(owner_, TRUE);
    if (dialog_) dialog_.Get()->StopProgressDialog();
}

bool ShellProgress::Continue(std::uint64_t bytesDone, std::uint64_t bytesTotal) {
    // The form repaints and answers while it waits; a WM_QUIT stops the work.
    const bool quit = !HandleQueuedMessages([](MSG& msg) { DispatchFor(nullptr, msg); });
    if (!dialog_) return !quit;
    if (bytesTotal > 0) dialog_.Get()->SetProgress64(bytesDone, bytesTotal);
    return !quit && !dialog_.Get()->HasUserCancelled();
}

}  // namespace plivora
