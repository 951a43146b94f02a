// The framework where Windows calls in: subclassing takes only what it may, and what a
// handler throws stops at the window procedure while the windows go on as they were.
#include <gtest/gtest.h>

#include <stdexcept>

#include "control_test_support.h"
#include "controls.h"

namespace plivora {
namespace {

using namespace testing_support;

// A button whose handler fails on one message of the test's choosing, and whose
// painting always fails.
class FailingButton : public framework::CButton {
public:
    UINT FailingMessage = 0;
    void DrawItem(const DRAWITEMSTRUCT&) override { throw std::runtime_error("paint failed"); }

protected:
    bool HandleMessage(framework::Message& message) override {
        if (message.id == FailingMessage) throw std::runtime_error("handler failed");
        return framework::CButton::HandleMessage(message);
    }
};

class WindowBordersTest : public HostedTest {
protected:
    HWND Make(FailingButton& button) {
        HWND hwnd = Host().Add("BUTTON", "Go", BS_OWNERDRAW, 900, {10, 10, 60, 30});
        EXPECT_TRUE(button.SubclassWindow(hwnd));
        return hwnd;
    }
};

TEST_F(WindowBordersTest, SubclassingAWindowOfAnotherProcessLeavesItAndTheObjectAlone) {
    framework::CWnd window;
    HWND desktop = ::GetDesktopWindow();
    EXPECT_FALSE(window.SubclassWindow(desktop));
    EXPECT_EQ(window.GetSafeHwnd(), nullptr);
    EXPECT_EQ(framework::CWnd::FromHandle(desktop), nullptr);
}

TEST_F(WindowBordersTest, AFailingHandlerLeavesTheMessageToTheControlsOwnProcessing) {
    FailingButton button;
    HWND hwnd = Make(button);
    button.FailingMessage = WM_GETTEXT;
    EXPECT_EQ(framework::WindowText(hwnd), "Go");
    EXPECT_TRUE(::IsWindowVisible(hwnd));
}

TEST_F(WindowBordersTest, AFailingPaintStopsAtTheDialogProcedure) {
    FailingButton button;
    HWND hwnd = Make(button);
    Canvas canvas(50, 20);
    DRAWITEMSTRUCT record{ODT_BUTTON, 900, 0, ODA_DRAWENTIRE, 0, hwnd, canvas.Dc(), {0, 0, 50, 20}, 0};
    // Unhandled: the dialog's own processing answers.
    EXPECT_EQ(::SendMessageA(Host(), WM_DRAWITEM, 900, reinterpret_cast<LPARAM>(&record)), 0);
    EXPECT_EQ(framework::CWnd::FromHandle(hwnd), &button);
    EXPECT_TRUE(::IsWindowVisible(Host()));
    EXPECT_TRUE(::IsWindowVisible(hwnd));
}

}  // namespace
}  // namespace plivora
