// Many paints and hovers of the form's self-painted parts, with a ledger of every handle
// the program's own code makes and releases. The ledger counts each call exactly, so a
// leak shows after a few rounds; `make soak` runs the long count.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "control_ids.h"
#include "form_test_support.h"
#include "gdi_probe.h"

namespace plivora {
namespace {

using fakes::FakePickers;
using fakes::FormDriver;

long Milliseconds(std::chrono::steady_clock::time_point from, std::chrono::steady_clock::time_point to) {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count());
}

// A round count from the environment, else the short default.
int Rounds(const char* variable, int fallback) {
    const char* text = std::getenv(variable);
    const int value = text ? std::atoi(text) : 0;
    return value > 0 ? value : fallback;
}

TEST(FormSoakTest, RepeatedPaintsAndHoversLeakNoHandles) {
    FakePickers pickers;
    FormDriver form(pickers);
    ::SetForegroundWindow(form.Window());
    ASSERT_TRUE(fakes::WaitFor([&] { return ::GetActiveWindow() == form.Window(); }));

    // Every part of the form that paints itself: the help buttons, the etched labels and
    // the guidance band.
    std::vector<HWND> controls;
    for (int id : fakes::HelpButtons) controls.push_back(form.Item(id));
    for (int id : {IDC_PARAMETERS_LABEL, IDC_SWITCHES_LABEL, IDC_DIVIDER}) controls.push_back(form.Item(id));
    const RECT band = form.Form().BandRect();
    const auto paintAll = [&] {
        for (HWND control : controls)
            ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        ::RedrawWindow(form.Window(), &band, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    };
    // Tooltips, first paints and lazily made objects exist before counting starts.
    paintAll();
    form.Pump();

    probe::GdiProbe probe;
    ASSERT_TRUE(probe.Complete()) << probe.Missing().front();

    const int paints = Rounds("PLIVORA_SOAK_PAINTS", 200), hovers = Rounds("PLIVORA_SOAK_HOVERS", 50);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < paints; ++i) paintAll();
    const auto painted = std::chrono::steady_clock::now();
    const std::size_t paintBlits = probe.Blits().size();
    probe.ClearCalls();

    int missedHovers = 0;
    std::size_t hoverBlits = 0;
    for (int id : fakes::HelpButtons) {
        HWND button = form.Item(id);
        for (int i = 0; i < hovers; ++i) {
            ::SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
            missedHovers += ::GetCapture() != button;
            ::UpdateWindow(button);
            ::SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(-40, -40));
            missedHovers += ::GetCapture() != nullptr;
            ::UpdateWindow(button);
        }
        hoverBlits += probe.Blits().size();
        probe.ClearCalls();
    }
    const auto hovered = std::chrono::steady_clock::now();
    form.Pump();

    std::printf(
        "[ figures  ] %d paints of 10 help buttons, 3 labels and the band in %ld ms; "
        "%d hovers per help button in %ld ms\n",
        paints, Milliseconds(start, painted), hovers, Milliseconds(painted, hovered));
    std::printf("[ figures  ] ledger: %ld handles made, %ld released, %zu kinds still held; %zu BitBlts\n",
                probe.Made(), probe.Released(), probe.Live().size(), paintBlits);

    for (const auto& [kind, count] : probe.MadeByKind())
        std::printf("[ figures  ]   %-10s %ld\n", kind.c_str(), count);

    EXPECT_EQ(missedHovers, 0);
    EXPECT_EQ(hoverBlits, static_cast<std::size_t>(hovers) * 10 * 2) << "a paint for each entry and exit";
    EXPECT_EQ(paintBlits, static_cast<std::size_t>(paints) * 10) << "one BitBlt per help button paint";
    // A button paint makes a buffer context, its bitmap and a brush; labels and band a paint each.
    EXPECT_GE(probe.Made(), static_cast<long>(paints) * (10 * 3 + 4));
    EXPECT_EQ(probe.Live(), (std::map<std::string, long>{}));
    EXPECT_EQ(probe.Made(), probe.Released());
    EXPECT_EQ(probe.ReleasedUnseen(), 0);
}

}  // namespace
}  // namespace plivora
