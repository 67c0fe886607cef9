#pragma once

#include "calc/numbers.h"

#include <string>
#include <string_view>

namespace vorvan {

// Signal loss of a single-axis pin loaded at an angle to its measuring
// direction: the pin sees only the cosine component of the load.
namespace sigloss {
// Degrees to radians with this value of pi, as the calculator has always used it.
inline constexpr double pi = 3.14159268;
// Angles above this (90.00021 degrees with the pi above) are held at it.
inline constexpr double angleLimit = 1.5708;
// What the angle box is rewritten to when the limit applies.
inline constexpr const char *limitText = "90";
inline constexpr double fullScale = 100;
} // namespace sigloss

struct SignalLoss
{
    double angle;        // radians, after the limit
    bool limited;        // the typed angle was above the limit: the box must read limitText
    double loss;         // percent
    std::string caption; // "Signal Loss = 13.40 %"
};

// From the typed angle in degrees (leading-number conversion). Only the upper
// limit exists: a negative angle is taken as it is, so -120 loses 150 %.
// Throws RuntimeError 6 when the text holds a number beyond the double range.
SignalLoss computeSignalLoss(std::string_view text, const NumberFormat &format = {});

} // namespace vorvan
