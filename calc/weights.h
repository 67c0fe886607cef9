#pragma once

#include <string_view>

namespace vorvan {

// The materials both weight calculators offer: steel, aluminium and titanium.
// The factor is the weight relative to steel, whose constants the formulas
// carry. Each is named, so that what selects one refers to it, not to a place
// in a list whose order could change.
struct Material
{
    double factor;
    const char *name; // as the material caption box names it once selected
};

inline constexpr Material steel{1.0, "Stainless Steel"};
inline constexpr Material aluminium{0.3569, "Aluminium"};
inline constexpr Material titanium{0.576, "Titanium"};

// The units of the typed dimensions, millimetres and inches: the factor turns
// one into millimetres.
struct Unit
{
    double factor;
    const char *name; // as each unit caption box names it once selected
};

inline constexpr Unit millimetres{1.0, "mm"};
inline constexpr Unit inches{25.4, "inches"};

// Weight in kg of a solid round pin (0.00616 g per mm of length per mm^2 of
// diameter squared, for steel). Throws RuntimeError 6 when a number or the
// result leaves the double range.
double pinWeight(std::string_view diameterText, std::string_view lengthText, double unitFactor, double materialFactor);

// Weight in kg of a solid rectangular link (7.8417 kg per dm^3 of steel).
double linkWeight(std::string_view lengthText, std::string_view widthText, std::string_view heightText,
                  double unitFactor, double materialFactor);

} // namespace vorvan
