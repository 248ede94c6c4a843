#include "TavroMerchantSDK/support/TavroLocaleUtility.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

TEST(TavroLocaleUtility, NumericCodesLeadToTheirLocale)
{
    const std::pair<const char*, const char*> known[] = {
        {"840", "en_US"}, {"356", "en_IN"}, {"586", "en_IN"}, {"36", "en_NF"},  {"036", "en_NF"},
        {"+36", "en_NF"}, {"978", "en_EA"}, {"974", "en_BY"}, {"826", "en_GB"}, {"392", "en_JP"},
    };
    for (const auto& [code, identifier] : known) {
        auto locale = TavroLocaleUtility::localeFromISOCode(code);
        ASSERT_TRUE(locale.has_value()) << code;
        EXPECT_EQ(locale->identifier(), identifier) << code;
    }
}

TEST(TavroLocaleUtility, UnparsableUnknownOrLocaleLessCodesGiveNothing)
{
    for (const char* code :
         {"-36", "", " 36", "36 ", "AUD", "3 6", "99999999999999999999", "999", "932", "997", "933", "222", "0"}) {
        EXPECT_FALSE(TavroLocaleUtility::localeFromISOCode(code).has_value()) << code;
        EXPECT_EQ(TavroLocaleUtility::getCurrencySymbol(code), CurrencySymbol{}) << code;
    }
}

TEST(TavroLocaleUtility, SymbolComesFromTheLocaleAndCodeFromTheAskedCurrency)
{
    EXPECT_EQ(TavroLocaleUtility::getCurrencySymbol("840"), (CurrencySymbol{"$", "USD"}));
    EXPECT_EQ(TavroLocaleUtility::getCurrencySymbol("356"), (CurrencySymbol{"\u20B9", "INR"}));
    EXPECT_EQ(TavroLocaleUtility::getCurrencySymbol("826"), (CurrencySymbol{"\u00A3", "GBP"}));
    EXPECT_EQ(TavroLocaleUtility::getCurrencySymbol("392"), (CurrencySymbol{"\u00A5", "JPY"}));
    EXPECT_EQ(TavroLocaleUtility::getCurrencySymbol("978"), (CurrencySymbol{"\u20AC", "EUR"}));
    // PKR is formatted in en_IN, so it carries the rupee sign of that locale.
    EXPECT_EQ(TavroLocaleUtility::getCurrencySymbol("586"), (CurrencySymbol{"\u20B9", "PKR"}));
    EXPECT_EQ(TavroLocaleUtility::getCurrencySymbol("036").isoCurrency, "AUD");
}

} // namespace
} // namespace tavro
