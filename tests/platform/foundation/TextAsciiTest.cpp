#include "platform/foundation/TextAscii.h"

#include <gtest/gtest.h>

#include <string>

using namespace platform::text;

// The word-at-a-time scan must see a high byte wherever it sits: in a whole word or in the tail,
// at the first or last byte of either.
TEST(TextAscii, FindsAHighByteAtEveryPosition)
{
    EXPECT_TRUE(isAscii(""));
    for (std::size_t size = 1; size <= 40; ++size) {
        std::string text(size, '\x7F');
        EXPECT_TRUE(isAscii(text)) << size;
        for (std::size_t at = 0; at < size; ++at) {
            for (const char high : {'\x80', '\xFF'}) {
                std::string marked = text;
                marked[at] = high;
                EXPECT_FALSE(isAscii(marked)) << size << " " << at;
            }
        }
    }
}

// The word-at-a-time digit test must refuse every non-digit byte wherever it sits, including the
// bytes just outside '0'-'9' and those sharing the digits' high nibble (':' to '?').
TEST(TextAscii, DigitTestRefusesEveryOtherByteAtEveryPosition)
{
    EXPECT_TRUE(allAsciiDigits(""));
    for (std::size_t size = 1; size <= 24; ++size) {
        std::string digits(size, '0');
        for (std::size_t i = 0; i < size; ++i)
            digits[i] = static_cast<char>('0' + i % 10);
        EXPECT_TRUE(allAsciiDigits(digits)) << size;
        for (std::size_t at = 0; at < size; ++at) {
            for (int byte = 0; byte < 256; ++byte) {
                if (byte >= '0' && byte <= '9')
                    continue;
                std::string marked = digits;
                marked[at] = static_cast<char>(byte);
                ASSERT_FALSE(allAsciiDigits(marked)) << size << " " << at << " " << byte;
            }
        }
    }
}
