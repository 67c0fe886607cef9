#include "calc/numbers.h"
#include "calc/pindesign.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <type_traits>

using namespace vorvan;

namespace {

// The record's widths and order are part of its contract.
static_assert(std::is_same_v<decltype(PinDesignResult::gaugeLevel), float>);
static_assert(std::is_same_v<decltype(PinDesignResult::gaugeShown), float>);
static_assert(std::is_same_v<decltype(PinDesignResult::outputLow), double>);
static_assert(std::is_same_v<decltype(PinDesignResult::outputHigh), double>);
static_assert(std::is_same_v<decltype(PinDesignResult::outputMinPos), std::int16_t>);
static_assert(std::is_same_v<decltype(PinDesignResult::outputMaxPos), std::int16_t>);
static_assert(std::is_same_v<decltype(PinDesignResult::outputMid), float>);
static_assert(std::is_same_v<decltype(PinDesignResult::safetyFactor), double>);
static_assert(std::is_same_v<decltype(PinDesignResult::ultimateLoad), double>);
static_assert(std::is_same_v<decltype(PinDesignResult::acceptable), bool>);
static_assert(offsetof(PinDesignResult, gaugeLevel) < offsetof(PinDesignResult, gaugeShown) &&
              offsetof(PinDesignResult, gaugeShown) < offsetof(PinDesignResult, outputLow) &&
              offsetof(PinDesignResult, outputLow) < offsetof(PinDesignResult, outputHigh) &&
              offsetof(PinDesignResult, outputHigh) < offsetof(PinDesignResult, outputMinPos) &&
              offsetof(PinDesignResult, outputMinPos) < offsetof(PinDesignResult, outputMaxPos) &&
              offsetof(PinDesignResult, outputMaxPos) < offsetof(PinDesignResult, outputMid) &&
              offsetof(PinDesignResult, outputMid) < offsetof(PinDesignResult, safetyFactor) &&
              offsetof(PinDesignResult, safetyFactor) < offsetof(PinDesignResult, ultimateLoad) &&
              offsetof(PinDesignResult, ultimateLoad) < offsetof(PinDesignResult, pinBreaks) &&
              offsetof(PinDesignResult, pinBreaks) < offsetof(PinDesignResult, proofCompromised) &&
              offsetof(PinDesignResult, proofCompromised) < offsetof(PinDesignResult, loadTooHigh) &&
              offsetof(PinDesignResult, loadTooHigh) < offsetof(PinDesignResult, loadTooLow) &&
              offsetof(PinDesignResult, loadTooLow) < offsetof(PinDesignResult, acceptable));

// Flags as a short word: B pinBreaks, P proofCompromised, H loadTooHigh, L loadTooLow, A acceptable.
std::string flags(const PinDesignResult &r)
{
    std::string s;
    if (r.pinBreaks)
        s += 'B';
    if (r.proofCompromised)
        s += 'P';
    if (r.loadTooHigh)
        s += 'H';
    if (r.loadTooLow)
        s += 'L';
    if (r.acceptable)
        s += 'A';
    return s;
}

// actual agrees with `expected`, which is given to four significant digits.
testing::AssertionResult sameTo4Digits(const char *actualExpr, const char *, double actual, double expected)
{
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 3);
    if (std::fabs(actual - expected) <= 0.5 * unit * (1 + 1e-9))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << actualExpr << " is " << testing::PrintToString(actual) << ", not " << expected
                                       << " to four significant digits";
}

struct DesignCase
{
    const char *name;
    std::int16_t d, L, o;
    double gaugeLevel, gaugeShown, outputLow, outputHigh;
    int minPos, maxPos;
    double outputMid, safetyFactor, ultimateLoad;
    const char *flags;
    // lowest, highest and proposed output, safety factor, ultimate load, load, diameter
    const char *texts[7];
};

void PrintTo(const DesignCase &c, std::ostream *os)
{
    *os << c.name;
}

class PinDesign : public testing::TestWithParam<DesignCase>
{};

