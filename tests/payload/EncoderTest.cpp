#include "TavroMerchantSDK/payload/TLVGenerator.h"
#include "TavroMerchantSDK/payload/TavroQRUtility.h"

#include <gtest/gtest.h>

#include <string>

using platform::AnyValue;
using Dictionary = AnyValue::Dictionary;
using tavro::TLVGenerator;

namespace {

std::string encode(const Dictionary& dictionary)
{
    return TLVGenerator::encodeDictToTLV(dictionary);
}

// The text before the checksum value, and whether the value is the checksum of it.
bool hasValidTail(const std::string& text)
{
    if (text.size() < 8 || text.compare(text.size() - 8, 4, "6304") != 0) {
        return false;
    }
    const std::string covered = text.substr(0, text.size() - 4);
    return text.substr(text.size() - 4) == tavro::TavroQRUtility::checksumText(covered);
}

} // namespace

TEST(EncoderTest, QuotedPayloads)
{
    EXPECT_EQ(encode({}), "63046007");
    EXPECT_EQ(encode({{"00", "01"}, {"59", "Shop"}}), "0002015904Shop6304E90D");
    EXPECT_EQ(encode({{"payloadFormatIndicator", "01"}, {"merchantName", "Shop"}}), "0002015904Shop6304E90D");
    EXPECT_EQ(encode({{"00", "01"}, {"62", Dictionary{{"01", "1234"}}}}), "0002016208010412346304EC13");
    EXPECT_EQ(encode({{"00", "01"}, {"64", Dictionary{{"languagePreference", "ZH"}}}}), "00020164060002ZH63041963");
    EXPECT_EQ(encode({{"00", "01"}, {"59", ""}}), "00020159006304C6B6");
    EXPECT_EQ(encode({{"00", "01"}, {"53", "978"}}), "00020153039786304F0F2");
}

TEST(EncoderTest, GivenChecksumIsIgnoredAndRecomputed)
{
    const Dictionary plain{{"00", "01"}, {"59", "Shop"}};
    Dictionary withId = plain;
    withId["63"] = "FFFF";
    Dictionary withName = plain;
    withName["crc"] = "FFFF";
    EXPECT_EQ(encode(withId), encode(plain));
    EXPECT_EQ(encode(withName), encode(plain));
}

TEST(EncoderTest, EntriesInAscendingIdOrderWithIndicatorFirstAndChecksumLast)
{
    const Dictionary dictionary{
        {"merchantName", "Shop"},
        {"60", "Bern"},
        {"currencyCode", "756"},
        {"00", "01"},
        {"52", "5411"},
        {"58", "CH"},
        {"AB", "xy"},
    };
    const std::string text = encode(dictionary);
    EXPECT_EQ(text.substr(0, text.size() - 4), "000201"
                                               "52045411"
                                               "5303756"
                                               "5802CH"
                                               "5904Shop"
                                               "6004Bern"
                                               "AB02xy"
                                               "6304");
    EXPECT_TRUE(hasValidTail(text));

    // Sub-entries in ascending sub-ID order, whatever their keys.
    const std::string withTemplate =
        encode({{"00", "01"}, {"62", Dictionary{{"storeID", "S1"}, {"01", "B"}, {"20", "x"}, {"6202", "M"}}}});
    EXPECT_EQ(withTemplate.substr(0, withTemplate.size() - 4), "000201"
                                                               "6221"
                                                               "0101B"
                                                               "0201M"
                                                               "0302S1"
                                                               "2001x"
                                                               "6304");
}

