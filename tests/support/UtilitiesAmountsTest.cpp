#include "TavroMerchantSDK/support/CurrencyFormatterCache.h"
#include "TavroMerchantSDK/support/SessionServices.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "TavroMerchantSDK/support/base/ISOCountryCodes.h"

#include "platform/foundation/Locale.h"

#include <gtest/gtest.h>
#include <unicode/ucurr.h>

#include <limits>
#include <tuple>

namespace tavro {
namespace {

class UtilitiesAmountsTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        registerActiveCurrencyCodeProvider(nullptr);
        platform::Locale::setCurrent(std::nullopt);
    }
    static void useCurrency(std::string code)
    {
        registerActiveCurrencyCodeProvider([code] { return code; });
    }
};

TEST_F(UtilitiesAmountsTest, ComponentsAndCurrencyStringsInTheCurrencysLocale)
{
    struct Case {
        double amount;
        const char* code;
        const char* components;
        const char* iso;
        const char* withSymbol;
    };
    const Case cases[] = {
        {1234.5, "840", "1,234.50", "USD", "$1,234.50"},
        {-2.5, "840", "-2.50", "USD", "-$2.50"},
        {100000, "356", "1,00,000.00", "INR", "\u20B91,00,000.00"},
        {1234567.891, "356", "12,34,567.89", "INR", "\u20B912,34,567.89"},
        {0, "826", "0.00", "GBP", "\u00A30.00"},
        {1234.5, "978", "1,234.50", "EUR", "\u20AC1,234.50"},
        // No minor units, rounding half to even.
        {1234.5, "392", "1,234", "JPY", "\u00A51,234"},
        {1235.5, "392", "1,236", "JPY", "\u00A51,236"},
        {2.5, "392", "2", "JPY", "\u00A52"},
        {0.125, "840", "0.12", "USD", "$0.12"},
        {0.375, "840", "0.38", "USD", "$0.38"},
        // No locale of their own: the alphabetic code is the symbol, the digits are the currency's.
        {12.5, "462", "12.50", "MVR", "MVR\u00A012.50"},
        {12.34567, "990", "12.3457", "CLF", "CLF\u00A012.3457"},
        {1234.5, "940", "1,234", "UYI", "UYI\u00A01,234"},
        {12.5, "999", "12.50", "XXX", "XXX\u00A012.50"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utilities::getISOCurrencyComponents(c.amount, c.code), (ISOCurrencyComponents{c.iso, c.components}))
            << c.amount << " " << c.code;
        EXPECT_EQ(Utilities::currencyString(c.amount, c.code), c.withSymbol) << c.amount << " " << c.code;
    }
    // Negative zero is zero, without a sign.
    EXPECT_EQ(Utilities::currencyString(-0.0, "356"), "\u20B90.00");
    EXPECT_EQ(Utilities::getISOCurrencyComponents(-0.0, "356"), (ISOCurrencyComponents{"INR", "0.00"}));
    // Leading zeros and a plus sign name the same currency.
    EXPECT_EQ(Utilities::getISOCurrencyComponents(5, "0840"), Utilities::getISOCurrencyComponents(5, "+840"));
}

TEST_F(UtilitiesAmountsTest, ComponentsDropTheSymbolAndOneBlankAtEachEnd)
{
    // Locales that write the symbol after the number, or a symbol followed by a no-break space.
    for (const char* code : {"752", "974", "950", "578", "208", "756", "36"}) {
        auto components = Utilities::getISOCurrencyComponents(1234.5, code);
        ASSERT_FALSE(components.currencyCode.empty()) << code;
        const auto& text = components.formattedAmount;
        ASSERT_FALSE(text.empty()) << code;
        EXPECT_NE(text.front(), ' ') << code;
        EXPECT_FALSE(text.starts_with("\u00A0") || text.ends_with("\u00A0") || text.ends_with(" ")) << code;
        EXPECT_TRUE(text.find("1") != std::string::npos) << code;
    }
}

TEST_F(UtilitiesAmountsTest, CodesOutsideTheTableGiveNoComponentsButStillFormat)
{
    for (const char* code : {"933", "222", "AUD", "", "-840"})
        EXPECT_EQ(Utilities::getISOCurrencyComponents(12.5, code), ISOCurrencyComponents{}) << code;

    // Outside the table the current locale and its currency apply.
    platform::Locale::setCurrent(platform::Locale("en_GB"));
    EXPECT_EQ(Utilities::currencyString(12.5, "933"), "\u00A312.50");
    platform::Locale::setCurrent(platform::Locale("en_US"));
    EXPECT_EQ(Utilities::currencyString(12.5, "933"), "$12.50");
}

