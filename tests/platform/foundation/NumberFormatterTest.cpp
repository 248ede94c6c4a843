#include "platform/foundation/DebugLog.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/NumberFormatter.h"

#include <gtest/gtest.h>

#include <algorithm>

using platform::Locale;
using platform::NumberFormatter;
using platform::NumberRoundingMode;
using platform::NumberStyle;

namespace {

NumberFormatter currencyFormatter(const char* locale)
{
    NumberFormatter formatter;
    formatter.setNumberStyle(NumberStyle::currency);
    formatter.setLocale(Locale(locale));
    return formatter;
}

} // namespace

TEST(Locale, ReportsCodesAndCurrencyFromLocaleData)
{
    struct Case {
        const char* identifier;
        const char* language;
        const char* region;
        const char* currency;
        const char* symbol;
    };
    const Case cases[] = {
        {"en_US", "en", "US", "USD", "$"},      {"en_IN", "en", "IN", "INR", "\u20B9"},
        {"en_GB", "en", "GB", "GBP", "\u00A3"}, {"en_JP", "en", "JP", "JPY", "\u00A5"},
        {"en_EA", "en", "EA", "EUR", "\u20AC"}, {"en-US", "en", "US", "USD", "$"},
    };
    for (const auto& c : cases) {
        Locale locale(c.identifier);
        EXPECT_EQ(locale.identifier(), c.identifier);
        EXPECT_EQ(locale.languageCode(), c.language) << c.identifier;
        EXPECT_EQ(locale.regionCode(), c.region) << c.identifier;
        EXPECT_EQ(locale.currencyCode(), c.currency) << c.identifier;
        EXPECT_EQ(locale.currencySymbol(), c.symbol) << c.identifier;
        EXPECT_FALSE(locale.isRightToLeft()) << c.identifier;
    }
    EXPECT_TRUE(Locale("he_IL").isRightToLeft());
    Locale arabic("ar");
    EXPECT_TRUE(arabic.isRightToLeft());
    EXPECT_EQ(arabic.languageCode(), "ar");
    EXPECT_FALSE(arabic.regionCode());
    EXPECT_FALSE(arabic.currencyCode());
    EXPECT_FALSE(arabic.currencySymbol());
}

TEST(Locale, CurrentIsSettableAndRegionCodesAreUpperCaseIso)
{
    auto original = Locale::current();
    Locale::setCurrent(Locale("ar_AE"));
    EXPECT_EQ(Locale::current().languageCode(), "ar");
    Locale::setCurrent(std::nullopt);
    EXPECT_EQ(Locale::current(), original);

    const auto& regions = Locale::isoRegionCodes();
    for (const char* code : {"US", "IN", "GB", "JP", "AE", "DE"})
        EXPECT_NE(std::find(regions.begin(), regions.end(), code), regions.end()) << code;
    for (const char* code : {"us", "XX", "USA", ""})
        EXPECT_EQ(std::find(regions.begin(), regions.end(), code), regions.end()) << code;
    EXPECT_TRUE(std::all_of(regions.begin(), regions.end(), [](const std::string& code) {
        return code.size() == 2 && std::isupper(static_cast<unsigned char>(code[0])) &&
               std::isupper(static_cast<unsigned char>(code[1]));
    }));
}

TEST(NumberFormatter, FormatsCurrencyAsTheLocaleDataFixes)
{
    struct Case {
        const char* locale;
        double amount;
        const char* expected;
        int fractionDigits;
    };
    const Case cases[] = {
        {"en_US", 1234.5, "$1,234.50", 2},
        {"en_US", 0, "$0.00", 2},
        {"en_US", -12.5, "-$12.50", 2},
        {"en_IN", 100000,
         "\u20B9"
         "1,00,000.00",
         2}, // Indian grouping
        {"en_IN", 12345678.9,
         "\u20B9"
         "1,23,45,678.90",
         2},
        {"en_GB", 1234.5,
         "\u00A3"
         "1,234.50",
         2},
        {"en_JP", 1234.5,
         "\u00A5"
         "1,234",
         0}, // no minor units; half-even keeps 1234
        {"en_JP", 1235.5,
         "\u00A5"
         "1,236",
         0},
        {"en_EA", 1234.5,
         "\u20AC"
         "1,234.50",
         2},
    };
    for (const auto& c : cases) {
        auto formatter = currencyFormatter(c.locale);
        EXPECT_EQ(formatter.string(c.amount), c.expected) << c.locale << " " << c.amount;
        EXPECT_EQ(formatter.minimumFractionDigits(), c.fractionDigits) << c.locale;
    }
}

TEST(NumberFormatter, RoundsHalfToEvenUnlessToldOtherwise)
{
    auto formatter = currencyFormatter("en_US");
    EXPECT_EQ(formatter.roundingMode(), NumberRoundingMode::halfEven);
    EXPECT_EQ(formatter.string(2.125), "$2.12");
    EXPECT_EQ(formatter.string(2.375), "$2.38");
    EXPECT_EQ(formatter.string(0.125), "$0.12");
    formatter.setRoundingMode(NumberRoundingMode::halfUp);
    EXPECT_EQ(formatter.string(2.125), "$2.13");
    formatter.setRoundingMode(NumberRoundingMode::floor);
    EXPECT_EQ(formatter.string(2.129), "$2.12");
}