TEST_P(PinDesign, FieldsAndTexts)
{
    const auto &c = GetParam();
    const PinDesignResult r = computePinDesign(c.d, c.L, c.o);
    EXPECT_PRED_FORMAT2(sameTo4Digits, r.gaugeLevel, c.gaugeLevel);
    EXPECT_PRED_FORMAT2(sameTo4Digits, r.gaugeShown, c.gaugeShown);
    EXPECT_PRED_FORMAT2(sameTo4Digits, r.outputLow, c.outputLow);
    EXPECT_PRED_FORMAT2(sameTo4Digits, r.outputHigh, c.outputHigh);
    EXPECT_EQ(r.outputMinPos, c.minPos);
    EXPECT_EQ(r.outputMaxPos, c.maxPos);
    EXPECT_PRED_FORMAT2(sameTo4Digits, r.outputMid, c.outputMid);
    EXPECT_PRED_FORMAT2(sameTo4Digits, r.safetyFactor, c.safetyFactor);
    EXPECT_PRED_FORMAT2(sameTo4Digits, r.ultimateLoad, c.ultimateLoad);
    EXPECT_EQ(flags(r), c.flags);

    const PinDesignTexts t = pinDesignTexts(r, c.d, c.L, c.o);
    EXPECT_EQ(t.outputLow, c.texts[0]);
    EXPECT_EQ(t.outputHigh, c.texts[1]);
    EXPECT_EQ(t.output, c.texts[2]);
    EXPECT_EQ(t.safetyFactor, c.texts[3]);
    EXPECT_EQ(t.ultimateLoad, c.texts[4]);
    EXPECT_EQ(t.load, c.texts[5]);
    EXPECT_EQ(t.diameter, c.texts[6]);
}

