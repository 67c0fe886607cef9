#pragma once

#include <array>
#include <string_view>

namespace vorvan {

// The materials both weight calculators offer; the factor is the weight
// relative to steel, whose constants the formulas carry.
struct Material
{
    const char *option;  // object name of its option button
    const char *caption; // caption of the option button
    double factor;
    const char *captionText; // written to the material caption box on selection
};

inline constexpr std::array<Material, 3> materials{{
    {"optSteel", "Steel", 1.0, "Stainless Steel"},
    {"optAluminium", "Aluminium", 0.3569, "Aluminium"},
    {"optTitanium", "Titanium", 0.576, "Titanium"},
}};

// The unit factor turns a typed dimension into millimetres.
struct Unit
{
    const char *option;
    const char *caption;
    double factor;
    const char *captionText; // written to each unit caption box on selection
};

inline constexpr std::array<Unit, 2> units{{
    {"optmm", "mm", 1.0, "mm"},
    {"optInches", "inches", 25.4, "inches"},
}};

// Weight in kg of a solid round pin (0.00616 g per mm of length per mm^2 of
// diameter squared, for steel). Throws RuntimeError 6 when a number or the
// result leaves the double range.
double pinWeight(std::string_view diameterText, std::string_view lengthText, double unitFactor, double materialFactor);

// Weight in kg of a solid rectangular link (7.8417 kg per dm^3 of steel).
double linkWeight(std::string_view lengthText, std::string_view widthText, std::string_view heightText,
                  double unitFactor, double materialFactor);

} // namespace vorvan