// Every code of the ISO table on devices whose currencies have 0, 2 and 3 fraction digits: the text
// and digits never depend on the device; codes without a locale take ICU's digits and their code.
TEST_F(UtilitiesAmountsTest, EveryCodeFormatsByItsOwnDigitsOnEveryDevice)
{
    constexpr double kAmount = 1234.5678;
    const char* const readBack[] = {"1235", "1234.6", "1234.57", "1234.568", "1234.5678"}; // by fraction digits
    for (const auto& [number, alphabetic] : ISOCountryCodes::availableISOCurrencies()) {
        const auto code = std::to_string(number);
        SCOPED_TRACE(code + " " + alphabetic);
        std::optional<std::tuple<int, std::string, std::string>> first; // digits, with symbol, without
        for (const char* device : {"ja_JP", "en_US", "en_BH"}) {
            platform::Locale::setCurrent(platform::Locale(device));
            const auto components = Utilities::getISOCurrencyComponents(kAmount, code);
            const auto shown = std::make_tuple(currencyFractionDigits(code), Utilities::currencyString(kAmount, code),
                                               components.formattedAmount);
            const int digits = std::get<0>(shown);
            ASSERT_TRUE(digits >= 0 && digits <= 4) << device << ": " << digits;
            EXPECT_EQ(components.currencyCode, alphabetic) << device;
            EXPECT_EQ(Utilities::plainAmountText(components.formattedAmount, code), readBack[digits]) << device;
            EXPECT_EQ(shown, first.value_or(shown)) << device;
            first = shown;
        }
        if (!ISOCountryCodes::localeIds().contains(alphabetic)) {
            const std::u16string icuCode(alphabetic.begin(), alphabetic.end());
            UErrorCode status = U_ZERO_ERROR;
            EXPECT_EQ(std::get<0>(*first), ucurr_getDefaultFractionDigits(icuCode.c_str(), &status));
            EXPECT_EQ(std::get<1>(*first), alphabetic + "\u00A0" + std::get<2>(*first));
        }
    }
}

TEST_F(UtilitiesAmountsTest, TypedDigitsAreMinorUnitsOfTheActiveCurrency)
{
    // Until the SDK core registers itself, the active currency is the rupee.
    EXPECT_EQ(activeCurrencyCode(), "356");
    auto entry = Utilities::getCurrency(std::string("123450"));
    EXPECT_EQ(entry.text, "\u20B91,234.50");
    EXPECT_EQ(entry.amount, 1234.5);

    // Everything but ASCII digits is dropped: symbols, separators, signs, other scripts' digits.
    EXPECT_EQ(Utilities::getCurrency(std::string("-\u20B91,234.50")).amount, 1234.5);
    EXPECT_EQ(Utilities::getCurrency(std::string("12\u0663\u0664 5")).amount, 1.25);
    for (const auto& empty :
         {std::optional<std::string>(), std::optional<std::string>(""), std::optional<std::string>("abc")}) {
        auto zero = Utilities::getCurrency(empty);
        EXPECT_EQ(zero.amount, 0);
        EXPECT_EQ(zero.text, "\u20B90.00");
    }

    // Appending a digit to the formatted text shifts every digit one place to the left.
    auto shifted = Utilities::getCurrency(entry.text + "7");
    EXPECT_EQ(shifted.amount, 12345.07);
    EXPECT_EQ(shifted.text, "\u20B912,345.07");

    useCurrency("392");
    EXPECT_EQ(Utilities::getCurrency(std::string("123450")).amount, 123450);
    EXPECT_EQ(Utilities::getCurrency(std::string("123450")).text, "\u00A5123,450");
    useCurrency("840");
    EXPECT_EQ(Utilities::getCurrency(std::string("5")).text, "$0.05");
    // Three minor-unit digits (Bahraini dinar).
    useCurrency("48");
    EXPECT_EQ(Utilities::getCurrency(std::string("123450")).amount, 123.45);
}

TEST_F(UtilitiesAmountsTest, EnormousDigitRunsGiveTheNearestRepresentableAmount)
{
    // 400 digits spell more than any double holds.
    auto huge = Utilities::getCurrency(std::string(400, '9'));
    EXPECT_EQ(huge.amount, std::numeric_limits<double>::max());
    EXPECT_FALSE(huge.text.empty());

    // Twenty digits read with one rounding: 12345678901234567890 minor units.
    auto large = Utilities::getCurrency(std::string("12345678901234567890"));
    EXPECT_EQ(large.amount, 123456789012345678.90);

    // Leading zeros do not matter.
    EXPECT_EQ(Utilities::getCurrency(std::string(1000, '0') + "1").amount, 0.01);
}

} // namespace
} // namespace tavro

namespace tavro {
namespace {

TEST(UtilitiesAmountReadingTest, ShownAmountsAreReadInTheirCurrencysLocale)
{
    EXPECT_EQ(Utilities::amountFromLocalizedText("1,00,000.50", "356"), 100000.5);
    EXPECT_EQ(Utilities::amountFromLocalizedText(" 1,234.56 ", "840"), 1234.56);
    EXPECT_EQ(Utilities::amountFromLocalizedText("1234", "392"), 1234);
    EXPECT_EQ(Utilities::removingGroupingSeparator("12,34,567.89", "356"), "1234567.89");
    // Nothing readable counts as zero.
    for (std::optional<std::string> text : {std::optional<std::string>(), std::optional<std::string>(""),
                                            std::optional<std::string>("abc"), std::optional<std::string>("INR 5.00"),
                                            std::optional<std::string>("-5"), std::optional<std::string>("1.2.3")})
        EXPECT_EQ(Utilities::amountFromLocalizedText(text, "356"), 0) << text.value_or("(absent)");

    // A locale that writes a decimal comma: its comma is the point, and a point is not its amount.
    const auto shown = Utilities::getISOCurrencyComponents(1234.56, "752").formattedAmount;
    ASSERT_NE(shown.find(','), std::string::npos) << shown;
    EXPECT_EQ(Utilities::amountFromLocalizedText(shown, "752"), 1234.56) << shown;
    EXPECT_EQ(Utilities::amountFromLocalizedText("1234.56", "752"), 0);
    EXPECT_EQ(Utilities::plainAmountText(shown, "752"), std::optional<std::string>("1234.56"));
    EXPECT_EQ(Utilities::plainAmountText("1,00,000.50", "356"), std::optional<std::string>("100000.50"));
    EXPECT_FALSE(Utilities::plainAmountText("1234.56", "752"));
}

} // namespace
} // namespace tavro
