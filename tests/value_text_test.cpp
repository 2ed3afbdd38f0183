// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// The rules that turn box texts into numbers and results into texts.
#include "calc/checked_real.h"
#include "calc/value_text.h"
#include "tests/display_shape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct Parse {
    const char* name;
    std::string text;
    double value;
};

// Names the case, not its bytes, in test listings.
void PrintTo(const Parse& c, std::ostream* os)
{
    *os << c.name;
}

class ParseNumberTest : public testing::TestWithParam<Parse> { };

TEST_P(ParseNumberTest, ReadsTheNumberAtTheStart)
{
    const Parse& c = GetParam();
    const double value = calc::parseNumber(c.text);
    EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << '"' << c.text << '"';
}

constexpr double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    ValueText, ParseNumberTest,
    testing::Values(
        Parse{"Plain", "0.4", 0.4}, Parse{"Integer", "235", 235}, Parse{"Empty", "", 0}, Parse{"NotANumber", "abc", 0},
        Parse{"Padded", " 0.4 ", 0.4}, Parse{"SpacesInside", "1 2", 12}, Parse{"TabsAndLineFeeds", "\t1\n.\n5\t", 1.5},
        Parse{"UnitAfter", "6m", 6}, Parse{"CommaEndsTheNumber", "1,5", 1}, Parse{"TrailingText", "2.5kN", 2.5},
        Parse{"Minus", "-5", -5}, Parse{"Plus", "+5", 5}, Parse{"LeadingPoint", ".5", 0.5},
        Parse{"MinusLeadingPoint", "-.5", -0.5}, Parse{"TrailingPoint", "5.", 5},
        Parse{"SecondPointEnds", "1.2.3", 1.2}, Parse{"SignAlone", "-", 0}, Parse{"PointAlone", ".", 0},
        Parse{"DoubleSign", "--5", 0}, Parse{"Exponent", "1E3", 1000}, Parse{"ExponentLowerCase", "2.5e-1", 0.25},
        Parse{"ExponentD", "1D3", 1000}, Parse{"ExponentDLowerCase", "1d+2", 100},
        Parse{"ExponentWithoutDigits", "7E", 7}, Parse{"ExponentSignWithoutDigits", "7E-x", 7},
        Parse{"NoMantissaBeforeExponent", "E5", 0}, Parse{"Hex", "&H10", 16}, Parse{"HexLowerCase", "&hff", 255},
        Parse{"HexWide", "&HFFFF", 65535}, Parse{"HexBeyondInt64", "&H10000000000000000", 18446744073709551616.0},
        Parse{"Octal", "&O17", 15}, Parse{"OctalStopsAtEight", "&o178", 15}, Parse{"OctalEven", "&O20", 16},
        Parse{"OctalWide", "&O1777777777777777777777", 18446744073709551615.0}, Parse{"AmpersandAlone", "&", 0},
        Parse{"AmpersandOther", "&X10", 0}, Parse{"SignBeforeHex", "-&H10", 0}, Parse{"NegativeZero", "-0", -0.0},
        Parse{"NotInfinity", "-inf", 0}, Parse{"NotNaN", "-nan", 0}, Parse{"NotInfinityUnsigned", "infinity", 0},
        Parse{"NotHexFloat", "0x1p4", 0},
        // Correct rounding where digit-by-digit accumulation goes wrong.
        Parse{"ManyDigits", "0.1000000000000000055511151231257827021181583404541015625", 0.1},
        Parse{"HalfwayCase", "9007199254740993", 9007199254740992.0},
        Parse{"LongMantissa", std::string(400, '1') + "E-400", 1.0 / 9},
        Parse{"LeadingZerosAfterPoint", "0." + std::string(500, '0') + "1E501", 1},
        // Beyond the range of a double: infinite (the run's overflow), or zero / subnormal.
        Parse{"Overflow", "1E400", inf}, Parse{"NegativeOverflow", "-1E400", -inf},
        Parse{"HexOverflow", "&H" + std::string(300, 'F'), inf}, Parse{"HugeExponent", "1E99999999999999999999", inf},
        Parse{"Underflow", "1E-400", 0}, Parse{"NegativeUnderflow", "-1E-400", -0.0},
        Parse{"ZeroWithHugeExponent", "0E99999", 0},
        Parse{"Subnormal", "4.9406564584124654E-324", 4.9406564584124654E-324},
        // A Chinese input method: full-width forms, ideographic space and full stop.
        Parse{"FullWidthDigits", "０．４", 0.4}, Parse{"IdeographicFullStop", "0。4", 0.4},
        Parse{"FullWidthHex", "＆Ｈ１０", 16}, Parse{"IdeographicSpace", "１\u3000２", 12},
        Parse{"CarriageReturn", "3\r\n", 3}, Parse{"FullWidthMinus", "－２", -2}, Parse{"ChineseUnitAfter", "6米", 6},
        Parse{"ChineseBefore", "约6", 0},
        // Zeros read one character at a time, where the plain-decimal shortcut does not apply.
        Parse{"PaddedWithZeros", " 200", 200}, Parse{"ZerosBeforeUnit", "200mm", 200},
        Parse{"FullWidthZeros", "４００", 400}, Parse{"PaddedSmall", " 0.05", 0.05},
        Parse{"FullWidthSmall", "０．０５", 0.05}, Parse{"IdeographicFullStopSmall", "0。05", 0.05},
        Parse{"ZeroInsideFraction", " 10.05", 10.05}, Parse{"CarriageReturnInside", "1\r2", 12},
        Parse{"HexZero", "&H0", 0}, Parse{"OctalZero", "&O0", 0},
        Parse{"PaddedEveryDigit", " 1234567890.0987654321", 1234567890.0987654321},
        Parse{"PaddedFractionOnly", " .1234567890", 0.123456789},
        // 2^1023, the largest power of two, written with 1024 bits' worth of digits.
        Parse{"HexOf1024Bits", "&H8" + std::string(255, '0'), 0x1p1023},
        Parse{"OctalOf1024Bits", "&O1" + std::string(341, '0'), 0x1p1023},
        // Bytes that are not valid UTF-8 end the number like any other character.
        Parse{"InvalidUtf8", "5\xEF\xBC", 5},
        Parse{"LoneContinuation",
              "\x80"
              "5",
              0},
        Parse{"Nul",
              std::string("4\0"
                          "2",
                          3),
              4}),
    [](const testing::TestParamInfo<Parse>& info) { return std::string(info.param.name); });

