#include "calc/numbers.h"
#include "calc/weights.h"

#include <gtest/gtest.h>

using namespace vorvan;

namespace {

// The factors as calc/ holds them; FactorsHoldTheirValues checks each once.
constexpr double steel = vorvan::steel.factor, aluminium = vorvan::aluminium.factor, titanium = vorvan::titanium.factor,
                 mm = millimetres.factor, inches = vorvan::inches.factor;

struct PinCase
{
    const char *name;
    const char *diameter;
    const char *length;
    double unit;
    double material;
    const char *shown;
};

class PinWeight : public testing::TestWithParam<PinCase>
{};

TEST_P(PinWeight, ShownWithTwoDecimals)
{
    const auto &c = GetParam();
    EXPECT_EQ(fixedText(pinWeight(c.diameter, c.length, c.unit, c.material), 2), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Weights, PinWeight,
                         testing::Values(
                             // 50 mm, 200 mm: 200 * (0.00616 * 50^2) / 1000 = 3.08 kg
                             PinCase{"steel", "50", "200", mm, steel, "3.08"},
                             // 3.08 * 0.3569 = 1.099 kg
                             PinCase{"aluminium", "50", "200", mm, aluminium, "1.10"},
                             // 3.08 * 0.576 = 1.774 kg
                             PinCase{"titanium", "50", "200", mm, titanium, "1.77"},
                             // 2 in = 50.8 mm, 8 in = 203.2 mm: 203.2 * 0.00616 * 50.8^2 / 1000 = 3.230 kg
                             PinCase{"inches", "2", "8", inches, steel, "3.23"},
                             // 100 * 0.00616 * 400 / 1000 = 0.2464 kg
                             PinCase{"small", "20", "100", mm, steel, "0.25"},
                             // 10000 * 0.00616 * 10^6 / 1000 = 61600 kg
                             PinCase{"grouped", "1000", "10000", mm, steel, "61,600.00"},
                             PinCase{"onlyDiameter", "50", "", mm, steel, "0.00"},
                             // 1,5 reads as 1 and 12abc as 12: 12 * 0.00616 * 1 / 1000 = 0.0000739
                             PinCase{"commaAndTrailing", "1,5", "12abc", mm, steel, "0.00"},
                             // a negative length gives a negative weight, a negative diameter counts as positive
                             PinCase{"negativeLength", "50", "-200", mm, steel, "-3.08"},
                             PinCase{"negativeDiameter", "-50", "200", mm, steel, "3.08"}),
                         [](const auto &info) { return std::string(info.param.name); });

struct LinkCase
{
    const char *name;
    const char *length;
    const char *width;
    const char *height;
    double unit;
    double material;
    const char *shown;
};

class LinkWeight : public testing::TestWithParam<LinkCase>
{};

TEST_P(LinkWeight, ShownWithTwoDecimals)
{
    const auto &c = GetParam();
    EXPECT_EQ(fixedText(linkWeight(c.length, c.width, c.height, c.unit, c.material), 2), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Weights, LinkWeight,
                         testing::Values(
                             // 1000 x 100 x 50 mm = 5 dm^3: 7.8417 * 5 = 39.21 kg
                             LinkCase{"steel", "1000", "100", "50", mm, steel, "39.21"},
                             // 39.2085 * 0.3569 = 13.99 kg
                             LinkCase{"aluminium", "1000", "100", "50", mm, aluminium, "13.99"},
                             // 39.2085 * 0.576 = 22.58 kg
                             LinkCase{"titanium", "1000", "100", "50", mm, titanium, "22.58"},
                             // 10 x 2 x 1 in = 20 in^3 = 0.32774 dm^3: 7.8417 * 0.32774 = 2.57 kg
                             LinkCase{"inches", "10", "2", "1", inches, steel, "2.57"},
                             // 100 x 10 x 10 mm = 0.01 dm^3: 0.0784 kg
                             LinkCase{"small", "100", "10", "10", mm, steel, "0.08"},
                             LinkCase{"heightEmpty", "1000", "100", "", mm, steel, "0.00"},
                             LinkCase{"twoNegatives", "-1000", "-100", "50", mm, steel, "39.21"},
                             LinkCase{"oneNegative", "-1000", "100", "50", mm, steel, "-39.21"}),
                         [](const auto &info) { return std::string(info.param.name); });

// Every digit of the factors counts, not only those that move two decimals: the
// expected weights come from the numbers themselves, grouped as the formulas are.
TEST(Weights, FactorsHoldTheirValues)
{
    EXPECT_EQ(steel, 1.0);
    EXPECT_EQ(mm, 1.0);
    // 2 x 8 in of aluminium
    EXPECT_DOUBLE_EQ(pinWeight("2", "8", inches, aluminium),
                     0.3569 * (((8 * 25.4) * (0.00616 * ((2 * 25.4) * (2 * 25.4)))) / 1000));
    // 10 x 2 x 1 in of titanium
    EXPECT_DOUBLE_EQ(linkWeight("10", "2", "1", inches, titanium),
                     0.576 * ((7.8417 * ((10 * 25.4) * ((1 * 25.4) * (2 * 25.4)))) / 1000000));
}

TEST(WeightOverflow, BeyondTheDoubleRangeIsError6)
{
    // Each number reads, but the product leaves the double range.
    EXPECT_THROW(pinWeight("1e200", "1e200", 1, 1), RuntimeError);
    // 0 times an infinite square is no number either.
    EXPECT_THROW(pinWeight("1e200", "0", 1, 1), RuntimeError);
    EXPECT_THROW(linkWeight("1e400", "1", "1", 1, 1), RuntimeError);
    EXPECT_THROW(linkWeight("1e150", "1e150", "1e150", 1, 1), RuntimeError);
}

} // namespace
