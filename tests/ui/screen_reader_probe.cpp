// A screen reader's view from another process. Writes one line into the file named first
// for each window named after it (as a hexadecimal handle): whether the window's client
// object is one COM object that knows its window (1 or 0), its role, the role of the
// system's own object for the window, and its name.
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdint>
#include <cstdlib>

#include "com.h"

namespace {

using plivora::ComPointer;

VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

long RoleOf(IAccessible& object) {
    VARIANT role{};
    return SUCCEEDED(object.get_accRole(Self(), &role)) && role.vt == VT_I4 ? role.lVal : -1;
}

// Asked through IOleWindow, the object names the window, and both interfaces lead to one IUnknown.
bool IsOneObjectOf(IAccessible& object, HWND window) {
    ComPointer<IOleWindow> ole;
    ComPointer<IUnknown> viaOle, viaAccessible;
    HWND answered = nullptr;
    return SUCCEEDED(object.QueryInterface(__uuidof(IOleWindow), reinterpret_cast<void**>(ole.Receive()))) &&
           SUCCEEDED(ole.Get()->GetWindow(&answered)) && answered == window &&
           SUCCEEDED(ole.Get()->QueryInterface(__uuidof(IUnknown), reinterpret_cast<void**>(viaOle.Receive()))) &&
           SUCCEEDED(object.QueryInterface(__uuidof(IUnknown), reinterpret_cast<void**>(viaAccessible.Receive()))) &&
           viaOle.Get() == viaAccessible.Get();
}

void Hear(HWND window, std::FILE* out) {
    ComPointer<IAccessible> object, standard;
    ::AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                 reinterpret_cast<void**>(object.Receive()));
    ::CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                reinterpret_cast<void**>(standard.Receive()));
    if (!object || !standard) {
        std::fprintf(out, "0 -1 -1 (no object)\n");
        return;
    }
    BSTR name = nullptr;
    char text[256] = "";
    if (SUCCEEDED(object.Get()->get_accName(Self(), &name)) && name) {
        ::WideCharToMultiByte(CP_ACP, 0, name, -1, text, sizeof text, nullptr, nullptr);
        ::SysFreeString(name);
    }
    // One line per window, whatever the name holds.
    for (char* c = text; *c; ++c)
        if (*c == '\r' || *c == '\n') *c = '|';
    std::fprintf(out, "%d %ld %ld %s\n", IsOneObjectOf(*object.Get(), window) ? 1 : 0, RoleOf(*object.Get()),
                 RoleOf(*standard.Get()), text);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) return 2;
    for (int i = 2; i < argc; ++i)
        Hear(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::strtoull(argv[i], nullptr, 16))), out);
    const bool written = std::fflush(out) == 0;
    std::fclose(out);
    ::CoUninitialize();
    return written ? 0 : 1;
}
