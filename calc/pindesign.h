#pragma once

#include "calc/numbers.h"

#include <cstdint>
#include <string>

namespace vorvan {

// The slider ranges of the load pin design window. Within them no step of the
// evaluation can divide by zero, and the output slider's ends (at most 29190
// for the thinnest pin under the largest load) fit its 16-bit range.
inline constexpr std::int16_t pinDiameterMin = 10, pinDiameterMax = 500;
inline constexpr std::int16_t pinLoadMin = 1, pinLoadMax = 700;

// The strength gauge reads load per section; outside these limits the
// diameter does not suit the load.
inline constexpr float gaugeLowerLimit = 150, gaugeUpperLimit = 1500;

// The proof load is compromised above this output, in tenths of a mV/V.
inline constexpr std::int16_t proofLoadOutputLimit = 36;

// One evaluation of a proposed load pin. Outputs are in tenths of a mV/V,
// loads in tonnes. The widths are deliberate: the single-precision fields are
// rounded to binary32 as they are stored, and the results depend on it.
struct PinDesignResult
{
    float gaugeLevel;          // L / d^2 * 100000, not limited
    float gaugeShown;          // gaugeLevel limited to 150..1500, for the strength gauge
    double outputLow;          // lowest designable output
    double outputHigh;         // highest designable output
    std::int16_t outputMinPos; // outputLow rounded, halves to even: the output slider's new lower end
    std::int16_t outputMaxPos; // outputHigh rounded: its new upper end
    float outputMid;           // centre of the output range
    double safetyFactor;       // at output o
    double ultimateLoad;       // safetyFactor * L
    bool pinBreaks;            // safetyFactor <= 1
    bool proofCompromised;     // o > 36
    bool loadTooHigh;          // gaugeLevel >= 1500
    bool loadTooLow;           // gaugeLevel <= 150
    bool acceptable;           // 150 < gaugeLevel < 1500 and o <= 36
};

// d: pin diameter in mm; L: rated load in tonnes; o: proposed output in tenths
// of a mV/V. Total over the slider ranges above; it cannot fail there.
PinDesignResult computePinDesign(std::int16_t d, std::int16_t L, std::int16_t o);

// The seven texts the window shows for an evaluation, in the user's number format.
struct PinDesignTexts
{
    std::string outputLow;    // mV/V, two decimals
    std::string outputHigh;   // mV/V, two decimals
    std::string output;       // proposed output, mV/V, two decimals
    std::string safetyFactor; // one decimal
    std::string ultimateLoad; // tonnes, no decimals
    std::string load;         // plain integer
    std::string diameter;     // plain integer
};

PinDesignTexts pinDesignTexts(const PinDesignResult &r, std::int16_t d, std::int16_t L, std::int16_t o,
                              const NumberFormat &format = {});

} // namespace vorvan
