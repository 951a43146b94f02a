// Sizes drawn at 96 DPI, as a display of another scale draws them.
#pragma once

namespace plivora {

constexpr int BaseDpi = 96;

// Rounded to the nearest pixel, halves up, as MulDiv rounds.
constexpr int ScaledForDpi(int pixelsAt96, int dpi) { return (pixelsAt96 * dpi * 2 + BaseDpi) / (BaseDpi * 2); }

// The system's large icon: 32 pixels at 96 DPI.
constexpr int LargeIconSize(int dpi) { return ScaledForDpi(32, dpi); }
constexpr int SmallIconSize(int dpi) { return ScaledForDpi(16, dpi); }
// The help buttons' book: 24 pixels at 96 DPI.
constexpr int HelpIconSize(int dpi) { return ScaledForDpi(24, dpi); }

}  // namespace plivora
