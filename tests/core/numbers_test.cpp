// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numbers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

namespace quillbox {
namespace {

constexpr std::int32_t Fallback = -640;
constexpr std::int32_t Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();

struct IntCase {
    const char* name;
    std::string_view text;
    std::int32_t expected;
};

std::string caseName(const testing::TestParamInfo<IntCase>& info)
{
    return info.param.name;
}

void PrintTo(const IntCase& c, std::ostream* os)
{
    *os << c.name;
}

class NumbersSettingsInt : public testing::TestWithParam<IntCase> { };

TEST_P(NumbersSettingsInt, Parses)
{
    EXPECT_EQ(parseSettingsInt(GetParam().text, Fallback), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, NumbersSettingsInt,
    testing::Values(IntCase {"Decimal", "465", 465}, IntCase {"Negative", "-13", -13},
        IntCase {"PlusSign", "+5", 5}, IntCase {"LeadingZeros", "007", 7}, IntCase {"LeadingBlank", " 5", 5},
        IntCase {"ZeroXLower", "0x20", 32}, IntCase {"ZeroXUpper", "0X1f", 31},
        IntCase {"ZeroXAloneIsJunk", "0x", Fallback}, IntCase {"ZeroXNoHexDigits", "0xg", Fallback},
        IntCase {"ZeroXTrailingJunk", "0x1z", Fallback}, IntCase {"SignBeforeZeroXIsJunk", "-0x10", Fallback},
        IntCase {"ZeroXAllOnesWraps", "0xFFFFFFFF", -1},
        IntCase {"ZeroXSystemColour", "0x80000008", -2147483640},
        IntCase {"ZeroXBeyond32Bits", "0x100000000", Fallback},
        IntCase {"ZeroXManyLeadingZeros", "0x0000000000FF", 255}, IntCase {"Dollar", "$A", 10},
        IntCase {"DollarAloneIsJunk", "$", Fallback}, IntCase {"NegativeDollar", "-$10", -16},
        IntCase {"DollarAllOnes", "$FFFFFFFF", -1}, IntCase {"DollarBeyond32Bits", "$1FFFFFFFF", Fallback},
        IntCase {"Empty", "", Fallback}, IntCase {"SignAlone", "-", Fallback},
        IntCase {"Letters", "abc", Fallback}, IntCase {"TrailingJunk", "12px", Fallback},
        IntCase {"TrailingBlank", "12 ", Fallback}, IntCase {"Fraction", "1.5", Fallback},
        IntCase {"Int32Max", "2147483647", Int32Max}, IntCase {"Int32Min", "-2147483648", Int32Min},
        IntCase {"WindowTextColour", "-2147483640", -2147483640},
        IntCase {"JustAboveInt32", "2147483648", Fallback},
        IntCase {"JustBelowInt32", "-2147483649", Fallback},
        IntCase {"ManyDigits", "99999999999999999999999", Fallback}),
    caseName);

class NumbersValPrefix : public testing::TestWithParam<IntCase> { };

TEST_P(NumbersValPrefix, Parses)
{
    EXPECT_EQ(valPrefix(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, NumbersValPrefix,
    testing::Values(IntCase {"Decimal", "12", 12}, IntCase {"StopsAtSuffix", "3rd", 3},
        IntCase {"LeadingBlanks", "  2", 2}, IntCase {"Hex", "$A", 10},
        IntCase {"HexStopsAtNonHex", "$1g", 1}, IntCase {"Letter", "x", 0}, IntCase {"SignAlone", "-", 0},
        IntCase {"Empty", "", 0}, IntCase {"Negative", "-7", -7}, IntCase {"Plus", "+7", 7},
        IntCase {"NegativeHex", "-$10", -16}, IntCase {"TabIsNotSkipped", "\t5", 0},
        IntCase {"ZeroXStopsAtX", "0x10", 0}, IntCase {"SaturatesHigh", "99999999999", Int32Max},
        IntCase {"SaturatesLow", "-99999999999", Int32Min}, IntCase {"HexSaturates", "$FFFFFFFFFF", Int32Max},
        IntCase {"Int32MinExact", "-2147483648", Int32Min}),
    caseName);

TEST(NumbersRound, HalvesGoToEvenNeighbour)
{
    const struct {
        double x;
        std::int64_t expected;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4, 2},
        {2.6, 3}, {-2.6, -3}, {1e12 + 0.5, 1000000000000}, {7.0, 7}, {-0.0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.x), c.expected) << "x = " << c.x;
}

TEST(NumbersRound, NonFiniteValuesDoNotOverflow)
{
    EXPECT_EQ(roundHalfEven(std::nan("")), 0);
    EXPECT_EQ(roundHalfEven(1e300), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(roundHalfEven(-INFINITY), std::numeric_limits<std::int64_t>::min());
}

TEST(NumbersMulDiv, RoundsHalvesAwayFromZero)
{
    const struct {
        std::int32_t a, b, c, expected;
    } cases[] = {
        {8, 96, 72, 11},
        {10, 96, 72, 13},
        {10, 120, 72, 17},
        {12, 96, 72, 16},
        {1, 1, 2, 1},
        {-1, 1, 2, -1},
        {1, -1, 2, -1},
        {-1, -1, 2, 1},
        {3, 1, -2, -2},
        {5, 1, 4, 1},
        {7, 1, 4, 2},
        {1, 1, 3, 0},
        {2, 1, 3, 1},
        {0, 5, 7, 0},
        {Int32Max, Int32Max, Int32Max, Int32Max},
        {Int32Min, 1, -1, -1},
        {Int32Max, 2, 1, -1},
        {5, 7, 0, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mulDiv(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
}

} // namespace
} // namespace quillbox
