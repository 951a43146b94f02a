// The functions of DLLs that the first paint does not need (the shell, COM, the file
// dialogs, the common controls' set-up, the accessibility interface), each bound on its
// first call: the program starts without importing those DLLs.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>
#include <oleacc.h>
#include <shellapi.h>
#include <shlobj.h>

#include <utility>

namespace plivora {

// The function, loading its DLL if need be; a part of Windows itself that is missing
// leaves nothing sensible to do.
inline FARPROC BindFunction(const char* dll, const char* name) {
    HMODULE module = ::GetModuleHandleA(dll);
    if (!module) module = ::LoadLibraryA(dll);
    const FARPROC function = module ? ::GetProcAddress(module, name) : nullptr;
    if (!function) ::FatalAppExitA(0, name);
    return function;
}

template <class Pointer>
class LazyFunction {
public:
    constexpr LazyFunction(const char* dll, const char* name) : dll_(dll), name_(name) {}

    template <class... Arguments>
    auto operator()(Arguments&&... arguments) {
        // Through the one function type that converts to every other without a warning.
        if (!function_) function_ = reinterpret_cast<Pointer>(reinterpret_cast<void (*)()>(BindFunction(dll_, name_)));
        return function_(std::forward<Arguments>(arguments)...);
    }

private:
    const char* dll_;
    const char* name_;
    Pointer function_ = nullptr;
};

}  // namespace plivora

// Each under its own name in namespace lazy: lazy::ShellExecuteA(...).
#define PLIVORA_LAZY_FUNCTION(dll, function) \
    inline plivora::LazyFunction<decltype(&::function)> function { dll, #function }

namespace lazy {
PLIVORA_LAZY_FUNCTION("comctl32.dll", InitCommonControlsEx);
PLIVORA_LAZY_FUNCTION("comdlg32.dll", GetOpenFileNameA);
PLIVORA_LAZY_FUNCTION("comdlg32.dll", GetSaveFileNameW);
PLIVORA_LAZY_FUNCTION("ole32.dll", CoCreateInstance);
PLIVORA_LAZY_FUNCTION("ole32.dll", CoInitializeEx);
PLIVORA_LAZY_FUNCTION("ole32.dll", CoUninitialize);
PLIVORA_LAZY_FUNCTION("oleacc.dll", CreateStdAccessibleObject);
PLIVORA_LAZY_FUNCTION("oleacc.dll", LresultFromObject);
PLIVORA_LAZY_FUNCTION("oleaut32.dll", SysAllocString);
PLIVORA_LAZY_FUNCTION("shell32.dll", SHBrowseForFolderA);
PLIVORA_LAZY_FUNCTION("shell32.dll", SHChangeNotify);
PLIVORA_LAZY_FUNCTION("shell32.dll", SHFileOperationA);
PLIVORA_LAZY_FUNCTION("shell32.dll", SHGetMalloc);
PLIVORA_LAZY_FUNCTION("shell32.dll", SHGetPathFromIDListA);
PLIVORA_LAZY_FUNCTION("shell32.dll", ShellExecuteA);
}  // namespace lazy
