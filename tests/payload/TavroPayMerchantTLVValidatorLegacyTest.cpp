#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"

#include <gtest/gtest.h>

using tavro::TavroPayMerchantTLV;
using tavro::TavroPayMerchantTLVValidator;
using Codes = std::vector<std::string>;
using Text = std::optional<std::string>;

namespace {

Codes primaryCodes(const Text& id)
{
    TavroPayMerchantTLVValidator validator;
    validator.validatePrimaryId(id);
    return validator.errorCodes();
}

Codes secondaryCodes(const Text& id)
{
    TavroPayMerchantTLVValidator validator;
    validator.validateSecondaryId(id);
    return validator.errorCodes();
}

TavroPayMerchantTLV validLegacyModel()
{
    TavroPayMerchantTLV model;
    model.setTavroMerchantID("4111111111111111");
    model.setMerchantName("Corner Shop");
    model.setMerchantCategoryCode("5411");
    model.setCityName("Mumbai");
    model.setCountryCode("IN");
    model.setCurrencyCode("356");
    return model;
}

} // namespace

TEST(ValidatorLegacy, Identifiers)
{
    struct Case {
        Text id;
        Codes primary;
        Codes secondary;
    };
    const Case cases[] = {
        {std::nullopt, {}, {}},
        {"ABC123", {}, {}},
        {std::string(26, 'i'), {}, {}},
        {std::string(27, 'i'), {"20"}, {"24"}},
        {"", {"20", "21"}, {"24", "25"}},
        {"?", {}, {}},
        {"?5", {}, {}},
        {"?q", {}, {}},
        {"?Q", {}, {}},
        {"?1", {}, {}},
        {"?r", {"23"}, {"24"}},
        {"?0", {"23"}, {"24"}},
        {"?z", {"23"}, {"24"}},
        {"?5x", {"20"}, {"24"}},
        {"?r5", {"20", "23"}, {"24"}},
        {"x?r", {}, {}},                // no marker at the start: no character rule
        {"?\xC3\xA9", {"23"}, {"24"}},  // one code point after the marker, not in the set
        {"?e\xCC\x81", {"20"}, {"24"}}, // decomposed: two code points after the marker
    };
    for (const Case& c : cases) {
        EXPECT_EQ(primaryCodes(c.id), c.primary) << c.id.value_or("<absent>");
        EXPECT_EQ(secondaryCodes(c.id), c.secondary) << c.id.value_or("<absent>");
    }
}

TEST(ValidatorLegacy, DriverOrderAndFreshList)
{
    auto& validator = TavroPayMerchantTLVValidator::sharedValidator();
    EXPECT_TRUE(validator.validatePayMerchantTLV00(nullptr).empty());

    TavroPayMerchantTLV valid = validLegacyModel();
    EXPECT_EQ(validator.validatePayMerchantTLV00(&valid), Codes{});

    // Required fields missing: codes in the driver's order; merchant ID and amount may be missing.
    TavroPayMerchantTLV bare;
    EXPECT_EQ(validator.validatePayMerchantTLV00(&bare), (Codes{"7", "9", "11", "13", "15"}));

    // Codes of every rule, in the order the rules run.
    TavroPayMerchantTLV faulty = validLegacyModel();
    faulty.setTipAndFeeIndicator("03");
    faulty.setConvenienceFeeAmount("5");
    faulty.setSecondaryID("");
    faulty.setPrimaryID("?r");
    faulty.setTransactionAmount("");
    faulty.setCurrencyCode("XYZ");
    faulty.setCountryCode("in");
    faulty.setCityName("");
    faulty.setMerchantCategoryCode("54");
    faulty.setMerchantName(std::string(26, 'n'));
    faulty.setTavroMerchantID("5111111111111111");
    faulty.setPostalCode("");              // not checked in this dialect
    faulty.setAdditionalDataFieldTemplate( // nor are templates
        platform::AnyValue::Dictionary{{"billID", std::string(30, 'b')}});
    const Codes expected{"1", "3", "6", "8", "10", "12", "14", "16", "17", "18", "23", "24", "25", "40"};
    EXPECT_EQ(validator.validatePayMerchantTLV00(&faulty), expected);
    EXPECT_EQ(validator.errorCodes(), expected);

    // Codes of an earlier validation are gone.
    EXPECT_EQ(validator.validatePayMerchantTLV00(&valid), Codes{});
    EXPECT_TRUE(validator.errorCodes().empty());
}
