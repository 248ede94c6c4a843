#include "ControlTestSupport.h"

#include "platform/ui/UIButton.h"

#include <gtest/gtest.h>

#include <cmath>

namespace platform {
namespace {

using testsupport::Finger;
using testsupport::renderView;
using testsupport::solidImage;

constexpr auto normal = UIControlState::normal;
constexpr auto highlighted = UIControlState::highlighted;
constexpr auto disabled = UIControlState::disabled;
constexpr auto selected = UIControlState::selected;

TEST(ButtonTest, PerStateContentFallsBackToNormal)
{
    auto button = NSObject::create<UIButton>(CGRect(0, 0, 100, 40));
    EXPECT_EQ(button->buttonType(), UIButtonType::custom);
    EXPECT_EQ(button->title(normal), std::nullopt);
    EXPECT_EQ(button->titleColor(normal), nullptr); // never set: none
    EXPECT_EQ(button->titleColor(highlighted), nullptr);

    auto red = UIColor::red();
    auto blue = UIColor::blue();
    button->setTitle("Pay", normal);
    button->setTitleColor(red, normal);
    button->setTitle("Paying", highlighted);
    button->setTitleColor(blue, selected);

    EXPECT_EQ(button->title(highlighted), "Paying");
    EXPECT_EQ(button->title(disabled), "Pay");
    EXPECT_EQ(button->title(selected), "Pay");
    // A combination of flags falls back to normal, not to one of its parts.
    EXPECT_EQ(button->title(selected | highlighted), "Pay");
    EXPECT_EQ(button->titleColor(selected), blue);
    EXPECT_EQ(button->titleColor(selected | highlighted), red);
    EXPECT_EQ(button->titleColor(disabled), red);

    // Removing a state's own title falls back again.
    button->setTitle(std::nullopt, highlighted);
    EXPECT_EQ(button->title(highlighted), "Pay");
    button->setTitle(std::nullopt, normal);
    EXPECT_EQ(button->title(highlighted), std::nullopt);

    auto icon = solidImage({10, 10}, red);
    auto background = solidImage({4, 4}, blue);
    button->setImage(icon, normal);
    button->setBackgroundImage(background, disabled);
    EXPECT_EQ(button->image(highlighted), icon);
    EXPECT_EQ(button->backgroundImage(normal), nullptr);
    EXPECT_EQ(button->backgroundImage(disabled), background);

    NSAttributedString styled("Styled");
    button->setAttributedTitle(styled, normal);
    EXPECT_EQ(button->attributedTitle(highlighted), styled);
    button->setAttributedTitle(std::nullopt, normal);
    EXPECT_EQ(button->attributedTitle(highlighted), std::nullopt);
}

TEST(ButtonTest, CurrentContentFollowsTheState)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, 200, 100));
    auto button = NSObject::create<UIButton>(CGRect(0, 0, 100, 40));
    root->addSubview(button);
    auto normalImage = solidImage({8, 8}, UIColor::red());
    auto selectedImage = solidImage({12, 12}, UIColor::green());
    button->setTitle("Off", normal);
    button->setTitle("On", selected);
    button->setTitle("Pressed", highlighted);
    button->setTitleColor(UIColor::blue(), normal);
    button->setImage(normalImage, normal);
    button->setImage(selectedImage, selected);

    EXPECT_EQ(button->currentTitle(), "Off");
    EXPECT_EQ(button->titleLabel()->text(), "Off");
    EXPECT_TRUE(isEqual(button->titleLabel()->textColor(), UIColor::blue()));
    EXPECT_EQ(button->imageView()->image(), normalImage);

    button->setSelected(true);
    EXPECT_EQ(button->currentTitle(), "On");
    EXPECT_EQ(button->titleLabel()->text(), "On");
    EXPECT_EQ(button->currentImage(), selectedImage);
    EXPECT_EQ(button->imageView()->image(), selectedImage);

    button->setSelected(false);
    {
        Finger finger(root, {50, 20});
        EXPECT_EQ(button->titleLabel()->text(), "Pressed");
        finger.lift();
    }
    EXPECT_EQ(button->titleLabel()->text(), "Off");

    // Without a colour of its own the title shows white on a custom button, the tint on a system one.
    auto plain = NSObject::create<UIButton>();
    plain->setTitle("x", normal);
    EXPECT_TRUE(isEqual(plain->currentTitleColor(), UIColor::white()));
    auto system = UIButton::button(UIButtonType::system);
    system->setTitle("x", normal);
    system->setTintColor(UIColor::orange());
    EXPECT_TRUE(isEqual(system->titleLabel()->textColor(), UIColor::orange()));

    // An attributed title wins over the plain title of the same state.
    button->setAttributedTitle(NSAttributedString("Fancy"), normal);
    EXPECT_EQ(button->titleLabel()->text(), "Fancy");
    EXPECT_EQ(button->currentTitle(), "Off");
    button->setHighlighted(true);
    EXPECT_EQ(button->titleLabel()->text(), "Pressed"); // the state's own plain title
}

