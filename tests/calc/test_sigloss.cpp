#include "calc/sigloss.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vorvan;

namespace {

// Degrees to radians as the calculator converts them, for the expected angles.
constexpr double perDegree = 3.14159268 / 180;

struct LossCase
{
    const char *name;
    const char *text;
    double degrees; // the angle the text should be read as, before the limit
    bool limited;
    const char *caption;
};

void PrintTo(const LossCase &c, std::ostream *os)
{
    *os << '"' << c.text << '"';
}

class SignalLossTable : public testing::TestWithParam<LossCase>
{};

TEST_P(SignalLossTable, CaptionAngleAndLimit)
{
    const auto &c = GetParam();
    const SignalLoss r = computeSignalLoss(c.text);
    EXPECT_EQ(r.caption, c.caption) << '"' << c.text << '"';
    EXPECT_EQ(r.limited, c.limited) << '"' << c.text << '"';
    if (c.limited)
        EXPECT_EQ(r.angle, 1.5708); // held exactly at the limit
    else
        EXPECT_DOUBLE_EQ(r.angle, c.degrees * perDegree);
    EXPECT_DOUBLE_EQ(r.loss, 100 - std::cos(r.angle) * 100);
}

// loss = 100 - 100 cos(degrees * 3.14159268 / 180); the limit 1.5708 rad is 90.00021 degrees.
INSTANTIATE_TEST_SUITE_P(OffAxis, SignalLossTable,
                         testing::Values(
                             // cos 10 = 0.98481: 1.519
                             LossCase{"ten", "10", 10, false, "Signal Loss = 1.52 %"},
                             // cos 30 = 0.86603: 13.397
                             LossCase{"thirty", "30", 30, false, "Signal Loss = 13.40 %"},
                             // cos 45 = 0.70711: 29.289
                             LossCase{"fortyFive", "45", 45, false, "Signal Loss = 29.29 %"},
                             // cos 60 = 0.5 (less 8e-9 with this pi): 50.0000008
                             LossCase{"sixty", "60", 60, false, "Signal Loss = 50.00 %"},
                             // cos 89 = 0.017452: 98.2548
                             LossCase{"eightyNine", "89", 89, false, "Signal Loss = 98.25 %"},
                             // 90 degrees = 1.57079634 rad, below the limit: cos = -1.3e-8, 100.0000013
                             LossCase{"ninety", "90", 90, false, "Signal Loss = 100.00 %"},
                             // cos 5.5 = 0.99540: 0.4604
                             LossCase{"fivePointFive", "5.5", 5.5, false, "Signal Loss = 0.46 %"},
                             // cos 1 = 0.999848: 0.0152
                             LossCase{"one", "1", 1, false, "Signal Loss = 0.02 %"},
                             // no number reads as 0: cos 0 = 1
                             LossCase{"empty", "", 0, false, "Signal Loss = 0.00 %"},
                             LossCase{"notANumber", "abc", 0, false, "Signal Loss = 0.00 %"},
                             // the leading number counts: 45
                             LossCase{"trailingText", "45abc", 45, false, "Signal Loss = 29.29 %"},
                             // a comma ends the number: 4, cos 4 = 0.997564, 0.2436
                             LossCase{"comma", "4,5", 4, false, "Signal Loss = 0.24 %"},
                             // above 90.00021 degrees: held at 1.5708 rad, cos = -3.67e-6, 100.000367
                             LossCase{"ninetyOne", "91", 91, true, "Signal Loss = 100.00 %"},
                             LossCase{"ninetyPointOne", "90.1", 90.1, true, "Signal Loss = 100.00 %"},
                             LossCase{"exponent", "1e2", 100, true, "Signal Loss = 100.00 %"},
                             // 90.0002 degrees = 1.5707998 rad, just below the limit: 100.00035
                             LossCase{"justBelowLimit", "90.0002", 90.0002, false, "Signal Loss = 100.00 %"},
                             // the one number whose angle is exactly 1.5708 rad: not above the limit
                             LossCase{"atTheLimit", "90.00020970255125", 90.00020970255125, false,
                                      "Signal Loss = 100.00 %"},
                             // 90.0003 degrees = 1.5708015 rad, just above it
                             LossCase{"justAboveLimit", "90.0003", 90.0003, true, "Signal Loss = 100.00 %"},
                             // no lower limit, and cos is even: -30 as 30
                             LossCase{"minusThirty", "-30", -30, false, "Signal Loss = 13.40 %"},
                             // cos(-120) = -0.5: 150.0000015
                             LossCase{"minusOneTwenty", "-120", -120, false, "Signal Loss = 150.00 %"},
                             // cos(-180) = -1: 200
                             LossCase{"minusOneEighty", "-180", -180, false, "Signal Loss = 200.00 %"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SignalLoss, NumberBeyondTheDoubleRangeIsOverflow)
{
    try {
        computeSignalLoss("1e400");
        FAIL() << "no error raised";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number(), 6);
    }
}

TEST(SignalLoss, CaptionInTheGivenRegionalFormat)
{
    NumberFormat german;
    german.decimalPoint = ",";
    german.groupSeparator = ".";
    EXPECT_EQ(computeSignalLoss("30", german).caption, "Signal Loss = 13,40 %");
}

} // namespace
