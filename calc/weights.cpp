#include "calc/weights.h"

#include "calc/numbers.h"

#include <cmath>

namespace vorvan {

namespace {
double checked(double weight)
{
    if (!std::isfinite(weight))
        throw RuntimeError::overflow();
    return weight;
}
} // namespace

double pinWeight(std::string_view diameterText, std::string_view lengthText, double unitFactor, double materialFactor)
{
    const double pinLength = unitFactor * readLeadingNumber(lengthText);
    const double pinDiameter = unitFactor * readLeadingNumber(diameterText);
    return checked(materialFactor * ((pinLength * (0.00616 * (pinDiameter * pinDiameter))) / 1000));
}

double linkWeight(std::string_view lengthText, std::string_view widthText, std::string_view heightText,
                  double unitFactor, double materialFactor)
{
    const double linkLength = unitFactor * readLeadingNumber(lengthText);
    const double linkWidth = unitFactor * readLeadingNumber(widthText);
    const double linkHeight = unitFactor * readLeadingNumber(heightText);
    return checked(materialFactor * ((7.8417 * (linkLength * (linkHeight * linkWidth))) / 1000000));
}

} // namespace vorvan
