// The hover button's messages: hover tracking with the mouse capture, presses, the hold
// timer and its menu, colours, cursor and tooltip.
#include <gtest/gtest.h>
#include <windows.h>
// Needs the Windows types above.
#include <commctrl.h>

#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "control_test_support.h"
#include "gdi_probe.h"
#include "pixel_expectations.h"
#include "test_resources.h"

namespace plivora {
namespace {

using namespace testing_support;
using C = SystemColours;

const COLORREF Red = RGB(255, 0, 0);

class HoverButtonBehaviourTest : public HostedTest {
protected:
    static constexpr int W = 30;
    static constexpr int H = 28;
    static constexpr int Id = 600;

    void SetUp() override { ASSERT_TRUE(Host().Activate()); }

    TestHoverButton& Make(const HoverOptions& options = HoverOptions(), int normalIcon = IDI_TEST_NORMAL) {
        const int index = static_cast<int>(buttons_.size());
        const int left = 40 + 40 * index;
        HWND hwnd =
            Host().Add("BUTTON", "", BS_PUSHBUTTON | WS_TABSTOP, Id + index, {left, 40, left + W, 40 + H});
        buttons_.push_back(std::make_unique<TestHoverButton>(options));
        TestHoverButton& button = *buttons_.back();
        EXPECT_TRUE(button.SubclassWindow(hwnd));
        button.SetIcons(IDI_TEST_OVER, normalIcon);
        return button;
    }

    static LRESULT Send(HWND hwnd, UINT message, WPARAM keys = 0, int x = 5, int y = 5) {
        return ::SendMessageA(hwnd, message, keys, MAKELPARAM(x, y));
    }
    // A move whose point lies over the host, outside the button.
    static void MoveAway(HWND hwnd, WPARAM keys = 0) { Send(hwnd, WM_MOUSEMOVE, keys, -15, -15); }