TEST(NumberFormatter, AppliesExplicitSettingsOverTheLocaleDefaults)
{
    auto formatter = currencyFormatter("en_US");
    EXPECT_EQ(formatter.currencyCode(), "USD");
    EXPECT_EQ(formatter.currencySymbol(), "$");
    EXPECT_TRUE(formatter.usesGroupingSeparator());

    formatter.setCurrencyCode("EUR");
    EXPECT_EQ(formatter.string(3.5), "\u20AC"
                                     "3.50");
    EXPECT_EQ(formatter.currencySymbol(), "\u20AC");
    formatter.setCurrencyCode("JPY");
    EXPECT_EQ(formatter.string(1234.5), "\u00A5"
                                        "1,234");
    EXPECT_EQ(formatter.maximumFractionDigits(), 0);
    formatter.setCurrencyCode(std::nullopt);

    formatter.setUsesGroupingSeparator(false);
    EXPECT_EQ(formatter.string(1234567.25), "$1234567.25");
    formatter.setUsesGroupingSeparator(std::nullopt);
    formatter.setGroupingSeparator(".");
    formatter.setDecimalSeparator(",");
    EXPECT_EQ(formatter.string(1234.5), "$1.234,50");
    EXPECT_EQ(formatter.groupingSeparator(), ".");
    EXPECT_EQ(formatter.decimalSeparator(), ",");
    formatter.setGroupingSeparator(std::nullopt);
    formatter.setDecimalSeparator(std::nullopt);

    formatter.setMinimumFractionDigits(3);
    EXPECT_EQ(formatter.string(1.5), "$1.500");
    formatter.setMinimumFractionDigits(std::nullopt);
    formatter.setMaximumFractionDigits(0);
    EXPECT_EQ(formatter.string(2.5), "$2");

    // Out-of-range and malformed settings are refused and logged; the old value stays.
    platform::DebugLogCapture log;
    formatter.setMaximumFractionDigits(-1);
    formatter.setMinimumFractionDigits(99);
    formatter.setCurrencyCode("US");
    EXPECT_EQ(log.lines().size(), 3u);
    EXPECT_EQ(formatter.maximumFractionDigits(), 0);
    EXPECT_EQ(formatter.currencyCode(), "USD");
}

TEST(NumberFormatter, PlainAndDecimalStyles)
{
    NumberFormatter plain;
    plain.setLocale(Locale("en_US"));
    EXPECT_EQ(plain.numberStyle(), NumberStyle::none);
    EXPECT_EQ(plain.string(1234.5), "1234"); // half-even to an integer, no grouping
    EXPECT_EQ(plain.string(1235.5), "1236");
    EXPECT_FALSE(plain.usesGroupingSeparator());

    NumberFormatter decimal;
    decimal.setNumberStyle(NumberStyle::decimal);
    decimal.setLocale(Locale("en_IN"));
    EXPECT_EQ(decimal.string(1234567.891), "12,34,567.891");
    decimal.setLocale(Locale("de_DE"));
    EXPECT_EQ(decimal.string(1234.5), "1.234,5");
}

TEST(NumberFormatter, ParsesWhatItFormats)
{
    for (const char* locale : {"en_US", "en_IN", "en_GB", "en_EA"}) {
        auto formatter = currencyFormatter(locale);
        for (double amount : {0.0, 1234.5, 100000.0, 99.99}) {
            auto text = formatter.string(amount);
            ASSERT_TRUE(text);
            EXPECT_EQ(formatter.number(*text), amount) << locale << " " << *text;
        }
    }
    NumberFormatter decimal;
    decimal.setNumberStyle(NumberStyle::decimal);
    decimal.setLocale(Locale("en_US"));
    EXPECT_EQ(decimal.number("1,234.5"), 1234.5);
    EXPECT_FALSE(decimal.number(""));
    EXPECT_FALSE(decimal.number("12abc")); // the whole text must be a number
    EXPECT_FALSE(decimal.number("abc"));
}

TEST(NumberFormatter, FollowsTheCurrentLocaleWhenNoneIsSet)
{
    NumberFormatter formatter;
    formatter.setNumberStyle(NumberStyle::currency);
    Locale::setCurrent(Locale("en_GB"));
    EXPECT_EQ(formatter.string(1), "\u00A3"
                                   "1.00");
    Locale::setCurrent(Locale("en_IN"));
    EXPECT_EQ(formatter.string(1), "\u20B9"
                                   "1.00");
    Locale::setCurrent(std::nullopt);

    // A copy keeps the settings and formats on its own.
    auto copy = currencyFormatter("en_JP");
    NumberFormatter second = copy;
    copy.setLocale(Locale("en_US"));
    EXPECT_EQ(second.string(5), "\u00A5"
                                "5");
    EXPECT_EQ(copy.string(5), "$5.00");
}
