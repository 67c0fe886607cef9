#include "calc/pindesign.h"

#include <cmath>

namespace vorvan {

namespace {

// The empirical fit of the design method: outputs in tenths of a mV/V per
// unit of gauge level, and the safety factor at either end of the output range
// as a power of the stress term.
constexpr double gaugeScale = 100000;
constexpr double lowOutputPerGauge = 0.0208;
constexpr double highOutputPerGauge = 0.0417;
constexpr double sectionDivisor = 20;
constexpr double stressMultiplier = 20;
constexpr double safetyAtLowOutput = 21.322;
constexpr double exponentAtLowOutput = -1.0003;
constexpr double safetyAtHighOutput = 5.5027;
constexpr double exponentAtHighOutput = -1.0022;
constexpr double breakingSafetyFactor = 1;

// Stored as single precision: worked out in double, then rounded to binary32.
float single(double value)
{
    return static_cast<float>(value);
}

} // namespace

PinDesignResult computePinDesign(std::int16_t d, std::int16_t L, std::int16_t o)
{
    const float diameter = d;
    const float load = L;
    PinDesignResult r{};

    r.gaugeLevel = single(double(load) / (double(diameter) * double(diameter)) * gaugeScale);
    r.outputHigh = double(r.gaugeLevel) * highOutputPerGauge;
    r.outputLow = double(r.gaugeLevel) * lowOutputPerGauge;

    // The stress term is gauge level / 250, but it goes through the section
    // term with its own single-precision roundings.
    const float A = single(double(diameter) * double(diameter) / sectionDivisor);
    const float x = single(double(single(double(load) / double(A))) * stressMultiplier);

    // The highest safety factor belongs to the lowest output and the lowest to the highest.
    const double sfHigh = safetyAtLowOutput * std::pow(double(x), exponentAtLowOutput);
    const double sfLow = safetyAtHighOutput * std::pow(double(x), exponentAtHighOutput);
    const double dSF = sfHigh - sfLow;
    const double dO = r.outputHigh - r.outputLow;

    // Linear between the ends; an output below the range mirrors one above it.
    const float P = single(std::fabs((double(o) - r.outputLow) / dO));
    const float Q = single(std::fabs(1.0 - double(P)));
    r.safetyFactor = double(Q) * dSF + sfLow;

    r.outputMid = single(r.outputLow + dO / 2);
    r.outputMinPos = roundToSliderPosition(r.outputLow);
    r.outputMaxPos = roundToSliderPosition(r.outputHigh);
    r.ultimateLoad = r.safetyFactor * double(load);

    if (r.gaugeLevel >= gaugeUpperLimit)
        r.gaugeShown = gaugeUpperLimit;
    else if (r.gaugeLevel <= gaugeLowerLimit)
        r.gaugeShown = gaugeLowerLimit;
    else
        r.gaugeShown = r.gaugeLevel;

    r.pinBreaks = r.safetyFactor <= breakingSafetyFactor;
    r.proofCompromised = o > proofLoadOutputLimit;
    r.loadTooHigh = r.gaugeLevel >= gaugeUpperLimit;
    r.loadTooLow = r.gaugeLevel <= gaugeLowerLimit;
    // 3.6 mV/V itself is the proof-load limit, not beyond it: it counts as
    // acceptable, so that every output in range has a status.
    r.acceptable = r.gaugeLevel > gaugeLowerLimit && r.gaugeLevel < gaugeUpperLimit && o <= proofLoadOutputLimit;
    return r;
}

PinDesignTexts pinDesignTexts(const PinDesignResult &r, std::int16_t d, std::int16_t L, std::int16_t o,
                              const NumberFormat &format)
{
    return {
        .outputLow = fixedText(r.outputLow / 10, 2, format),
        .outputHigh = fixedText(r.outputHigh / 10, 2, format),
        .output = fixedText(double(o) / 10, 2, format),
        .safetyFactor = fixedText(r.safetyFactor, 1, format),
        .ultimateLoad = fixedText(r.ultimateLoad, 0, format),
        .load = integerText(L),
        .diameter = integerText(d),
    };
}

} // namespace vorvan
