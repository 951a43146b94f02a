#include "accessible_name.h"

#include <oleacc.h>

#include <new>

#include "com.h"
#include "lazy_imports.h"

namespace plivora {

namespace {

constexpr int NameLength = 80;

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The system's object for a control under another name. One identity for both of its
// interfaces, so that a client that asks the window of the object finds the same object.
class NamedAccessible final : public IAccessible, public IOleWindow {
public:
    NamedAccessible(ComPointer<IAccessible> standard, ComPointer<IOleWindow> window, const wchar_t* name)
        : standard_(std::move(standard)), window_(std::move(window)) {
        // A name too long for the buffer is cut.
        ::lstrcpynW(name_, name, NameLength);
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
        } else if (iid == __uuidof(IOleWindow) && window_) {
            *object = static_cast<IOleWindow*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // The name.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) return S()->get_accName(child, name);
        if (!name) return E_POINTER;
        *name = lazy::SysAllocString(name_);
        return *name ? S_OK : E_OUTOFMEMORY;
    }

    // Everything else, as the system's object answers it.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return S()->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return S()->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return S()->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* wrong) override {
        return S()->Invoke(id, iid, locale, flags, parameters, result, exception, wrong);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return S()->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return S()->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return S()->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return S()->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return S()->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return S()->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return S()->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return S()->get_accHelp(child, help); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return S()->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return S()->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return S()->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return S()->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return S()->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return S()->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return S()->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return S()->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return S()->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return S()->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return S()->put_accName(child, name); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return S()->put_accValue(child, value);
    }

    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override { return window_.Get()->GetWindow(window); }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override {
        return window_.Get()->ContextSensitiveHelp(enter);
    }

private:
    ~NamedAccessible() = default;
    IAccessible* S() const { return standard_.Get(); }

    ComPointer<IAccessible> standard_;
    ComPointer<IOleWindow> window_;
    LONG references_ = 1;
    wchar_t name_[NameLength] = {};
};

// Made before any code runs and ended with the program, on the thread that ends it: the
// window thread.
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

LRESULT AnswerWithName(HWND window, WPARAM wParam, LPARAM lParam, const wchar_t* name) noexcept {
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) || !name || !*name) return 0;
    StayInComApartment();
    ComPointer<IAccessible> standard;
    if (FAILED(lazy::CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                               reinterpret_cast<void**>(standard.Receive()))) ||
        !standard)
        return 0;
    ComPointer<IOleWindow> ownWindow;
    standard.Get()->QueryInterface(__uuidof(IOleWindow), reinterpret_cast<void**>(ownWindow.Receive()));
    auto* named = new (std::nothrow) NamedAccessible(std::move(standard), std::move(ownWindow), name);
    if (!named) return 0;
    const LRESULT result = lazy::LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(named));
    // The answer holds its own reference; a failed one is an error code below zero.
    named->Release();
    return result < 0 ? 0 : result;
}

}  // namespace plivora
