// COM for the length of a call, and memory the shell hands out through its task allocator.
#pragma once

#include <objbase.h>
#include <shlobj.h>

#include "lazy_imports.h"
#include "unique_handle.h"

namespace plivora {

// COM in a single-threaded apartment, which the folder browser needs, while it lives.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(lazy::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) lazy::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

// An interface pointer COM handed out, released once.
template <class Interface>
void ReleaseComObject(Interface* object) {
    object->Release();
}
template <class Interface>
using ComPointer = UniqueHandle<Interface*, ReleaseComObject<Interface>>;

// DidAlloc answers 1 (its own), 0 (not its own) or -1 (cannot tell): only a block
// that is surely another allocator's is left alone.
inline void FreeTaskMemory(IMalloc& allocator, void* memory) {
    if (memory && allocator.DidAlloc(memory) != 0) allocator.Free(memory);
}

// With the shell's own allocator.
inline void FreeShellTaskMemory(void* memory) {
    IMalloc* allocator = nullptr;
    if (FAILED(lazy::SHGetMalloc(&allocator)) || !allocator) return;
    FreeTaskMemory(*allocator, memory);
    allocator->Release();
}

// A block from the shell's allocator, such as the folder browser's item list.
template <class Pointer>
using TaskMemory = UniqueHandle<Pointer, FreeShellTaskMemory>;

}  // namespace plivora
