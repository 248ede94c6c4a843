// A small screen of every kind of control, rendered at the screen's scale, checked by pixels and kept
// as an artifact for people to look at.
#include "RenderTestSupport.h"

#include "platform/graphics/ImageContext.h"
#include "platform/render/Renderer.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UISwitch.h"
#include "platform/ui/UITextField.h"

#include <gtest/gtest.h>

using namespace platform;
using render_test::countPixels;
using render_test::isDark;
using render_test::isWhite;

namespace {

UIImagePtr disc(CGSize size, const UIColorPtr& color)
{
    UIGraphicsBeginImageContextWithOptions(size, false, 2);
    auto context = UIGraphicsGetCurrentContext();
    context->setFillColor(color);
    context->fillEllipse({0, 0, size.width, size.height});
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

std::shared_ptr<UIButton> makeButton(UIView& parent, const CGRect& frame, const std::string& title)
{
    auto button = NSObject::create<UIButton>(frame);
    button->setBackgroundColor(UIColor::create(0, 0.3, 0.8));
    button->setTitle(title, UIControlState::normal);
    button->setTitleColor(UIColor::white(), UIControlState::normal);
    button->setTitleColor(UIColor::yellow(), UIControlState::highlighted);
    button->setTitleColor(UIColor::create(0.6, 0.6, 0.6), UIControlState::disabled);
    button->setTitleColor(UIColor::red(), UIControlState::selected);
    parent.addSubview(button);
    return button;
}

struct SampleScreen {
    UIViewPtr root;
    std::shared_ptr<UILabel> title;
    std::shared_ptr<UIButton> normal, highlighted, disabled, selected, pictured;
    std::shared_ptr<UITextField> filled, empty;
    std::shared_ptr<UISwitch> on, off;
    std::shared_ptr<UIImageView> tinted, original;
};

SampleScreen makeSampleScreen()
{
    SampleScreen s;
    s.root = NSObject::create<UIView>(CGRect{0, 0, 375, 667});
    s.root->setBackgroundColor(UIColor::white());

    s.title = NSObject::create<UILabel>(CGRect{20, 20, 335, 40});
    s.title->setText("Request payment");
    s.title->setFont(UIFont::boldSystemFont(24));
    s.root->addSubview(s.title);

    s.normal = makeButton(*s.root, {20, 80, 160, 44}, "Pay");
    s.highlighted = makeButton(*s.root, {195, 80, 160, 44}, "Pay");
    s.highlighted->setHighlighted(true);
    s.disabled = makeButton(*s.root, {20, 140, 160, 44}, "Pay");
    s.disabled->setEnabled(false);
    s.selected = makeButton(*s.root, {195, 140, 160, 44}, "Pay");
    s.selected->setSelected(true);
    s.pictured = makeButton(*s.root, {20, 200, 44, 44}, "");
    s.pictured->setTitle(std::nullopt, UIControlState::normal);
    s.pictured->setImage(disc({24, 24}, UIColor::green()), UIControlState::normal);

    s.filled = NSObject::create<UITextField>(CGRect{20, 260, 335, 40});
    s.filled->setBorderStyle(UITextBorderStyle::roundedRect);
    s.filled->setText("4111 1111");
    s.root->addSubview(s.filled);
    s.empty = NSObject::create<UITextField>(CGRect{20, 310, 335, 40});
    s.empty->setBorderStyle(UITextBorderStyle::roundedRect);
    s.empty->setPlaceholder("Amount");
    s.root->addSubview(s.empty);

    s.on = NSObject::create<UISwitch>(CGRect{20, 370, 51, 31});
    s.on->setOn(true);
    s.root->addSubview(s.on);
    s.off = NSObject::create<UISwitch>(CGRect{100, 370, 51, 31});
    s.root->addSubview(s.off);

    s.tinted = NSObject::create<UIImageView>(CGRect{20, 420, 60, 60});
    s.tinted->setImage(disc({30, 30}, UIColor::black())->withRenderingMode(UIImageRenderingMode::alwaysTemplate));
    s.tinted->setTintColor(UIColor::red());
    s.tinted->setContentMode(UIViewContentMode::scaleAspectFit);
    s.root->addSubview(s.tinted);
    s.original = NSObject::create<UIImageView>(CGRect{100, 420, 60, 60});
    s.original->setImage(disc({30, 30}, UIColor::blue()));
    s.original->setContentMode(UIViewContentMode::center);
    s.root->addSubview(s.original);
    return s;
}

bool isYellow(const RGBA8& p)
{
    return p.r > 200 && p.g > 200 && p.b < 80;
}
bool isRed(const RGBA8& p)
{
    return p.r > 200 && p.g < 60 && p.b < 60;
}
bool isGreen(const RGBA8& p)
{
    return p.g > 200 && p.r < 60 && p.b < 60;
}
bool isBlue(const RGBA8& p)
{
    return p.b > 200 && p.r < 60 && p.g < 60;
}
bool isMidGray(const RGBA8& p)
{
    return p.r > 130 && p.r < 175 && std::abs(p.r - p.b) < 12;
}
// The placeholder's faint grey (dark text at a low alpha over white).
bool isFaint(const RGBA8& p)
{
    return p.r > 140 && p.r < 235 && p.b >= p.r;
}

} // namespace

TEST(SampleScreen, ControlsAreDrawnByState)
{
    auto s = makeSampleScreen();
    auto image = Renderer::renderView(s.root, 2);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixelWidth(), 750);
    EXPECT_EQ(image->pixelHeight(), 1334);
    EXPECT_TRUE(Renderer::writePNG(s.root, render_test::artifactPath("render/sample-screen.png"), 2));

