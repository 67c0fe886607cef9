#pragma once

#include "calc/runtime.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vorvan {

// How a number text is written: the caller passes the user's regional
// characters (UTF-8); the defaults are English.
struct NumberFormat
{
    std::string decimalPoint = ".";
    std::string groupSeparator = ",";
    std::string minusSign = "-";
    bool grouping = true;
};

// The leading-number conversion of every typed number: blanks, tabs and line
// feeds are skipped anywhere; then a sign, digits with at most one "." and an
// exponent (E or D), or an &H / &O integer. Reading stops at the first character
// that cannot continue the number; no number gives 0. Beyond the double range
// it throws RuntimeError 6.
double readLeadingNumber(std::string_view text);

// value with exactly `decimals` decimals, exact halves away from zero, grouped.
// A value that rounds to zero has no minus sign.
std::string fixedText(double value, int decimals, const NumberFormat &format = {});

// The shortest text that reads back as the same single, at most seven
// significant digits, no grouping, no trailing zeros ("100", "12.5", "1E+10").
// Always written with ".", so that the leading-number conversion reads it back.
std::string generalText(float value);

// Decimal digits with a leading "-" when negative, no grouping.
std::string integerText(long long value);

// Nearest 16-bit integer, exact halves to the even one (34.5 -> 34, 35.5 -> 36).
std::int16_t roundToSliderPosition(double value);

} // namespace vorvan
