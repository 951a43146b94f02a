// A window whose changes a screen reader reads out without being asked: a polite live
// region, where the system's accessibility services take the mark.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include "accessible_name.h"
#include "com.h"

namespace plivora {

// Throws nothing: its file is built without exceptions.
class PoliteLiveRegion {
public:
    PoliteLiveRegion() = default;
    ~PoliteLiveRegion() { Clear(); }
    PoliteLiveRegion(const PoliteLiveRegion&) = delete;
    PoliteLiveRegion& operator=(const PoliteLiveRegion&) = delete;

    // True when the system took the mark; older systems and Wine do not.
    bool Mark(HWND window);
    // Takes the mark off again, before the window goes.
    void Clear();
    // Tells the listeners that the marked window's text changed.
    void Changed() const;

private:
    ComPointer<IAccPropServices> services_;
    HWND window_ = nullptr;
};

}  // namespace plivora
