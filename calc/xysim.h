#pragma once

#include "calc/numbers.h"

#include <string>

namespace vorvan {

// The X and Y bridges of a pin gauged on two perpendicular axes, for a load
// turned to a whole-degree angle, held in single precision.
namespace xysim {
// Degrees to radians: 3.1415926 / 180, formed in double precision.
inline constexpr double pi = 3.1415926;
// The load line is radial about this point (twips), from 10 to 12.5 twips per percent.
inline constexpr double lineCentre = 1200;
inline constexpr double innerScale = 10;
inline constexpr double outerScale = 12.5;
} // namespace xysim

struct XYBridges
{
    float LoadAngle = 0; // the angle folded into 0..90 degrees (1 on the X axis, for the tangent)
    std::string XSign;   // "+" or "-"
    std::string YSign;
    float YOutput = 0; // magnitudes, percent of full output
    float XOutput = 0;
};

// Twips in the window's client area, x to the right and y downwards.
struct LoadLine
{
    float X1 = 0;
    float Y1 = 0;
    float X2 = 0;
    float Y2 = 0;
};

// The slider angle (0..360) folded into the first quadrant, quadrant boundaries
// going to the lower quadrant (90 is "+","+"; 180 "-","+"; 270 "-","-"; 360 "+","-").
// A load on the X axis is computed at 1 degree to keep the tangent finite, and
// its Y output is then 0 while X keeps 100 cos(1 degree).
XYBridges xyBridges(int sliderValue);

// The load line, drawn opposite the signed output vector: a load at the left
// of the pin gives a positive X output, one at the top a positive Y output.
LoadLine loadLine(const std::string &XSign, float XOutput, const std::string &YSign, float YOutput);

// A bridge output as shown: the sign, a blank, the magnitude with one decimal ("+ 70.7").
std::string outputText(const std::string &sign, float output, const NumberFormat &format = {});

} // namespace vorvan
