#include "shell_progress.h"

#include "ansi_wide.h"
#include "lazy_imports.h"
#include "message_loop.h"
#include "progress_scale.h"

namespace plivora {

namespace {

// The shell's progress dialog, spelt out: the SDK's library of ids would bring thousands.
const CLSID ProgressDialogClass = {
    0xF8383852, 0xFCD3, 0x11D1, {0xA6, 0xB9, 0x00, 0x60, 0x97, 0xDF, 0x5B, 0xD4}};
const IID ProgressDialogInterface = {
    0xEBBC7C04, 0x315E, 0x11D2, {0xB6, 0x2F, 0x00, 0x60, 0x97, 0xDF, 0x5B, 0xD4}};

}  // namespace

ShellProgress::ShellProgress(HWND owner, const std::u16string& title, const std::u16string& line,
                             const bool& stopRequested)
    : owner_(owner), ownerWasEnabled_(::EnableWindow(owner, FALSE) == FALSE), stopRequested_(stopRequested) {
    IProgressDialog* dialog = nullptr;
    if (FAILED(lazy::CoCreateInstance(ProgressDialogClass, nullptr, CLSCTX_INPROC_SERVER,
                                      ProgressDialogInterface, reinterpret_cast<void**>(&dialog))) ||
        !dialog)
        return;
    dialog_.Reset(dialog);
    dialog->SetTitle(WideChars(title));
    dialog->SetLine(1, WideChars(line), TRUE, nullptr);
    if (FAILED(dialog->StartProgressDialog(owner, nullptr, PROGDLG_NORMAL | PROGDLG_AUTOTIME, nullptr)))
        dialog_.Reset();
}

ShellProgress::~ShellProgress() {
    // The form comes back before the dialog goes, so that it is the one activated.
    if (ownerWasEnabled_) ::EnableWindow(owner_, TRUE);
    if (dialog_) dialog_.Get()->StopProgressDialog();
}

bool ShellProgress::Continue(std::uint64_t bytesDone, std::uint64_t bytesTotal) {
    // The form repaints and answers while it waits; a WM_QUIT or its close stops the work.
    const bool quit = !HandleQueuedMessages([](MSG& msg) { DispatchFor(nullptr, msg); }) || stopRequested_;
    if (!dialog_) return !quit;
    // Each telling repaints the dialog in its own thread, a few milliseconds under Wine
    // for every block written: ten times a second is all the eye needs.
    const DWORD now = ::GetTickCount();
    if (bytesTotal > 0 && (bytesDone == bytesTotal || now - toldAt_ >= kTellEveryMs)) {
        dialog_.Get()->SetProgress(ProgressOnScale(bytesDone, bytesTotal), kProgressScale);
        toldAt_ = now;
    }
    return !quit && !dialog_.Get()->HasUserCancelled();
}

}  // namespace plivora