// Notation in the derivations: g gauge level = L/d^2*1e5; lo = g*0.0208, hi = g*0.0417;
// x = L/(d^2/20)*20; SFh = 21.322*x^-1.0003, SFl = 5.5027*x^-1.0022;
// P = |(o-lo)/(hi-lo)|, Q = 1-P; SF = Q*(SFh-SFl)+SFl; ultimate = SF*L.
// One row per case: d, L, o, gauge, gauge shown, low, high, min pos, max pos, mid, SF, ultimate, status, texts.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Design, PinDesign,
    testing::Values(
        // g = 160/14400*1e5 = 1111.11; lo 23.111, hi 46.333 -> 23, 46; mid 34.722; x = 4.4444;
        // SFh 4.7953, SFl 1.2341; P = 11.889/23.222 = 0.51196; SF 2.9721 -> "3.0"; 2.9721*160 = 475.5 -> "476"
        DesignCase{"workedExample", 120, 160, 35, 1111, 1111, 23.11, 46.33, 23, 46, 34.72, 2.972, 475.5, "A", {"2.31", "4.63", "3.50", "3.0", "476", "160", "120"}},
        // P = 12.889/23.222 = 0.55502; SF 2.8187 -> "2.8"; *160 = 451.0. 3.6 mV/V is the limit
        // itself, not above it: acceptable.
        DesignCase{"atProofLimit", 120, 160, 36, 1111, 1111, 23.11, 46.33, 23, 46, 34.72, 2.819, 451.0, "A", {"2.31", "4.63", "3.60", "2.8", "451", "160", "120"}},
        // P = 13.889/23.222 = 0.59809; SF 2.6654 -> "2.7"; *160 = 426.5 -> "426"; above 36: compromised
        DesignCase{"aboveProofLimit", 120, 160, 37, 1111, 1111, 23.11, 46.33, 23, 46, 34.72, 2.665, 426.5, "P", {"2.31", "4.63", "3.70", "2.7", "426", "160", "120"}},
        // g = 100/10000*1e5 = 1000 exactly; lo 20.8, hi 41.7 -> 21, 42; mid 31.25; x = 4;
        // SFh 5.3283, SFl 1.3715; P = 10.2/20.9 = 0.48804; SF 3.3972 -> "3.4", *100 = 339.7 -> "340"
        DesignCase{"gaugeExactly1000", 100, 100, 31, 1000, 1000, 20.80, 41.70, 21, 42, 31.25, 3.397, 339.7, "A", {"2.08", "4.17", "3.10", "3.4", "340", "100", "100"}},
        // P = 15.2/20.9 = 0.72727; SF 2.4506 -> "2.5"; *100 = 245.1
        DesignCase{"atProofLimitGauge1000", 100, 100, 36, 1000, 1000, 20.80, 41.70, 21, 42, 31.25, 2.451, 245.1, "A", {"2.08", "4.17", "3.60", "2.5", "245", "100", "100"}},
        // Corner d 10, L 700: g = 700/100*1e5 = 700000, shown 1500; lo 14560, hi 29190 (16-bit);
        // mid 21875; x = 700/5*20 = 2800; SFh 0.0075969, SFl 0.0019312; P = 0.5; SF 0.0047641 -> "0.0";
        // *700 = 3.335 -> "3"; o > 36, SF <= 1, g >= 1500
        DesignCase{"thinnestPinLargestLoad", 10, 700, 21875, 7.000e5, 1500, 14560, 29190, 14560, 29190, 21875, 0.004764, 3.335, "BPH", {"1,456.00", "2,919.00", "2,187.50", "0.0", "3", "700", "10"}},
        // At the lower end P = 0: SF = SFh 0.0075969; *700 = 5.318 -> "5"
        DesignCase{"thinnestPinAtLowEnd", 10, 700, 14560, 7.000e5, 1500, 14560, 29190, 14560, 29190, 21875, 0.007597, 5.318, "BPH", {"1,456.00", "2,919.00", "1,456.00", "0.0", "5", "700", "10"}},
        // At the upper end P = 1: SF = SFl 0.0019312; *700 = 1.352 -> "1"
        DesignCase{"thinnestPinAtHighEnd", 10, 700, 29190, 7.000e5, 1500, 14560, 29190, 14560, 29190, 21875, 0.001931, 1.352, "BPH", {"1,456.00", "2,919.00", "2,919.00", "0.0", "1", "700", "10"}},
        // Corner d 500, L 1: g = 1/250000*1e5 = 0.4, shown 150; lo 0.00832, hi 0.01668 both round to 0;
        // mid 0.0125; x = 1/12500*20 = 0.0016; SFh 13352, SFl 3488.2; P = 0.00832/0.00836 = 0.99522;
        // SF = 0.0047847*9863.8+3488.2 = 3535.44 -> "3,535.4", *1 -> "3,535"
        DesignCase{"thickestPinSmallestLoad", 500, 1, 0, 0.4000, 150, 0.008320, 0.01668, 0, 0, 0.01250, 3535, 3535, "L", {"0.00", "0.00", "0.00", "3,535.4", "3,535", "1", "500"}},
        // Corner d 10, L 1: g = 1/100*1e5 = 1000, the same gauge, range and SF as d 100, L 100;
        // ultimate 3.3972*1 -> "3"
        DesignCase{"thinnestPinSmallestLoad", 10, 1, 31, 1000, 1000, 20.80, 41.70, 21, 42, 31.25, 3.397, 3.397, "A", {"2.08", "4.17", "3.10", "3.4", "3", "1", "10"}},
        // Corner d 500, L 700: g = 700/250000*1e5 = 280; lo 5.824, hi 11.676 -> 6, 12; mid 8.75;
        // x = 1.12; SFh 19.037, SFl 4.9119; P = 3.176/5.852 = 0.54272; SF 11.371 -> "11.4";
        // *700 = 7959.7 -> "7,960"
        DesignCase{"thickestPinLargestLoad", 500, 700, 9, 280.0, 280.0, 5.824, 11.68, 6, 12, 8.750, 11.37, 7960, "A", {"0.58", "1.17", "0.90", "11.4", "7,960", "700", "500"}},
        // g = 50/90000*1e5 = 55.556, shown 150; lo 1.1556, hi 2.3167 -> 1, 2; mid 1.7361; x = 0.22222;
        // SFh 95.992, SFl 24.844; P = 0.84444/1.1611 = 0.72727; SF 44.248 -> "44.2"; *50 = 2212.4
        DesignCase{"lightLoadThickPin", 300, 50, 2, 55.56, 150, 1.156, 2.317, 1, 2, 1.736, 44.25, 2212, "L", {"0.12", "0.23", "0.20", "44.2", "2,212", "50", "300"}},
        // o = 23, the slider's lower end, lies 0.111 below lo = 23.111, so
        // P = 0.11111/23.222 = 0.0047847, not 0: SF 4.7783 just under SFh 4.7953; *160 = 764.5
        DesignCase{"atMinPosNotWhole", 120, 160, 23, 1111, 1111, 23.11, 46.33, 23, 46, 34.72, 4.778, 764.5, "A", {"2.31", "4.63", "2.30", "4.8", "765", "160", "120"}},
        // g = 40/3600*1e5 = 1111.11 as for d 120, L 160: same range and SF 2.9721; *40 = 118.9 -> "119"
        DesignCase{"sameGaugeSmallerPin", 60, 40, 35, 1111, 1111, 23.11, 46.33, 23, 46, 34.72, 2.972, 118.9, "A", {"2.31", "4.63", "3.50", "3.0", "119", "40", "60"}},
        // g = 700/3600*1e5 = 19444; lo 404.44, hi 810.83 -> 404, 811; mid 607.64; x = 77.778;
        // SFh 0.27378, SFl 0.070075; P = 368.44/406.39 = 0.90663; SF 0.089095 -> "0.1"; *700 = 62.37.
        // 36 is acceptable only with the gauge in range.
        DesignCase{"atProofLimitLoadTooHigh", 60, 700, 36, 1.944e4, 1500, 404.4, 810.8, 404, 811, 607.6, 0.08909, 62.37, "BH", {"40.44", "81.08", "3.60", "0.1", "62", "700", "60"}}),
    // clang-format on
    [](const auto &info) { return std::string(info.param.name); });

