#include "ControlTestSupport.h"

#include "platform/foundation/NSMutableAttributedString.h"
#include "platform/graphics/TextLayout.h"
#include "platform/ui/UILabel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace platform {
namespace {

using testsupport::inkBounds;
using testsupport::renderView;

const std::string longText = "The quick brown fox jumps over the lazy dog and keeps on running far away";

TEST(LabelTest, IntrinsicSizeFollowsTextAndWrapsWhenAllowed)
{
    auto label = NSObject::create<UILabel>();
    EXPECT_EQ(label->intrinsicContentSize(), (CGSize{0, 0}));
    EXPECT_EQ(label->font()->pointSize(), 17);

    label->setText("Pay");
    auto font = UIFont::systemFont(17);
    CGSize short_ = label->intrinsicContentSize();
    EXPECT_EQ(short_.height, std::ceil(font->lineHeight()));
    EXPECT_EQ(short_.width, std::ceil(measureText("Pay", *font).width));

    label->setText("Pay the merchant");
    CGSize longer = label->intrinsicContentSize();
    EXPECT_GT(longer.width, short_.width);
    EXPECT_EQ(longer.height, short_.height);

    label->setFont(UIFont::systemFont(30));
    EXPECT_GT(label->intrinsicContentSize().height, longer.height);
    label->setFont(nullptr);

    // One line does not wrap, however long.
    label->setText(longText);
    label->setPreferredMaxLayoutWidth(150);
    EXPECT_EQ(label->intrinsicContentSize().height, short_.height);

    // Unlimited lines wrap at the preferred width; a limit cuts the height.
    label->setNumberOfLines(0);
    CGSize wrapped = label->intrinsicContentSize();
    EXPECT_LE(wrapped.width, 150);
    EXPECT_GE(wrapped.height, 3 * short_.height - 3);
    label->setNumberOfLines(2);
    EXPECT_NEAR(label->intrinsicContentSize().height, std::ceil(2 * font->lineHeight()), 1);

    // Without a preferred width the current width is used, and a new width changes the size.
    label->setNumberOfLines(0);
    label->setPreferredMaxLayoutWidth(0);
    label->setFrame({0, 0, 300, 20});
    CGSize atThreeHundred = label->intrinsicContentSize();
    label->setFrame({0, 0, 120, 20});
    EXPECT_GT(label->intrinsicContentSize().height, atThreeHundred.height);

    // sizeThatFits wraps at the width it is given and is rounded up.
    CGSize fitted = label->sizeThatFits({200, 1e9});
    EXPECT_LE(fitted.width, 200);
    EXPECT_EQ(fitted.width, std::floor(fitted.width));
    EXPECT_EQ(fitted.height, std::floor(fitted.height));
}

TEST(LabelTest, PlainAndAttributedTextAreOneContent)
{
    auto label = NSObject::create<UILabel>();
    EXPECT_EQ(label->attributedText(), std::nullopt);
    label->setText("Hello");
    auto attributed = label->attributedText();
    ASSERT_TRUE(attributed);
    EXPECT_EQ(attributed->string(), "Hello");
    EXPECT_TRUE(attributed->attribute(NSAttributedStringKey::font, 0).has_value());

    NSMutableAttributedString styled("Big and small");
    styled.addAttribute(NSAttributedStringKey::font, AttributeValue(UIFont::boldSystemFont(30)), {0, 3});
    label->setAttributedText(NSAttributedString(styled));
    EXPECT_EQ(label->text(), "Big and small");
    EXPECT_EQ(*label->attributedText(), NSAttributedString(styled));
    // The larger run sets the line height.
    EXPECT_GE(label->intrinsicContentSize().height, std::ceil(UIFont::boldSystemFont(30)->lineHeight()));

    label->setAttributedText(std::nullopt);
    EXPECT_EQ(label->text(), std::nullopt);
    EXPECT_EQ(label->intrinsicContentSize(), (CGSize{0, 0}));
}

TEST(LabelTest, ShrinksToFitWidthDownToTheMinimumScale)
{
    auto label = NSObject::create<UILabel>(CGRect(0, 0, 60, 20));
    label->setText("Reset all the fields");
    EXPECT_EQ(label->fontScaleForCurrentBounds(), 1); // not asked to shrink

    label->setAdjustsFontSizeToFitWidth(true);
    double scale = label->fontScaleForCurrentBounds();
    EXPECT_LT(scale, 1);
    LabelTextStyle style;
    style.fontScale = scale;
    EXPECT_LE(singleLineTextWidth(NSAttributedString("Reset all the fields"), style), 60);

    label->setMinimumScaleFactor(0.8);
    EXPECT_DOUBLE_EQ(label->fontScaleForCurrentBounds(), 0.8);

    label->setText("Ok");
    EXPECT_EQ(label->fontScaleForCurrentBounds(), 1);
}

TEST(LabelTest, DrawsWhereItMeasuresAndAligns)
{
    auto label = NSObject::create<UILabel>(CGRect(0, 0, 200, 40));
    label->setText("Summary");
    CGSize measured = label->intrinsicContentSize();

    auto left = inkBounds(*renderView(label));
    ASSERT_FALSE(left.isEmpty());
    EXPECT_LE(left.width(), measured.width);
    EXPECT_LT(left.minX(), 3);
    // Vertically centred.
    EXPECT_NEAR(left.midY(), 20, 4);

    label->setTextAlignment(NSTextAlignment::right);
    auto right = inkBounds(*renderView(label));
    EXPECT_GT(right.maxX(), 196);
    label->setTextAlignment(NSTextAlignment::center);
    auto centre = inkBounds(*renderView(label));
    EXPECT_NEAR(centre.midX(), 100, 3);

    // At scale 2 the same text covers twice the pixels.
    auto doubled = inkBounds(*renderView(label, 2));
    EXPECT_NEAR(doubled.width(), 2 * centre.width(), 3);

    // Lines beyond numberOfLines, or beyond the height, are not drawn.
    auto multi = NSObject::create<UILabel>(CGRect(0, 0, 120, 200));
    multi->setText(longText);
    multi->setNumberOfLines(0);
    double allLines = inkBounds(*renderView(multi)).height();
    multi->setNumberOfLines(2);
    double twoLines = inkBounds(*renderView(multi)).height();
    EXPECT_LT(twoLines, allLines / 2);
    EXPECT_LE(twoLines, 2 * UIFont::systemFont(17)->lineHeight());

    // A single line too long for the label is truncated inside it.
    auto single = NSObject::create<UILabel>(CGRect(0, 0, 80, 30));
    single->setText(longText);
    EXPECT_LE(inkBounds(*renderView(single)).maxX(), 80);
}

TEST(LabelTest, KernedTextAtItsMeasuredWidthIsDrawnWhole)
{
    // Letter spacing once made a line exactly as wide as measured wrap and lose its last letters.
    TextAttributes attributes;
    attributes.emplace(NSAttributedStringKey::font, AttributeValue(UIFont::systemFont(16)));
    attributes.emplace(NSAttributedStringKey::kern, AttributeValue(1.2));
    auto fitted = NSObject::create<UILabel>();
    fitted->setAttributedText(NSAttributedString("UPDATE", attributes));
    const CGSize size = fitted->sizeThatFits({1000, 1000});
    fitted->setFrame(CGRect(0, 0, size.width, size.height));
    auto roomy = NSObject::create<UILabel>(CGRect(0, 0, size.width + 60, size.height));
    roomy->setAttributedText(NSAttributedString("UPDATE", attributes));

    auto whole = inkBounds(*renderView(roomy, 2));
    auto drawn = inkBounds(*renderView(fitted, 2));
    EXPECT_NEAR(drawn.width(), whole.width(), 1);
    EXPECT_NEAR(drawn.minX(), whole.minX(), 1);

    // A label that wraps words keeps a kerned line that fits on one line.
    for (const auto& label : {fitted, roomy}) {
        label->setAttributedText(NSAttributedString("Refund INR 100.00", attributes));
        label->setNumberOfLines(0);
        label->setLineBreakMode(NSLineBreakMode::byWordWrapping);
    }
    const CGSize line = fitted->sizeThatFits({1000, 1000});
    fitted->setFrame(CGRect(0, 0, line.width, line.height));
    roomy->setFrame(CGRect(0, 0, line.width + 60, line.height));
    EXPECT_NEAR(inkBounds(*renderView(fitted, 2)).width(), inkBounds(*renderView(roomy, 2)).width(), 1);
}

} // namespace
} // namespace platform
