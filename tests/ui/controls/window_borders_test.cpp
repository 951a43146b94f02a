// The framework where Windows calls in: subclassing takes only what it may and gives it
// back, what a handler throws stops at the window procedure while the windows go on as
// they were, and an exchange leaves a box that already shows its value alone.
#include <gtest/gtest.h>

#include <stdexcept>

#include "control_test_support.h"
#include "controls.h"
#include "data_exchange.h"

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

TEST_F(WindowBordersTest, AControlThatOutlivesItsObjectAnswersAsItsOwnClass) {
    HWND hwnd = Host().Add("BUTTON", "Go", BS_PUSHBUTTON, 901, {10, 40, 60, 60});
    const LONG_PTR ownProcedure = ::GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    {
        framework::CButton button;
        ASSERT_TRUE(button.SubclassWindow(hwnd));
        ASSERT_NE(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC), ownProcedure);
    }
    EXPECT_EQ(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC), ownProcedure);
    EXPECT_EQ(framework::CWnd::FromHandle(hwnd), nullptr);
    ::SendMessageA(hwnd, BM_CLICK, 0, 0);
    Host().PumpWaitingMessages();
    EXPECT_EQ(Host().Notifications, (std::vector<std::pair<int, int>>{{901, BN_CLICKED}})) << "still clicks";
}

TEST_F(WindowBordersTest, WritingTheTextABoxShowsKeepsCaretSelectionAndUndoAndRaisesNoChange) {
    const int id = 902;
    HWND box = Host().Add("EDIT", "", ES_AUTOHSCROLL, id, {10, 70, 200, 90});
    for (char typed : std::string("iexplore.exe -k")) ::SendMessageA(box, WM_CHAR, typed, 1);
    ::SendMessageA(box, EM_SETSEL, 2, 5);
    Host().PumpWaitingMessages();
    Host().Notifications.clear();
    framework::CDataExchange refresh(Host(), false);
    std::string value = "iexplore.exe -k";
    framework::DDX_Text(refresh, id, value);
    Host().PumpWaitingMessages();
    EXPECT_EQ(::SendMessageA(box, EM_GETSEL, 0, 0), MAKELRESULT(2, 5)) << "caret and selection kept";
    EXPECT_TRUE(::SendMessageA(box, EM_CANUNDO, 0, 0)) << "typing can still be undone";
    EXPECT_TRUE(Host().Notifications.empty());

    value = "netscape.exe";
    framework::DDX_Text(refresh, id, value);
    Host().PumpWaitingMessages();
    EXPECT_EQ(framework::WindowText(box), value);
    EXPECT_EQ(Host().Notifications, (std::vector<std::pair<int, int>>{{id, EN_CHANGE}}));
}

}  // namespace
}  // namespace plivora
