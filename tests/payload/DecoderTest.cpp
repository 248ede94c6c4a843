#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using platform::AnyValue;
using Dictionary = AnyValue::Dictionary;
using tavro::TavroPayMerchantTLV;
using tavro::TLVDecodingError;

namespace {

std::optional<TLVDecodingError> decode(TavroPayMerchantTLV& model, std::string_view text)
{
    return model.decodeTLV(text);
}

std::optional<TLVDecodingError> decodeFresh(std::string_view text)
{
    TavroPayMerchantTLV model;
    return model.decodeTLV(text);
}

} // namespace

TEST(DecoderTest, EmvEntriesLandInTheirProperties)
{
    TavroPayMerchantTLV model;
    ASSERT_EQ(decode(model, "000201"
                            "0216"
                            "4111111111111111"
                            "5204541153033565502015802IN5904Shop6006Mumbai6304ABCD"),
              std::nullopt);
    EXPECT_EQ(model.payloadFormatIndicator(), "01");
    EXPECT_EQ(model.tavroMerchantID(), "4111111111111111");
    EXPECT_EQ(model.tavroMerchantPAN(), "4111111111111111");
    EXPECT_EQ(model.merchantCategoryCode(), "5411");
    EXPECT_EQ(model.currencyCode(), "356");
    EXPECT_EQ(model.tipAndFeeIndicator(), "01");
    EXPECT_TRUE(model.isTipAvailable());
    EXPECT_EQ(model.countryCode(), "IN");
    EXPECT_EQ(model.merchantName(), "Shop");
    EXPECT_EQ(model.cityName(), "Mumbai");
    EXPECT_EQ(model.crc(), "ABCD"); // the decoder frames the checksum; it does not judge it
    EXPECT_FALSE(model.primaryID().has_value());

    TavroPayMerchantTLV noTip;
    ASSERT_EQ(decode(noTip, "0002015502046304ABCD"), std::nullopt);
    EXPECT_FALSE(noTip.isTipAvailable());
}

TEST(DecoderTest, Templates)
{
    TavroPayMerchantTLV model;
    ASSERT_EQ(decode(model, "000201"
                            "26060002ab"
                            "6220"
                            "01041234"
                            "2002zz"
                            "0802PP"
                            "64120002ZH0302xy"
                            "63041234"),
              std::nullopt);
    EXPECT_EQ(model.tag26(), (Dictionary{{"00", "ab"}}));
    EXPECT_EQ(model.billID(), "1234");
    EXPECT_EQ(model.purpose(), "PP");
    EXPECT_EQ(model.additionalDataField(), "01041234"
                                           "2002zz"
                                           "0802PP");
    EXPECT_EQ(model.additionalDataFieldTemplate(), (Dictionary{{"billID", "1234"}, {"20", "zz"}, {"purpose", "PP"}}));
    EXPECT_EQ(model.merchantInformationLanguageTemplate(), (Dictionary{{"languagePreference", "ZH"}, {"03", "xy"}}));

    // The same sub-ID in two different templates is fine; twice in one template is not.
    EXPECT_EQ(decodeFresh("000201"
                          "26060002ab"
                          "27060002cd"
                          "63041234"),
              std::nullopt);
    EXPECT_EQ(decodeFresh("000201"
                          "26120002ab0002cd"
                          "63041234"),
              TLVDecodingError::repeatedTag);
    // Template "62" refuses sub-IDs without a property below 15.
    EXPECT_EQ(decodeFresh("000201"
                          "62060002ab"
                          "63041234"),
              TLVDecodingError::invalidTag);
    // A sub-entry running past its template's end, though the text goes on.
    EXPECT_EQ(decodeFresh("000201"
                          "26060003ab"
                          "63041234"),
              TLVDecodingError::invalidLength);
    // "80" is a template: "abc" reads as sub-ID "ab" and an incomplete length.
    EXPECT_EQ(decodeFresh("000201"
                          "8003abc"
                          "63041234"),
              TLVDecodingError::invalidLength);
}