    // Label: dark glyphs on white, nothing drawn below the text line.
    EXPECT_GT(countPixels(*image, {20, 20, 335, 40}, isDark), 100);
    EXPECT_PIXEL(image, 350, 22, 255, 255, 255, 255);

    // Buttons: the background everywhere, the title in the state's colour.
    EXPECT_PIXEL(image, 22, 82, 0, 77, 204, 255);
    EXPECT_GT(countPixels(*image, {20, 80, 160, 44}, isWhite), 30);
    EXPECT_EQ(countPixels(*image, {20, 80, 160, 44}, isYellow), 0);
    EXPECT_GT(countPixels(*image, {195, 80, 160, 44}, isYellow), 30);
    EXPECT_EQ(countPixels(*image, {195, 80, 160, 44}, isWhite), 0);
    EXPECT_GT(countPixels(*image, {20, 140, 160, 44}, isMidGray), 30);
    EXPECT_EQ(countPixels(*image, {20, 140, 160, 44}, isWhite), 0);
    EXPECT_GT(countPixels(*image, {195, 140, 160, 44}, isRed), 30);
    EXPECT_GT(countPixels(*image, {20, 200, 44, 44}, isGreen), 300);
    EXPECT_PIXEL(image, 42, 222, 0, 255, 0, 255); // the image sits in the middle of the button

    // Text fields: the text dark, the placeholder faint; the rounded border's edge is not white.
    EXPECT_GT(countPixels(*image, {20, 260, 335, 40}, isDark), 80);
    EXPECT_EQ(countPixels(*image, {20, 310, 335, 40}, isDark), 0);
    EXPECT_GT(countPixels(*image, {20, 310, 335, 40}, isFaint), 80);
    EXPECT_FALSE(isWhite(render_test::pixelAtPoint(*image, 187, 260.25)));

    // Switches: the on track is green at its left end, the off one light grey there with the thumb.
    auto onTrack = render_test::pixelAtPoint(*image, 28, 385.5);
    EXPECT_TRUE(onTrack.g > 150 && onTrack.r < 150) << onTrack;
    auto offRight = render_test::pixelAtPoint(*image, 143, 385.5);
    EXPECT_TRUE(offRight.r > 210 && offRight.r < 240) << offRight;
    EXPECT_PIXEL(image, 115, 385.5, 255, 255, 255, 255);

    // Image views: a template image in the tint colour, scaled to fit; an original one centred.
    EXPECT_PIXEL(image, 50, 450, 255, 0, 0, 255);
    EXPECT_GT(countPixels(*image, {20, 420, 60, 60}, isRed), 4 * 2000);
    EXPECT_PIXEL(image, 130, 450, 0, 0, 255, 255);
    EXPECT_PIXEL(image, 103, 450, 255, 255, 255, 255);
    EXPECT_GT(countPixels(*image, {100, 420, 60, 60}, isBlue), 4 * 600);
}
