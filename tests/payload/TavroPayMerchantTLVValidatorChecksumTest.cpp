#include "TavroMerchantSDK/payload/TavroPayMerchantTLVValidator.h"

#include <gtest/gtest.h>

#include <cstdio>

using tavro::TavroPayMerchantTLVValidator;
using Codes = std::vector<std::string>;
using Text = std::optional<std::string>;

namespace {

std::uint16_t crcOf(std::string_view text)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return TavroPayMerchantTLVValidator::calculateCrcMsb(std::span(bytes, text.size()), 0x1021, 0xFFFF);
}

std::string hex4(unsigned value, bool upper = true)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, upper ? "%04X" : "%04x", value);
    return buffer;
}

Codes crcCodes(const Text& crc, const Text& payload)
{
    TavroPayMerchantTLVValidator validator;
    validator.validateCRC(crc, payload);
    return validator.errorCodes();
}

} // namespace

TEST(ValidatorChecksum, KnownAnswers)
{
    EXPECT_EQ(crcOf("123456789"), 0x29B1);
    EXPECT_EQ(crcOf(""), 0xFFFF);
    EXPECT_EQ(crcOf("6304"), 0x6007);
    EXPECT_EQ(crcOf("00020153039786304"), 0xF0F2);
    EXPECT_EQ(crcOf("0002016208010412346304"), 0xEC13);

    const auto table = TavroPayMerchantTLVValidator::genCrc16TableMsb(0x1021);
    EXPECT_EQ(table[0], 0x0000);
    EXPECT_EQ(table[1], 0x1021);
    EXPECT_EQ(table[255], 0x1EF0);
    // Another polynomial builds its own table: CRC-16/GENIBUS style check on "123456789".
    const std::string check = "123456789";
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(check.data());
    EXPECT_EQ(TavroPayMerchantTLVValidator::calculateCrcMsb(std::span(bytes, check.size()), 0x8005, 0),
              0xFEE8); // CRC-16/UMTS
}

TEST(ValidatorChecksum, AcceptsExactlyFourHexDigitsOfEitherCase)
{
    const std::string payload = "00020153039786304F0F2";
    EXPECT_EQ(crcCodes("F0F2", payload), Codes{});
    EXPECT_EQ(crcCodes("f0f2", payload), Codes{});
    EXPECT_EQ(crcCodes("F0F3", payload), Codes{"48"});
    EXPECT_EQ(crcCodes("F0F", payload), Codes{"48"});
    EXPECT_EQ(crcCodes("F0F20", payload), Codes{"48"});
    EXPECT_EQ(crcCodes("F0 2", payload), Codes{"48"});
    EXPECT_EQ(crcCodes("", payload), Codes{"48"});
    EXPECT_EQ(crcCodes(std::nullopt, payload), Codes{});
    EXPECT_EQ(crcCodes("F0F2", std::nullopt), Codes{});

    // The covered text is the UTF-8 bytes of everything before the last four characters.
    const std::string cafe = "0002015905Caf"
                             "e\xCC\x81"
                             "6304";
    EXPECT_EQ(crcCodes(hex4(crcOf(cafe)), cafe + hex4(crcOf(cafe))), Codes{});
    EXPECT_EQ(crcCodes(hex4(crcOf(cafe), false), cafe + hex4(crcOf(cafe), false)), Codes{});
}

TEST(ValidatorChecksum, CoveredTextEndsFourCodePointsFromTheEnd)
{
    // Well-formed text: the last four code points are the value, whatever comes before them.
    for (const std::string& head : {std::string("\xE5\x95\x86"), std::string("\xF0\x9F\x98\x80x"),
                                    std::string("0002015902\xE5\x95\x86\xC3\xA9"
                                                "6304")}) {
        const std::string value = hex4(crcOf(head));
        EXPECT_EQ(crcCodes(value, head + value), Codes{}) << head;
    }
    // The last bytes ASCII, the fourth code point from the end not.
    EXPECT_EQ(crcCodes(hex4(crcOf("0002")), "0002\xC3\xA9"
                                            "123"),
              Codes{});
    // Four code points only, however many bytes: nothing is covered.
    EXPECT_EQ(crcCodes("FFFF", "\xE5\x95\x86"
                               "FFF"),
              Codes{"48"});
    // Ill-formed text: each ill-formed sequence counts as one code point.
    for (const std::string& head : {std::string("0002015902\xFF\xFE"
                                                "6304"),
                                    std::string("\xE0\x80"), std::string("\xF0\x9F\x98")}) {
        const std::string value = hex4(crcOf(head));
        EXPECT_EQ(crcCodes(value, head + value), Codes{}) << head;
    }
    EXPECT_EQ(crcCodes("6007", std::string("\xE0\x80") + "007"), Codes{"48"}); // three bytes, four code points
}

TEST(ValidatorChecksum, SignedValueIsAMismatch)
{
    // Find a payload whose checksum is below 0x1000, so "+" and three digits would read as it.
    std::string payload;
    std::uint16_t crc = 0xFFFF;
    for (int i = 0; i < 100000 && crc >= 0x1000; ++i) {
        payload = "0002015906M" + std::to_string(10000 + i) + "6304";
        crc = crcOf(payload);
    }
    ASSERT_LT(crc, 0x1000);
    const std::string digits = hex4(crc);
    EXPECT_EQ(crcCodes(digits, payload + digits), Codes{});
    const std::string signedValue = "+" + digits.substr(1);
    EXPECT_EQ(crcCodes(signedValue, payload + signedValue), Codes{"48"});
}

TEST(ValidatorChecksum, ShortOrOddTextsNeverReadOutOfRange)
{
    EXPECT_EQ(crcCodes("6007", "6007"), Codes{"48"});
    EXPECT_EQ(crcCodes("6007", "007"), Codes{"48"});
    EXPECT_EQ(crcCodes("6007", ""), Codes{"48"});
    EXPECT_EQ(crcCodes("FFFF", "6304"
                               "FFFF"),
              Codes{"48"}); // CRC("6304") is 6007
    EXPECT_EQ(crcCodes("6007", "6304"
                               "6007"),
              Codes{});
    // Four multi-byte characters as the value: unreadable, and the covered text ends on a boundary.
    const std::string wide = "\xC3\x80\xC3\x80\xC3\x80\xC3\x80";
    EXPECT_EQ(crcCodes(wide, "0002016304" + wide), Codes{"48"});
    // Invalid UTF-8 anywhere is read without overrunning the text.
    EXPECT_EQ(crcCodes("\xFF\xFF\xFF\xFF", "\xFF\xFF\xFF\xFF"), Codes{"48"});
    EXPECT_EQ(crcCodes("6007", std::string("\xE0\x80", 2)), Codes{"48"});
}
