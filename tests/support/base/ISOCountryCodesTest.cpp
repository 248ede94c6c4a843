#include "TavroMerchantSDK/support/base/ISOCountryCodes.h"
#include "TavroMerchantSDK/support/base/ISORegionCodes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

using namespace tavro;

TEST(ISOCountryCodes, CurrencyMapHoldsTheListedCodes)
{
    const auto& currencies = ISOCountryCodes::availableISOCurrencies();
    EXPECT_EQ(currencies.size(), 179u);

    const std::pair<std::int64_t, const char*> known[] = {
        {8, "ALL"},   {36, "AUD"},  {356, "INR"}, {840, "USD"}, {978, "EUR"}, {586, "PKR"},
        {440, "LTL"}, {974, "BYR"}, {998, "USS"}, {999, "XXX"}, {932, "ZWL"}, {997, "USN"},
        {994, "XSU"}, {965, "XUA"}, {963, "XTS"}, {678, "STD"}, {478, "MRO"}, {937, "VEF"},
    };
    for (const auto& [numeric, alphabetic] : known) {
        ASSERT_TRUE(currencies.contains(numeric)) << numeric;
        EXPECT_EQ(currencies.at(numeric), alphabetic);
    }
    EXPECT_FALSE(currencies.contains(222)); // SVC
    EXPECT_FALSE(currencies.contains(933)); // BYN
    EXPECT_FALSE(currencies.contains(0));

    std::set<std::string> alphabetic;
    for (const auto& entry : currencies)
        alphabetic.insert(entry.second);
    EXPECT_EQ(alphabetic.size(), currencies.size());
}

TEST(ISOCountryCodes, CurrencyNumberTestAgreesWithTheMap)
{
    const auto& currencies = ISOCountryCodes::availableISOCurrencies();
    for (std::int64_t number = -70; number < 1070; ++number)
        ASSERT_EQ(ISOCountryCodes::isISOCurrencyNumber(number), currencies.contains(number)) << number;
    EXPECT_FALSE(ISOCountryCodes::isISOCurrencyNumber(INT64_MIN));
    EXPECT_FALSE(ISOCountryCodes::isISOCurrencyNumber(INT64_MAX));
    EXPECT_FALSE(ISOCountryCodes::isISOCurrencyNumber(356 + 1024)); // no wrap-around
}

TEST(ISOCountryCodes, LocaleIdsCoverCurrenciesWithALocale)
{
    const auto& ids = ISOCountryCodes::localeIds();
    EXPECT_EQ(ids.size(), 152u);

    std::set<std::string> alphabetic;
    for (const auto& entry : ISOCountryCodes::availableISOCurrencies())
        alphabetic.insert(entry.second);
    std::set<std::string> locales;
    for (const auto& [code, locale] : ids) {
        EXPECT_TRUE(alphabetic.contains(code)) << code;
        EXPECT_EQ(locale.size(), 5u);
        EXPECT_EQ(locale.substr(0, 3), "en_");
        locales.insert(locale);
    }
    EXPECT_EQ(locales.size(), 151u); // PKR shares INR's locale

    EXPECT_EQ(ids.at("USD"), "en_US");
    EXPECT_EQ(ids.at("BYR"), "en_BY");
    EXPECT_EQ(ids.at("PKR"), "en_IN");
    EXPECT_EQ(ids.at("EUR"), "en_EA");
    EXPECT_EQ(ids.at("AUD"), "en_NF");
    EXPECT_EQ(ids.at("XCD"), "en_AG");
    for (const char* none : {"XXX", "ZWL", "USN", "LTL", "BOV", "XAU"})
        EXPECT_FALSE(ids.contains(none)) << none;
}

TEST(ISORegionCodes, MembershipIsExactAndUpperCase)
{
    EXPECT_EQ(isoRegionCodes().size(), 249u);
    for (const char* code : {"IN", "US", "GB", "AX", "SS", "BQ", "ZW"})
        EXPECT_TRUE(isISORegionCode(code)) << code;
    for (const char* code : {"in", "IND", "", "XK", "EU", "UK", "I", "ZZ"})
        EXPECT_FALSE(isISORegionCode(code)) << code;
}
