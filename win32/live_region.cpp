#include "live_region.h"

#include "lazy_imports.h"

namespace plivora {

namespace {

// Local copies: the toolchain's headers name the interface's ids but its libraries lack them.
constexpr CLSID AccPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID AccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID LiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG Polite = 1;

}  // namespace

bool PoliteLiveRegion::Mark(HWND window) {
    if (services_) return true;
    StayInComApartment();
    ComPointer<IAccPropServices> services;
    if (FAILED(lazy::CoCreateInstance(AccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                                      AccPropServicesInterface,
                                      reinterpret_cast<void**>(services.Receive()))) ||
        !services)
        return false;
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = Polite;
    if (FAILED(services.Get()->SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                           LiveSettingProperty, polite)))
        return false;
    services_ = std::move(services);
    window_ = window;
    return true;
}

void PoliteLiveRegion::Clear() {
    if (!services_) return;
    services_.Get()->ClearHwndProps(window_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                    &LiveSettingProperty, 1);
    services_.Reset();
    window_ = nullptr;
}

void PoliteLiveRegion::Changed() const {
    if (services_) ::NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, window_, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace plivora
