#include "accessible_name.h"

#include <oleacc.h>
#include <servprov.h>

#include "com.h"
#include "lazy_imports.h"

namespace plivora {

namespace {

// The object handed out: the system's object for the control with another name. It is
// laid out as COM sees it, four interfaces of one identity, each interface pointer
// followed four pointers later by the system object's pointer for the same interface:
// every call but the name and the interface questions goes there through a forwarding
// entry, untouched. Written out in C++, the forwarding methods would cost three times
// the bytes, as the compiler copies each VARIANT argument twice.
constexpr int NameLength = 80;

struct NamedAccessible {
    const void* const* tables[4];
    IUnknown* standard[4];
    LONG references;
    wchar_t name[NameLength];
};

constexpr int AccessibleAt = 0;
constexpr int WindowAt = 1;
constexpr int ChildrenAt = 2;
constexpr int ServicesAt = 3;

// Asked of an accessible object by clients that read the system's own objects by other
// means: this one is the control's, not the system's stand-in.
constexpr GUID IsSystemStandIn = {
    0x902697FA, 0x80E4, 0x4560, {0x80, 0x2A, 0xA1, 0x3F, 0x22, 0xA6, 0x47, 0x09}};

// Slot n of the system object's table, for n from 3: one entry of 16 bytes each.
extern "C" const unsigned char ForwardingEntries[] __asm__("plivora_forwarding_entries");
constexpr int FirstForwardedSlot = 3;

#if defined(__i386__)
// this is the first argument on the stack.
__asm__(R"(
    .section .text$plivora_forwarding_entries,"x"
    .balign 16
plivora_forwarding_entries:
    .set slot, 3
    .rept 25
    movl 4(%esp), %eax
    movl 16(%eax), %eax
    movl %eax, 4(%esp)
    movl (%eax), %ecx
    jmp *(4 * slot)(%ecx)
    .balign 16, 0xcc
    .set slot, slot + 1
    .endr
    .text
)");
#elif defined(__x86_64__)
// this is the first argument, in rcx.
__asm__(R"(
    .section .text$plivora_forwarding_entries,"x"
    .balign 16
plivora_forwarding_entries:
    .set slot, 3
    .rept 25
    movq 32(%rcx), %rcx
    movq (%rcx), %rax
    jmp *(8 * slot)(%rax)
    .balign 16, 0xcc
    .set slot, slot + 1
    .endr
    .text
)");
#else
#error "forwarding entries are written for x86 and x86-64 only"
#endif

using Slot = const void*;

// The object from the pointer of its interface at index `at`.
template <int At>
NamedAccessible& ObjectOf(void* interfacePointer) {
    return *reinterpret_cast<NamedAccessible*>(static_cast<const void**>(interfacePointer) - At);
}

// Which of the object's interfaces answers each interface id.
const struct {
    const GUID* Id;
    int At;
} Answers[] = {{&__uuidof(IUnknown), AccessibleAt},    {&__uuidof(IDispatch), AccessibleAt},
               {&__uuidof(IAccessible), AccessibleAt}, {&__uuidof(IOleWindow), WindowAt},
               {&__uuidof(IEnumVARIANT), ChildrenAt},  {&__uuidof(IServiceProvider), ServicesAt}};

HRESULT QueryNamed(NamedAccessible& self, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    for (const auto& answer : Answers) {
        // Only what the system's object offers too.
        if (iid != *answer.Id || !self.standard[answer.At]) continue;
        *object = &self.tables[answer.At];
        ::InterlockedIncrement(&self.references);
        return S_OK;
    }
    return E_NOINTERFACE;
}

ULONG ReleaseNamed(NamedAccessible& self) {
    const LONG left = ::InterlockedDecrement(&self.references);
    if (left == 0) {
        for (IUnknown* standard : self.standard)
            if (standard) standard->Release();
        ::LocalFree(&self);
    }
    return static_cast<ULONG>(left);
}

template <int At>
HRESULT STDMETHODCALLTYPE QueryInterfaceAt(void* self, REFIID iid, void** object) {
    return QueryNamed(ObjectOf<At>(self), iid, object);
}
template <int At>
ULONG STDMETHODCALLTYPE AddRefAt(void* self) {
    return static_cast<ULONG>(::InterlockedIncrement(&ObjectOf<At>(self).references));
}
template <int At>
ULONG STDMETHODCALLTYPE ReleaseAt(void* self) {
    return ReleaseNamed(ObjectOf<At>(self));
}

HRESULT STDMETHODCALLTYPE Name(void* interfacePointer, VARIANT child, BSTR* name) {
    NamedAccessible& self = ObjectOf<AccessibleAt>(interfacePointer);
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF)
        return static_cast<IAccessible*>(self.standard[AccessibleAt])->get_accName(child, name);
    if (!name) return E_POINTER;
    *name = lazy::SysAllocString(self.name);
    return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT STDMETHODCALLTYPE QueryService(void* interfacePointer, REFGUID service, REFIID iid, void** object) {
    NamedAccessible& self = ObjectOf<ServicesAt>(interfacePointer);
    if (service != IsSystemStandIn)
        return static_cast<IServiceProvider*>(self.standard[ServicesAt])->QueryService(service, iid, object);
    if (object) *object = nullptr;
    return E_NOINTERFACE;
}

// Entries as constants, so that the tables are data the program starts with.
#define PLIVORA_FORWARDED(slot) static_cast<Slot>(ForwardingEntries + 16 * ((slot)-FirstForwardedSlot))
#define PLIVORA_UNKNOWN(at)                                                               \
    reinterpret_cast<Slot>(&QueryInterfaceAt<at>), reinterpret_cast<Slot>(&AddRefAt<at>), \
        reinterpret_cast<Slot>(&ReleaseAt<at>)

// IUnknown, IDispatch's four, then IAccessible's own from get_accParent; get_accName is slot 10.
const Slot AccessibleTable[28] = {
    PLIVORA_UNKNOWN(AccessibleAt), PLIVORA_FORWARDED(3),  PLIVORA_FORWARDED(4),  PLIVORA_FORWARDED(5),
    PLIVORA_FORWARDED(6),          PLIVORA_FORWARDED(7),  PLIVORA_FORWARDED(8),  PLIVORA_FORWARDED(9),
    reinterpret_cast<Slot>(&Name), PLIVORA_FORWARDED(11), PLIVORA_FORWARDED(12), PLIVORA_FORWARDED(13),
    PLIVORA_FORWARDED(14),         PLIVORA_FORWARDED(15), PLIVORA_FORWARDED(16), PLIVORA_FORWARDED(17),
    PLIVORA_FORWARDED(18),         PLIVORA_FORWARDED(19), PLIVORA_FORWARDED(20), PLIVORA_FORWARDED(21),
    PLIVORA_FORWARDED(22),         PLIVORA_FORWARDED(23), PLIVORA_FORWARDED(24), PLIVORA_FORWARDED(25),
    PLIVORA_FORWARDED(26),         PLIVORA_FORWARDED(27)};
const Slot WindowTable[5] = {PLIVORA_UNKNOWN(WindowAt), PLIVORA_FORWARDED(3), PLIVORA_FORWARDED(4)};
const Slot ChildrenTable[7] = {PLIVORA_UNKNOWN(ChildrenAt), PLIVORA_FORWARDED(3), PLIVORA_FORWARDED(4),
                               PLIVORA_FORWARDED(5), PLIVORA_FORWARDED(6)};
const Slot ServicesTable[4] = {PLIVORA_UNKNOWN(ServicesAt), reinterpret_cast<Slot>(&QueryService)};

#undef PLIVORA_FORWARDED
#undef PLIVORA_UNKNOWN

// Made before any code runs and ended with the program, on the thread that ends it: the
// window thread. No function's static: its guard would pull in the thread library.
class LastingComApartment {
public:
    constexpr LastingComApartment() = default;
    ~LastingComApartment() {
        if (entered_) lazy::CoUninitialize();
    }
    LastingComApartment(const LastingComApartment&) = delete;
    LastingComApartment& operator=(const LastingComApartment&) = delete;

