#include "TavroMerchantSDK/support/NSMutableAttributedStringExtensions.h"

#include <gtest/gtest.h>

using namespace tavro;
using platform::NSAttributedStringKey;

TEST(AttributedTextHelpers, AttributesCoverTheWholeUtf16Length)
{
    // "a" + U+1F600 (two UTF-16 units) + "b": four units in all.
    auto text = attributedString("a\xF0\x9F\x98\x80"
                                 "b",
                                 platform::UIColor::red(), platform::UIFont::systemFont(14), 3);
    ASSERT_EQ(text.length(), 4u);
    platform::NSRange range{};
    auto kern = text.attribute(NSAttributedStringKey::kern, 0, &range);
    ASSERT_TRUE(kern);
    EXPECT_EQ(kern->asInteger(), 3);
    EXPECT_EQ(range.location, 0u);
    EXPECT_EQ(range.length, 4u);
    ASSERT_TRUE(text.attribute(NSAttributedStringKey::foregroundColor, 3, &range));
    EXPECT_EQ(range.length, 4u);
    auto font = text.attribute(NSAttributedStringKey::font, 3, &range);
    ASSERT_TRUE(font);
    EXPECT_DOUBLE_EQ(font->asFont()->pointSize(), 14);
}

TEST(AttributedTextHelpers, AbsentArgumentsAddNothing)
{
    auto text = attributedString("plain", nullptr, nullptr, std::nullopt);
    EXPECT_EQ(text.string(), "plain");
    EXPECT_TRUE(text.attributes(0, nullptr).empty());
}
