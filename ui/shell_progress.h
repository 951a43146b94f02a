// The shell's standard progress dialog, with Cancel, while the image is written. The
// form stays disabled and its messages keep flowing meanwhile, as under a modal box.
#pragma once

#include <windows.h>

#include <shlobj.h>

#include <string>

#include "com.h"
#include "image_output.h"

namespace plivora {

class ShellProgress : public ImageProgress {
public:
    // COM must be initialised on this thread. Without the shell's dialog the work
    // still runs, only unseen. stopRequested stops the work as Cancel does once it is true.
    ShellProgress(HWND owner, const std::u16string& title, const std::u16string& line,
                  const bool& stopRequested);
    ~ShellProgress() override;
    ShellProgress(const ShellProgress&) = delete;
    ShellProgress& operator=(const ShellProgress&) = delete;

    bool Continue(std::uint64_t bytesDone, std::uint64_t bytesTotal) override;

private:
    HWND owner_;
    bool ownerWasEnabled_;
    const bool& stopRequested_;
    static constexpr DWORD kTellEveryMs = 100;
    // Set a whole period back, so that the first block is told at once.
    DWORD toldAt_ = ::GetTickCount() - kTellEveryMs;
    ComPointer<IProgressDialog> dialog_;
};

}  // namespace plivora
