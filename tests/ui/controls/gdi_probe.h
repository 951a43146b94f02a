// Listens to the program's own calls into GDI and USER by replacing entries of the test
// program's import table (the controls are linked into it, so every call they make goes
// through it). It records where drawing goes and keeps a ledger of the handles made and
// released, which counts leaks where GetGuiResources cannot (Wine answers 0 there).
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace plivora::probe {

// One BitBlt, with the kinds of its contexts (OBJ_DC, OBJ_MEMDC) at the time of the call.
struct Blit {
    HDC target;
    HDC source;
    DWORD targetType;
    DWORD sourceType;
};

struct Drawing {
    std::string function;
    HDC dc;
};

class GdiProbe {
public:
    // One probe at a time; it listens from construction to destruction.
    GdiProbe();
    ~GdiProbe();
    GdiProbe(const GdiProbe&) = delete;
    GdiProbe& operator=(const GdiProbe&) = delete;

    // True when every listened function was found in the import table.
    bool Complete() const { return missing_.empty(); }
    const std::vector<std::string>& Missing() const { return missing_; }

    const std::vector<Blit>& Blits() const { return blits_; }
    const std::vector<Drawing>& Drawings() const { return drawings_; }
    void ClearCalls();

    // Handles made since construction and not released, counted by kind.
    std::map<std::string, long> Live() const;
    long Made() const { return made_; }
    const std::map<std::string, long>& MadeByKind() const { return madeByKind_; }
    long Released() const { return released_; }
    // Releases of handles the probe did not see being made.
    long ReleasedUnseen() const { return releasedUnseen_; }

    // Used by the replacement functions.
    void Blitted(HDC target, HDC source) {
        blits_.push_back({target, source, ::GetObjectType(target), ::GetObjectType(source)});
    }
    void Drew(const char* function, HDC dc) { drawings_.push_back({function, dc}); }
    void MadeHandle(const void* handle, const char* kind);
    void ReleasedHandle(const void* handle);

private:
    std::vector<std::string> missing_;
    std::vector<Blit> blits_;
    std::vector<Drawing> drawings_;
    std::map<const void*, std::string> live_;
    std::map<std::string, long> madeByKind_;
    long made_ = 0;
    long released_ = 0;
    long releasedUnseen_ = 0;
};

}  // namespace plivora::probe
