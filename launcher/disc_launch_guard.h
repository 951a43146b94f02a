// One launcher per disc: while a start works through its targets, later starts from the
// same disc folder step aside and bring its window to the front instead.
#pragma once

#include <windows.h>

#include <string>

#include "unique_handle.h"

namespace plivora::launcher {

class DiscLaunchGuard {
public:
    // Takes the guard of the disc in this folder, unless another start holds it.
    explicit DiscLaunchGuard(const std::string& discFolder);
    DiscLaunchGuard(const DiscLaunchGuard&) = delete;
    DiscLaunchGuard& operator=(const DiscLaunchGuard&) = delete;

    // False when another start of this disc holds the guard.
    bool Taken() const { return !holder_; }
    // Brings the holding start's window (or the question it asks) to the front, when it has one.
    void BringHolderToFront() const;
    // Lets later starts of this disc run.
    void Release() { guard_.Reset(); }

private:
    UniqueKernelHandle guard_;
    DWORD holder_ = 0;  // the holding process, when another one holds the guard
};

}  // namespace plivora::launcher
