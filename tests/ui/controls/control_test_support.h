// Pictures in memory bitmaps, a host dialog for loose controls, fixed system colours and
// a hover button whose options a test chooses.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "dialog.h"
#include "hover_button.h"
#include "wait_for.h"

namespace plivora::testing_support {

// A 32-bit top-down bitmap selected into a memory device context.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = RGB(1, 2, 3));
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Fill(COLORREF color);
    COLORREF Pixel(int x, int y) const;
    bool SameAs(const Canvas& other) const;
    // The smallest rectangle around the pixels that satisfy the test; empty when none do.
    RECT Box(const std::function<bool(COLORREF)>& test) const;
    RECT BoxOf(COLORREF color) const {
        return Box([color](COLORREF c) { return c == color; });
    }
    int Count(const std::function<bool(COLORREF)>& test) const;
    // Copies what a window shows into the canvas, from its client area's top-left corner.
    void CopyFromWindow(HWND hwnd, int x = 0, int y = 0);

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

// Distinct system colours for the time of a test program, restored at its end.
class SystemColours {
public:
    static constexpr COLORREF Face = RGB(212, 206, 198);
    static constexpr COLORREF Text = RGB(10, 20, 30);
    static constexpr COLORREF Highlight = RGB(251, 249, 240);
    static constexpr COLORREF Shadow = RGB(121, 111, 101);
    static constexpr COLORREF Light = RGB(231, 226, 219);
    static constexpr COLORREF DarkShadow = RGB(41, 46, 51);
    static constexpr COLORREF Selection = RGB(22, 82, 201);
    static constexpr COLORREF CaptionText = RGB(255, 252, 61);

    SystemColours();
    ~SystemColours();
    SystemColours(const SystemColours&) = delete;
    SystemColours& operator=(const SystemColours&) = delete;

    // Sets one system colour, as the user's choice of a colour scheme would.
    static void Set(int index, COLORREF color);

private:
    std::vector<std::pair<int, COLORREF>> saved_;
};

// A dialog of the test resources on which tests create controls with exact pixel sizes.
class ControlHost : public framework::CDialog {
public:
    ControlHost();
    ~ControlHost() override;

    HWND Add(const char* className, const char* text, DWORD style, int id, RECT rect);
    // Makes the host the thread's active window, as a click on it would.
    bool Activate();
    // Waits, handling messages the dialog's own way, until the condition holds.
    bool WaitFor(const std::function<bool()>& condition);
    // Each BN_CLICKED, BN_DOUBLECLICKED and EN_CHANGE the controls sent, by id.
    std::vector<std::pair<int, int>> Notifications;

protected:
    bool HandleMessage(framework::Message& message) override;
};

// A test whose controls live on one host dialog shared by its whole suite: destroying a
// shown top-level window costs two seconds under Wine without a window manager.
class HostedTest : public ::testing::Test {
public:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

protected:
    // Destroys the test's controls once the test's own members are gone.
    ~HostedTest() override;
    static ControlHost& Host() { return *host_; }

private:
    static ControlHost* host_;
};

// The construction options of a test's hover button, chosen one by one:
// HoverOptions().Flat(0).FlatFocus(1).
struct HoverOptions {
    int flat = 1;
    int drawEdges = 1;
    int flatFocus = 0;
    int iconPlacement = 0;
    int locked = 0;
    int transparent = 0;
    HCURSOR cursor = nullptr;
    std::uint16_t holdMenuId = 0;
    int holdSubMenu = 0;

    HoverOptions& Flat(int value) { return flat = value, *this; }
    HoverOptions& DrawEdges(int value) { return drawEdges = value, *this; }
    HoverOptions& FlatFocus(int value) { return flatFocus = value, *this; }
    HoverOptions& IconPlacement(int value) { return iconPlacement = value, *this; }
    HoverOptions& Locked(int value) { return locked = value, *this; }
    HoverOptions& Transparent(int value) { return transparent = value, *this; }
    HoverOptions& Cursor(HCURSOR value) { return cursor = value, *this; }
    HoverOptions& HoldMenu(std::uint16_t id, int subMenu) {
        return holdMenuId = id, holdSubMenu = subMenu, *this;
    }
};

// A hover button built with chosen options, whose state a test may read.
class TestHoverButton : public CHoverButton {
public:
    explicit TestHoverButton(const HoverOptions& options = {});

    int IsHovering() const { return Hovering; }
    // Puts the button into the hover look without moving a mouse, for pictures.
    void ShowHovering(int hovering) { Hovering = hovering; }
    std::uint32_t PendingHoldTimer() const { return HoldTimer; }
    int RecordedIconWidth() const { return IconWidth; }
    int RecordedIconHeight() const { return IconHeight; }
    int IsHoverTracking() const { return HoverTracking; }
    HWND ToolTipWindow() const { return ToolTip.GetSafeHwnd(); }
    void UseOverBackColor(COLORREF color) { OverBackColor = color; }

    void DrawItem(const DRAWITEMSTRUCT& drawItemRecord) override;
    int DrawCount = 0;
    int TimerMessages = 0;

protected:
    bool HandleMessage(framework::Message& message) override;
};

// Paints a button through DrawItem into a canvas as large as its client area.
void DrawButton(CHoverButton& button, UINT itemState, Canvas& canvas);

using fakes::WaitFor;

}  // namespace plivora::testing_support
