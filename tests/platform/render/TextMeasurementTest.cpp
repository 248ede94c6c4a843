#include "RenderTestSupport.h"

#include "platform/foundation/NSMutableAttributedString.h"
#include "platform/graphics/UIFont.h"
#include "platform/render/Renderer.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/UILabel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace platform;

namespace {

constexpr unsigned kLineFragment = NSStringDrawingUsesLineFragmentOrigin;
constexpr double kHuge = std::numeric_limits<double>::max();

NSAttributedString withFont(const std::string& text, CGFloat size)
{
    return NSAttributedString(text, {{NSAttributedStringKey::font, UIFont::systemFont(size)}});
}

} // namespace

TEST(TextMeasurement, AgreesWithLabels)
{
    auto text = withFont("Merchant name", 17);
    TextSize size = measureAttributedText(text, {kHuge, kHuge}, kLineFragment);

    auto label = NSObject::create<UILabel>();
    label->setFont(UIFont::systemFont(17));
    label->setText("Merchant name");
    CGSize fitting = label->sizeThatFits({1000, 1000});
    EXPECT_DOUBLE_EQ(fitting.width, std::ceil(size.width));
    EXPECT_DOUBLE_EQ(fitting.height, std::ceil(size.height));
    EXPECT_NEAR(size.height, UIFont::systemFont(17)->lineHeight(), 0.01);
}

TEST(TextMeasurement, WrapsOnlyInLineFragmentMode)
{
    auto text = withFont("one two three four five six seven eight nine ten", 15);
    double line = UIFont::systemFont(15)->lineHeight();
    TextSize single = measureAttributedText(text, {kHuge, kHuge}, kLineFragment);
    EXPECT_NEAR(single.height, line, 0.01);

    TextSize wrapped = measureAttributedText(text, {100, kHuge}, kLineFragment);
    EXPECT_LE(wrapped.width, 100);
    EXPECT_GE(wrapped.height, 3 * line - 0.01);
    EXPECT_NEAR(std::fmod(wrapped.height + 0.005, line), 0, 0.05);

    // Without the line-fragment option the box's width does not wrap the text.
    EXPECT_EQ(measureAttributedText(text, {100, kHuge}, 0), single);
    // The box's height cuts nothing off.
    EXPECT_EQ(measureAttributedText(text, {100, line}, kLineFragment), wrapped);
    // A word longer than the box breaks inside.
    TextSize word = measureAttributedText(withFont("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 15), {60, kHuge}, kLineFragment);
    EXPECT_LE(word.width, 60);
    EXPECT_GE(word.height, 2 * line - 0.01);
}

TEST(TextMeasurement, AttributesChangeTheSize)
{
    EXPECT_EQ(measureAttributedText(NSAttributedString(""), {kHuge, kHuge}, kLineFragment), TextSize{});

    // Runs without a font measure in the 12-point system font.
    TextSize plain = measureAttributedText(NSAttributedString("1234"), {kHuge, kHuge}, kLineFragment);
    EXPECT_EQ(plain, measureAttributedText(withFont("1234", 12), {kHuge, kHuge}, kLineFragment));

    TextSize big = measureAttributedText(withFont("1234", 24), {kHuge, kHuge}, kLineFragment);
    EXPECT_NEAR(big.width, 2 * plain.width, 0.5);

    // Kerning adds space between the characters.
    NSMutableAttributedString kerned("1234");
    kerned.addAttribute(NSAttributedStringKey::kern, std::int64_t{5}, NSRange{0, 4});
    TextSize spaced = measureAttributedText(kerned, {kHuge, kHuge}, kLineFragment);
    EXPECT_GE(spaced.width, plain.width + 14.5);
    EXPECT_LE(spaced.width, plain.width + 20.5);

    // A bold run is wider than the regular one; ranges count UTF-16 units (the emoji is two).
    NSMutableAttributedString mixed("\xF0\x9F\x98\x80 amount 100");
    TextSize regular = measureAttributedText(mixed, {kHuge, kHuge}, kLineFragment);
    mixed.addAttribute(NSAttributedStringKey::font, UIFont::boldSystemFont(12), NSRange{2, mixed.length() - 2});
    EXPECT_GT(measureAttributedText(mixed, {kHuge, kHuge}, kLineFragment).width, regular.width);
}

TEST(TextMeasurement, MeasuredHeightShowsEveryLineWhenDrawn)
{
    const std::string text = "Scan the code with your banking app to pay the merchant shown above, then wait";
    auto font = UIFont::systemFont(16);
    TextSize measured = measureAttributedText(withFont(text, 16), {200, kHuge}, kLineFragment);
    ASSERT_GT(measured.height, 3 * font->lineHeight());

    auto inkOf = [&](double height) {
        auto label = NSObject::create<UILabel>(CGRect{0, 0, 200, height});
        label->setNumberOfLines(0);
        label->setFont(font);
        label->setText(text);
        label->setBackgroundColor(UIColor::white());
        auto image = Renderer::renderView(label, 2);
        return render_test::countPixels(*image, {0, 0, 200, height}, render_test::isDark);
    };
    // A label exactly as tall as measured shows as much ink as a much taller one.
    int exact = inkOf(std::ceil(measured.height));
    int roomy = inkOf(std::ceil(measured.height) + 100);
    EXPECT_GT(exact, 500);
    EXPECT_EQ(exact, roomy);
    // One line less hides text.
    EXPECT_LT(inkOf(std::ceil(measured.height) - font->lineHeight()), exact);
}
