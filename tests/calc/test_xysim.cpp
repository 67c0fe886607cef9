#include "calc/xysim.h"

#include <gtest/gtest.h>

using namespace vorvan;

namespace {

struct XYCase
{
    const char *name;
    int angle;
    float folded; // LoadAngle after folding and the X-axis guard
    const char *x;
    const char *y;
    const char *X1;
    const char *Y1;
    const char *X2;
    const char *Y2;
};

void PrintTo(const XYCase &c, std::ostream *os)
{
    *os << c.angle;
}

// Coordinates to one decimal without grouping, as the table below writes them.
std::string oneDecimal(float v)
{
    NumberFormat plain;
    plain.grouping = false;
    return fixedText(v, 1, plain);
}

class XYTable : public testing::TestWithParam<XYCase>
{};

TEST_P(XYTable, OutputsAndLoadLine)
{
    const auto &c = GetParam();
    const XYBridges b = xyBridges(c.angle);
    EXPECT_EQ(b.LoadAngle, c.folded);
    EXPECT_EQ(outputText(b.XSign, b.XOutput), c.x);
    EXPECT_EQ(outputText(b.YSign, b.YOutput), c.y);
    const LoadLine l = loadLine(b.XSign, b.XOutput, b.YSign, b.YOutput);
    EXPECT_EQ(oneDecimal(l.X1), c.X1);
    EXPECT_EQ(oneDecimal(l.Y1), c.Y1);
    EXPECT_EQ(oneDecimal(l.X2), c.X2);
    EXPECT_EQ(oneDecimal(l.Y2), c.Y2);
}

// With r = 3.1415926/180 * folded angle: Y = 100 sin r, X = Y / tan r; signed x, y by
// the quadrant; X1 = 1200 - 10x, Y1 = 1200 - 10y, X2 = 1200 - 12.5x, Y2 = 1200 - 12.5y.
INSTANTIATE_TEST_SUITE_P(
    XYsim, XYTable,
    testing::Values(
        // on the X axis: computed at 1 degree, X = 100 cos 1 = 99.985, Y set to 0;
        // X1 = 1200 - 999.85 = 200.15, X2 = 1200 - 1249.81 = -49.81
        XYCase{"zero", 0, 1, "+ 100.0", "+ 0.0", "200.2", "1200.0", "-49.8", "1200.0"},
        // Y = 100 sin 1 = 1.745: Y1 = 1182.55, Y2 = 1178.18
        XYCase{"one", 1, 1, "+ 100.0", "+ 1.7", "200.2", "1182.5", "-49.8", "1178.2"},
        // X = 86.603, Y = 50: X1 = 333.97, X2 = 117.47, Y1 = 700, Y2 = 575
        XYCase{"thirty", 30, 30, "+ 86.6", "+ 50.0", "334.0", "700.0", "117.5", "575.0"},
        // X = Y = 70.711: 1200 - 707.11 = 492.89, 1200 - 883.88 = 316.12
        XYCase{"fortyFive", 45, 45, "+ 70.7", "+ 70.7", "492.9", "492.9", "316.1", "316.1"},
        // boundary to the lower quadrant: "+","+"; X = 100/tan(90 - 1.5e-6 deg) = 0.0000027
        XYCase{"ninety", 90, 90, "+ 0.0", "+ 100.0", "1200.0", "200.0", "1200.0", "-50.0"},
        // 180 - 135 = 45, x negative: 1200 + 707.11 = 1907.11, 1200 + 883.88 = 2083.88
        XYCase{"oneThirtyFive", 135, 45, "- 70.7", "+ 70.7", "1907.1", "492.9", "2083.9", "316.1"},
        // 180 - 179 = 1: x = -99.985, y = 1.745
        XYCase{"oneSeventyNine", 179, 1, "- 100.0", "+ 1.7", "2199.8", "1182.5", "2449.8", "1178.2"},
        // boundary: "-","+"; folds to 0, guarded to 1, Y set to 0
        XYCase{"oneEighty", 180, 1, "- 100.0", "+ 0.0", "2199.8", "1200.0", "2449.8", "1200.0"},
        // 225 - 180 = 45, both negative
        XYCase{"twoTwentyFive", 225, 45, "- 70.7", "- 70.7", "1907.1", "1907.1", "2083.9", "2083.9"},
        // boundary: "-","-"; a zero X output keeps the quadrant's minus
        XYCase{"twoSeventy", 270, 90, "- 0.0", "- 100.0", "1200.0", "2200.0", "1200.0", "2450.0"},
        // 360 - 315 = 45, "+","-"
        XYCase{"threeFifteen", 315, 45, "+ 70.7", "- 70.7", "492.9", "1907.1", "316.1", "2083.9"},
        // 360 - 359 = 1: y = -1.745, Y1 = 1217.45, Y2 = 1221.82
        XYCase{"threeFiftyNine", 359, 1, "+ 100.0", "- 1.7", "200.2", "1217.5", "-49.8", "1221.8"},
        // boundary: "+","-"; folds to 0, guarded, a zero Y output keeps its minus
        XYCase{"threeSixty", 360, 1, "+ 100.0", "- 0.0", "200.2", "1200.0", "-49.8", "1200.0"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(XYsim, NinetyDegreesLeavesATinyXOutput)
{
    // tan(3.1415926/180 * 90) is large but finite: X = 100 / 3.73e7 = 2.68e-6.
    const XYBridges b = xyBridges(90);
    EXPECT_GT(b.XOutput, 2.6e-6f);
    EXPECT_LT(b.XOutput, 2.8e-6f);
}

TEST(XYsim, LoadLineIsRadialFromTenToTwelveAndAHalfTwipsPerPercent)
{
    // An output vector (+60, -80) in percent: the line runs from 1000 to 1250 twips out
    // from (1200, 1200), on the opposite side: (1200 - 600, 1200 + 800) to (1200 - 750, 1200 + 1000).
    const LoadLine l = loadLine("+", 60, "-", 80);
    EXPECT_FLOAT_EQ(l.X1, 600);
    EXPECT_FLOAT_EQ(l.Y1, 2000);
    EXPECT_FLOAT_EQ(l.X2, 450);
    EXPECT_FLOAT_EQ(l.Y2, 2200);
}

TEST(XYsim, OutputTextInTheGivenRegionalFormat)
{
    NumberFormat german;
    german.decimalPoint = ",";
    german.groupSeparator = ".";
    EXPECT_EQ(outputText("-", 70.71068f, german), "- 70,7");
}

} // namespace
