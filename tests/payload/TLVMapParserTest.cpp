#include "TavroMerchantSDK/payload/TLVGenerator.h"
#include "TavroMerchantSDK/payload/TLVMapParser.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "TavroMerchantSDK/payload/TavroQRUtility.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using platform::AnyValue;
using Dictionary = AnyValue::Dictionary;
using tavro::TLVGenerator;
using tavro::TLVMapParser;
using Codes = std::vector<std::string>;

namespace {

// A merchant every rule accepts (the merchant ID passes the check-digit rule).
Dictionary validMerchant()
{
    return {
        {"00", "01"},   {"02", "4111111111111111"}, {"52", "5411"}, {"53", "356"}, {"58", "IN"},
        {"59", "Shop"}, {"60", "Mumbai"},
    };
}

std::string withChecksum(std::string textUpToTail)
{
    textUpToTail += "6304";
    return textUpToTail + tavro::TavroQRUtility::checksumText(textUpToTail);
}

struct ParserReset {
    ~ParserReset()
    {
        auto& parser = TLVMapParser::shared();
        parser.setTLVDataDictionary(std::nullopt);
        parser.setTlvString("");
        parser.setTavroError(nullptr);
    }
};

} // namespace

TEST(TLVValidationTest, ValidInvalidAndUndecodable)
{
    EXPECT_EQ(TLVGenerator::tlvValidation(TLVGenerator::encodeDictToTLV(validMerchant())), Codes{});

    // Decoding faults of any kind give exactly "0".
    EXPECT_EQ(TLVGenerator::tlvValidation(""), Codes{"0"});
    EXPECT_EQ(TLVGenerator::tlvValidation("000201"), Codes{"0"});
    EXPECT_EQ(TLVGenerator::tlvValidation(withChecksum("0002010001x")), Codes{"0"});
    EXPECT_EQ(TLVGenerator::tlvValidation(std::string("00020159\xFF\xFE", 10)), Codes{"0"});

    // Text that decodes but holds a control character or a character above U+FFFF (an emoji, a CJK
    // extension B ideograph) is refused whole, through either overload.
    for (const std::string& name : {std::string("Sh\0p", 4), std::string("Sh\nop"), std::string("Sh\xC2\x9Fop"),
                                    std::string("Pizza \xF0\x9F\x8D\x95"), std::string("\xF0\xA0\x80\x80")}) {
        Dictionary dictionary = validMerchant();
        dictionary["59"] = name;
        const std::string payload = TLVGenerator::encodeDictToTLV(dictionary);
        tavro::TavroPayMerchantTLV model;
        EXPECT_FALSE(model.decodeTLV(payload));
        EXPECT_EQ(model.merchantName(), name);
        EXPECT_EQ(TLVGenerator::tlvValidation(payload), Codes{"0"});
        EXPECT_EQ(TLVGenerator::tlvValidation(TLVGenerator::encode(dictionary)), Codes{"0"});
    }

    // A wrong checksum adds its code after the field codes.
    std::string text = TLVGenerator::encodeDictToTLV(validMerchant());
    text.back() = text.back() == '0' ? '1' : '0';
    EXPECT_EQ(TLVGenerator::tlvValidation(text), Codes{"48"});

    // A legacy text gets no checksum test: its field rules run.
    const Codes legacy = TLVGenerator::tlvValidation("15Hello");
    EXPECT_FALSE(legacy.empty());
    EXPECT_EQ(std::count(legacy.begin(), legacy.end(), "0"), 0);
    EXPECT_EQ(std::count(legacy.begin(), legacy.end(), "48"), 0);
}

