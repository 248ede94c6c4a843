#include "TavroMerchantSDK/support/NSAttributedStringExtensions.h"
#include "TavroMerchantSDK/support/StringMeasuringExtensions.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/TextLayout.h"
#include "platform/graphics/UIFont.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavro {
namespace {

using platform::UIFont;

TEST(TextMeasuring, HeightIsWholePointsAndGrowsWithWrapping)
{
    platform::DebugLogCapture quiet;
    auto font = UIFont::systemFont(16);
    const std::string sentence = "Scan this code with any wallet app to pay the merchant";
    auto oneLine = height("Pay", 300, font);
    EXPECT_EQ(oneLine, std::ceil(font->lineHeight()));
    for (double width : {40.0, 90.0, 155.5, 1000.0}) {
        auto h = height(sentence, width, font);
        EXPECT_EQ(h, std::floor(h)) << width;
        EXPECT_EQ(h, std::ceil(platform::measureText(sentence, *font, width).height)) << width;
    }
    EXPECT_GT(height(sentence, 90, font), height(sentence, 1000, font));
    EXPECT_EQ(height("", 100, font), 0);
    EXPECT_GT(height("Pay", 100, UIFont::systemFont(40)), oneLine);
}

TEST(TextMeasuring, RequiredWidthIsTheUnroundedOneLineWidth)
{
    platform::DebugLogCapture quiet;
    auto font = UIFont::boldSystemFont(14);
    platform::TextAttributes attributes{{platform::NSAttributedStringKey::font, font}};
    platform::NSAttributedString amount("₹ 1,00,000.00", attributes);
    auto width = requiredWidth(amount, 20);
    EXPECT_NEAR(width, platform::measureText("₹ 1,00,000.00", *font).width, 1e-9);
    EXPECT_GT(requiredWidth(platform::NSAttributedString("₹ 1,00,000.00 more", attributes), 20), width);
    EXPECT_EQ(requiredWidth(platform::NSAttributedString(), 20), 0);
}

} // namespace
} // namespace tavro
