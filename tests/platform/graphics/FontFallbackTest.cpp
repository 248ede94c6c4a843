// Scripts and emoji that DejaVu lacks reach the screens in merchant names; the installed fallback fonts
// must draw them, while DejaVu keeps drawing everything it covers.
#include "platform/graphics/GlyphCoverage.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

const char* const kKhmerName = "ហាងកាហ្វេ ភ្នំពេញ";                         // a café in Phnom Penh
const char* const kThaiName = "ร้านกาแฟสุขุมวิท";                            // a café on Sukhumvit
const char* const kEmojiName = "Café \xF0\x9F\x8D\x9C \xF0\x9F\x98\x80"; // ramen bowl, grinning face

} // namespace

TEST(FontFallbackTest, KhmerThaiAndEmojiNamesDrawWithoutMissingGlyphBoxes)
{
    for (const auto& font : {UIFont::systemFont(17), UIFont::boldSystemFont(13)}) {
        EXPECT_EQ(missingGlyphCount(kKhmerName, *font), 0);
        EXPECT_EQ(missingGlyphCount(kThaiName, *font), 0);
        EXPECT_EQ(missingGlyphCount(kEmojiName, *font), 0);
    }
    // A code point no font has still counts, so a zero above means something.
    EXPECT_GT(missingGlyphCount("\xF3\xB0\x80\x80", *UIFont::systemFont(17)), 0); // private use U+F0000
}

TEST(FontFallbackTest, DejaVuStaysFirstAndFallbacksOnlyFillTheGaps)
{
    auto font = UIFont::systemFont(17);
    EXPECT_EQ(fontFamiliesUsed("Merchant 12.50 ÀÉÎ ĀŁ Ωμ Жд", *font), std::vector<std::string>{"DejaVu Sans"});
    auto mixed = fontFamiliesUsed(std::string("Pay ") + kThaiName, *font);
    ASSERT_GE(mixed.size(), 2u);
    EXPECT_EQ(mixed.front(), "DejaVu Sans");
}
