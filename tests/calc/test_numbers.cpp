#include "calc/centring.h"
#include "calc/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vorvan;

namespace {

struct ReadCase
{
    const char *name;
    const char *text;
    double expected;
};

class ReadLeadingNumber : public testing::TestWithParam<ReadCase>
{};

TEST_P(ReadLeadingNumber, ReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(readLeadingNumber(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Conversion, ReadLeadingNumber,
    testing::Values(
        ReadCase{"empty", "", 0}, ReadCase{"plain", "50", 50}, ReadCase{"decimal", "12.5", 12.5},
        ReadCase{"leadingPoint", ".5", 0.5}, ReadCase{"negativeLeadingPoint", "-.5", -0.5},
        ReadCase{"plusSign", "+7", 7}, ReadCase{"doubleSign", "--5", 0},
        // A comma is never a decimal point: it ends the number.
        ReadCase{"comma", "1,5", 1}, ReadCase{"trailingText", "12abc", 12}, ReadCase{"noNumber", "abc", 0},
        ReadCase{"secondPoint", "1.2.3", 1.2},
        // Blanks, tabs and line feeds are skipped anywhere, even inside digits.
        ReadCase{"blanksInside", " 1 2 . 5 ", 12.5}, ReadCase{"tabsAndFeeds", "\t1\n0", 10},
        ReadCase{"blankAfterSign", "- 5", -5}, ReadCase{"carriageReturnStops", "1\r2", 1},
        ReadCase{"exponent", "1e3", 1000}, ReadCase{"exponentD", "2D2", 200}, ReadCase{"exponentLowerD", "2d-2", 0.02},
        ReadCase{"exponentPlus", "1.5E+2", 150}, ReadCase{"exponentWithoutDigits", "1e", 1},
        ReadCase{"exponentSignOnly", "4e-", 4}, ReadCase{"exponentAlone", "e5", 0}, ReadCase{"pointAlone", ".", 0},
        ReadCase{"signAlone", "-", 0}, ReadCase{"leadingZeros", "007.50", 7.5}, ReadCase{"hex", "&HFF", 255},
        ReadCase{"hexLower", "&hff", 255},
        // 16-bit and 32-bit hex and octal integers are signed, as typed in BASIC.
        ReadCase{"hex16Signed", "&HFFFF", -1}, ReadCase{"hex8000", "&H8000", -32768},
        ReadCase{"hex17Bits", "&H10000", 65536}, ReadCase{"hex32Signed", "&HFFFFFFFF", -1},
        // 9 to 16 digits are a signed 64-bit integer; beyond, the low 64 bits count.
        ReadCase{"hex33Bits", "&H100000000", 4294967296.0}, ReadCase{"hex48Bits", "&HFFFFFFFFFFFF", 281474976710655.0},
        ReadCase{"hex64Signed", "&HFFFFFFFFFFFFFFFF", -1},
        ReadCase{"hex64Smallest", "&H8000000000000000", -9223372036854775808.0},
        // 2^64 + 0xFFFF: the low 64 bits are 65535, a 64-bit value, not a 16-bit -1.
        ReadCase{"hex68BitsLow64", "&H1000000000000FFFF", 65535},
        ReadCase{"hex80BitsLow64", "&HABCDFFFFFFFFFFFFFFFF", -1},
        // 0o37777777777 = 2^32 - 1, 0o40000000000 = 2^32; 22 sevens' low 64 bits are all ones.
        ReadCase{"octal32Signed", "&O37777777777", -1}, ReadCase{"octal33Bits", "&O40000000000", 4294967296.0},
        ReadCase{"octal64Signed", "&O1777777777777777777777", -1}, ReadCase{"hexNoDigits", "&H", 0},
        ReadCase{"hexStopsAtG", "&H1G", 1}, ReadCase{"hexBlanks", "& H 1 0", 16}, ReadCase{"octal", "&O17", 15},
        ReadCase{"octalStopsAt8", "&O78", 7}, ReadCase{"ampersandAlone", "&", 0}, ReadCase{"ampersandOther", "&X1", 0},
        ReadCase{"underflow", "1e-400", 0}, ReadCase{"tinyButRepresentable", "1e-300", 1e-300},
        ReadCase{"largest", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        ReadCase{"manyZerosThenDigits", "0.000000000000000000000000000001", 1e-30},
        ReadCase{"unicodeDigitStops",
                 "\xd9\xa1"
                 "2",
                 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ReadLeadingNumberOverflow, RaisesRuntimeError6)
{
    for (const char *text : {"1e400", "-1e309", "1.8e308", "1e99999999999999999999"}) {
        try {
            readLeadingNumber(text);
            ADD_FAILURE() << text << " did not overflow";
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.number(), 6) << text;
            EXPECT_EQ(e.description(), "Overflow");
        }
    }
    const std::string hugeDigits(400, '9');
    EXPECT_THROW(readLeadingNumber(hugeDigits), RuntimeError);
}

struct FixedCase
{
    const char *name;
    double value;
    int decimals;
    const char *expected;
};

// GoogleTest would otherwise print the raw bytes of a case, padding included,
// which are never written.
void PrintTo(const FixedCase &c, std::ostream *os)
{
    *os << c.name;
}

class FixedText : public testing::TestWithParam<FixedCase>
{};

TEST_P(FixedText, RoundsHalfAwayAndGroups)
{
    EXPECT_EQ(fixedText(GetParam().value, GetParam().decimals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FixedText,
    testing::Values(
        FixedCase{"twoDecimals", 3.08, 2, "3.08"}, FixedCase{"padsZeros", 0.25, 2, "0.25"},
        FixedCase{"grouping", 61600, 2, "61,600.00"}, FixedCase{"negative", -3.08, 2, "-3.08"},
        // Exact binary halves round away from zero.
        FixedCase{"halfUp", 0.125, 2, "0.13"}, FixedCase{"halfNegative", -0.125, 2, "-0.13"},
        FixedCase{"halfToOdd", 2.5, 0, "3"}, FixedCase{"halfFromEven", 0.5, 0, "1"},
        FixedCase{"oneDecimal", 1234.45, 1, "1,234.5"}, FixedCase{"carry", 9.999, 2, "10.00"},
        FixedCase{"carryGroup", 999999.995, 2, "1,000,000.00"}, FixedCase{"zero", 0, 2, "0.00"},
        // A negative value that rounds to zero shows no minus sign.
        FixedCase{"negativeToZero", -0.000135, 1, "0.0"}, FixedCase{"negativeZero", -0.0, 2, "0.00"},
        FixedCase{"noDecimals", 475.5, 0, "476"}, FixedCase{"noDecimalsGrouped", 3535.44, 0, "3,535"},
        FixedCase{"tiny", 1e-20, 2, "0.00"}, FixedCase{"bigExact", 1e21, 0, "1,000,000,000,000,000,000,000"},
        FixedCase{"belowHalfInBinary", 1.005, 2, "1.01"}, FixedCase{"roundsToOneAtZeroKeep", 0.06, 1, "0.1"},
        FixedCase{"roundsAwayAtFirstDigit", 0.005, 2, "0.01"}, FixedCase{"dropsBelowFirstDigit", 0.004, 2, "0.00"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FixedTextFormat, UsesTheCallersSeparators)
{
    const NumberFormat german{",", ".", "-", true};
    EXPECT_EQ(fixedText(61600, 2, german), "61.600,00");
    const NumberFormat plain{".", ",", "-", false};
    EXPECT_EQ(fixedText(61600, 2, plain), "61600.00");
    const NumberFormat unicodeMinus{".", ",", "\xe2\x88\x92", true};
    EXPECT_EQ(fixedText(-1.5, 1, unicodeMinus), "\xe2\x88\x92"
                                                "1.5");
}

TEST(FixedTextFormat, NonFiniteIsAnOverflow)
{
    EXPECT_THROW(fixedText(std::numeric_limits<double>::infinity(), 2), RuntimeError);
    EXPECT_THROW(fixedText(std::nan(""), 2), RuntimeError);
}

struct GeneralCase
{
    const char *name;
    float value;
    const char *expected;
};

void PrintTo(const GeneralCase &c, std::ostream *os)
{
    *os << c.name;
}

class GeneralText : public testing::TestWithParam<GeneralCase>
{};

TEST_P(GeneralText, ShortestSingleText)
{
    EXPECT_EQ(generalText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GeneralText,
    testing::Values(GeneralCase{"whole", 100.0f, "100"}, GeneralCase{"half", 12.5f, "12.5"},
                    GeneralCase{"zero", 0.0f, "0"}, GeneralCase{"negative", -60.0f, "-60"},
                    GeneralCase{"tenth", 0.1f, "0.1"}, GeneralCase{"sevenDigits", 1234567.0f, "1234567"},
                    GeneralCase{"noGrouping", 1000.0f, "1000"}, GeneralCase{"small", 0.001f, "0.001"},
                    GeneralCase{"third", 1.0f / 3.0f, "0.3333333"}, GeneralCase{"large", 1e10f, "1E+10"},
                    GeneralCase{"eightDigits", 12345678.0f, "1.234568E+07"}, GeneralCase{"verySmall", 1e-7f, "1E-07"},
                    GeneralCase{"singleMax", 3.4028235e38f, "3.402823E+38"}),
    [](const auto &info) { return std::string(info.param.name); });

// Cases with padding bytes are named by PrintTo; read as raw bytes, their
// padding is uninitialised memory (memcheck reported it).
TEST(CasePrinting, CasesWithPaddingPrintTheirNames)
{
    EXPECT_EQ(testing::PrintToString(FixedCase{"twoDecimals", 3.08, 2, "3.08"}), "twoDecimals");
    EXPECT_EQ(testing::PrintToString(GeneralCase{"whole", 100.0f, "100"}), "whole");
}

TEST(GeneralTextReadBack, ReadsBackAsTheSameSingle)
{
    for (float f : {100.0f, 12.5f, 0.1f, 179.9f, -45.25f, 1e10f, 0.001f, 33.33f, 1e-7f})
        EXPECT_EQ(toSingle(readLeadingNumber(generalText(f))), f) << generalText(f);
}

TEST(IntegerText, PlainDigits)
{
    EXPECT_EQ(integerText(160), "160");
    EXPECT_EQ(integerText(-45), "-45");
    EXPECT_EQ(integerText(123456), "123456");
}

TEST(SliderPosition, NearestWithHalvesToEven)
{
    EXPECT_EQ(roundToSliderPosition(34.5), 34);
    EXPECT_EQ(roundToSliderPosition(35.5), 36);
    EXPECT_EQ(roundToSliderPosition(23.5), 24);
    EXPECT_EQ(roundToSliderPosition(24.5), 24);
    EXPECT_EQ(roundToSliderPosition(34.72), 35);
    EXPECT_EQ(roundToSliderPosition(-2.5), -2);
    EXPECT_EQ(roundToSliderPosition(29190.0), 29190);
    EXPECT_EQ(roundToSliderPosition(1e9), 32767);
    EXPECT_EQ(roundToSliderPosition(-1e9), -32768);
}

TEST(Single, NarrowingBeyondTheRangeIsAnOverflow)
{
    EXPECT_EQ(toSingle(1.5), 1.5f);
    EXPECT_THROW(toSingle(1e39), RuntimeError);
    EXPECT_THROW(toSingle(-1e39), RuntimeError);
    EXPECT_THROW(toSingle(std::nan("")), RuntimeError);
}

int errorNumberOf(double x, double y)
{
    try {
        quotient(x, y);
    } catch (const RuntimeError &e) {
        return e.number();
    }
    return 0;
}

TEST(Quotient, DivisionByZeroIsError11AndZeroByZeroError6)
{
    EXPECT_DOUBLE_EQ(quotient(1, 4), 0.25);
    EXPECT_DOUBLE_EQ(quotient(0, -3), 0);
    EXPECT_EQ(errorNumberOf(5, 0), 11);
    EXPECT_EQ(errorNumberOf(-5, -0.0), 11);
    EXPECT_EQ(errorNumberOf(0, 0), 6);
    EXPECT_EQ(errorNumberOf(-0.0, 0), 6);
    EXPECT_EQ(errorNumberOf(1e-45, 1e-45), 0);
}

TEST(Centring, HalvesTheSpareRoomInSingles)
{
    // 1024 x 768 screen is 15360 x 11520 twips; a 7800 x 7200 window:
    // (15360 - 7800) / 2 = 3780, (11520 - 7200) / 2 = 2160.
    const auto p = centredPosition(15360, 11520, 7800, 7200);
    EXPECT_FLOAT_EQ(p.left, 3780);
    EXPECT_FLOAT_EQ(p.top, 2160);
    // A window larger than the screen gets a negative position.
    EXPECT_FLOAT_EQ(centredPosition(1000, 1000, 1500, 1000).left, -250);
}

} // namespace