TEST(ButtonTest, IntrinsicSizeAndContentPlacement)
{
    auto button = NSObject::create<UIButton>(CGRect(0, 0, 200, 60));
    EXPECT_EQ(button->intrinsicContentSize(), (CGSize{0, 0}));

    button->titleLabel()->setFont(UIFont::systemFont(16));
    button->setTitle("Pay", normal);
    CGSize titleOnly = button->intrinsicContentSize();
    EXPECT_GT(titleOnly.width, 0);
    EXPECT_EQ(titleOnly.height, std::ceil(UIFont::systemFont(16)->lineHeight()));

    button->setTitle("Pay now, please", normal);
    EXPECT_GT(button->intrinsicContentSize().width, titleOnly.width);

    button->setImage(solidImage({20, 30}, UIColor::red()), normal);
    button->setContentEdgeInsets({4, 6, 4, 6});
    CGSize withImage = button->intrinsicContentSize();
    CGSize title = button->titleLabel()->sizeThatFits({0, 0});
    EXPECT_EQ(withImage.width, std::ceil(20 + title.width + 12));
    EXPECT_EQ(withImage.height, 38);

    // Centred by default: image then title, the pair centred in the content rectangle.
    button->layoutIfNeeded();
    CGRect image = button->imageView()->frame();
    CGRect label = button->titleLabel()->frame();
    EXPECT_DOUBLE_EQ(image.maxX(), label.minX());
    EXPECT_NEAR(image.minX() - 6, 194 - label.maxX(), 1e-9);
    EXPECT_DOUBLE_EQ(image.minY(), 15);

    button->setContentHorizontalAlignment(UIControlContentHorizontalAlignment::left);
    button->setContentVerticalAlignment(UIControlContentVerticalAlignment::top);
    button->setImageEdgeInsets({0, 5, 0, -5}); // moves the image 5 points right
    button->layoutIfNeeded();
    EXPECT_DOUBLE_EQ(button->imageView()->frame().minX(), 11);
    EXPECT_DOUBLE_EQ(button->imageView()->frame().minY(), 4);
    EXPECT_DOUBLE_EQ(button->titleLabel()->frame().minX(), 26);

    button->setContentHorizontalAlignment(UIControlContentHorizontalAlignment::right);
    button->setImageEdgeInsets({});
    button->layoutIfNeeded();
    EXPECT_NEAR(button->titleLabel()->frame().maxX(), 194, 1e-9);

    // A title wider than the room is cut to it.
    auto narrow = NSObject::create<UIButton>(CGRect(0, 0, 40, 30));
    narrow->setTitle("A very long title for a narrow button", normal);
    narrow->layoutIfNeeded();
    EXPECT_LE(narrow->titleLabel()->frame().width(), 40);
}

TEST(ButtonTest, HighlightDarkensImagesUnlessTurnedOff)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, 40, 40));
    auto button = NSObject::create<UIButton>(CGRect(0, 0, 40, 40));
    root->addSubview(button);
    button->setBackgroundImage(solidImage({4, 4}, UIColor::create(0.6, 0.8, 1.0)), normal);

    auto pixel = [&] { return renderView(button)->pixelAt(5, 5); };
    RGBA8 rest = pixel();
    EXPECT_NEAR(rest.b, 255, 1);

    button->setHighlighted(true);
    RGBA8 pressed = pixel();
    EXPECT_LT(pressed.b, 200);
    EXPECT_LT(pressed.g, rest.g);

    button->setAdjustsImageWhenHighlighted(false);
    EXPECT_EQ(pixel(), rest);

    // A highlighted background of its own is shown as it is.
    button->setAdjustsImageWhenHighlighted(true);
    button->setBackgroundImage(solidImage({4, 4}, UIColor::green()), highlighted);
    RGBA8 own = pixel();
    EXPECT_EQ(own.g, 255);
    EXPECT_EQ(own.r, 0);
}

TEST(ButtonTest, TitleIsDrawnInTheCurrentColour)
{
    auto button = NSObject::create<UIButton>(CGRect(0, 0, 120, 40));
    button->setTitle("MMMM", normal);
    button->setTitleColor(UIColor::red(), normal);
    button->setTitleColor(UIColor::blue(), disabled);
    auto image = renderView(button);
    CGRect ink = testsupport::inkBounds(*image);
    ASSERT_FALSE(ink.isEmpty());
    // The title sits in the middle of the button.
    EXPECT_NEAR(ink.midX(), 60, 3);
    EXPECT_NEAR(ink.midY(), 20, 3);

    auto strongest = [&](const UIImage& drawn) {
        RGBA8 best{255, 255, 255, 255};
        for (int y = 0; y < drawn.pixelHeight(); ++y)
            for (int x = 0; x < drawn.pixelWidth(); ++x) {
                RGBA8 p = drawn.pixelAt(x, y);
                if (p.r + p.g + p.b < best.r + best.g + best.b)
                    best = p;
            }
        return best;
    };
    RGBA8 ink1 = strongest(*image);
    EXPECT_GT(ink1.r, 200);
    EXPECT_LT(ink1.b, 100);
    button->setEnabled(false);
    RGBA8 ink2 = strongest(*renderView(button));
    EXPECT_GT(ink2.b, 200);
    EXPECT_LT(ink2.r, 100);
}

} // namespace
} // namespace platform
