#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"

#include <gtest/gtest.h>

using tavro::TavroPayMerchantTLV;
using tavro::TavroPayMerchantTLVValidator;
using Codes = std::vector<std::string>;
using Text = std::optional<std::string>;

namespace {

struct TipCase {
    Text indicator;
    Text amount;
    Text percentage;
    Codes expected;
    bool legacy = false;
};

Codes tipCodes(const TipCase& c)
{
    TavroPayMerchantTLV model;
    if (!c.legacy)
        model.setPayloadFormatIndicator("01");
    model.setTipAndFeeIndicator(c.indicator);
    model.setConvenienceFeeAmount(c.amount);
    model.setConvenienceFeePercentage(c.percentage);
    TavroPayMerchantTLVValidator validator;
    validator.validateTipAndFeeIndicator(model);
    return validator.errorCodes();
}

std::string describe(const TipCase& c)
{
    return "indicator " + c.indicator.value_or("<absent>") + ", amount " + c.amount.value_or("<absent>") +
           ", percentage " + c.percentage.value_or("<absent>") + (c.legacy ? ", legacy" : "");
}

} // namespace

TEST(ValidatorTipAndFee, IndicatorGovernsWhichFeeFieldMayAppear)
{
    const TipCase cases[] = {
        {std::nullopt, std::nullopt, std::nullopt, {}},
        {std::nullopt, "5", std::nullopt, {"29"}},
        {std::nullopt, "5", "10", {"29"}},
        {"01", std::nullopt, std::nullopt, {}},
        {"01", std::nullopt, "10", {"29"}},
        {"01", "5", "10", {"29"}},
        {"04", "x", "yyyyyyy", {"28"}}, // fee fields are not examined
        {"1", std::nullopt, std::nullopt, {"28"}},
        {"", std::nullopt, std::nullopt, {"28", "30"}, true},
        {"02", std::nullopt, std::nullopt, {"39"}},
        {"02", "12.50", std::nullopt, {}},
        {"02", "12.50", "10", {"39"}},
        {"02", std::nullopt, "10", {"39"}},
        {"03", std::nullopt, "10", {}},
        {"03", "5", std::nullopt, {"39"}},
        {"03", "5", std::nullopt, {"40"}, true},
        {"03", std::nullopt, std::nullopt, {"39"}},
        {"03", std::nullopt, std::nullopt, {"39"}, true},
        {"03", "not checked", "10", {}},
        // An empty value is present, not absent, in either dialect.
        {"", std::nullopt, std::nullopt, {"28", "30"}},
        {"", "x", "", {"28", "30"}, true}, // fee fields are not examined
        {std::nullopt, "", std::nullopt, {"29"}, true},
        {"01", std::nullopt, "", {"29"}},
        {"02", "", "", {"31", "32", "34", "39"}, true},
        {"03", "", std::nullopt, {"39"}},
        {"03", "", std::nullopt, {"40"}, true},
    };
    for (const TipCase& c : cases)
        EXPECT_EQ(tipCodes(c), c.expected) << describe(c);
}

TEST(ValidatorTipAndFee, FeeAmountRule)
{
    const TipCase cases[] = {
        {"02", "5", std::nullopt, {}},
        {"02", "0", std::nullopt, {"32"}},
        {"02", "0.0", std::nullopt, {"32"}},
        {"02", "1A", std::nullopt, {"32"}},
        {"02", "1.2.3", std::nullopt, {"32"}},
        {"02", "1,5", std::nullopt, {"32"}},
        {"02", "5.", std::nullopt, {}},
        {"02", ".5", std::nullopt, {}},
        {"02", "1234567890123", std::nullopt, {}},
        {"02", "12345678901234", std::nullopt, {"31"}},
        {"02", "", std::nullopt, {"31", "32", "34"}, true},
        {"02", "", std::nullopt, {"31", "32", "34"}},
        {"02", "\xD9\xA5", std::nullopt, {"32"}},  // Arabic-Indic five: a digit, not a number
        {"02", "5\xC3\xA9", std::nullopt, {"32"}}, // a letter outside ASCII
        {"02", "-5", std::nullopt, {"32"}},
    };
    for (const TipCase& c : cases)
        EXPECT_EQ(tipCodes(c), c.expected) << describe(c);
}

TEST(ValidatorTipAndFee, FeePercentageRuleHasInclusiveBounds)
{
    const TipCase cases[] = {
        {"03", std::nullopt, "0.01", {}},       {"03", std::nullopt, "99.99", {}},
        {"03", std::nullopt, "5.", {}},         {"03", std::nullopt, ".5", {}},
        {"03", std::nullopt, "0.009", {"36"}},  {"03", std::nullopt, "100", {"36"}},
        {"03", std::nullopt, "0", {"36"}},      {"03", std::nullopt, "99.991", {"35", "36"}},
        {"03", std::nullopt, "1%", {"36"}},     {"03", std::nullopt, "1..2", {"36"}},
        {"03", std::nullopt, ".", {"36"}},      {"03", std::nullopt, "", {"35", "38"}, true},
        {"03", std::nullopt, "", {"35", "38"}}, {"03", std::nullopt, "\xD9\xA5", {"36"}},
        {"03", std::nullopt, "5a", {"36"}},
    };
    for (const TipCase& c : cases)
        EXPECT_EQ(tipCodes(c), c.expected) << describe(c);
}