    static bool Pushed(HWND hwnd) { return (::SendMessageA(hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }
    // True when the hold timer was still running; stops it.
    static bool HoldTimerRunning(HWND hwnd) { return ::KillTimer(hwnd, CHoverButton::HoldTimerId) != FALSE; }

    int Count(int id, int code) const {
        int n = 0;
        for (const auto& [from, what] : Host().Notifications) n += from == id && what == code;
        return n;
    }

    std::vector<std::unique_ptr<TestHoverButton>> buttons_;
};

TEST_F(HoverButtonBehaviourTest, HoverTakesTheCaptureAndLeavingReleasesIt) {
    TestHoverButton& button = Make();
    Send(button, WM_MOUSEMOVE);
    EXPECT_EQ(button.IsHovering(), 1);
    EXPECT_EQ(::GetCapture(), button.GetSafeHwnd());
    ASSERT_TRUE(
        Host().WaitFor([&] { return button.DrawCount > 0 && !::GetUpdateRect(button, nullptr, FALSE); }));
    Canvas shown(W, H);
    shown.CopyFromWindow(button);
    EXPECT_TRUE(PixelIs(shown, 0, 0, C::Highlight)) << "the raised edge reaches the screen";
    EXPECT_EQ(shown.BoxOf(Red), (RECT{3, 2, 27, 26}));

    // Moves inside change nothing.
    const int paints = button.DrawCount;
    Send(button, WM_MOUSEMOVE, 0, 20, 20);
    EXPECT_EQ(button.IsHovering(), 1);
    EXPECT_EQ(::GetCapture(), button.GetSafeHwnd());
    EXPECT_FALSE(::GetUpdateRect(button, nullptr, FALSE));

    MoveAway(button);
    EXPECT_EQ(button.IsHovering(), 0);
    EXPECT_EQ(::GetCapture(), nullptr);
    ASSERT_TRUE(Host().WaitFor([&] { return button.DrawCount > paints; }));
}

TEST_F(HoverButtonBehaviourTest, LeavingWithTheLeftButtonDownKeepsTheCapture) {
    TestHoverButton& button = Make();
    Send(button, WM_MOUSEMOVE);
    MoveAway(button, MK_LBUTTON);
    EXPECT_EQ(button.IsHovering(), 0);
    EXPECT_EQ(::GetCapture(), button.GetSafeHwnd());
    MoveAway(button);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(HoverButtonBehaviourTest, DraggingInDoesNotHover) {
    TestHoverButton& button = Make();
    Send(button, WM_MOUSEMOVE, MK_LBUTTON);
    EXPECT_EQ(button.IsHovering(), 0);
    EXPECT_NE(::GetCapture(), button.GetSafeHwnd());
}

TEST_F(HoverButtonBehaviourTest, WithoutANormalIconOrInTheThreeDLookHoverNeverStarts) {
    for (TestHoverButton* button : {&Make(HoverOptions(), 0), &Make(HoverOptions().Flat(0))}) {
        Send(*button, WM_MOUSEMOVE);
        EXPECT_EQ(button->IsHovering(), 0);
        EXPECT_EQ(::GetCapture(), nullptr);
    }
}

TEST_F(HoverButtonBehaviourTest, ABackgroundApplicationDoesNotHover) {
    TestHoverButton& button = Make();
    // Another thread's window comes to the front: no window of this thread is active.
    std::atomic<bool> done{false};
    std::atomic<HWND> front{nullptr};
    std::thread other([&] {
        HWND window = ::CreateWindowExA(0, "STATIC", "front", WS_POPUP | WS_VISIBLE, 600, 600, 80, 40,
                                        nullptr, nullptr, nullptr, nullptr);
        ::SetForegroundWindow(window);
        front = window;
        WaitFor([&] { return done.load(); });
        ::DestroyWindow(window);
    });
    const bool inactive = Host().WaitFor([&] { return front.load() && ::GetActiveWindow() == nullptr; });
    if (inactive) {
        Send(button, WM_MOUSEMOVE);
        EXPECT_EQ(button.IsHovering(), 0);
        EXPECT_EQ(::GetCapture(), nullptr);
    }
    done = true;
    other.join();
    ASSERT_TRUE(inactive) << "the host stayed active";

    ASSERT_TRUE(Host().Activate());
    Send(button, WM_MOUSEMOVE);
    EXPECT_EQ(button.IsHovering(), 1) << "hovering works again once the application is active";
}

TEST_F(HoverButtonBehaviourTest, FocusLossEndsTheHoverLookButKeepsTheCapture) {
    TestHoverButton& button = Make();
    ::SetFocus(button);
    Send(button, WM_MOUSEMOVE);
    ::SetFocus(Host());
    EXPECT_EQ(button.IsHovering(), 0);
    EXPECT_EQ(::GetCapture(), button.GetSafeHwnd());
    Send(button, WM_MOUSEMOVE, 0, 10, 10);
    EXPECT_EQ(button.IsHovering(), 0) << "a move inside does not bring the look back";
    MoveAway(button);
    EXPECT_EQ(::GetCapture(), nullptr);
    Send(button, WM_MOUSEMOVE);
    EXPECT_EQ(button.IsHovering(), 1);
}

TEST_F(HoverButtonBehaviourTest, ACaptureTakenByAnotherWindowStaysWithIt) {
    TestHoverButton& button = Make();
    HWND other = Host().Add("STATIC", "", SS_BLACKRECT, 650, {200, 100, 220, 120});
    Send(button, WM_MOUSEMOVE);
    ::SetCapture(other);
    EXPECT_EQ(::GetCapture(), other) << "the button must not release another window's capture";
    EXPECT_EQ(button.IsHovering(), 1) << "the hover look remains";
    ::ReleaseCapture();
    Send(button, WM_MOUSEMOVE);
    EXPECT_EQ(::GetCapture(), button.GetSafeHwnd()) << "the next move takes it again";
}

TEST_F(HoverButtonBehaviourTest, AClickWhileHoveringNotifiesAndTheNextMoveRecapturesTheMouse) {
    TestHoverButton& button = Make();
    const int id = ::GetDlgCtrlID(button);
    Send(button, WM_MOUSEMOVE);
    Send(button, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_TRUE(Pushed(button));
    EXPECT_EQ(::GetCapture(), button.GetSafeHwnd()) << "the press keeps the capture";
    Send(button, WM_LBUTTONUP);
    EXPECT_EQ(Count(id, BN_CLICKED), 1);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(button.IsHovering(), 1);
    Send(button, WM_MOUSEMOVE);
    EXPECT_EQ(::GetCapture(), button.GetSafeHwnd());
}

TEST_F(HoverButtonBehaviourTest, TheSecondPressOfADoubleClickIsSwallowed) {
    TestHoverButton& button = Make();
    const int id = ::GetDlgCtrlID(button);
    Send(button, WM_LBUTTONDOWN, MK_LBUTTON);
    Send(button, WM_LBUTTONUP);
    Send(button, WM_LBUTTONDBLCLK, MK_LBUTTON);
    EXPECT_FALSE(Pushed(button));
    EXPECT_NE(::GetCapture(), button.GetSafeHwnd());
    EXPECT_FALSE(HoldTimerRunning(button)) << "no timer from the second press";
    Send(button, WM_LBUTTONUP);
    EXPECT_EQ(Count(id, BN_CLICKED), 1);
    EXPECT_EQ(Count(id, BN_DOUBLECLICKED), 0);
}

TEST_F(HoverButtonBehaviourTest, HoldTimerStartsOnPressStopsOnReleaseAndFiresAtMostOnce) {
    TestHoverButton& button = Make();
    const int id = ::GetDlgCtrlID(button);

    // A short press: the release kills the timer.
    Send(button, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(button.PendingHoldTimer(), CHoverButton::HoldTimerId);
    Send(button, WM_LBUTTONUP);
    EXPECT_FALSE(HoldTimerRunning(button));
    EXPECT_EQ(Count(id, BN_CLICKED), 1);

    // A long press without a menu: the timer stops itself, and the release still clicks.
    Send(button, WM_LBUTTONDOWN, MK_LBUTTON);
    ASSERT_TRUE(Host().WaitFor([&] { return button.PendingHoldTimer() == 0; }));
    EXPECT_EQ(button.TimerMessages, 1);
    EXPECT_FALSE(HoldTimerRunning(button)) << "it cannot fire again";
    EXPECT_TRUE(Pushed(button));
    Send(button, WM_LBUTTONUP);
    EXPECT_EQ(Count(id, BN_CLICKED), 2);

    // Timer messages of other ids are ignored.
    Send(button, WM_LBUTTONDOWN, MK_LBUTTON);
    ::SendMessageA(button, WM_TIMER, 77, 0);
    EXPECT_EQ(button.PendingHoldTimer(), CHoverButton::HoldTimerId);
    Send(button, WM_LBUTTONUP);
}

// Closes whatever popup menu the thread shows, noting where it appeared.
struct MenuWatcher {
    static MenuWatcher* current;
    HWND button = nullptr;
    bool seen = false;
    RECT menuRect{};
    bool holdTimerRunning = true;
    UINT_PTR timer = 0;

    explicit MenuWatcher(HWND watched) : button(watched) {
        current = this;
        timer = ::SetTimer(nullptr, 0, 20, &MenuWatcher::Tick);
    }
    ~MenuWatcher() {
        ::KillTimer(nullptr, timer);
        current = nullptr;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND menu = ::FindWindowA("#32768", nullptr);
        if (!current || !menu || !::IsWindowVisible(menu)) return;
        current->seen = true;
        ::GetWindowRect(menu, &current->menuRect);
        current->holdTimerRunning = ::KillTimer(current->button, CHoverButton::HoldTimerId) != FALSE;
        ::EndMenu();
    }
};
MenuWatcher* MenuWatcher::current = nullptr;

TEST_F(HoverButtonBehaviourTest, HoldMenuOpensBelowTheLowerLeftCornerWithTheTimerStopped) {
    TestHoverButton& button = Make(HoverOptions().HoldMenu(IDM_TEST_HOLD, 0));
    MenuWatcher watcher(button);
    Send(button, WM_LBUTTONDOWN, MK_LBUTTON);
    ASSERT_TRUE(Host().WaitFor([&] { return watcher.seen && button.PendingHoldTimer() == 0; }));
    RECT window{};
    ::GetWindowRect(button, &window);
    EXPECT_EQ(watcher.menuRect.left, window.left);
    EXPECT_EQ(watcher.menuRect.top, window.bottom);
    EXPECT_FALSE(watcher.holdTimerRunning) << "stopped before the menu's own loop could deliver it again";
    EXPECT_EQ(button.TimerMessages, 1);
    Send(button, WM_LBUTTONUP);
}

TEST_F(HoverButtonBehaviourTest, HoldMenuThatCannotBeLoadedShowsNothingAndStopsTheTimer) {
    TestHoverButton& noMenu = Make(HoverOptions().HoldMenu(IDI_TEST_MISSING, 0));
    TestHoverButton& noSubMenu = Make(HoverOptions().HoldMenu(IDM_TEST_HOLD, 3));
    for (TestHoverButton* button : {&noMenu, &noSubMenu}) {
        MenuWatcher watcher(*button);
        Send(*button, WM_LBUTTONDOWN, MK_LBUTTON);
        ASSERT_TRUE(Host().WaitFor([&] { return button->PendingHoldTimer() == 0; }));
        EXPECT_FALSE(watcher.seen);
        EXPECT_FALSE(HoldTimerRunning(*button));
        Send(*button, WM_LBUTTONUP);
    }
}

TEST_F(HoverButtonBehaviourTest, ATimerMessageWithoutAPendingHoldOpensNoMenu) {
    TestHoverButton& button = Make(HoverOptions().HoldMenu(IDM_TEST_HOLD, 0));
    MenuWatcher watcher(button);
    ASSERT_EQ(button.PendingHoldTimer(), 0u);
    // The id equals the idle HoldTimer of 0; a menu would block here until the watcher closed it.
    ::SendMessageA(button, WM_TIMER, 0, 0);
    EXPECT_FALSE(watcher.seen);
}

TEST_F(HoverButtonBehaviourTest, LockedIgnoresPressesAndEnabling) {
    TestHoverButton& button = Make(HoverOptions().Locked(1));
    const int id = ::GetDlgCtrlID(button);
    Send(button, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_FALSE(Pushed(button));
    EXPECT_NE(::GetCapture(), button.GetSafeHwnd());
    EXPECT_EQ(button.PendingHoldTimer(), 0u);
    Send(button, WM_LBUTTONUP);
    EXPECT_EQ(Count(id, BN_CLICKED), 0);

    // The control's own WM_ENABLE repaints; a locked button skips it only when enabled.
    ASSERT_TRUE(Host().WaitFor([&] { return !::GetUpdateRect(button, nullptr, FALSE); }));
    int paints = button.DrawCount;
    ::SendMessageA(button, WM_ENABLE, TRUE, 0);
    Host().PumpWaitingMessages();
    EXPECT_EQ(button.DrawCount, paints);
    ::SendMessageA(button, WM_ENABLE, FALSE, 0);
    EXPECT_TRUE(Host().WaitFor([&] { return button.DrawCount > paints; }));

    TestHoverButton& unlocked = Make();
    ASSERT_TRUE(Host().WaitFor([&] { return !::GetUpdateRect(unlocked, nullptr, FALSE); }));
    paints = unlocked.DrawCount;
    ::SendMessageA(unlocked, WM_ENABLE, TRUE, 0);
    EXPECT_TRUE(Host().WaitFor([&] { return unlocked.DrawCount > paints; }));
}

TEST_F(HoverButtonBehaviourTest, CursorIsSetOnlyWhenOneWasGiven) {
    HCURSOR hand = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));
    ASSERT_NE(hand, nullptr);
    TestHoverButton& withCursor = Make(HoverOptions().Cursor(hand));
    ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
    EXPECT_EQ(::SendMessageA(withCursor, WM_SETCURSOR, reinterpret_cast<WPARAM>(withCursor.GetSafeHwnd()),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
    EXPECT_EQ(::GetCursor(), hand);

    TestHoverButton& plain = Make();
    ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
    ::SendMessageA(plain, WM_SETCURSOR, reinterpret_cast<WPARAM>(plain.GetSafeHwnd()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(::GetCursor(), hand);
}

TEST_F(HoverButtonBehaviourTest, ColoursFollowSystemColourChangesAndResets) {
    TestHoverButton& button = Make();
    EXPECT_EQ(button.GetNormalBackColor(), C::Face);
    EXPECT_EQ(button.GetOverBackColor(), C::Face);

    const COLORREF newFace = RGB(180, 200, 220), newHighlight = RGB(240, 255, 230);
    SystemColours::Set(COLOR_BTNHIGHLIGHT, newHighlight);
    SystemColours::Set(COLOR_BTNFACE, newFace);
    // The host hears of it as a top-level window and passes it on to its controls.
    EXPECT_TRUE(Host().WaitFor([&] { return button.GetNormalBackColor() == newFace; }));
    EXPECT_EQ(button.GetOverBackColor(), newFace);
    button.ShowHovering(1);
    Canvas picture(W, H);
    DrawButton(button, 0, picture);
    EXPECT_TRUE(PixelIs(picture, 0, 0, newHighlight)) << "edges use the new colours";
    EXPECT_TRUE(PixelIs(picture, 1, 1, newFace));

    // Resetting takes the current colour; only a repaint of 1 invalidates.
    ASSERT_TRUE(Host().WaitFor([&] { return !::GetUpdateRect(button, nullptr, FALSE); }));
    button.UseOverBackColor(RGB(1, 2, 3));
    button.ResetOverBackColor(2);
    EXPECT_EQ(button.GetOverBackColor(), newFace);
    EXPECT_FALSE(::GetUpdateRect(button, nullptr, FALSE));
    button.ResetOverBackColor(1);
    EXPECT_TRUE(::GetUpdateRect(button, nullptr, FALSE));
    SystemColours::Set(COLOR_BTNHIGHLIGHT, C::Highlight);
    SystemColours::Set(COLOR_BTNFACE, C::Face);
}

TEST_F(HoverButtonBehaviourTest, SetIconsReplacesItsIconsAndTheButtonReleasesThemWithoutLeaks) {
    HWND hwnd = Host().Add("BUTTON", "", BS_PUSHBUTTON, 695, {10, 10, 40, 38});
    probe::GdiProbe probe;
    ASSERT_TRUE(probe.Complete()) << probe.Missing().front();
    {
        TestHoverButton button;
        ASSERT_TRUE(button.SubclassWindow(hwnd));
        for (int i = 0; i < 50; ++i) button.SetIcons(IDI_TEST_OVER, i % 2 ? 0 : IDI_TEST_NORMAL);
        EXPECT_EQ(probe.Live()["icon"], 1) << "only the last call's icon is held";
        button.SetIcons(IDI_TEST_OVER, IDI_TEST_NORMAL);
        EXPECT_EQ(probe.Live()["icon"], 2);
        EXPECT_EQ(probe.Live().count("bitmap"), 0u) << "the icon query's bitmaps are deleted at once";
    }
    EXPECT_EQ(probe.Live(), (std::map<std::string, long>{}));
    EXPECT_EQ(probe.ReleasedUnseen(), 0);
}

TEST_F(HoverButtonBehaviourTest, TooltipIsCreatedInactiveOnTheFirstQueuedMessageAndDestroyedWithTheButton) {
    auto button = std::make_unique<TestHoverButton>();
    HWND hwnd = Host().Add("BUTTON", "", BS_PUSHBUTTON, 690, {10, 10, 40, 38});
    ASSERT_TRUE(button->SubclassWindow(hwnd));
    EXPECT_EQ(button->ToolTipWindow(), nullptr);
    ::PostMessageA(hwnd, WM_NULL, 0, 0);
    ASSERT_TRUE(Host().WaitFor([&] { return button->ToolTipWindow() != nullptr; }));
    HWND tip = button->ToolTipWindow();
    char className[64] = {};
    ::GetClassNameA(tip, className, sizeof className);
    EXPECT_STREQ(className, "tooltips_class32");
    EXPECT_FALSE(::IsWindowVisible(tip));
    EXPECT_EQ(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
    button.reset();
    EXPECT_FALSE(::IsWindow(tip));
    EXPECT_TRUE(::IsWindow(hwnd)) << "the control itself stays";
}

}  // namespace
}  // namespace plivora