// The single-precision steps, checked bit for bit on the worked example: the
// double outputs are built on the gauge level after its rounding to binary32.
TEST(PinDesignPrecision, SingleStepsAreRoundedToBinary32)
{
    const PinDesignResult r = computePinDesign(120, 160, 35);
    const double exactGauge = 160.0 / 14400.0 * 100000.0;
    EXPECT_EQ(r.gaugeLevel, static_cast<float>(exactGauge));
    EXPECT_NE(static_cast<double>(r.gaugeLevel), exactGauge);
    EXPECT_EQ(r.outputLow, static_cast<double>(static_cast<float>(exactGauge)) * 0.0208);
    EXPECT_NE(r.outputLow, exactGauge * 0.0208);
    EXPECT_EQ(r.outputHigh, static_cast<double>(static_cast<float>(exactGauge)) * 0.0417);

    // A = 720 and x = 160/720*20 go through binary32; P and Q too.
    const float x = static_cast<float>(static_cast<double>(static_cast<float>(160.0 / 720.0)) * 20.0);
    const double sfHigh = 21.322 * std::pow(double(x), -1.0003);
    const double sfLow = 5.5027 * std::pow(double(x), -1.0022);
    const float P = static_cast<float>(std::fabs((35.0 - r.outputLow) / (r.outputHigh - r.outputLow)));
    const float Q = static_cast<float>(1.0 - double(P));
    EXPECT_EQ(r.safetyFactor, double(Q) * (sfHigh - sfLow) + sfLow);
    EXPECT_EQ(r.ultimateLoad, r.safetyFactor * 160.0);
    EXPECT_EQ(r.outputMid, static_cast<float>(r.outputLow + (r.outputHigh - r.outputLow) / 2));
}

