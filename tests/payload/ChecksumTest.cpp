#include "TavroMerchantSDK/payload/TavroQRUtility.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

using tavro::TavroQRUtility;

namespace {

std::uint16_t referenceCrc(std::string_view text)
{
    // Bit by bit, straight from the polynomial: an independent check of the table-driven paths.
    std::uint16_t crc = 0xFFFF;
    for (unsigned char byte : text) {
        crc ^= static_cast<std::uint16_t>(byte << 8);
        for (int bit = 0; bit < 8; ++bit) {
            crc =
                (crc & 0x8000) ? static_cast<std::uint16_t>((crc << 1) ^ 0x1021) : static_cast<std::uint16_t>(crc << 1);
        }
    }
    return crc;
}

std::vector<std::uint8_t> bytesOf(std::string_view text)
{
    return {text.begin(), text.end()};
}

} // namespace

TEST(ChecksumTest, KnownAnswers)
{
    struct Case {
        const char* input;
        const char* hex;
        const char* padded;
    };
    const Case cases[] = {
        {"123456789", "29B1", "29B1"},      {"00020153039786304", "F0F2", "F0F2"},
        {"0002015802TX6304", "1F", "001F"}, {"0002015802TZ6004Bern6304", "A", "000A"},
        {"6304", "6007", "6007"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(TavroQRUtility::getCrc(c.input), c.hex);
        EXPECT_EQ(TavroQRUtility::prefixZeros(TavroQRUtility::getCrc(c.input)), c.padded);
        EXPECT_EQ(TavroQRUtility::checksumText(c.input), c.padded);
    }
    const auto check = bytesOf("123456789");
    EXPECT_EQ(TavroQRUtility::calculateCrcMsb(check, 0x1021, 0xFFFF), 0x29B1);
}

TEST(ChecksumTest, TableEntriesAndOtherPolynomials)
{
    const auto table = TavroQRUtility::genCrc16TableMsb(0x1021);
    EXPECT_EQ(table[0], 0x0000);
    EXPECT_EQ(table[1], 0x1021);
    EXPECT_EQ(table[2], 0x2042);
    EXPECT_EQ(table[255], 0x1EF0);

    // CRC-16/BUYPASS (poly 0x8005, init 0, MSB first, no xorout) check value.
    EXPECT_EQ(TavroQRUtility::calculateCrcMsb(bytesOf("123456789"), 0x8005, 0x0000), 0xFEE8);
    // An empty sequence leaves the initial value.
    EXPECT_EQ(TavroQRUtility::calculateCrcMsb({}, 0x1021, 0xFFFF), 0xFFFF);
}

TEST(ChecksumTest, FastPathAgreesWithBitwiseReferenceAtEveryLength)
{
    std::mt19937 random(1234);
    std::string text;
    for (int length = 0; length < 300; ++length) {
        SCOPED_TRACE(length);
        const auto expected = referenceCrc(text);
        EXPECT_EQ(TavroQRUtility::crc16(text), expected);
        EXPECT_EQ(TavroQRUtility::calculateCrcMsb(bytesOf(text), 0x1021, 0xFFFF), expected);
        // The general path (table built from the argument) must agree for a seed other than 0xFFFF.
        const auto generic = TavroQRUtility::calculateCrcMsb(bytesOf(text), 0x1021, 0x1D0F);
        std::uint16_t slow = 0x1D0F;
        const auto table = TavroQRUtility::genCrc16TableMsb(0x1021);
        for (unsigned char b : text) {
            slow = static_cast<std::uint16_t>(table[(b ^ (slow >> 8)) & 0xFF] ^ ((slow & 0xFF) << 8));
        }
        EXPECT_EQ(generic, slow);
        text.push_back(static_cast<char>(random() & 0xFF));
    }
}

TEST(ChecksumTest, NonAsciiContributesEveryUtf8Byte)
{
    // "é" precomposed is two bytes; decomposed it is three ("e" + U+0301).
    const std::string precomposed = "0002015904Caf\xC3\xA9"
                                    "6304";
    const std::string decomposed = "0002015905Cafe\xCC\x81"
                                   "6304";
    EXPECT_EQ(TavroQRUtility::crc16(precomposed), referenceCrc(precomposed));
    EXPECT_EQ(TavroQRUtility::crc16(decomposed), referenceCrc(decomposed));
    EXPECT_NE(TavroQRUtility::crc16(precomposed), TavroQRUtility::crc16(decomposed));
}
