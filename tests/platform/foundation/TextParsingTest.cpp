#include "platform/foundation/Text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace platform::text;

TEST(TextParsing, IntegersAcceptOnlyStrictForms)
{
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    constexpr auto min = std::numeric_limits<std::int64_t>::min();
    struct Case {
        const char* text;
        int radix;
        std::optional<std::int64_t> expected;
    };
    const Case cases[] = {
        {"0", 10, 0},
        {"42", 10, 42},
        {"+42", 10, 42},
        {"-42", 10, -42},
        {"-0", 10, 0},
        {"007", 10, 7},
        {"9223372036854775807", 10, max},
        {"-9223372036854775808", 10, min},
        {"9223372036854775808", 10, std::nullopt},
        {"-9223372036854775809", 10, std::nullopt},
        {"99999999999999999999999", 10, std::nullopt},
        {"", 10, std::nullopt},
        {"+", 10, std::nullopt},
        {"-", 10, std::nullopt},
        {"+-1", 10, std::nullopt},
        {" 1", 10, std::nullopt},
        {"1 ", 10, std::nullopt},
        {"1_000", 10, std::nullopt},
        {"1.0", 10, std::nullopt},
        {"1e3", 10, std::nullopt},
        {"\u0661", 10, std::nullopt}, // non-ASCII digits are not accepted
        {"ff", 16, 255},
        {"FF", 16, 255},
        {"-fF", 16, -255},
        {"0x10", 16, std::nullopt},
        {"g", 16, std::nullopt},
        {"7fffffffffffffff", 16, max},
        {"8000000000000000", 16, std::nullopt},
        {"-8000000000000000", 16, min},
        {"zz", 36, 35 * 36 + 35},
        {"ZZ", 36, 35 * 36 + 35},
        {"101", 2, 5},
        {"2", 2, std::nullopt},
        {"a", 10, std::nullopt},
        {"1", 1, std::nullopt},
        {"1", 37, std::nullopt},
        {"1", 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " radix " + std::to_string(c.radix));
        EXPECT_EQ(parseInteger(c.text, c.radix), c.expected);
    }
}

TEST(TextParsing, DecimalsFollowTheStrictGrammar)
{
    struct Case {
        const char* text;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"0", 0.0},
        {"12.50", 12.5},
        {"+1.5", 1.5},
        {"-1.5", -1.5},
        {"1.", 1.0},
        {".5", 0.5},
        {"1e3", 1000.0},
        {"1E+3", 1000.0},
        {"2.5e-1", 0.25},
        {"1e-400", 0.0},
        {"0.0000000000000000000000000000000000001e-300", 0.0},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1,5", std::nullopt},
        {" 1", std::nullopt},
        {"1 ", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"e3", std::nullopt},
        {".e3", std::nullopt},
        {"1e3.5", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"Infinity", std::nullopt},
        {"0x1p3", std::nullopt},
        {"--1", std::nullopt},
        {"1e400", std::nullopt},
        {"-1e400", std::nullopt},
        {"100000000000000000000000000000000000e300", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseDecimal(c.text), c.expected);
    }
    EXPECT_TRUE(std::signbit(*parseDecimal("-0")));
    EXPECT_EQ(parseDecimal("0.1"), 0.1);
    EXPECT_EQ(parseDecimal("1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_EQ(parseDecimal("4.9e-324"), std::numeric_limits<double>::denorm_min());
}

TEST(TextParsing, PlainDecimal)
{
    for (const char* yes : {"0", "10", "10.", ".5", "123.45", "007"}) {
        EXPECT_TRUE(isPlainDecimal(yes)) << yes;
    }
    for (const char* no : {"", ".", "+1", "-1", "1e3", "1.2.3", " 1", "1,0", "\u0661", "1..", "abc"}) {
        EXPECT_FALSE(isPlainDecimal(no)) << no;
    }
}
