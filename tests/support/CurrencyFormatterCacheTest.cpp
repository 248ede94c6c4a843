// Every currency of the ISO table formatted on devices whose own currencies have 0, 2 and 3
// fraction digits: the amount's text and digits never depend on the device.

#include "TavroMerchantSDK/support/CurrencyFormatterCache.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "TavroMerchantSDK/support/base/ISOCountryCodes.h"
#include "platform/foundation/Locale.h"

#include <gtest/gtest.h>
#include <unicode/ucurr.h>

#include <tuple>

namespace tavro {
namespace {

// ICU's fraction digits for an alphabetic code: the reference for the currencies no locale formats.
int icuFractionDigits(const std::string& alphabetic)
{
    const std::u16string code(alphabetic.begin(), alphabetic.end());
    UErrorCode status = U_ZERO_ERROR;
    return ucurr_getDefaultFractionDigits(code.c_str(), &status);
}

class CurrencyFormattingTable : public ::testing::Test {
protected:
    void TearDown() override { platform::Locale::setCurrent(std::nullopt); }
};

TEST_F(CurrencyFormattingTable, EveryCodeFormatsByItsOwnDigitsOnEveryDevice)
{
    constexpr double kAmount = 1234.5678;
    // kAmount shown with 0 to 4 fraction digits, read back as plain decimal text.
    const char* const readBack[] = {"1235", "1234.6", "1234.57", "1234.568", "1234.5678"};
    for (const auto& [number, alphabetic] : ISOCountryCodes::availableISOCurrencies()) {
        const auto code = std::to_string(number);
        SCOPED_TRACE(code + " " + alphabetic);
        // Fraction digits, text with the symbol, text without it.
        std::optional<std::tuple<int, std::string, std::string>> first;
        for (const char* device : {"ja_JP", "en_US", "en_BH"}) {
            platform::Locale::setCurrent(platform::Locale(device));
            const auto components = Utilities::getISOCurrencyComponents(kAmount, code);
            const auto shown = std::make_tuple(currencyFractionDigits(code), Utilities::currencyString(kAmount, code),
                                               components.formattedAmount);
            const int digits = std::get<0>(shown);
            ASSERT_TRUE(digits >= 0 && digits <= 4) << device << ": " << digits;
            EXPECT_EQ(components.currencyCode, alphabetic) << device;
            EXPECT_EQ(Utilities::plainAmountText(components.formattedAmount, code), readBack[digits]) << device;
            if (first)
                EXPECT_EQ(shown, *first) << device;
            else
                first = shown;
        }
        if (!ISOCountryCodes::localeIds().contains(alphabetic)) {
            EXPECT_EQ(std::get<0>(*first), icuFractionDigits(alphabetic));
            EXPECT_EQ(std::get<1>(*first), alphabetic + "\u00A0" + std::get<2>(*first));
        }
    }
}

} // namespace
} // namespace tavro
