// Checks of painted pixels that name the first pixel that differs.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "control_test_support.h"

namespace plivora::testing_support {

inline std::string ColourText(COLORREF c) {
    char text[32];
    std::snprintf(text, sizeof text, "RGB(%d,%d,%d)", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

inline std::string RectText(const RECT& r) {
    char text[64];
    std::snprintf(text, sizeof text, "{%ld,%ld,%ld,%ld}", static_cast<long>(r.left), static_cast<long>(r.top),
                  static_cast<long>(r.right), static_cast<long>(r.bottom));
    return text;
}

// Every pixel of the rectangle (right and bottom exclusive) has the colour; pixels of the
// colour `drawnOver` (an icon painted later) are let through.
inline ::testing::AssertionResult AreaIs(const Canvas& canvas, RECT area, COLORREF color,
                                         COLORREF drawnOver = CLR_INVALID) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (canvas.Pixel(x, y) != color && canvas.Pixel(x, y) != drawnOver)
                return ::testing::AssertionFailure()
                       << "pixel (" << x << "," << y << ") is " << ColourText(canvas.Pixel(x, y))
                       << ", expected " << ColourText(color) << " throughout " << RectText(area);
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult PixelIs(const Canvas& canvas, int x, int y, COLORREF color) {
    return AreaIs(canvas, RECT{x, y, x + 1, y + 1}, color);
}

}  // namespace plivora::testing_support

// RECT lives in the global namespace, where comparisons and printing must be found.
inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline void PrintTo(const RECT& r, std::ostream* os) { *os << plivora::testing_support::RectText(r); }
