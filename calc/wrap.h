#pragma once

namespace vorvan {

// The loads on a deflector sheave pin over a range of wrap angles. All values
// are single precision, as the wrap angle window holds them.
struct WrapResults
{
    float ResMin;      // resultant load at the smallest wrap angle
    float ResMax;      // resultant load at the largest wrap angle
    float AvgRes;      // mean of the two resultants
    float AvgWrap;     // mean of the two angles, degrees
    float PercentLoad; // AvgRes as a percentage of the wire load
    float OpError;     // output error of a pin aligned with AvgRes, percent
};

// Degrees to radians as the calculator has always converted: this constant,
// not pi / 180, so 180 degrees gives a resultant of about -0.000135, not 0.
inline constexpr double wrapRadiansPerDegree = 0.0174533;

// The resultant of a wire load over a wrap angle (degrees): twice the load
// times the cosine of half the angle, narrowed to single.
float wrapResultant(float wireLoad, float wrapAngle);

// The results for angles already checked (not above 180) and ordered. The
// arithmetic is single precision and faults as the classic runtime does: a
// value beyond the single range is RuntimeError 6, x / 0 is 11 and 0 / 0 is 6
// (a wire load of 0 ends there, in the proportion of the wire load).
WrapResults computeWrapResults(float wireLoad, float wrapMin, float wrapMax);

} // namespace vorvan
