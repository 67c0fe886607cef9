#include "calc/numbers.h"
#include "calc/wrap.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vorvan;

namespace {

// Each result as the window shows it: one decimal, English grouping.
struct WrapCase
{
    const char *name;
    float wireLoad;
    float wrapMin;
    float wrapMax;
    const char *resMin;
    const char *resMax;
    const char *avgRes;
    const char *avgWrap;
    const char *percentLoad;
    const char *opError;
};

// By name: GoogleTest would otherwise print the case's bytes, padding included.
void PrintTo(const WrapCase &c, std::ostream *os)
{
    *os << c.name;
}

class WrapAngle : public testing::TestWithParam<WrapCase>
{};

TEST_P(WrapAngle, ResultsWithOneDecimal)
{
    const auto &c = GetParam();
    const WrapResults r = computeWrapResults(c.wireLoad, c.wrapMin, c.wrapMax);
    EXPECT_EQ(fixedText(r.ResMin, 1), c.resMin);
    EXPECT_EQ(fixedText(r.ResMax, 1), c.resMax);
    EXPECT_EQ(fixedText(r.AvgRes, 1), c.avgRes);
    EXPECT_EQ(fixedText(r.AvgWrap, 1), c.avgWrap);
    EXPECT_EQ(fixedText(r.PercentLoad, 1), c.percentLoad);
    EXPECT_EQ(fixedText(r.OpError, 1), c.opError);
}

// r(w, a) = 2 w cos(a / 2 * 0.0174533); avg = (rmin + rmax) / 2;
// percent = avg / w * 100; error = (rmin - avg) / avg * 100.
INSTANTIATE_TEST_SUITE_P(
    Wrap, WrapAngle,
    testing::Values(
        // r(10, 60) = 20 cos 30 = 17.32; r(10, 120) = 20 cos 60 = 10.00; avg 13.66;
        // percent 136.6; error 3.66 / 13.66 = 26.8 %
        WrapCase{"wire10", 10, 60, 120, "17.3", "10.0", "13.7", "90.0", "136.6", "26.8"},
        // r(1000, 30) = 2000 cos 15 = 1931.85; r(1000, 45) = 2000 cos 22.5 = 1847.76;
        // avg 1889.81; percent 188.98; error 42.04 / 1889.81 = 2.22 %
        WrapCase{"grouped", 1000, 30, 45, "1,931.9", "1,847.8", "1,889.8", "37.5", "189.0", "2.2"},
        // r(100, 90) = 200 cos 45 = 141.42 for both
        WrapCase{"bothRight", 100, 90, 90, "141.4", "141.4", "141.4", "90.0", "141.4", "0.0"},
        // the wire doubles back: 200 cos 0 = 200
        WrapCase{"bothZero", 100, 0, 0, "200.0", "200.0", "200.0", "0.0", "200.0", "0.0"},
        // r(100, 180) = 200 cos 1.5707970 = -0.000135 shows as 0.0; avg 99.99993;
        // error (200 - 99.99993) / 99.99993 = 100.0 %
        WrapCase{"straight", 100, 0, 180, "200.0", "0.0", "100.0", "90.0", "100.0", "100.0"},
        // the cosine is even: -60 gives the resultant of 60 (173.21), the mean angle uses signs
        WrapCase{"negativeAndPositive", 100, -60, 60, "173.2", "173.2", "173.2", "0.0", "173.2", "0.0"},
        // r(100, -120) = 100.00, r(100, -60) = 173.21; avg 136.60; mean angle -90;
        // error (100 - 136.60) / 136.60 = -26.8 %
        WrapCase{"bothNegative", 100, -120, -60, "100.0", "173.2", "136.6", "-90.0", "136.6", "-26.8"},
        // a negative wire load turns every resultant round; the proportion stays
        WrapCase{"negativeWireLoad", -10, 60, 120, "-17.3", "-10.0", "-13.7", "90.0", "136.6", "26.8"}),
    [](const auto &info) { return std::string(info.param.name); });

// Printed by name: read as raw bytes, the case's padding is uninitialised memory.
TEST(WrapCasePrinting, PrintsTheName)
{
    EXPECT_EQ(testing::PrintToString(WrapCase{"named", 10, 60, 120, "", "", "", "", "", ""}), "named");
}

TEST(WrapAngleStraight, ResultantAt180IsATinyNegative)
{
    // 90 * 0.0174533 = 1.570797 lies 0.00000067 above a right angle:
    // 200 * cos(1.570797) = -0.000135.
    const float r = computeWrapResults(100, 0, 180).ResMax;
    EXPECT_LT(r, 0.0f);
    EXPECT_NEAR(r, -0.000135, 0.000001);
    EXPECT_EQ(fixedText(r, 1), "0.0");
}

struct FaultCase
{
    const char *name;
    float wireLoad;
    float wrapMin;
    float wrapMax;
    int number;
};

class WrapAngleFault : public testing::TestWithParam<FaultCase>
{};

TEST_P(WrapAngleFault, RaisesTheRuntimeError)
{
    const auto &c = GetParam();
    try {
        computeWrapResults(c.wireLoad, c.wrapMin, c.wrapMax);
        FAIL() << "no error raised";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number(), c.number) << e.description();
    }
}

INSTANTIATE_TEST_SUITE_P(Wrap, WrapAngleFault,
                         testing::Values(
                             // every resultant is 0, so the proportion is 0 / 0: an overflow
                             FaultCase{"zeroWireLoad", 0, 60, 120, 6}, FaultCase{"zeroWireLoadZeroAngles", 0, 0, 0, 6},
                             FaultCase{"negativeZeroWireLoad", -0.0f, 30, 45, 6},
                             // 2 * 3e38 = 6e38 is beyond the single range (3.4e38) in the first resultant
                             FaultCase{"resultantBeyondSingle", 3e38f, 0, 0, 6},
                             FaultCase{"negativeResultantBeyondSingle", -3e38f, 90, 170, 6},
                             // each resultant 2e38 fits, their single sum 4e38 does not
                             FaultCase{"sumBeyondSingle", 1e38f, 0, 0, 6},
                             // r(10, -360) = 20 cos(-3.141594) = -20.0 exactly in single, r(10, 0) = 20:
                             // the mean resultant is 0 and the output error divides -20 by it
                             FaultCase{"zeroMeanResultant", 10, -360, 0, 11}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(WrapAngleFault, NearTheSingleRangeStillComputes)
{
    // 2 * 1e37 = 2e37 and the sum 4e37 stay within the single range.
    const WrapResults r = computeWrapResults(1e37f, 0, 0);
    EXPECT_FLOAT_EQ(r.ResMin, 2e37f);
    EXPECT_FLOAT_EQ(r.PercentLoad, 200);
}

} // namespace