// Two pins with the same load per section differ only in their ultimate load.
TEST(PinDesignSameGauge, OnlyUltimateLoadDiffers)
{
    const PinDesignResult small = computePinDesign(60, 40, 35);
    const PinDesignResult large = computePinDesign(120, 160, 35);
    EXPECT_EQ(small.gaugeLevel, large.gaugeLevel);
    EXPECT_EQ(small.outputMinPos, large.outputMinPos);
    EXPECT_EQ(small.outputMaxPos, large.outputMaxPos);
    EXPECT_NEAR(small.safetyFactor, large.safetyFactor, 1e-12);
    EXPECT_EQ(fixedText(small.ultimateLoad, 0), "119");
    EXPECT_EQ(fixedText(large.ultimateLoad, 0), "476");
}

// Below the range the position ratio mirrors the output equally far above it.
TEST(PinDesignMirror, BelowTheRangeMirrorsAbove)
{
    // d 100, L 100: lo 20.8, hi 41.7; o 10 is 10.8 below lo, o 31.6 would be 10.8 above it, so
    // the two P agree: 10.8/20.9 = 0.51675.
    const PinDesignResult below = computePinDesign(100, 100, 10);
    const double P = 10.8 / 20.9;
    const double x4 = 4;
    const double sfHigh = 21.322 * std::pow(x4, -1.0003), sfLow = 5.5027 * std::pow(x4, -1.0022);
    EXPECT_NEAR(below.safetyFactor, (1 - P) * (sfHigh - sfLow) + sfLow, 1e-6);
}

// Every diameter and load of the sliders: nothing fails, the output slider's
// ends fit 16 bits, and the status flags keep to their rules.
TEST(PinDesignRanges, EverySliderPositionIsSound)
{
    for (int d = pinDiameterMin; d <= pinDiameterMax; ++d) {
        for (int L = pinLoadMin; L <= pinLoadMax; ++L) {
            const auto r = computePinDesign(static_cast<std::int16_t>(d), static_cast<std::int16_t>(L), 36);
            ASSERT_TRUE(std::isfinite(r.safetyFactor) && r.safetyFactor > 0) << d << " " << L;
            ASSERT_LT(r.outputHigh, 32767.5) << d << " " << L;
            ASSERT_LE(r.outputMinPos, r.outputMaxPos) << d << " " << L;
            ASSERT_GE(r.gaugeShown, 150.0f);
            ASSERT_LE(r.gaugeShown, 1500.0f);
            ASSERT_FALSE(r.loadTooHigh && r.loadTooLow) << d << " " << L;
            // At 36 every gauge level has exactly one status.
            ASSERT_EQ(int(r.loadTooHigh) + int(r.loadTooLow) + int(r.acceptable), 1) << d << " " << L;
        }
    }
    EXPECT_EQ(computePinDesign(10, 700, 0).outputMaxPos, 29190);
}

// The status line's precedence needs these never to coincide.
TEST(PinDesignFlags, AcceptableExcludesTheOthers)
{
    for (std::int16_t o : {0, 35, 36, 37, 100}) {
        for (auto [d, L] : {std::pair<std::int16_t, std::int16_t>{120, 160}, {60, 700}, {120, 1}}) {
            const auto r = computePinDesign(d, L, o);
            if (r.acceptable) {
                EXPECT_FALSE(r.loadTooHigh || r.loadTooLow || r.proofCompromised) << d << " " << L << " " << o;
            }
            EXPECT_EQ(r.proofCompromised, o > 36);
        }
    }
}

TEST(PinDesignTexts, UseTheRegionalNumberFormat)
{
    const NumberFormat german{.decimalPoint = ",", .groupSeparator = ".", .minusSign = "-", .grouping = true};
    const PinDesignTexts t = pinDesignTexts(computePinDesign(500, 1, 0), 500, 1, 0, german);
    EXPECT_EQ(t.safetyFactor, "3.535,4");
    EXPECT_EQ(t.ultimateLoad, "3.535");
    EXPECT_EQ(t.outputLow, "0,00");
    // Load and diameter are plain integers, never grouped.
    const PinDesignTexts big = pinDesignTexts(computePinDesign(10, 700, 21875), 10, 700, 21875, german);
    EXPECT_EQ(big.outputHigh, "2.919,00");
    EXPECT_EQ(big.load, "700");
}

} // namespace