TEST(TLVValidationTest, UnframeableEncoderOutputNeverValidates)
{
    // A 100-character name built so that, misread with the two-digit length "10", its tail frames
    // as an amount entry and a filler entry: the text is not a payload and must not come out clean.
    Dictionary dictionary = validMerchant();
    const std::string name = "ShopNameX"
                             "5406999.99"
                             "6577" +
                             std::string(77, 'z');
    ASSERT_EQ(name.size(), 100u);
    dictionary["59"] = name;
    const auto payload = TLVGenerator::encode(dictionary);
    EXPECT_FALSE(payload.framed);
    EXPECT_EQ(TLVGenerator::tlvValidation(payload), Codes{"0"});
    // Read as bare text it would pass, carrying an amount nobody entered.
    EXPECT_EQ(TLVGenerator::tlvValidation(payload.text), Codes{});

    ParserReset reset;
    auto& parser = TLVMapParser::shared();
    parser.setTLVDataDictionary(dictionary);
    parser.prepareTLV();
    EXPECT_EQ(parser.tlvString(), payload.text);
    ASSERT_NE(parser.tavroError(), nullptr);
    EXPECT_EQ(parser.tavroError()->errorCodes(), Codes{"0"});
}

TEST(TLVMapParserTest, PrepareEncodesValidatesAndKeepsTheDictionary)
{
    ParserReset reset;
    auto& parser = TLVMapParser::shared();
    EXPECT_FALSE(parser.tLVDataDictionary().has_value());
    EXPECT_EQ(parser.tlvString(), "");
    EXPECT_EQ(parser.tavroError(), nullptr);

    Dictionary dictionary = validMerchant();
    dictionary["54"] = "10.00";
    dictionary["transactionAmount"] = "11.00";
    dictionary["62"] = Dictionary{{"01", "1234"}};
    dictionary["additionalDataFieldTemplate"] = Dictionary{{"01", "1234"}};
    dictionary["63"] = "FFFF";
    dictionary["crc"] = "FFFF";
    parser.setTLVDataDictionary(dictionary);
    parser.prepareTLV();

    EXPECT_EQ(parser.tlvString(), TLVGenerator::encodeDictToTLV(validMerchant()));
    EXPECT_EQ(parser.tavroError(), nullptr);
    EXPECT_EQ(parser.tLVDataDictionary(), dictionary); // the six removed keys are still there
}

TEST(TLVMapParserTest, FailuresAndAbsentDictionary)
{
    ParserReset reset;
    auto& parser = TLVMapParser::shared();

    // An empty top-level value is written with length 00, which does not decode.
    Dictionary emptyName = validMerchant();
    emptyName["59"] = "";
    parser.setTLVDataDictionary(emptyName);
    parser.prepareTLV();
    ASSERT_NE(parser.tavroError(), nullptr);
    EXPECT_EQ(parser.tavroError()->errorCodes(), Codes{"0"});
    const std::string failedText = parser.tlvString();
    EXPECT_NE(failedText.find("5900"), std::string::npos);

    // Without a dictionary nothing changes.
    parser.setTLVDataDictionary(std::nullopt);
    parser.prepareTLV();
    EXPECT_EQ(parser.tlvString(), failedText);
    ASSERT_NE(parser.tavroError(), nullptr);
    EXPECT_EQ(parser.tavroError()->errorCodes(), Codes{"0"});

    // Field faults come back as the validator's codes.
    Dictionary noCategory = validMerchant();
    noCategory.erase("52");
    parser.setTLVDataDictionary(noCategory);
    parser.prepareTLV();
    ASSERT_NE(parser.tavroError(), nullptr);
    EXPECT_EQ(parser.tavroError()->errorCodes(), Codes{"9"});

    // A valid dictionary clears the error.
    parser.setTLVDataDictionary(validMerchant());
    parser.prepareTLV();
    EXPECT_EQ(parser.tavroError(), nullptr);

    // Without a payload format indicator the text is read as the legacy dialect.
    Dictionary noIndicator = validMerchant();
    noIndicator.erase("00");
    parser.setTLVDataDictionary(noIndicator);
    parser.prepareTLV();
    EXPECT_FALSE(parser.tlvString().starts_with("00"));
    ASSERT_NE(parser.tavroError(), nullptr);
}
