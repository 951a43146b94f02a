#include "control_test_support.h"

#include "test_resources.h"

namespace plivora::testing_support {

// --- Canvas ---

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = ::CreateCompatibleDC(nullptr);
    bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    previous_ = ::SelectObject(dc_, bitmap_);
    Fill(fill);
}

Canvas::~Canvas() {
    ::SelectObject(dc_, previous_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
}

void Canvas::Fill(COLORREF color) {
    ::GdiFlush();
    const std::uint32_t pixel = GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color);
    for (int i = 0; i < width_ * height_; ++i) bits_[i] = pixel;
}

COLORREF Canvas::Pixel(int x, int y) const {
    ::GdiFlush();
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const std::uint32_t pixel = bits_[y * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

bool Canvas::SameAs(const Canvas& other) const {
    if (width_ != other.width_ || height_ != other.height_) return false;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (Pixel(x, y) != other.Pixel(x, y)) return false;
    return true;
}

RECT Canvas::Box(const std::function<bool(COLORREF)>& test) const {
    RECT box{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (test(Pixel(x, y))) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    if (box.right == 0) return RECT{0, 0, 0, 0};
    return box;
}

int Canvas::Count(const std::function<bool(COLORREF)>& test) const {
    int count = 0;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (test(Pixel(x, y))) ++count;
    return count;
}

void Canvas::CopyFromWindow(HWND hwnd, int x, int y) {
    HDC window = ::GetDC(hwnd);
    ::BitBlt(dc_, 0, 0, width_, height_, window, x, y, SRCCOPY);
    ::ReleaseDC(hwnd, window);
    ::GdiFlush();
}

// --- SystemColours ---

namespace {
const int Overridden[] = {COLOR_BTNFACE, COLOR_BTNTEXT,    COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW,
                          COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_HIGHLIGHT,    COLOR_CAPTIONTEXT};
}

SystemColours::SystemColours() {
    for (int index : Overridden) saved_.emplace_back(index, ::GetSysColor(index));
    const COLORREF chosen[] = {Face, Text, Highlight, Shadow, Light, DarkShadow, Selection, CaptionText};
    ::SetSysColors(static_cast<int>(std::size(Overridden)), Overridden, chosen);
}

SystemColours::~SystemColours() {
    for (const auto& [index, color] : saved_) Set(index, color);
}

void SystemColours::Set(int index, COLORREF color) { ::SetSysColors(1, &index, &color); }

// --- ControlHost ---

ControlHost::ControlHost() : framework::CDialog(IDD_CONTROL_HOST) {
    Create();
    PumpWaitingMessages();
}

ControlHost::~ControlHost() {
    DestroyWindow();
    PumpWaitingMessages();
}

HWND ControlHost::Add(const char* className, const char* text, DWORD style, int id, RECT rect) {
    HWND control = ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                                     rect.right - rect.left, rect.bottom - rect.top, hwnd_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(control, WM_SETFONT, SendMessage(WM_GETFONT), FALSE);
    return control;
}

bool ControlHost::Activate() {
    ::SetForegroundWindow(hwnd_);
    ::SetActiveWindow(hwnd_);
    return WaitFor([this] { return ::GetActiveWindow() == hwnd_; });
}

bool ControlHost::WaitFor(const std::function<bool()>& condition) {
    return fakes::WaitFor(condition, std::chrono::seconds(20), [this] { PumpWaitingMessages(); });
}

bool ControlHost::HandleMessage(framework::Message& message) {
    const int code = HIWORD(message.wParam);
    if (message.id == WM_COMMAND && message.lParam &&
        (code == BN_CLICKED || code == BN_DOUBLECLICKED || code == EN_CHANGE))
        Notifications.emplace_back(LOWORD(message.wParam), HIWORD(message.wParam));
    return framework::CDialog::HandleMessage(message);
}

// --- HostedTest ---

ControlHost* HostedTest::host_ = nullptr;

void HostedTest::SetUpTestSuite() { host_ = new ControlHost; }

void HostedTest::TearDownTestSuite() {
    delete host_;
    host_ = nullptr;
}

HostedTest::~HostedTest() {
    while (HWND child = ::GetWindow(*host_, GW_CHILD)) ::DestroyWindow(child);
    host_->Notifications.clear();
    host_->PumpWaitingMessages();
}

// --- TestHoverButton ---

TestHoverButton::TestHoverButton(const HoverOptions& options) {
    Flat = options.flat;
    DrawEdges = options.drawEdges;
    FlatFocus = options.flatFocus;
    IconPlacement = options.iconPlacement;
    Locked = options.locked;
    Transparent = options.transparent;
    Cursor = options.cursor;
    HoldMenuId = options.holdMenuId;
    HoldSubMenu = options.holdSubMenu;
}

void TestHoverButton::DrawItem(const DRAWITEMSTRUCT& drawItemRecord) {
    ++DrawCount;
    CHoverButton::DrawItem(drawItemRecord);
}

bool TestHoverButton::HandleMessage(framework::Message& message) {
    if (message.id == WM_TIMER && message.wParam == HoldTimerId) ++TimerMessages;
    return CHoverButton::HandleMessage(message);
}

void DrawButton(CHoverButton& button, UINT itemState, Canvas& canvas) {
    DRAWITEMSTRUCT record{};
    record.CtlType = ODT_BUTTON;
    record.CtlID = static_cast<UINT>(::GetDlgCtrlID(button));
    record.itemAction = ODA_DRAWENTIRE;
    record.itemState = itemState;
    record.hwndItem = button;
    record.hDC = canvas.Dc();
    record.rcItem = {0, 0, canvas.Width(), canvas.Height()};
    button.DrawItem(record);
    ::GdiFlush();
}

}  // namespace plivora::testing_support
