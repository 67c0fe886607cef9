#include "calc/xysim.h"

#include <cmath>

namespace vorvan {

XYBridges xyBridges(int sliderValue)
{
    XYBridges b;
    b.LoadAngle = static_cast<float>(sliderValue);
    // Each test sees the angle the previous one left; a fold lands in 0..90,
    // so at most one of them applies.
    if (b.LoadAngle >= 0 && b.LoadAngle <= 90) {
        b.XSign = "+";
        b.YSign = "+";
    }
    if (b.LoadAngle > 90 && b.LoadAngle <= 180) {
        b.LoadAngle = 180 - b.LoadAngle;
        b.XSign = "-";
        b.YSign = "+";
    }
    if (b.LoadAngle > 180 && b.LoadAngle <= 270) {
        b.LoadAngle = b.LoadAngle - 180;
        b.XSign = "-";
        b.YSign = "-";
    }
    if (b.LoadAngle > 270 && b.LoadAngle <= 360) {
        b.LoadAngle = 360 - b.LoadAngle;
        b.XSign = "+";
        b.YSign = "-";
    }

    const bool onXAxis = b.LoadAngle == 0;
    if (onXAxis)
        b.LoadAngle = 1;

    const double radians = xysim::pi / 180 * b.LoadAngle;
    b.YOutput = toSingle(std::sin(radians) * 100);
    b.XOutput = toSingle(b.YOutput / std::tan(radians));
    if (onXAxis)
        b.YOutput = 0;
    return b;
}

LoadLine loadLine(const std::string &XSign, float XOutput, const std::string &YSign, float YOutput)
{
    const double x = XSign == "+" ? XOutput : -XOutput;
    const double y = YSign == "+" ? YOutput : -YOutput;
    LoadLine l;
    l.X1 = toSingle(xysim::lineCentre - xysim::innerScale * x);
    l.Y1 = toSingle(xysim::lineCentre - xysim::innerScale * y);
    l.X2 = toSingle(xysim::lineCentre - xysim::outerScale * x);
    l.Y2 = toSingle(xysim::lineCentre - xysim::outerScale * y);
    return l;
}

std::string outputText(const std::string &sign, float output, const NumberFormat &format)
{
    return sign + " " + fixedText(output, 1, format);
}

} // namespace vorvan