TEST(DecoderTest, EmvFramingFaults)
{
    struct Case {
        const char* text;
        std::optional<TLVDecodingError> expected;
    };
    const Case cases[] = {
        {"", TLVDecodingError::invalidLength},
        {"0", TLVDecodingError::invalidLength},
        {"00", TLVDecodingError::invalidLength},
        {"000201", TLVDecodingError::invalidTag}, // no "63" entry
        {"00020163041234"
         "5",
         TLVDecodingError::invalidLength}, // one character after "63"
        {"00020163041234"
         "5901x",
         TLVDecodingError::invalidTag}, // an entry after "63"
        {"00020163041234"
         "0001x",
         TLVDecodingError::repeatedTag}, // a repeated ID after "63"
        {"000201"
         "5900"
         "63041234",
         TLVDecodingError::invalidLength},
        {"000201"
         "59-1x"
         "63041234",
         TLVDecodingError::invalidLength},
        {"000201"
         "59 1x"
         "63041234",
         TLVDecodingError::invalidLength},
        // A length field is read only as the writer writes it: two ASCII digits. A signed length
        // would let a payload no wallet reads validate as clean.
        {"000201"
         "59+7abcdefg"
         "63041234",
         TLVDecodingError::invalidLength},
        {"000201"
         "59-0"
         "63041234",
         TLVDecodingError::invalidLength},
        {"000201"
         "2606"
         "00+2ab"
         "63041234",
         TLVDecodingError::invalidLength}, // sub-lengths too
        {"000201"
         "2601x"
         "63041234",
         TLVDecodingError::invalidLength}, // a sub-ID cut short
        {"000201"
         "5910abc"
         "63041234",
         TLVDecodingError::invalidLength},
        {"000201"
         "AB01x"
         "63041234",
         TLVDecodingError::invalidTag},
        {"000201"
         "0001x"
         "63041234",
         TLVDecodingError::repeatedTag},
        {"0002016304", TLVDecodingError::invalidLength},
        {"00020163041234", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(decodeFresh(c.text), c.expected);
    }

    // What was stored before a fault stays in the model.
    TavroPayMerchantTLV model;
    EXPECT_EQ(decode(model, "000201"
                            "5904Shop"
                            "AB01x"
                            "63041234"),
              TLVDecodingError::invalidTag);
    EXPECT_EQ(model.merchantName(), "Shop");
}

TEST(DecoderTest, LegacyDialect)
{
    {
        TavroPayMerchantTLV model;
        EXPECT_EQ(decode(model, "15Hello"), std::nullopt);
        EXPECT_EQ(model.merchantName(), "Hello");
        EXPECT_FALSE(model.payloadFormatIndicator().has_value());
    }
    {
        TavroPayMerchantTLV model;
        EXPECT_EQ(decode(model, "10"), std::nullopt);
        EXPECT_EQ(model.merchantName(), "");
    }
    {
        TavroPayMerchantTLV model;
        EXPECT_EQ(decode(model, "102"), TLVDecodingError::invalidLength);
        EXPECT_EQ(model.merchantName(), "");
    }
    EXPECT_EQ(decodeFresh("101"), TLVDecodingError::repeatedTag);
    EXPECT_EQ(decodeFresh("a1xA1y"), TLVDecodingError::repeatedTag);
    EXPECT_EQ(decodeFresh("C1x"), TLVDecodingError::invalidTag);
    EXPECT_EQ(decodeFresh("1!x"), TLVDecodingError::invalidLength);
    EXPECT_EQ(decodeFresh("13ab"), TLVDecodingError::invalidLength);
    // Base-36 lengths in either case: Z and z are 35.
    EXPECT_EQ(decodeFresh("1Z" + std::string(35, 'n')), std::nullopt);
    EXPECT_EQ(decodeFresh("1Z" + std::string(34, 'n')), TLVDecodingError::invalidLength);
    EXPECT_EQ(decodeFresh("1a" + std::string(10, 'n') + "2A" + std::string(10, 'c')), std::nullopt);
    EXPECT_EQ(decodeFresh("1+1x"), TLVDecodingError::invalidLength); // no sign in a legacy length

    TavroPayMerchantTLV model;
    const std::string longName(35, 'n');
    ASSERT_EQ(decode(model, "09"
                            "411111111"
                            "1z" +
                                longName +
                                "20"
                                "9219"
                                "7"
                                "3"
                                "?1a"
                                "8"
                                "2"
                                "?2"
                                "A"
                                "2"
                                "10"
                                "b"
                                "1"
                                "5"),
              std::nullopt);
    EXPECT_EQ(model.tavroMerchantID(), "411111111");
    EXPECT_FALSE(model.tavroMerchantPAN().has_value());
    EXPECT_EQ(model.merchantName(), longName);
    EXPECT_EQ(model.tipAndFeeIndicator(), "19");
    EXPECT_FALSE(model.isTipAvailable());
    EXPECT_EQ(model.primaryID(), "?1a");
    EXPECT_EQ(model.secondaryID(), "?2");
    EXPECT_EQ(model.convenienceFeeAmount(), "10");
    EXPECT_EQ(model.convenienceFeePercentage(), "5");

    TavroPayMerchantTLV tip;
    ASSERT_EQ(decode(tip, "9201"), std::nullopt);
    EXPECT_TRUE(tip.isTipAvailable());
}

TEST(DecoderTest, LengthsCountCodePoints)
{
    TavroPayMerchantTLV precomposed;
    ASSERT_EQ(decode(precomposed, "0002015904Caf\xC3\xA9"
                                  "63041234"),
              std::nullopt);
    EXPECT_EQ(precomposed.merchantName(), "Caf\xC3\xA9");

    TavroPayMerchantTLV decomposed;
    ASSERT_EQ(decode(decomposed, "0002015905Cafe\xCC\x81"
                                 "63041234"),
              std::nullopt);
    EXPECT_EQ(decomposed.merchantName(), "Cafe\xCC\x81");
    // Counting the accent with its letter would leave one code point over.
    EXPECT_NE(decodeFresh("0002015904Cafe\xCC\x81"
                          "63041234"),
              std::nullopt);

    // A value that begins with a combining mark stays apart from the length before it.
    TavroPayMerchantTLV mark;
    ASSERT_EQ(decode(mark, "0002015902\xCC\x81x"
                           "63041234"),
              std::nullopt);
    EXPECT_EQ(mark.merchantName(), "\xCC\x81x");

    // Legacy lengths count code points as well.
    TavroPayMerchantTLV legacy;
    ASSERT_EQ(decode(legacy, "14Caf\xC3\xA9"), std::nullopt);
    EXPECT_EQ(legacy.merchantName(), "Caf\xC3\xA9");
}

TEST(DecoderTest, InvalidUtf8IsUndecodable)
{
    const std::string cases[] = {
        "0002015904Caf\xC3"
        "63041234", // truncated sequence
        "0002015904Caf\xFF"
        "63041234", // byte never valid
        "0002015904Ca\xED\xA0\x80"
        "63041234", // surrogate
        "15Hell\xC0",
        std::string("00020159\xE0\xB8", 10), // text ends inside a sequence
    };
    for (const std::string& text : cases) {
        EXPECT_EQ(decodeFresh(text), TLVDecodingError::invalidLength);
    }
}

TEST(DecoderTest, StoreOperationsDirectly)
{
    TavroPayMerchantTLV model;
    EXPECT_TRUE(model.assignTLV01("62", std::string_view("20"), 2, "zz", std::nullopt));
    EXPECT_FALSE(model.assignTLV01("62", std::string_view("00"), 2, "zz", std::nullopt));
    EXPECT_FALSE(model.assignTLV01("62", std::string_view("xx"), 2, "zz", std::nullopt));
    EXPECT_FALSE(model.assignTLV01("62", std::nullopt, 0, "", std::nullopt));
    EXPECT_FALSE(model.assignTLV01("7A", std::nullopt, 1, "x", std::nullopt));
    EXPECT_TRUE(model.assignTLV01("02", std::nullopt, 4, "4111", std::nullopt));
    EXPECT_EQ(model.tavroMerchantPAN(), "4111");
    EXPECT_TRUE(model.assignTLV01("55", std::nullopt, 2, "03", std::nullopt));
    EXPECT_TRUE(model.isTipAvailable());
    EXPECT_TRUE(model.assignTLV01("55", std::nullopt, 2, "04", std::nullopt));
    EXPECT_FALSE(model.isTipAvailable());

    EXPECT_TRUE(model.assignTLV00("b", 1, "5"));
    EXPECT_EQ(model.convenienceFeePercentage(), "5");
    EXPECT_FALSE(model.assignTLV00("c", 1, "5"));
}
