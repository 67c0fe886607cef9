#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorvan {

// A run-time error as the classic BASIC runtime numbers them (6 overflow,
// 11 division by zero). The calculations throw it; each window procedure that
// the program traps catches it at its own boundary and hands it to the reporter.
class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(int number, const std::string &description) : std::runtime_error(description), m_number(number) {}
    int number() const noexcept { return m_number; }
    std::string description() const { return what(); }

    static RuntimeError overflow() { return {6, "Overflow"}; }
    static RuntimeError divisionByZero() { return {11, "Division by zero"}; }

private:
    int m_number;
};

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

// Single precision as the classic runtime narrows: beyond the float range is
// an overflow (RuntimeError 6), not infinity.
float toSingle(double value);

// x / y as the classic runtime divides: a division by zero is RuntimeError 11,
// except 0 / 0, which that runtime reports as an overflow (6). Callers that hold
// singles narrow the quotient with toSingle.
double quotient(double x, double y);

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

// Centring a window in twips, single precision, from its outer size.
struct WindowPosition
{
    float left;
    float top;
};
WindowPosition centredPosition(float screenWidth, float screenHeight, float windowWidth, float windowHeight);

} // namespace vorvan
