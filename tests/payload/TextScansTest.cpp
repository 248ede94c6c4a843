#include "TavroMerchantSDK/payload/AsciiScan.h"
#include "TavroMerchantSDK/support/ISORegionCodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace tavro;

// The word-at-a-time scan must see a high byte wherever it sits: in a whole word or in the tail,
// at the first or last byte of either.
TEST(AsciiScan, FindsAHighByteAtEveryPosition)
{
    EXPECT_TRUE(detail::isAsciiText(""));
    for (std::size_t size = 1; size <= 40; ++size) {
        std::string text(size, '\x7F');
        EXPECT_TRUE(detail::isAsciiText(text)) << size;
        for (std::size_t at = 0; at < size; ++at) {
            for (const char high : {'\x80', '\xFF'}) {
                std::string marked = text;
                marked[at] = high;
                EXPECT_FALSE(detail::isAsciiText(marked)) << size << " " << at;
            }
        }
    }
}

// The word-at-a-time digit test must refuse every non-digit byte wherever it sits, including the
// bytes just outside '0'-'9' and those sharing the digits' high nibble (':' to '?').
TEST(AsciiScan, DigitTestRefusesEveryOtherByteAtEveryPosition)
{
    EXPECT_TRUE(detail::isAsciiDigits(""));
    for (std::size_t size = 1; size <= 24; ++size) {
        std::string digits(size, '0');
        for (std::size_t i = 0; i < size; ++i)
            digits[i] = static_cast<char>('0' + i % 10);
        EXPECT_TRUE(detail::isAsciiDigits(digits)) << size;
        for (std::size_t at = 0; at < size; ++at) {
            for (int byte = 0; byte < 256; ++byte) {
                if (byte >= '0' && byte <= '9')
                    continue;
                std::string marked = digits;
                marked[at] = static_cast<char>(byte);
                ASSERT_FALSE(detail::isAsciiDigits(marked)) << size << " " << at << " " << byte;
            }
        }
    }
}

// The region-code lookup agrees with the published list for every two-byte text, so the edges of
// its letter ranges (the bytes around 'A' and 'Z', lower case, high bytes) are all covered.
TEST(ISORegionCodeLookup, AgreesWithTheListForEveryTwoByteText)
{
    const auto codes = isoRegionCodes();
    std::size_t found = 0;
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const std::string code{static_cast<char>(first), static_cast<char>(second)};
            const bool listed = std::find(codes.begin(), codes.end(), code) != codes.end();
            ASSERT_EQ(isISORegionCode(code), listed) << first << " " << second;
            found += listed ? 1 : 0;
        }
    }
    EXPECT_EQ(found, codes.size());
    EXPECT_FALSE(isISORegionCode("INX"));
    EXPECT_FALSE(isISORegionCode("I"));
}
