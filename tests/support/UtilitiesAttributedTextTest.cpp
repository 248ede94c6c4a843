#include "TavroMerchantSDK/support/Utilities.h"

#include "platform/foundation/Locale.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITextField.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

using platform::NSAttributedString;
using platform::NSAttributedStringKey;
using platform::NSRange;

struct FontAt {
    double size;
    bool bold;
    bool operator==(const FontAt&) const = default;
};

FontAt fontAt(const NSAttributedString& text, std::size_t index)
{
    auto font = text.attribute(NSAttributedStringKey::font, index)->asFont();
    return {font->pointSize(), font->isBold()};
}

// The range around `index` over which the underline attribute keeps its value.
NSRange underlineRange(const NSAttributedString& text, std::size_t index)
{
    NSRange range;
    auto value = text.attribute(NSAttributedStringKey::underlineStyle, index, &range);
    EXPECT_TRUE(value.has_value());
    EXPECT_EQ(value->asInteger(), 1);
    return range;
}

class UtilitiesAttributedTextTest : public ::testing::Test {
protected:
    void SetUp() override { platform::Locale::setCurrent(platform::Locale("en_US")); }
    void TearDown() override { platform::Locale::setCurrent(std::nullopt); }
};

TEST_F(UtilitiesAttributedTextTest, TwoPartLabelSizes)
{
    auto total = Utilities::attributedString("INR", "1,234.50", true, false, 0);
    EXPECT_EQ(total.string(), "INR 1,234.50");
    EXPECT_EQ(fontAt(total, 0), (FontAt{16, false}));
    EXPECT_EQ(fontAt(total, 3), (FontAt{16, false})); // the blank goes with the first part
    EXPECT_EQ(fontAt(total, 4), (FontAt{24, false}));
    EXPECT_FALSE(total.attribute(NSAttributedStringKey::underlineStyle, 0).has_value());

    auto sized = Utilities::attributedString("USD", "5.00", true, false, 30);
    EXPECT_EQ(fontAt(sized, 0), (FontAt{16, false}));
    EXPECT_EQ(fontAt(sized, 4), (FontAt{30, false}));

    auto halves = Utilities::attributedString("USD", "5.00", false, false, 0);
    EXPECT_EQ(fontAt(halves, 0), (FontAt{12, false}));
    EXPECT_EQ(fontAt(halves, 4), (FontAt{12, false}));
}

TEST_F(UtilitiesAttributedTextTest, ArabicPutsTheAmountFirst)
{
    platform::Locale::setCurrent(platform::Locale("ar_EG"));
    auto label = Utilities::attributedString("INR", "1,234.50", true, false, 20);
    EXPECT_EQ(label.string(), "1,234.50 INR");
    EXPECT_EQ(fontAt(label, 0), (FontAt{20, false}));
    EXPECT_EQ(fontAt(label, 8), (FontAt{20, false})); // the blank carries the amount's font
    EXPECT_EQ(fontAt(label, 9), (FontAt{16, false}));
}

TEST_F(UtilitiesAttributedTextTest, UnderlinedTextsCoverEveryCharacter)
{
    // U+1F4B3 takes two UTF-16 units.
    auto underlined = Utilities::underLineAttributedString("\U0001F4B3 Card", 12);
    EXPECT_EQ(underlined.length(), 7u);
    EXPECT_EQ(underlineRange(underlined, 0), (NSRange{0, 7}));
    EXPECT_EQ(fontAt(underlined, 6), (FontAt{12, true}));

    auto label = Utilities::attributedString("\U0001F4B3", "10.00", false, true, 0);
    EXPECT_EQ(label.length(), 8u);
    EXPECT_EQ(underlineRange(label, 7), (NSRange{0, 8}));
    for (std::size_t index : {0u, 2u, 7u})
        EXPECT_EQ(fontAt(label, index), (FontAt{12, true})) << index;

    EXPECT_EQ(Utilities::underLineAttributedString("", 12).length(), 0u);
}

TEST_F(UtilitiesAttributedTextTest, ControlsAlignToTheDeviceLanguage)
{
    using platform::NSTextAlignment;
    using platform::UIControlContentHorizontalAlignment;
    auto button = platform::NSObject::create<platform::UIButton>();
    auto field = platform::NSObject::create<platform::UITextField>(platform::CGRect(0, 0, 100, 30));
    auto label = platform::NSObject::create<platform::UILabel>();
    field->setTextAlignment(NSTextAlignment::center);
    label->setTextAlignment(NSTextAlignment::center);

    platform::Locale::setCurrent(platform::Locale("ar_SA"));
    Utilities::changeContentHorizontalAlignment(button);
    Utilities::changeContentHorizontalAlignment(field);
    Utilities::changeContentHorizontalAlignment(label);
    EXPECT_EQ(button->contentHorizontalAlignment(), UIControlContentHorizontalAlignment::right);
    EXPECT_EQ(field->textAlignment(), NSTextAlignment::right);
    EXPECT_EQ(label->textAlignment(), NSTextAlignment::right);

    platform::Locale::setCurrent(platform::Locale("en_IN"));
    Utilities::changeContentHorizontalAlignment(button);
    Utilities::changeContentHorizontalAlignment(field);
    Utilities::changeContentHorizontalAlignment(label);
    EXPECT_EQ(button->contentHorizontalAlignment(), UIControlContentHorizontalAlignment::left);
    EXPECT_EQ(field->textAlignment(), NSTextAlignment::left);
    EXPECT_EQ(label->textAlignment(), NSTextAlignment::left);

    // No control: nothing happens.
    Utilities::changeContentHorizontalAlignment(std::shared_ptr<platform::UILabel>());
    Utilities::changeContentHorizontalAlignment(std::shared_ptr<platform::UIButton>());
    Utilities::changeContentHorizontalAlignment(std::shared_ptr<platform::UITextField>());
}

} // namespace
} // namespace tavro
