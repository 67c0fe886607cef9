#include "calc/xysim.h"

#include <cmath>

namespace vorvan {

namespace {
// Assigned as one character each: GCC's -Wrestrict misreads a literal
// assigned to a string once this is inlined at -O3.
void setSigns(XYBridges &b, char x, char y)
{
    b.XSign.assign(1, x);
    b.YSign.assign(1, y);
}
} // namespace

XYBridges xyBridges(int sliderValue)
{
    XYBridges b;
    b.LoadAngle = static_cast<float>(sliderValue);
    // Each test sees the angle the previous one left; a fold lands in 0..90,
    // so at most one of them applies.
    if (b.LoadAngle >= 0 && b.LoadAngle <= 90) {
        setSigns(b, '+', '+');
    }
    if (b.LoadAngle > 90 && b.LoadAngle <= 180) {
        b.LoadAngle = 180 - b.LoadAngle;
        setSigns(b, '-', '+');
    }
    if (b.LoadAngle > 180 && b.LoadAngle <= 270) {
        b.LoadAngle = b.LoadAngle - 180;
        setSigns(b, '-', '-');
    }
    if (b.LoadAngle > 270 && b.LoadAngle <= 360) {
        b.LoadAngle = 360 - b.LoadAngle;
        setSigns(b, '+', '-');
    }

    const bool onXAxis = b.LoadAngle == 0;
    if (onXAxis)
        b.LoadAngle = 1;

    const double radians = xysim::pi / 180 * static_cast<double>(b.LoadAngle);
    b.YOutput = toSingle(std::sin(radians) * 100);
    b.XOutput = toSingle(static_cast<double>(b.YOutput) / std::tan(radians));
    if (onXAxis)
        b.YOutput = 0;
    return b;
}

LoadLine loadLine(const std::string &XSign, float XOutput, const std::string &YSign, float YOutput)
{
    const auto x = static_cast<double>(XSign == "+" ? XOutput : -XOutput);
    const auto y = static_cast<double>(YSign == "+" ? YOutput : -YOutput);
    LoadLine l;
    l.X1 = toSingle(xysim::lineCentre - xysim::innerScale * x);
    l.Y1 = toSingle(xysim::lineCentre - xysim::innerScale * y);
    l.X2 = toSingle(xysim::lineCentre - xysim::outerScale * x);
    l.Y2 = toSingle(xysim::lineCentre - xysim::outerScale * y);
    return l;
}

std::string outputText(const std::string &sign, float output, const NumberFormat &format)
{
    std::string text = sign;
    text += ' ';
    text += fixedText(static_cast<double>(output), 1, format);
    return text;
}

} // namespace vorvan