TEST(ParseNumber, MegabytesOfSpacesAroundANumber)
{
    const std::string text = std::string(3'000'000, ' ') + "4" + std::string(1'000'000, ' ') + "2";
    EXPECT_EQ(calc::parseNumber(text), 42);
}

struct Format {
    const char* name;
    double value;
    const char* text;
};

// Names the case, not its bytes, in test listings.
void PrintTo(const Format& c, std::ostream* os)
{
    *os << c.name;
}

class FormatResultTest : public testing::TestWithParam<Format> { };

TEST_P(FormatResultTest, WritesTheDisplayText)
{
    EXPECT_EQ(calc::formatResult(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(ValueText, FormatResultTest,
                         testing::Values(Format{"Zero", 0, " 0"}, Format{"NegativeZero", -0.0, " 0"},
                                         Format{"BelowOne", 0.35, " .35"}, Format{"NegativeBelowOne", -0.5, "-.5"},
                                         Format{"OneDecimal", 12.5, " 12.5"}, Format{"WholeNumber", 3, " 3"},
                                         Format{"Negative", -1636.4, "-1636.4"}, Format{"Hundredths", 39.02, " 39.02"},
                                         Format{"LargeWhole", 30000, " 30000"},
                                         // Hundredths are written from an integer up to 1E+13, by
                                         // the general conversion above it.
                                         Format{"HundredthsBelow1E13", 9999999999999.99, " 9999999999999.99"},
                                         Format{"SixteenDigitsAbove1E13", 12345678901234.56, " 12345678901234.6"},
                                         Format{"NegativeAbove1E13", -98765432109876.54, "-98765432109876.5"},
                                         Format{"FifteenDigits", 123456789012345.6, " 123456789012346"},
                                         Format{"RoundsUpToExponentForm", 999999999999999.9, " 1E+15"},
                                         Format{"ExponentForm", 1e15, " 1E+15"},
                                         Format{"ExponentFraction", 1.5e20, " 1.5E+20"},
                                         Format{"NegativeExponentForm", -2.5e16, "-2.5E+16"},
                                         Format{"LargestDouble", 1.7976931348623157e308, " 1.79769313486232E+308"}),
                         [](const testing::TestParamInfo<Format>& info) { return std::string(info.param.name); });

// The fuzzer and the monkey test judge every result text by this shape; it must tell them apart.
TEST(DisplayShape, AcceptsWhatTheDisplayRuleWritesAndNothingElse)
{
    for (const double value : {0.0, 0.35, -0.5, 12.5, 3.0, -1636.4, 1e15, -2.5e16, 1.7976931348623157e308, 1e-7})
        EXPECT_TRUE(vandrel_test::hasDisplayShape(calc::formatResult(value))) << calc::formatResult(value);
    for (const char* text : {"", "0", " ", " .", " 0.5", " 1.50", " 3.", "12", "- 1", " 1.2.3", " inf", "-nan", " 1E+",
                             " 1e+15", " 1234567890123456"})
        EXPECT_FALSE(vandrel_test::hasDisplayShape(text)) << '"' << text << '"';
}

struct Rounding {
    const char* name;
    double (*round)(double);
    double value;
    double rounded;
};

// Names the case, not its bytes, in test listings.
void PrintTo(const Rounding& c, std::ostream* os)
{
    *os << c.name;
}

class RoundingTest : public testing::TestWithParam<Rounding> { };

TEST_P(RoundingTest, RoundsAsDisplayed)
{
    EXPECT_EQ(GetParam().round(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(ValueText, RoundingTest,
                         testing::Values(Rounding{"HundredthsHalfUp", calc::roundHalfHundredths, 39.015, 39.02},
                                         Rounding{"HundredthsDown", calc::roundHalfHundredths, 39.0249, 39.02},
                                         Rounding{"HundredthsNegativeHalf", calc::roundHalfHundredths, -0.025, -0.02},
                                         Rounding{"TenthsHalfUp", calc::roundHalfTenths, 443.65, 443.7},
                                         Rounding{"TenthsNegativeHalf", calc::roundHalfTenths, -2.55, -2.5},
                                         // The deflection rounds down unless it is within 0.01 of the next tenth.
                                         Rounding{"LowKeepsLowerTenth", calc::roundTenthsLow, 5.48, 5.4},
                                         Rounding{"LowReachesUpperTenth", calc::roundTenthsLow, 5.495, 5.5},
                                         Rounding{"LowSmallIsZero", calc::roundTenthsLow, 0.05, 0},
                                         Rounding{"LowNegative", calc::roundTenthsLow, -5.4807, -5.5},
                                         Rounding{"LowJustBelowZero", calc::roundTenthsLow, -0.01, 0}),
                         [](const testing::TestParamInfo<Rounding>& info) { return std::string(info.param.name); });

TEST(Rounding, ScalingBeyondTheRangeOfADoubleIsAnOverflow)
{
    try {
        calc::roundHalfHundredths(1e307);
        FAIL() << "no fault";
    } catch (const calc::FaultStop& stop) {
        EXPECT_EQ(stop.fault, calc::Fault::Overflow);
    }
}

} // namespace