TEST(EncoderTest, KeysAndValuesItCannotPlaceAreLeftOut)
{
    const std::string base = encode({{"00", "01"}});
    // Numbers, arrays, null, unknown long keys and sub-field names with text at the top level.
    EXPECT_EQ(encode({{"00", "01"}, {"54", 12.5}}), base);
    EXPECT_EQ(encode({{"00", "01"}, {"59", AnyValue::Array{AnyValue("x")}}}), base);
    EXPECT_EQ(encode({{"00", "01"}, {"59", nullptr}}), base);
    EXPECT_EQ(encode({{"00", "01"}, {"amount", "10"}}), base);
    EXPECT_EQ(encode({{"00", "01"}, {"100", "10"}}), base);
    EXPECT_EQ(encode({{"00", "01"}, {"7", "10"}}), base);
    EXPECT_EQ(encode({{"00", "01"}, {"billID", "1234"}}), base);
    EXPECT_EQ(encode({{"00", "01"}, {"6201", "1234"}}), base);
    EXPECT_EQ(encode({{"00", "01"}, {"tavroMerchantPAN", "4111"}}), base);
    // A payload format indicator that is not text is not written, and does not move elsewhere.
    EXPECT_EQ(encode({{"00", Dictionary{{"01", "x"}}}}), "63046007");
    // Non-text values inside a template are left out.
    EXPECT_EQ(encode({{"00", "01"}, {"26", Dictionary{{"00", "ab"}, {"01", 5}}}}),
              encode({{"00", "01"}, {"26", Dictionary{{"00", "ab"}}}}));
}

TEST(EncoderTest, KeyNormalisation)
{
    // The ID key wins over the property's own name.
    EXPECT_EQ(encode({{"00", "01"}, {"59", "Id"}, {"merchantName", "Name"}}), encode({{"00", "01"}, {"59", "Id"}}));
    // A dictionary under a text property's name is written as a template with that ID.
    const std::string text = encode({{"00", "01"}, {"merchantName", Dictionary{{"00", "ab"}}}});
    EXPECT_EQ(text.substr(0, text.size() - 4), "000201"
                                               "5906"
                                               "0002ab"
                                               "6304");
    // A template given by property name; sub-keys by ID, by property name and raw.
    const std::string account = encode({{"00", "01"}, {"tag26", Dictionary{{"00", "ab"}, {"05", "cd"}}}});
    EXPECT_EQ(account.substr(0, account.size() - 4), "000201"
                                                     "2612"
                                                     "0002ab"
                                                     "0502cd"
                                                     "6304");
    // Language names apply in template "64" only.
    const std::string language =
        encode({{"00", "01"},
                {"merchantInformationLanguageTemplate", Dictionary{{"merchantNameAlternateLanguage", "Shop"},
                                                                   {"merchantCityAlternateLanguage", "Bern"},
                                                                   {"00", "DE"}}}});
    EXPECT_EQ(language.substr(0, language.size() - 4), "000201"
                                                       "6422"
                                                       "0002DE"
                                                       "0104Shop"
                                                       "0204Bern"
                                                       "6304");
}

TEST(EncoderTest, SubEntriesUnderOneSubIdKeepPropertyOrderThenKeyOrder)
{
    // "01" stands for pointOfInitiation and "billID" for "6201": both are written under "01",
    // in the order the properties are declared, whichever key sorts first.
    const std::string text = encode({{"62", Dictionary{{"billID", "B"}, {"01", "P"}}}});
    EXPECT_EQ(text.substr(0, 14), "62100101P0101B");
    // In the language template a sub-field name comes after the property with the same sub-ID.
    const std::string language = encode(
        {{"64",
          Dictionary{{"languagePreference", "L"}, {"merchantNameAlternateLanguage", "N"}, {"00", "P"}, {"zz", "Z"}}}});
    EXPECT_EQ(language.substr(0, 24), "64200001P0001L0101Nzz01Z");
    // The ID wins inside a template too, even when its value is left out.
    EXPECT_EQ(encode({{"62", Dictionary{{"6201", 5}, {"billID", "B"}}}}).substr(0, 4), "6200");
}

