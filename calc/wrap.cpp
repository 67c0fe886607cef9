#include "calc/wrap.h"

#include "calc/numbers.h"

#include <cmath>

namespace vorvan {

namespace {
// Single-precision operations: a double holds every sum, product and quotient of
// two singles closely enough that narrowing gives the single result, and
// toSingle raises the overflow that single arithmetic would.
float plus(float a, float b)
{
    return toSingle(static_cast<double>(a) + static_cast<double>(b));
}
float minus(float a, float b)
{
    return toSingle(static_cast<double>(a) - static_cast<double>(b));
}
float times(float a, float b)
{
    return toSingle(static_cast<double>(a) * static_cast<double>(b));
}
float over(float a, float b)
{
    return toSingle(quotient(static_cast<double>(a), static_cast<double>(b)));
}
} // namespace

float wrapResultant(float wireLoad, float wrapAngle)
{
    // Halved in single (exact), then radians, cosine and products in double.
    const auto halfAngle = static_cast<double>(wrapAngle / 2.0f);
    return toSingle(std::cos(halfAngle * wrapRadiansPerDegree) * static_cast<double>(wireLoad) * 2);
}

WrapResults computeWrapResults(float wireLoad, float wrapMin, float wrapMax)
{
    WrapResults r{};
    r.ResMin = wrapResultant(wireLoad, wrapMin);
    r.ResMax = wrapResultant(wireLoad, wrapMax);
    r.AvgRes = over(plus(r.ResMax, r.ResMin), 2);
    r.AvgWrap = over(plus(wrapMin, wrapMax), 2);
    r.PercentLoad = times(over(r.AvgRes, wireLoad), 100);
    r.OpError = times(over(minus(r.ResMin, r.AvgRes), r.AvgRes), 100);
    return r;
}

} // namespace vorvan
