// How well one colour reads against another: the ratio of their relative luminances
// (WCAG 2), from 1:1 for the same colour to 21:1 for black on white.
#pragma once

#include <cstdint>

namespace plivora {

struct Rgb {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
};

double RelativeLuminance(Rgb colour);
double ContrastRatio(Rgb a, Rgb b);

// What body text needs to be read by most people with low vision.
constexpr double ReadableContrast = 4.5;

}  // namespace plivora