TEST(EncoderTest, TemplateLengthCountsItsContentAsAWhole)
{
    // The value "\xC3" and the next sub-ID "\xA9x" are each ill-formed, but meet as "\u00E9": the
    // content "0001\u00E9x01y" is nine code points, not the ten its pieces count.
    const auto payload = TLVGenerator::encode({{"26", Dictionary{{"00", "\xC3"}, {"\xA9x", "y"}}}});
    EXPECT_EQ(payload.text.substr(0, 14), "26090001\xC3\xA9x01y");
    EXPECT_TRUE(payload.framed);
    EXPECT_TRUE(hasValidTail(payload.text));
    // Ill-formed text that stays so counts as one code point per ill-formed piece, and is no payload.
    const auto broken = TLVGenerator::encode({{"26", Dictionary{{"00", "\xC3"}, {"01", "y"}}}});
    EXPECT_EQ(broken.text.substr(0, 14), "26100001\xC3"
                                         "0101y");
    EXPECT_FALSE(broken.framed);
}

TEST(EncoderTest, LengthsCountCodePoints)
{
    const std::string precomposed = encode({{"00", "01"}, {"59", "Caf\xC3\xA9"}});
    EXPECT_EQ(precomposed.substr(0, 15), "0002015904Caf\xC3\xA9");
    EXPECT_TRUE(hasValidTail(precomposed));

    const std::string decomposed = encode({{"00", "01"}, {"59", "Cafe\xCC\x81"}});
    EXPECT_EQ(decomposed.substr(0, 16), "0002015905Cafe\xCC\x81");
    EXPECT_TRUE(hasValidTail(decomposed));

    // Thai "ที่" : three code points (base, two combining marks), nine bytes.
    const std::string thai = encode({{"00", "01"}, {"59", "\xE0\xB8\x97\xE0\xB8\xB5\xE0\xB9\x88"}});
    EXPECT_EQ(thai.substr(0, 10), "0002015903");
}

TEST(EncoderTest, FramingReport)
{
    EXPECT_TRUE(TLVGenerator::encode({{"00", "01"}, {"59", std::string(99, 'x')}}).framed);
    const auto longValue = TLVGenerator::encode({{"00", "01"}, {"59", std::string(100, 'x')}});
    EXPECT_FALSE(longValue.framed);
    EXPECT_EQ(longValue.text.substr(6, 5), "59100");
    EXPECT_TRUE(hasValidTail(longValue.text));

    // Template content over 99 characters: unframed, its length written out in full.
    const auto longTemplate =
        TLVGenerator::encode({{"62", Dictionary{{"01", std::string(60, 'a')}, {"02", std::string(60, 'b')}}}});
    EXPECT_FALSE(longTemplate.framed);
    EXPECT_EQ(longTemplate.text.substr(0, 9), "621280160");
    EXPECT_TRUE(hasValidTail(longTemplate.text));
    // A template's length counts code points: "0002HI0102\u00E9\u00E9" is 12 of them in 14 bytes.
    EXPECT_EQ(TLVGenerator::encode({{"64", Dictionary{{"00", "HI"}, {"01", "\xC3\xA9\xC3\xA9"}}}}).text.substr(0, 18),
              "64120002HI0102\xC3\xA9\xC3\xA9");
    // A template under a four-character ID.
    EXPECT_FALSE(TLVGenerator::encode({{"billID", Dictionary{{"01", "x"}}}}).framed);
    // A sub-ID that is not two characters.
    EXPECT_FALSE(TLVGenerator::encode({{"26", Dictionary{{"abc", "x"}}}}).framed);
    EXPECT_FALSE(TLVGenerator::encode({{"64", Dictionary{{"unknownName", "x"}}}}).framed);
    // Invalid UTF-8 cannot be counted.
    EXPECT_FALSE(TLVGenerator::encode({{"00", "01"}, {"59", "\xFF\xFE"}}).framed);
    // Everything else frames.
    EXPECT_TRUE(TLVGenerator::encode({}).framed);
    EXPECT_TRUE(TLVGenerator::encode({{"AB", "x"}, {"62", Dictionary{{"XY", "z"}}}}).framed);
}
