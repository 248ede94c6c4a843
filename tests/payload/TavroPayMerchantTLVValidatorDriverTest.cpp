#include "TavroMerchantSDK/payload/TLVGenerator.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"

#include <gtest/gtest.h>

using tavro::TavroPayMerchantTLV;
using tavro::TavroPayMerchantTLVValidator;
using Codes = std::vector<std::string>;
using Dictionary = platform::AnyValue::Dictionary;

namespace {

TavroPayMerchantTLV validModel()
{
    TavroPayMerchantTLV model;
    model.setPayloadFormatIndicator("01");
    model.setTavroMerchantID("4111111111111111");
    model.setMerchantCategoryCode("5411");
    model.setCurrencyCode("356");
    model.setCountryCode("IN");
    model.setMerchantName("Corner Shop");
    model.setCityName("Mumbai");
    return model;
}

} // namespace

TEST(ValidatorDriver, EmvDriverReportsInTheOrderOfItsChecks)
{
    auto& validator = TavroPayMerchantTLVValidator::sharedValidator();
    EXPECT_TRUE(validator.validatePayMerchantTLV01(nullptr).empty());

    const TavroPayMerchantTLV valid = validModel();
    EXPECT_EQ(validator.validatePayMerchantTLV01(&valid), Codes{});

    TavroPayMerchantTLV bare;
    EXPECT_EQ(validator.validatePayMerchantTLV01(&bare), (Codes{"9", "15", "13", "7", "11"}));

    // One fault per check, set in reverse order of the checks: codes still come in check order.
    TavroPayMerchantTLV faulty = validModel();
    faulty.setTag26(Dictionary{{"01", "x"}});
    faulty.setMerchantInformationLanguageTemplate(Dictionary{{"merchantNameAlternateLanguage", "N"}});
    faulty.setAdditionalDataFieldTemplate(Dictionary{{"additionalConsumerDataRequest", "Z"}});
    faulty.setPostalCode("");
    faulty.setCityName(std::string(16, 'c'));
    faulty.setMerchantName("");
    faulty.setCountryCode("IND");
    faulty.setTipAndFeeIndicator("09");
    faulty.setTransactionAmount("0");
    faulty.setCurrencyCode("12");
    faulty.setMerchantCategoryCode("541");
    faulty.setTavroMerchantID("4111111111111112");
    faulty.setPayloadFormatIndicator("02");
    faulty.setPrimaryID("?r"); // legacy-only fields are not checked in this dialect
    const Codes expected{"42", "3", "8", "14", "17", "28", "12", "6", "10", "43", "46", "51", "49"};
    EXPECT_EQ(validator.validatePayMerchantTLV01(&faulty), expected);

    // The next validation starts from an empty list; the checksum check adds after the driver.
    EXPECT_EQ(validator.validatePayMerchantTLV01(&valid), Codes{});
    validator.validateCRC("0000", "00020153039786304F0F2");
    EXPECT_EQ(validator.errorCodes(), Codes{"48"});
    validator.validateCRC("0000", "00020153039786304F0F2");
    EXPECT_EQ(validator.errorCodes(), Codes{"48"});
}

TEST(ValidatorDriver, DecodedPayloadTakesTheDriverOfItsDialect)
{
    auto& validator = TavroPayMerchantTLVValidator::sharedValidator();
    const std::string text = "00020153039786304F0F2";
    TavroPayMerchantTLV emv = validModel();
    emv.setCrc("F0F2");
    EXPECT_EQ(validator.validateDecodedPayload(emv, text), Codes{});
    emv.setCrc("0000");
    emv.setMerchantName(std::nullopt);
    EXPECT_EQ(validator.validateDecodedPayload(emv, text), (Codes{"7", "48"})); // the checksum after the fields
    EXPECT_EQ(validator.errorCodes(), (Codes{"7", "48"}));

    // Without a payload format indicator: the legacy driver, and no checksum.
    TavroPayMerchantTLV legacy = emv;
    legacy.setPayloadFormatIndicator(std::nullopt);
    legacy.setPrimaryID("?r");
    EXPECT_EQ(validator.validateDecodedPayload(legacy, text), (Codes{"7", "23"}));
}

TEST(ValidatorDriver, EndToEndThroughPayloadText)
{
    using tavro::TLVGenerator;
    const Dictionary merchant{
        {"00", "01"}, {"02", "4111111111111111"}, {"52", "5411"},   {"53", "356"},
        {"58", "IN"}, {"59", "Corner Shop"},      {"60", "Mumbai"},
    };
    const std::string payload = TLVGenerator::encodeDictToTLV(merchant);
    EXPECT_EQ(TLVGenerator::tlvValidation(payload), Codes{});

    // A field fault, then a checksum fault: "48" comes after the field codes.
    Dictionary faulty = merchant;
    faulty["59"] = std::string(26, 'n');
    std::string text = TLVGenerator::encodeDictToTLV(faulty);
    EXPECT_EQ(TLVGenerator::tlvValidation(text), Codes{"6"});
    text.back() = text.back() == '0' ? '1' : '0';
    EXPECT_EQ(TLVGenerator::tlvValidation(text), (Codes{"6", "48"}));

    // Lower-case checksum digits are accepted.
    std::string lower = payload;
    for (std::size_t i = lower.size() - 4; i < lower.size(); ++i)
        lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(lower[i])));
    EXPECT_EQ(TLVGenerator::tlvValidation(lower), Codes{});

    // Decomposed accents count as their own code points in lengths.
    Dictionary accented = merchant;
    accented["59"] = std::string(24, 'n') + "e\xCC\x81";
    EXPECT_EQ(TLVGenerator::tlvValidation(TLVGenerator::encodeDictToTLV(accented)), Codes{"6"});
    accented["59"] = std::string(24, 'n') + "\xC3\xA9";
    EXPECT_EQ(TLVGenerator::tlvValidation(TLVGenerator::encodeDictToTLV(accented)), Codes{});
}
