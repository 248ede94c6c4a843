#include "TavroMerchantSDK/payload/TavroQRUtility.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <span>
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

TEST(ChecksumTest, FastPathsAgreeWithBitwiseReferenceAtEveryLengthAndAlignment)
{
    // Long enough for every path (bytes one by one, eight at a time, sixteen-byte blocks four at a
    // time), every remainder after them, and every start within a block.
    std::mt19937 random(1234);
    std::vector<std::uint8_t> buffer(616);
    for (std::uint8_t& byte : buffer) {
        byte = static_cast<std::uint8_t>(random() & 0xFF);
    }
    const auto table = TavroQRUtility::genCrc16TableMsb(0x1021);
    for (std::size_t start = 0; start < 16; ++start) {
        for (std::size_t length = 0; length <= 600; ++length) {
            SCOPED_TRACE(testing::Message() << "start " << start << ", length " << length);
            const std::span<const std::uint8_t> bytes(buffer.data() + start, length);
            const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
            ASSERT_EQ(TavroQRUtility::crc16(text), referenceCrc(text));
            // Another initial value goes through the same paths.
            std::uint16_t slow = 0x1D0F;
            for (std::uint8_t b : bytes) {
                slow = static_cast<std::uint16_t>(table[(b ^ (slow >> 8)) & 0xFF] ^ ((slow & 0xFF) << 8));
            }
            ASSERT_EQ(TavroQRUtility::calculateCrcMsb(bytes, 0x1021, 0x1D0F), slow);
        }
    }
    // Every initial value, across the point where the folded paths begin.
    for (std::uint32_t initial = 0; initial <= 0xFFFF; initial += 0x0101) {
        for (std::size_t length : {15, 16, 17, 64, 80}) {
            const std::span<const std::uint8_t> bytes(buffer.data(), length);
            std::uint16_t slow = static_cast<std::uint16_t>(initial);
            for (std::uint8_t b : bytes) {
                slow = static_cast<std::uint16_t>(table[(b ^ (slow >> 8)) & 0xFF] ^ ((slow & 0xFF) << 8));
            }
            ASSERT_EQ(TavroQRUtility::calculateCrcMsb(bytes, 0x1021, static_cast<std::uint16_t>(initial)), slow)
                << "initial " << initial << ", length " << length;
        }
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