    void Enter() {
        if (!entered_) entered_ = SUCCEEDED(lazy::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    }

private:
    bool entered_ = false;
};

LastingComApartment windowThreadApartment;

}  // namespace

void StayInComApartment() noexcept { windowThreadApartment.Enter(); }

LRESULT AnswerWithName(HWND window, WPARAM wParam, LPARAM lParam, int firstText, int secondText) noexcept {
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) || !firstText) return 0;
    StayInComApartment();
    ComPointer<IUnknown> standard;
    if (FAILED(lazy::CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                               reinterpret_cast<void**>(standard.Receive()))) ||
        !standard)
        return 0;
    auto* named = static_cast<NamedAccessible*>(::LocalAlloc(LPTR, sizeof(NamedAccessible)));
    if (!named) return 0;
    named->tables[AccessibleAt] = AccessibleTable;
    named->tables[WindowAt] = WindowTable;
    named->tables[ChildrenAt] = ChildrenTable;
    named->tables[ServicesAt] = ServicesTable;
    named->references = 1;
    // The last three answers name the other interfaces, in the object's order.
    for (int i = WindowAt; i <= ServicesAt; ++i)
        standard.Get()->QueryInterface(*Answers[i + 2].Id, reinterpret_cast<void**>(&named->standard[i]));
    named->standard[AccessibleAt] = standard.Release();
    // A name too long for the buffer is cut.
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    const int first = ::LoadStringW(module, static_cast<UINT>(firstText), named->name, NameLength);
    if (secondText && first > 0)
        ::LoadStringW(module, static_cast<UINT>(secondText), named->name + first, NameLength - first);
    const LRESULT result =
        lazy::LresultFromObject(__uuidof(IAccessible), wParam, reinterpret_cast<IUnknown*>(named));
    // The answer holds its own reference; a failed one is an error code below zero.
    ReleaseNamed(*named);
    return result < 0 ? 0 : result;
}

}  // namespace plivora
